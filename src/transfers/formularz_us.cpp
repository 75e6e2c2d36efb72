#include "transfers/formularz_us.h"

#include <algorithm>

#include <fmt/format.h>

#include "transfers/kody.h"

namespace zlx {

std::vector<std::string> lata_okresu_us(TDateTime dzis) {
    std::vector<std::string> lata = lata_okresu_us();
    // The stored list ends long ago; a user must be able to pick this year and the next ones.
    const int ostatni = std::min(99, dzis.year() % 100 + 2);
    for (int rok = std::stoi(lata.back()) + 1; rok <= ostatni; ++rok)
        lata.push_back(fmt::format("{:02}", rok));
    return lata;
}

int pozycja_roku_us(const std::vector<std::string>& lata, TDateTime dzis) {
    // The default period is the previous month, so in January the year is the previous one.
    const int rok = dzis.add_months(-1).year();
    const auto it = std::find(lata.begin(), lata.end(), fmt::format("{:02}", rok % 100));
    return it == lata.end() ? 0 : static_cast<int>(it - lata.begin());
}

std::string nr_okresu_domyslny_us(TDateTime dzis) {
    const int m = dzis.month();
    return fmt::format("{:02}", m == 1 ? 12 : m - 1);
}

std::string id_dodatkowy_us(const TPrzKth& wystawiajacy, int typ_iduzup) {
    switch (typ_iduzup) {
        case 0:
            return wystawiajacy.nip;
        case 1:
            return wystawiajacy.Regon;
        case 2:
            return wystawiajacy.pesel;
        default:
            return {};
    }
}

void pokaz_przelew_us(const TPrzelew& p, PolaUs& us) {
    us.typ_iduzup = pozycja_kodu(kUsTypIdUzup, p.us_typiduzup);
    us.iduzup = p.us_iduzup;
    us.symbol = p.us_symbolformularza;
    us.identyfikacja = p.us_identyfikacjazobowiazania;
    if (p.nr_id == 0) return;
    us.typ_okresu = pozycja_kodu(kUsTypOkresu, p.us_typokresu);
    us.nr_okresu = p.us_nrokresu;
    us.rok_okresu = p.us_rokokresu;
}

void zbierz_przelew_us(const PolaFormularza& pola, const PolaUs& us, std::int32_t klucz_odbiorcy,
                       std::int32_t klucz_wystawiajacego, TPrzelew& p) {
    // The screen has no title or short-name controls: the bank save runs with the stored ones.
    PolaFormularza f = pola;
    f.tytulem = p.tytulem;
    f.tytulemcd = p.tytulemcd;
    f.odbiorca.skrot = p.dost_skrot;
    f.wystawiajacy.skrot = p.my_skrot;
    zbierz_przelew(f, klucz_odbiorcy, klucz_wystawiajacego, p);
    p.us_typiduzup = kod_pozycji(kUsTypIdUzup, us.typ_iduzup);
    p.us_typokresu = kod_pozycji(kUsTypOkresu, us.typ_okresu);
    p.us_iduzup = us.iduzup;
    p.us_identyfikacjazobowiazania = us.identyfikacja;
    p.us_nrokresu = us.nr_okresu;
    p.us_rokokresu = us.rok_okresu;
    p.us_symbolformularza = us.symbol;
    p.rodzaj_przelewu = kPrzelewPodatkowy;
}

}  // namespace zlx
