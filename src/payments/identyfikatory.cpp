#include "payments/identyfikatory.h"

#include <optional>
#include <string>
#include <utility>

#include "core/datetime.h"

namespace zlx {

namespace {

constexpr const char* kBlednaCyfra = "błędna cyfra kontrolna";

Sprawdzenie wynik(std::string numer, bool poprawny) {
    return {poprawny, std::move(numer), poprawny ? "" : kBlednaCyfra};
}

bool regon9_poprawny(std::string_view c) {
    return suma_wazona(c, {8, 9, 2, 3, 4, 5, 6, 7}) % 11 % 10 == c[8] - '0';
}

bool regon14_poprawny(std::string_view c) {
    return suma_wazona(c, {2, 4, 8, 5, 0, 9, 7, 3, 6, 1, 2, 4, 8}) % 11 % 10 == c[13] - '0';
}

}  // namespace

Sprawdzenie sprawdz_nip(std::string_view tekst) {
    Sprawdzenie s;
    s.numer = normalizuj_numer(tekst);
    s.opis = blad_budowy(s.numer, {10});
    if (!s.opis.empty()) return s;
    const int reszta = suma_wazona(s.numer, {6, 5, 7, 2, 3, 4, 5, 6, 7}) % 11;
    return wynik(s.numer, reszta == s.numer[9] - '0');
}

Sprawdzenie sprawdz_regon(std::string_view tekst) {
    Sprawdzenie s;
    s.numer = normalizuj_numer(tekst);
    s.opis = blad_budowy(s.numer, {9, 14});
    if (!s.opis.empty()) return s;
    if (!regon9_poprawny(s.numer)) {
        s.opis = s.numer.size() == 9 ? kBlednaCyfra : "pierwsze 9 cyfr nie tworzy poprawnego numeru REGON";
        return s;
    }
    return wynik(s.numer, s.numer.size() == 9 || regon14_poprawny(s.numer));
}

Sprawdzenie sprawdz_pesel(std::string_view tekst) {
    Sprawdzenie s;
    s.numer = normalizuj_numer(tekst);
    s.opis = blad_budowy(s.numer, {11});
    if (!s.opis.empty()) return s;
    const std::string& c = s.numer;
    if ((10 - suma_wazona(c, {1, 3, 7, 9, 1, 3, 7, 9, 1, 3}) % 10) % 10 != c[10] - '0') {
        s.opis = kBlednaCyfra;
        return s;
    }
    const int rr = (c[0] - '0') * 10 + (c[1] - '0');
    const int mm = (c[2] - '0') * 10 + (c[3] - '0');
    const int dd = (c[4] - '0') * 10 + (c[5] - '0');
    static constexpr int kStulecia[] = {1900, 2000, 2100, 2200, 1800};  // month + 0, 20, 40, 60, 80
    const int rok = kStulecia[(mm - 1) / 20 % 5] + rr;
    const int miesiac = (mm - 1) % 20 + 1;
    const std::optional<TDateTime> data = TDateTime::try_from_ymd(rok, miesiac, dd);
    if (mm == 0 || !data) {
        s.opis = "cyfry 1–6 nie są istniejącą datą urodzenia";
        return s;
    }
    s.poprawny = true;
    s.opis = "data urodzenia " + data->to_text();
    return s;
}

}  // namespace zlx
