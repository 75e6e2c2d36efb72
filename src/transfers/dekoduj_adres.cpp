#include "transfers/dekoduj_adres.h"

#include <vector>

#include "core/text.h"

namespace zlx {

namespace {

std::vector<std::string> pierwsze_linie(std::string_view tekst, std::size_t ile) {
    std::vector<std::string> linie;
    while (linie.size() < ile) {
        const auto koniec = tekst.find('\n');
        linie.push_back(trim(tekst.substr(0, koniec)));
        if (koniec == std::string_view::npos) break;
        tekst.remove_prefix(koniec + 1);
    }
    return linie;
}

void ustaw(std::string& pole, const std::string& linia) {
    if (!linia.empty()) pole = linia;
}

}  // namespace

void dekoduj_adres(std::string_view tekst, bool allegro, DekodowanyAdres& pola) {
    const auto linie = pierwsze_linie(tekst, 6);
    const auto linia = [&](std::size_t i) -> std::string { return i < linie.size() ? linie[i] : ""; };
    ustaw(pola.nazwa, linia(0));
    ustaw(pola.adres, linia(1));
    const std::string kod_miasto = linia(2);
    const std::size_t dlugosc = utf8_length(kod_miasto);
    if (dlugosc >= 6) pola.kodp = utf8_left(kod_miasto, 6);
    // The town follows the blank after the postcode; stored with that blank it would print and export
    // as " Warszawa".
    if (dlugosc >= 7) pola.miejscowosc = trim(utf8_substr(kod_miasto, 6));
    ustaw(pola.rachunek, linia(3));
    const std::string aukcja = linia(4);
    if (!aukcja.empty()) pola.tytulem = allegro ? std::string(kPrefiksAukcji) + aukcja : aukcja;
    const std::string nick = linia(5);
    if (!nick.empty()) pola.tytulemcd = allegro ? std::string(kPrefiksNicku) + nick : nick;
}

}  // namespace zlx
