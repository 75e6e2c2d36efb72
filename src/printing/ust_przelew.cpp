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

std::vector<KluczUstPrzelew> zbuduj_klucze() {
    return {
        {kOpcje, "kratki", &U::kratki, "", "zakładka „Ogólne”, „Drukowanie w kratkach”"},
        {kMarginesy, "bankowy_wydruk_top", &U::bankowy_wydruk_top, "0", kBankWydruk},
        {kMarginesy, "bankowy_wydruk_left", &U::bankowy_wydruk_left, "0", kBankWydruk},
        {kMarginesy, "pocztowy_wydruk_top", &U::pocztowy_wydruk_top, "10", kPocztWydruk},
        {kMarginesy, "pocztowy_wydruk_left", &U::pocztowy_wydruk_left, "1", kPocztWydruk},
        {kMarginesy, "bankowy_nadruk_odstep", &U::bankowy_nadruk_odstep, "",
         "zakładka „Bankowe”, „Odstęp między formularzami nadruku”"},
        {kMarginesy, "pocztowy_nadruk_odstep", &U::pocztowy_nadruk_odstep, "",
         "zakładka „Bankowe”, „Ustawienia dla przelewu pocztowego”, „Odstęp między formularzami nadruku”"},
        {kMarginesy, "zus_nadruk_odstep", &U::zus_nadruk_odstep, "0",
         "zakładka „Zus”, „Odstęp między formularzami nadruku”"},
        {kMarginesy, "us_nadruk_odstep", &U::us_nadruk_odstep, "0",
         "zakładka „Podatkowe”, „Odstęp między formularzami nadruku”"},
        {kMarginesy, "pocztowy_nadruk_top", &U::pocztowy_nadruk_top, "30", kPocztNadruk},
        {kMarginesy, "pocztowy_nadruk_left", &U::pocztowy_nadruk_left, "1", kPocztNadruk},
        {kMarginesy, "zus_wydruk_top", &U::zus_wydruk_top, "", "zakładka „Zus”, „Marginesy wydruk”"},
        {kKolory, "zus_poddruk_mmrrrr", &U::zus_poddruk_mmrrrr, "1",
         "zakładka „Zus”, „Parametry”, „Drukuj poddruk MMRRRR”"},
        {kMarginesy, "zus_wydruk_left", &U::zus_wydruk_left, "", "zakładka „Zus”, „Marginesy wydruk”"},
        {kMarginesy, "us_wydruk_top", &U::us_wydruk_top, "", "zakładka „Podatkowe”, „Marginesy wydruk”"},
        {kMarginesy, "us_wydruk_left", &U::us_wydruk_left, "", "zakładka „Podatkowe”, „Marginesy wydruk”"},
        {kMarginesy, "bankowy_nadruk_top", &U::bankowy_nadruk_top, "", kBankNadruk},
        {kMarginesy, "bankowy_nadruk_left", &U::bankowy_nadruk_left, "", kBankNadruk},
        {kMarginesy, "zus_nadruk_top", &U::zus_nadruk_top, "", "zakładka „Zus”, „Marginesy nadruk”"},
        {kMarginesy, "zus_nadruk_left", &U::zus_nadruk_left, "", "zakładka „Zus”, „Marginesy nadruk”"},
        {kMarginesy, "us_nadruk_top", &U::us_nadruk_top, "", "zakładka „Podatkowe”, „Marginesy nadruk”"},
        {kMarginesy, "us_nadruk_left", &U::us_nadruk_left, "", "zakładka „Podatkowe”, „Marginesy nadruk”"},
        {kFont, "font_name", &U::font_name, "Courier NEW", "zakładka „Ogólne”, „Rozmiar i rodzaj czcionki”"},
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

std::string miejsce_klucza(const std::string& klucz) {
    for (const KluczUstPrzelew& k : klucze_ust_przelew())
        if (klucz == k.klucz) return k.miejsce;
    return "";
}

std::string tresc_bledu(const std::string& klucz, const std::string& wartosc) {
    std::string s = "Nie można wydrukować przelewu: ustawienie " + klucz;
    s += trim(wartosc).empty() ? " nie jest ustawione"
                               : " ma wartość „" + wartosc + "”, która nie jest liczbą";
    s += ". Ustaw je w oknie „Ustawienia Przelewy”";
    const std::string miejsce = miejsce_klucza(klucz);
    if (!miejsce.empty()) s += ", " + miejsce;
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

BladUstawienia::BladUstawienia(const std::string& klucz, const std::string& wartosc)
    : std::runtime_error(tresc_bledu(klucz, wartosc)), klucz_(klucz) {}

double liczba_ustawienia(const std::string& klucz, const std::string& wartosc) {
    std::string t = trim(wartosc);
    for (char& c : t)
        if (c == ',') c = '.';
    double v = 0;
    const char* first = t.data();
    const char* last = t.data() + t.size();
    if (!t.empty() && *first == '+') ++first;
    auto [end, ec] = std::from_chars(first, last, v);
    if (t.empty() || ec != std::errc() || end != last) throw BladUstawienia(klucz, wartosc);
    return v;
}

int calkowita_ustawienia(const std::string& klucz, const std::string& wartosc) {
    // Two different defaults tell a stored number from text that is not one.
    if (to_int(wartosc, 0) != to_int(wartosc, 1)) throw BladUstawienia(klucz, wartosc);
    return to_int(wartosc, 0);
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
