#include "printing/sterowanie.h"

#include "core/ini.h"
#include "core/settings.h"
#include "core/text.h"
#include "printing/blankiet_us.h"
#include "printing/blankiet_zus.h"
#include "printing/dopasowanie_strony.h"
#include "printing/geometria.h"
#include "printing/recording_canvas.h"
#include "printing/uklady_bankowe.h"

namespace zlx {

namespace {

constexpr const char* kSekcjaDialogu = "drukuj_frm";
constexpr int kPozycjeListyBankowej = 4;

bool bankowy(TrybWydruku t) {
    return t == TrybWydruku::bankowy || t == TrybWydruku::lista_bankowa;
}
bool zus(TrybWydruku t) {
    return t == TrybWydruku::zus || t == TrybWydruku::lista_zus;
}
bool us(TrybWydruku t) {
    return t == TrybWydruku::us || t == TrybWydruku::lista_us;
}

}  // namespace

SterowanieWydrukiem::SterowanieWydrukiem() : ust_(wczytaj_ust_przelew()) {}

void SterowanieWydrukiem::set_przelew(const TPrzelew& t) {
    jeden_ = {t};
    tryb_ = TrybWydruku::bankowy;
}

void SterowanieWydrukiem::set_przelew_zus(const TPrzelew& t) {
    jeden_ = {t};
    tryb_ = TrybWydruku::zus;
}

void SterowanieWydrukiem::set_przelew_us(const TPrzelew& t) {
    jeden_ = {t};
    tryb_ = TrybWydruku::us;
}

void SterowanieWydrukiem::set_przelew_lista(const std::vector<TPrzelew>& lista) {
    lista_ = &lista;
    tryb_ = TrybWydruku::lista_bankowa;
}

void SterowanieWydrukiem::set_przelew_zus_lista(const std::vector<TPrzelew>& lista) {
    lista_ = &lista;
    tryb_ = TrybWydruku::lista_zus;
}

void SterowanieWydrukiem::set_przelew_us_lista(const std::vector<TPrzelew>& lista) {
    lista_ = &lista;
    tryb_ = TrybWydruku::lista_us;
}

void SterowanieWydrukiem::set_zbiorowka(const std::vector<WierszZbiorowki>& wiersze,
                                        const TParZbiorowka& par) {
    wiersze_zbiorowki_ = wiersze;
    par_ = par;
    tryb_ = TrybWydruku::zbiorowka;
}

void SterowanieWydrukiem::set_zest_przel(const std::vector<WierszZestawienia>& wiersze,
                                         const TParZbiorowka& par) {
    wiersze_zestawienia_ = wiersze;
    par_ = par;
    tryb_ = TrybWydruku::zestawienie;
}

bool SterowanieWydrukiem::pasmowy() const {
    return tryb_ == TrybWydruku::zbiorowka || tryb_ == TrybWydruku::zestawienie;
}

RaportPasmowy SterowanieWydrukiem::raport(int pozycja, const Marginesy& m,
                                          std::optional<RozmiarStrony> strona) const {
    ProjektBazowy p = wczytaj_projekt_bazowy();
    if (strona) {
        p.szerokosc_strony = strona->szerokosc;
        p.wysokosc_strony = strona->wysokosc;
    }
    if (tryb_ == TrybWydruku::zbiorowka) return zbuduj_zbiorowke(p, m, wiersze_zbiorowki_, par_);
    KolumnyRaportu kolumny;
    if (pozycja == 1)
        kolumny_zestawienia_2(kolumny);
    else
        kolumny_zestawienia_1(kolumny);
    return zbuduj_zestawienie(p, m, wiersze_zestawienia_, kolumny, par_, TDateTime::today());
}

std::string SterowanieWydrukiem::podpis() const {
    if (tryb_ == TrybWydruku::zbiorowka) return "Zbiorówka";
    if (tryb_ == TrybWydruku::zestawienie) return "Zestawienie";
    return tryb_ == TrybWydruku::brak ? "" : "Przelew";
}

std::vector<std::string> SterowanieWydrukiem::pozycje() const {
    std::vector<std::string> out;
    if (bankowy(tryb_)) {
        const std::size_t ile = tryb_ == TrybWydruku::bankowy ? kUkladyBankowe.size() : kPozycjeListyBankowej;
        for (std::size_t i = 0; i < ile; ++i)
            out.emplace_back(kUkladyBankowe[i].nazwa);
    } else if (zus(tryb_)) {
        for (const PozycjaUkladu& u : kUkladyZus)
            out.emplace_back(u.nazwa);
    } else if (us(tryb_)) {
        for (const PozycjaUkladu& u : kUkladyUs)
            out.emplace_back(u.nazwa);
    } else if (tryb_ == TrybWydruku::zbiorowka) {
        out.emplace_back("Zbiorcze polecenie przelewu");
    } else if (tryb_ == TrybWydruku::zestawienie) {
        out.emplace_back("Zestawienie operacji");
        out.emplace_back("Zestawienie operacji wersja 2");
    }
    return out;
}

Orientacja SterowanieWydrukiem::orientacja(int pozycja) const {
    return bankowy(tryb_) && pozycja == kUkladCzteryKopie ? Orientacja::pozioma : Orientacja::pionowa;
}

int SterowanieWydrukiem::zapamietana_pozycja() const {
    const int p =
        czytaj_ini_int(kStanFormatekIni, kSekcjaDialogu, std::to_string(static_cast<int>(tryb_)), 0);
    const int ile = static_cast<int>(pozycje().size());
    return p >= 0 && p < ile ? p : 0;
}

void SterowanieWydrukiem::zapamietaj_pozycje(int pozycja) const {
    zapisz_ini(kStanFormatekIni, kSekcjaDialogu, std::to_string(static_cast<int>(tryb_)),
               std::to_string(pozycja));
}

std::string SterowanieWydrukiem::zapamietana_drukarka() {
    return trim(czytaj_ini(kStanFormatekIni, "Drukara", "Domyslna", ""));
}

void SterowanieWydrukiem::zapamietaj_drukarke(const std::string& nazwa) {
    zapisz_ini(kStanFormatekIni, "Drukara", "Domyslna", nazwa);
}

const std::vector<TPrzelew>& SterowanieWydrukiem::przelewy() const {
    return lista_ ? *lista_ : jeden_;
}

void SterowanieWydrukiem::drukuj_jeden(Canvas& c, int pozycja, const TPrzelew& t) const {
    TParPrzel p;
    const double gora = 10, lewo = 10;
    if (bankowy(tryb_))
        ustaw_geometrie_bankowa(kZestaw1, p, gora, lewo);
    else if (us(tryb_))
        ustaw_geometrie_us(kZestaw1, p, gora, lewo);
    else
        ustaw_geometrie_zus(kZestaw1, p, gora, lewo);
    p.kratki = to_int(ust_.kratki, 0);
    p.font_name = ust_.font_name;
    p.font_size = ust_.font_size;
    if (!bankowy(tryb_)) p.nadruk = pozycja == 1 ? 1 : 0;

    const auto pozycje_listy = pozycje();
    if (pozycja < 0 || pozycja >= static_cast<int>(pozycje_listy.size())) return;
    const auto i = static_cast<std::size_t>(pozycja);
    if (bankowy(tryb_))
        kUkladyBankowe[i].uklad(c, p, t);
    else if (us(tryb_))
        kUkladyUs[i].uklad(c, p, t);
    else
        kUkladyZus[i].uklad(c, p, t);
}

void SterowanieWydrukiem::drukuj_strony(Canvas& c, int pozycja) const {
    const std::vector<TPrzelew>& lista = przelewy();
    for (std::size_t i = 0; i < lista.size(); ++i) {
        if (i > 0) c.new_page();
        drukuj_jeden(c, pozycja, lista[i]);
    }
}

bool SterowanieWydrukiem::pelny_wydruk(int pozycja) const {
    if (bankowy(tryb_)) return pozycja != 1 && pozycja != 5;
    return (zus(tryb_) || us(tryb_)) && pozycja == 0;
}

RecordingCanvas SterowanieWydrukiem::proba(int pozycja) const {
    RecordingCanvas c;
    const std::vector<TPrzelew>& lista = przelewy();
    if (!pasmowy() && tryb_ != TrybWydruku::brak && !lista.empty()) drukuj_jeden(c, pozycja, lista.front());
    return c;
}

void SterowanieWydrukiem::sprawdz(int pozycja) const {
    if (pasmowy())
        wczytaj_projekt_bazowy();
    else
        proba(pozycja);
}

void SterowanieWydrukiem::steruj_drukowanie(Canvas& c, int pozycja) const {
    if (tryb_ == TrybWydruku::brak) return;
    if (pasmowy()) {
        sprawdz(pozycja);
        c.orientation(orientacja(pozycja));
        drukuj_raport(c, MiaraPrzyblizona{}, raport(pozycja, Marginesy{}));
        return;
    }
    const RecordingCanvas pierwsza = proba(pozycja);
    c.orientation(orientacja(pozycja));
    if (pelny_wydruk(pozycja))
        c.transform(dopasuj_do_arkusza(pierwsza.obszar_pierwszej_strony(), c.arkusz()));
    drukuj_strony(c, pozycja);
}

PrzelewyZbiorczo rozdziel_przelewy(const std::vector<TPrzelew>& przelewy) {
    PrzelewyZbiorczo z;
    for (const TPrzelew& t : przelewy) {
        if (t.rodzaj_przelewu == kPrzelewBankowy)
            z.bankowe.push_back(t);
        else if (t.rodzaj_przelewu == kPrzelewZus)
            z.zus.push_back(t);
        else if (t.rodzaj_przelewu == kPrzelewPodatkowy)
            z.us.push_back(t);
    }
    return z;
}

std::vector<std::string> opis_przelewow(const PrzelewyZbiorczo& z) {
    std::vector<std::string> out;
    if (!z.bankowe.empty()) out.push_back("Przelewów Bankowych: " + std::to_string(z.bankowe.size()));
    if (!z.zus.empty()) out.push_back("Przelewów ZUS: " + std::to_string(z.zus.size()));
    if (!z.us.empty()) out.push_back("Przelewów US: " + std::to_string(z.us.size()));
    return out;
}

void ustaw_flagi_druku(std::vector<TPrzelew>& lista, bool kwoty, bool daty) {
    for (TPrzelew& t : lista) {
        t.drukuj_kwote = kwoty ? 1 : 0;
        t.drukuj_date = daty ? 1 : 0;
    }
}

}  // namespace zlx
