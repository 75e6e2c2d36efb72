#include "payments/rachunek.h"

#include <string>

namespace zlx {

namespace {

// Returns the remainder of the decimal digits read as one number, divided by 97.
int reszta_97(std::string_view cyfry) {
    int reszta = 0;
    for (char c : cyfry)
        reszta = (reszta * 10 + (c - '0')) % 97;
    return reszta;
}

}  // namespace

bool cyfry_kontrolne_poprawne(std::string_view cyfry26) {
    if (cyfry26.size() != 26 || !same_cyfry(cyfry26)) return false;
    const std::string liczba = std::string(cyfry26.substr(2)) + "2521" + std::string(cyfry26.substr(0, 2));
    return reszta_97(liczba) == 1;
}

bool numer_rozliczeniowy_poprawny(std::string_view cyfry8) {
    if (cyfry8.size() != 8 || !same_cyfry(cyfry8)) return false;
    const int suma = suma_wazona(cyfry8, {3, 9, 7, 1, 3, 9, 7});
    return (10 - suma % 10) % 10 == cyfry8[7] - '0';
}

std::string nrb_z_cyframi_kontrolnymi(std::string_view cyfry24) {
    const int cc = 98 - reszta_97(std::string(cyfry24) + "252100");  // 2 to 98
    return std::string{static_cast<char>('0' + cc / 10), static_cast<char>('0' + cc % 10)} +
           std::string(cyfry24);
}

Sprawdzenie sprawdz_rachunek(std::string_view tekst) {
    Sprawdzenie s;
    s.numer = normalizuj_numer(tekst);
    s.opis = blad_budowy(s.numer, {26});
    if (!s.opis.empty()) return s;
    const std::string rozliczeniowy = s.numer.substr(2, 8);
    if (!cyfry_kontrolne_poprawne(s.numer)) {
        s.opis = "błędne cyfry kontrolne (reszta z dzielenia przez 97)";
    } else if (!numer_rozliczeniowy_poprawny(rozliczeniowy)) {
        s.opis = "błędna cyfra kontrolna numeru rozliczeniowego banku " + rozliczeniowy;
    } else {
        s.poprawny = true;
        s.opis = "numer rozliczeniowy banku " + rozliczeniowy;
    }
    return s;
}

std::string cyfry_poprawnego_rachunku(std::string_view konto) {
    std::string cyfry;
    for (char c : konto)
        if (c >= '0' && c <= '9') cyfry += c;
    return cyfry_kontrolne_poprawne(cyfry) && numer_rozliczeniowy_poprawny(cyfry.substr(2, 8))
               ? cyfry
               : std::string();
}

}  // namespace zlx
