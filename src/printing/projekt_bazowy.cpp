#include "printing/projekt_bazowy.h"

#include <filesystem>
#include <system_error>

#include "core/ini.h"
#include "core/os.h"
#include "core/text.h"
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

constexpr const char* kRada =
    "Popraw plik albo go usuń: program zapisze go na nowo z wartościami domyślnymi.";

// Returns the length: a missing key stops the run with the message of its section (the page or the
// region is not there); a value that is not a number greater than zero (or, for `dodatnia` false, at
// least zero) names the file and the key.
double dlugosc(const char* sekcja, const char* klucz, const char* domyslna, const char* komunikat,
               bool dodatnia) {
    const std::string wartosc = czytaj_ini(kProjektBazowy, sekcja, klucz, domyslna);
    if (komunikat && trim(wartosc).empty()) throw BladRaportu(komunikat);
    double v = 0;
    if (!czytaj_liczbe(wartosc, v) || (dodatnia ? v <= 0 : v < 0))
        throw BladUstawienia(
            kProjektBazowy, sekcja, klucz, wartosc,
            dodatnia ? "liczbę cali większą od zera, np. 8,27" : "liczbę cali nie mniejszą od zera, np. 0,5",
            kRada);
    return v;
}

}  // namespace

ProjektBazowy wczytaj_projekt_bazowy() {
    const std::string sciezka = ini_path(kProjektBazowy);
    std::string tresc;
    if (!os::read_file(sciezka, tresc)) zapisz_domyslny(sciezka);

    ProjektBazowy p;
    p.szerokosc_strony = dlugosc("Report1.Page1", "szerokosc", "", kBrakStrony, true);
    p.wysokosc_strony = dlugosc("Report1.Page1", "wysokosc", "", kBrakStrony, true);
    p.region_lewo = dlugosc("Region1", "lewo", "", kBrakRegionu, false);
    p.czcionka = czytaj_ini(kProjektBazowy, "czcionka", "nazwa", p.czcionka);
    if (p.czcionka.empty()) p.czcionka = ProjektBazowy{}.czcionka;
    const std::string rozmiar = czytaj_ini(kProjektBazowy, "czcionka", "rozmiar", "10");
    double v = 0;
    if (!czytaj_liczbe(rozmiar, v) || v < 4 || v > 72)
        throw BladUstawienia(kProjektBazowy, "czcionka", "rozmiar", rozmiar, "liczbę punktów od 4 do 72",
                             kRada);
    p.rozmiar_czcionki = v;
    p.wysokosc_wiersza = dlugosc("detail", "wysokosc", "0.2", nullptr, true);
    return p;
}

}  // namespace zlx
