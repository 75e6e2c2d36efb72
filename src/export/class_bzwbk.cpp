#include "export/class_bzwbk.h"

#include <fmt/format.h>

#include <utility>
#include <vector>

#include "core/fitting.h"
#include "core/text.h"

namespace zlx {

std::string TElixirBzwbk::generuj_linie_bzwbk() {
    oczysc_teksty("|");
    wypelnij_rekord();
    TExpElixir0& r = rekord_;
    const TPrzelew& p = przelew_;
    const CivilDate d = data_przelewu().civil();
    r[3] = p.kwota_money.to_text();
    r[9] = p.dost_nazwa;
    r[10] = p.dost_adres_miejscowosc;
    r[11] = p.dost_adres_ulica;
    r[12] = p.dost_adres_kodp;
    r[13] = fmt::format("{:02}-{:02}-{:04}", d.day, d.month, d.year);
    r[17] = p.tytulem + " " + p.tytulemcd;

    std::vector<std::pair<std::string, int>> pola;
    switch (p.rodzaj_przelewu) {
        case kPrzelewBankowy:
            pola = {{"1", 1},   {r[5], 26}, {r[6], 26}, {r[9], 40},         {r[10], 32}, {r[11], 32},
                    {r[12], 6}, {r[3], 13}, {"1", 1},   {trim(r[17]), 140}, {r[13], 10}};
            break;
        case kPrzelewZus:
            pola = {{"2", 1},   {r[5], 26},  {r[6], 26}, {r[3], 13}, {r[13], 10}, {r[20], 50}, {r[19], 10},
                    {r[21], 1}, {r[22], 14}, {r[23], 1}, {r[24], 6}, {r[25], 2},  {r[27], 15}};
            break;
        case kPrzelewPodatkowy:
            pola = {{"3", 1},   {r[5], 26}, {r[6], 26},  {r[9], 40},  {r[10], 32}, {r[11], 32},
                    {r[12], 6}, {r[3], 13}, {r[13], 10}, {r[28], 50}, {r[29], 1},  {r[30], 14},
                    {r[31], 2}, {r[32], 1}, {r[33], 4},  {r[34], 6},  {r[35], 20}};
            break;
        default:
            return {};
    }
    std::string line;
    for (const auto& [value, length] : pola)
        line += przytnij(value, static_cast<std::int16_t>(length)) + "|";
    return line;
}

}  // namespace zlx
