#include "printing/ust_przelew.h"

#include <charconv>
#include <string_view>
#include <system_error>

#include "core/ini.h"
#include "core/settings.h"
#include "core/text.h"

namespace zlx {

namespace {

using U = TUstPrzelew;

constexpr const char* kOpcje = "opcje_wydrukow";
constexpr const char* kKolory = "kolory";
constexpr const char* kFont = "font";
constexpr const char* kMarginesy = "marginesy";

constexpr const char* kBankWydruk = "zakładka „Bankowe”, „Marginesy bank. wydruk”";
constexpr const char* kBankNadruk = "zakładka „Bankowe”, „Marginesy bank. nadruk”";
constexpr const char* kPocztWydruk = "zakładka „Bankowe”, „Marginesy poczt. wydruk”";
constexpr const char* kPocztNadruk = "zakładka „Bankowe”, „Marginesy poczt. nadruk”";
constexpr const char* kKolor1 = "zakładka „Kolory”, „Kolor 1 (czerwony)”";
constexpr const char* kKolor2 = "zakładka „Kolory”, „Kolor 2 (szary)”";

// Returns the value step 5 of the upgrade writes for the key.
const char* krok5(std::string_view klucz) {
    for (const UstawienieKroku5& u : kUstawieniaKroku5)
        if (klucz == u.klucz) return u.wartosc;
    throw std::logic_error("no step 5 value for " + std::string(klucz));
}

// The defaults: step 5's values where it writes one; the overprint origins and spacings, which the
// older version left empty until the dialog saved them, start where the full print of the kind
// puts its blank (the bank overprint is shifted by the stub on its own) and with no extra spacing.
std::vector<KluczUstPrzelew> zbuduj_klucze() {
    return {
        {kOpcje, "kratki", &U::kratki, "0", "zakładka „Ogólne”, „Drukowanie w kratkach”"},
        {kMarginesy, "bankowy_wydruk_top", &U::bankowy_wydruk_top, krok5("bankowy_wydruk_top"), kBankWydruk},
        {kMarginesy, "bankowy_wydruk_left", &U::bankowy_wydruk_left, krok5("bankowy_wydruk_left"),
         kBankWydruk},
        {kMarginesy, "pocztowy_wydruk_top", &U::pocztowy_wydruk_top, krok5("pocztowy_wydruk_top"),
         kPocztWydruk},
        {kMarginesy, "pocztowy_wydruk_left", &U::pocztowy_wydruk_left, krok5("pocztowy_wydruk_left"),
         kPocztWydruk},
        {kMarginesy, "bankowy_nadruk_odstep", &U::bankowy_nadruk_odstep, "0",
         "zakładka „Bankowe”, „Odstęp między formularzami nadruku”"},
        {kMarginesy, "pocztowy_nadruk_odstep", &U::pocztowy_nadruk_odstep, "0",
         "zakładka „Bankowe”, „Ustawienia dla przelewu pocztowego”, „Odstęp między formularzami nadruku”"},
        {kMarginesy, "zus_nadruk_odstep", &U::zus_nadruk_odstep, "0",
         "zakładka „Zus”, „Odstęp między formularzami nadruku”"},
        {kMarginesy, "us_nadruk_odstep", &U::us_nadruk_odstep, "0",
         "zakładka „Podatkowe”, „Odstęp między formularzami nadruku”"},
        {kMarginesy, "pocztowy_nadruk_top", &U::pocztowy_nadruk_top, "30", kPocztNadruk},
        {kMarginesy, "pocztowy_nadruk_left", &U::pocztowy_nadruk_left, "1", kPocztNadruk},
        {kMarginesy, "zus_wydruk_top", &U::zus_wydruk_top, krok5("zus_wydruk_top"),
         "zakładka „Zus”, „Marginesy wydruk”"},
        {kKolory, "zus_poddruk_mmrrrr", &U::zus_poddruk_mmrrrr, krok5("zus_poddruk_mmrrrr"),
         "zakładka „Zus”, „Parametry”, „Drukuj poddruk MMRRRR”"},
        {kMarginesy, "zus_wydruk_left", &U::zus_wydruk_left, krok5("zus_wydruk_left"),
         "zakładka „Zus”, „Marginesy wydruk”"},
        {kMarginesy, "us_wydruk_top", &U::us_wydruk_top, krok5("us_wydruk_top"),
         "zakładka „Podatkowe”, „Marginesy wydruk”"},
        {kMarginesy, "us_wydruk_left", &U::us_wydruk_left, krok5("us_wydruk_left"),
         "zakładka „Podatkowe”, „Marginesy wydruk”"},
        {kMarginesy, "bankowy_nadruk_top", &U::bankowy_nadruk_top, "4", kBankNadruk},
        {kMarginesy, "bankowy_nadruk_left", &U::bankowy_nadruk_left, "1", kBankNadruk},
        {kMarginesy, "zus_nadruk_top", &U::zus_nadruk_top, "4", "zakładka „Zus”, „Marginesy nadruk”"},
        {kMarginesy, "zus_nadruk_left", &U::zus_nadruk_left, "20", "zakładka „Zus”, „Marginesy nadruk”"},
        {kMarginesy, "us_nadruk_top", &U::us_nadruk_top, "4", "zakładka „Podatkowe”, „Marginesy nadruk”"},
        {kMarginesy, "us_nadruk_left", &U::us_nadruk_left, "20", "zakładka „Podatkowe”, „Marginesy nadruk”"},
        {kFont, "font_name", &U::font_name, "ARIAL", "zakładka „Ogólne”, „Rozmiar i rodzaj czcionki”"},
        {kFont, "font_size", &U::font_size, "13", "zakładka „Ogólne”, „Rozmiar i rodzaj czcionki”"},
        {kOpcje, "zamieniajwielkie", &U::zamieniajwielkie, "1",
         "zakładka „Ogólne”, „Zamieniaj na wielkie litery”"},
        {kOpcje, "pocztiloscznakow", &U::pocztiloscznakow, "27",
         "zakładka „Bankowe”, „Ustawienia dla przelewu pocztowego”, „Maksymalna ilość znaków w wierszu "
         "potwierdzenia”"},
        {kOpcje, "jaknazwacd", &U::jaknazwacd, "0",
         "zakładka „Ogólne”, „Pole nazwa cd po wybraniu z kartoteki:”"},
        {kKolory, "kolortlo1_r", &U::kolortlo1_r, "245", kKolor1},
        {kKolory, "kolortlo1_g", &U::kolortlo1_g, "222", kKolor1},
        {kKolory, "kolortlo1_b", &U::kolortlo1_b, "221", kKolor1},
        {kKolory, "kolorlinie1_r", &U::kolorlinie1_r, "236", kKolor1},
        {kKolory, "kolorlinie1_g", &U::kolorlinie1_g, "149", kKolor1},
        {kKolory, "kolorlinie1_b", &U::kolorlinie1_b, "147", kKolor1},
        {kKolory, "kolorfontnapiszus1_r", &U::kolorfontnapiszus1_r, "251", kKolor1},
        {kKolory, "kolorfontnapiszus1_g", &U::kolorfontnapiszus1_g, "181", kKolor1},
        {kKolory, "kolorfontnapiszus1_b", &U::kolorfontnapiszus1_b, "168", kKolor1},
        {kKolory, "kolorfontnapisPodatki1_r", &U::kolorfontnapisPodatki1_r, "251", kKolor1},
        {kKolory, "kolorfontnapisPodatki1_g", &U::kolorfontnapisPodatki1_g, "181", kKolor1},
        {kKolory, "kolorfontnapisPodatki1_b", &U::kolorfontnapisPodatki1_b, "168", kKolor1},
        {kKolory, "kolortlo2_r", &U::kolortlo2_r, "242", kKolor2},
        {kKolory, "kolortlo2_g", &U::kolortlo2_g, "242", kKolor2},
        {kKolory, "kolortlo2_b", &U::kolortlo2_b, "242", kKolor2},
        {kKolory, "kolorlinie2_r", &U::kolorlinie2_r, "115", kKolor2},
        {kKolory, "kolorlinie2_g", &U::kolorlinie2_g, "115", kKolor2},
        {kKolory, "kolorlinie2_b", &U::kolorlinie2_b, "115", kKolor2},
        {kKolory, "kolorfontnapiszus2_r", &U::kolorfontnapiszus2_r, "202", kKolor2},
        {kKolory, "kolorfontnapiszus2_g", &U::kolorfontnapiszus2_g, "202", kKolor2},
        {kKolory, "kolorfontnapiszus2_b", &U::kolorfontnapiszus2_b, "202", kKolor2},
        {kKolory, "kolorfontnapisPodatki2_r", &U::kolorfontnapisPodatki2_r, "202", kKolor2},
        {kKolory, "kolorfontnapisPodatki2_g", &U::kolorfontnapisPodatki2_g, "202", kKolor2},
        {kKolory, "kolorfontnapisPodatki2_b", &U::kolorfontnapisPodatki2_b, "202", kKolor2},
        {kOpcje, "zus_napis_zus", &U::zus_napis_zus, "1", "zakładka „Zus”, „Parametry”, „Drukuj napis ZUS”"},
        {kOpcje, "us_napis_podatki", &U::us_napis_podatki, "1",
         "zakładka „Podatkowe”, „Parametry”, „Drukuj napis PODATKI”"},
        {kOpcje, "pionowe_napisy", &U::pionowe_napisy, "1",
         "zakładka „Ogólne”, „Drukuj pionowe napisy na przelewach”"},
        {kOpcje, "przenos_uwagi_do_zus", &U::przenos_uwagi_do_zus, "0",
         "zakładka „Zus”, „Parametry”, „Przenoś uwagi firmy własnej (pole notatki) do uwag Formatki ZUS”"},
    };
}

const KluczUstPrzelew* znajdz_klucz(const std::string& klucz) {
    for (const KluczUstPrzelew& k : klucze_ust_przelew())
        if (klucz == k.klucz) return &k;
    return nullptr;
}

std::string tresc_bledu(const std::string& plik, const std::string& sekcja, const std::string& klucz,
                        const std::string& wartosc, const std::string& oczekiwana, const std::string& rada) {
    std::string s = "Nie można drukować: w pliku „" + plik + "” w sekcji [" + sekcja + "] klucz " + klucz;
    s += trim(wartosc).empty() ? " nie ma wartości" : " ma wartość „" + wartosc + "”";
    return s + ", a powinien mieć " + oczekiwana + ". " + rada;
}

std::string rada_okna(const KluczUstPrzelew* k) {
    std::string s = "Ustaw go w oknie „Ustawienia Przelewy”";
    if (k && *k->miejsce) s += ", " + std::string(k->miejsce);
    return s + ", i zapisz ustawienia.";
}

}  // namespace

const std::vector<KluczUstPrzelew>& klucze_ust_przelew() {
    static const std::vector<KluczUstPrzelew> klucze = zbuduj_klucze();
    return klucze;
}

TUstPrzelew wczytaj_ust_przelew() {
    TUstPrzelew u;
    for (const KluczUstPrzelew& k : klucze_ust_przelew())
        u.*k.pole = czytaj_ini(kUstPrzelewIni, k.sekcja, k.klucz, k.domyslna);
    return u;
}

void zapisz_ust_przelew(const TUstPrzelew& u) {
    zmien_plik_ini(ini_path(kUstPrzelewIni), [&](std::string tresc) {
        for (const KluczUstPrzelew& k : klucze_ust_przelew())
            tresc = ini_with_value(tresc, k.sekcja, k.klucz, u.*k.pole);
        return tresc;
    });
}

BladUstawienia::BladUstawienia(const std::string& klucz, const std::string& wartosc,
                               const std::string& oczekiwana)
    : std::runtime_error(tresc_bledu(kUstPrzelewIni, znajdz_klucz(klucz) ? znajdz_klucz(klucz)->sekcja : "?",
                                     klucz, wartosc, oczekiwana, rada_okna(znajdz_klucz(klucz)))),
      klucz_(klucz) {}

BladUstawienia::BladUstawienia(const std::string& plik, const std::string& sekcja, const std::string& klucz,
                               const std::string& wartosc, const std::string& oczekiwana,
                               const std::string& rada)
    : std::runtime_error(tresc_bledu(plik, sekcja, klucz, wartosc, oczekiwana, rada)), klucz_(klucz) {}

bool czytaj_liczbe(const std::string& tekst, double& v) {
    std::string t = trim(tekst);
    for (char& c : t)
        if (c == ',') c = '.';
    const char* first = t.data();
    const char* last = t.data() + t.size();
    if (!t.empty() && *first == '+') ++first;
    auto [end, ec] = std::from_chars(first, last, v);
    return !t.empty() && ec == std::errc() && end == last;
}

double liczba_ustawienia(const std::string& klucz, const std::string& wartosc) {
    double v = 0;
    if (!czytaj_liczbe(wartosc, v)) throw BladUstawienia(klucz, wartosc, kOczekiwanaLiczba);
    return v;
}

int calkowita_ustawienia(const std::string& klucz, const std::string& wartosc, int od, int do_,
                         const std::string& oczekiwana) {
    // Two different defaults tell a stored number from text that is not one.
    const int v = to_int(wartosc, 0);
    if (v != to_int(wartosc, 1) || v < od || v > do_) throw BladUstawienia(klucz, wartosc, oczekiwana);
    return v;
}

double margines(const TUstPrzelew& u, const char* klucz) {
    for (const KluczUstPrzelew& k : klucze_ust_przelew())
        if (std::string_view(klucz) == k.klucz) return liczba_ustawienia(klucz, u.*k.pole);
    throw std::logic_error(std::string("unknown print setting ") + klucz);
}

std::string czytaj_ust(const char* sekcja, const char* klucz, const char* domyslna) {
    return czytaj_ini(kUstPrzelewIni, sekcja, klucz, domyslna);
}

}  // namespace zlx
