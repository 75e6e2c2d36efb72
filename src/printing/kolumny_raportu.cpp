#include "printing/kolumny_raportu.h"

namespace zlx {

namespace {

constexpr std::uint8_t kLewo = 1;
constexpr std::uint8_t kPrawo = 2;

}  // namespace

void KolumnyRaportu::wyczysc() {
    kolumny_.clear();
    szerokosc_ = 0;
}

void KolumnyRaportu::dodaj(const std::string& opis, const std::string& pole, double szerokosc,
                           std::uint8_t wyrownanie) {
    kolumny_.push_back({opis, szerokosc, szerokosc_, pole, wyrownanie});
    szerokosc_ += szerokosc;
}

void kolumny_zestawienia_1(KolumnyRaportu& k) {
    k.wyczysc();
    k.dodaj("Lp", "lp", 0.28, kLewo);
    k.dodaj("Data", "data", 0.75, kLewo);
    k.dodaj("Zleceniodawca", "my_nazwa", 1.7, kLewo);
    k.dodaj("Odbiorca", "dost_nazwa", 1.7, kLewo);
    k.dodaj("Tytułem", "tytulem", 1.7, kLewo);
    k.dodaj("Kwota", "kwota", 1.1, kPrawo);
}

void kolumny_zestawienia_2(KolumnyRaportu& k) {
    k.wyczysc();
    k.dodaj("Lp", "lp", 0.28, kLewo);
    k.dodaj("Data", "data", 0.75, kLewo);
    k.dodaj("Odbiorca", "dost_nazwa", 1.7, kLewo);
    k.dodaj("Tytułem", "tytulem", 3.4, kLewo);
    k.dodaj("Kwota", "kwota", 1.1, kPrawo);
}

}  // namespace zlx
