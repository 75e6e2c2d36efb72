#include "transfers/kody.h"

#include <fmt/format.h>

namespace zlx {

namespace {

constexpr KodPola kTypOkresu[] = {
    {"R", "R-Rok"},     {"P", "P-Półrocze"}, {"K", "K-Kwartał"},
    {"M", "M-Miesiąc"}, {"D", "D-Dekada"},   {"J", "J-Dzień"},
};

constexpr KodPola kTypIdUzupUs[] = {
    {"N", "N-Nip"},      {"R", "R-Regon"},         {"P", "P-Pesel"}, {"1", "1-dowód osobisty"},
    {"2", "2-paszport"}, {"3", "3-Inny dokument"},
};

constexpr KodPola kIdUzupZus[] = {
    {"N", "N-NUSP"}, {"R", "R-Regon"}, {"P", "P-Pesel"}, {"1", "1-Dowód odobisty"}, {"2", "2-Paszport"},
};

constexpr KodPola kTypWplatyZus[] = {
    {"S", "S-Składka za 1 m-c"},
    {"M", "M-Składka dłuższa niż 2 m-c"},
    {"U", "U-Układ ratalny"},
    {"T", "T-Odroczenie terminu"},
    {"D", "D-Dodatkowa opłata"},
    {"E", "E-Koszty egzekucyjne"},
    {"A", "A-Dodatkowa opłata za błedy płatnika"},
    {"B", "B-Dodatkowa opłata "},
};

// Returns the numbers first..last, zero-padded to the width.
std::vector<std::string> numery(int first, int last, int width) {
    std::vector<std::string> out;
    for (int i = first; i <= last; ++i)
        out.push_back(fmt::format("{:0{}d}", i, width));
    return out;
}

}  // namespace

const TabelaKodow kUsTypOkresu{kTypOkresu};
const TabelaKodow kUsTypIdUzup{kTypIdUzupUs};
const TabelaKodow kZusIdUzup{kIdUzupZus};
const TabelaKodow kZusTypWplaty{kTypWplatyZus};

int pozycja_kodu(TabelaKodow tabela, std::string_view kod) {
    for (std::size_t i = 0; i < tabela.size(); ++i)
        if (!kod.empty() && tabela[i].kod == kod) return static_cast<int>(i);
    return 0;
}

std::string kod_pozycji(TabelaKodow tabela, int pozycja) {
    if (pozycja < 0 || static_cast<std::size_t>(pozycja) >= tabela.size()) return {};
    return std::string(tabela[static_cast<std::size_t>(pozycja)].kod);
}

std::vector<std::string> etykiety(TabelaKodow tabela) {
    std::vector<std::string> out;
    for (const KodPola& k : tabela)
        out.emplace_back(k.etykieta);
    return out;
}

std::vector<std::string> numery_okresu_us(int typ_okresu) {
    switch (typ_okresu) {
        case kOkresPolrocze:
            return numery(1, 2, 2);
        case kOkresKwartal:
            return numery(1, 4, 2);
        case kOkresMiesiac:
            return numery(1, 12, 2);
        case kOkresDekada: {
            std::vector<std::string> out;
            for (int month = 1; month <= 12; ++month)
                for (int decade = 1; decade <= 3; ++decade)
                    out.push_back(fmt::format("{:02d}{:02d}", decade, month));
            return out;
        }
        default:
            return {};
    }
}

std::string etykieta_nr_okresu_us(int typ_okresu) {
    return typ_okresu == kOkresDzien ? "Nr Okresu DDMM" : "Nr Okresu";
}

std::vector<std::string> lata_okresu_us() {
    return numery(5, 23, 2);
}

std::vector<std::string> miesiace_deklaracji_zus() {
    return numery(1, 12, 2);
}

std::vector<std::string> lata_deklaracji_zus() {
    return numery(2010, 2021, 4);
}

}  // namespace zlx
