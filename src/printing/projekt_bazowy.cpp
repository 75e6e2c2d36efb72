#include "printing/projekt_bazowy.h"

#include <filesystem>
#include <system_error>

#include "core/ini.h"
#include "core/os.h"
#include "printing/ust_przelew.h"

namespace zlx {

namespace {

constexpr const char* kDomyslnyProjekt =
    "; The base of the collective order and the statement (lengths in inches).\n"
    "[Report1.Page1]\n"
    "szerokosc=8.27\n"
    "wysokosc=11.69\n"
    "\n"
    "[Region1]\n"
    "lewo=0.5\n"
    "\n"
    "[czcionka]\n"
    "nazwa=ARIAL\n"
    "rozmiar=10\n"
    "\n"
    "[detail]\n"
    "wysokosc=0.2\n";

void zapisz_domyslny(const std::string& sciezka) {
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(sciezka).parent_path(), ec);
    try {
        os::write_file_atomically(sciezka, kDomyslnyProjekt);
    } catch (const std::runtime_error& e) {
        throw IniWriteError(sciezka, e.what());
    }
}

// Returns the length, or throws BladRaportu with the message when it is missing or not a number.
double dlugosc(const char* sekcja, const char* klucz, const char* komunikat, bool dodatnia) {
    const std::string wartosc = czytaj_ini(kProjektBazowy, sekcja, klucz, "");
    double v = 0;
    try {
        v = liczba_ustawienia(klucz, wartosc);
    } catch (const BladUstawienia&) {
        throw BladRaportu(komunikat);
    }
    if (dodatnia ? v <= 0 : v < 0) throw BladRaportu(komunikat);
    return v;
}

double dodatnia_liczba(const char* sekcja, const char* klucz, const char* domyslna) {
    const std::string wartosc = czytaj_ini(kProjektBazowy, sekcja, klucz, domyslna);
    const double v = liczba_ustawienia(klucz, wartosc);
    if (v <= 0) throw BladUstawienia(klucz, wartosc);
    return v;
}

}  // namespace

ProjektBazowy wczytaj_projekt_bazowy() {
    const std::string sciezka = ini_path(kProjektBazowy);
    std::string tresc;
    if (!os::read_file(sciezka, tresc)) zapisz_domyslny(sciezka);

    ProjektBazowy p;
    p.szerokosc_strony = dlugosc("Report1.Page1", "szerokosc", kBrakStrony, true);
    p.wysokosc_strony = dlugosc("Report1.Page1", "wysokosc", kBrakStrony, true);
    p.region_lewo = dlugosc("Region1", "lewo", kBrakRegionu, false);
    p.czcionka = czytaj_ini(kProjektBazowy, "czcionka", "nazwa", p.czcionka);
    if (p.czcionka.empty()) p.czcionka = ProjektBazowy{}.czcionka;
    p.rozmiar_czcionki = dodatnia_liczba("czcionka", "rozmiar", "10");
    p.wysokosc_wiersza = dodatnia_liczba("detail", "wysokosc", "0.2");
    return p;
}

}  // namespace zlx
