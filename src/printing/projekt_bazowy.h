#pragma once

// The base of the two banded reports, "rpt/projekt_bazowy.ini" in the program folder: the page size,
// the left edge of the body region, the default font of every text whose font the report does not
// set, and the height of a detail band. Lengths in inches, with a comma or a dot. The file is read
// afresh for every run and written with the defaults when it is missing; a file that lacks the page
// or the region stops the run with the message the print dialog shows.
//
//   [Report1.Page1]  szerokosc=8.27  wysokosc=11.69     (A4)
//   [Region1]        lewo=0.5
//   [czcionka]       nazwa=ARIAL  rozmiar=10
//   [detail]         wysokosc=0.2

#include <stdexcept>
#include <string>

namespace zlx {

inline constexpr const char* kProjektBazowy = "rpt/projekt_bazowy.ini";
inline constexpr const char* kBrakStrony = "Nie utworzono odpowiedniej strony!";
inline constexpr const char* kBrakRegionu = "Brak odpowiedniego regionu!";

// Stops a report run; what() is the message for the user.
class BladRaportu : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

struct ProjektBazowy {
    double szerokosc_strony = 8.27, wysokosc_strony = 11.69;
    double region_lewo = 0.5;
    std::string czcionka = "ARIAL";
    double rozmiar_czcionki = 10;
    double wysokosc_wiersza = 0.2;
};

// Reads the file, writing it with the defaults first when it is missing. Throws BladRaportu when the
// page's or the region's key is missing, BladUstawienia (naming this file) for a value that is not a
// length or a font size, IniWriteError when the missing file cannot be written.
ProjektBazowy wczytaj_projekt_bazowy();

}  // namespace zlx
