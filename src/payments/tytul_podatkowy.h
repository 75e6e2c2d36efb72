#pragma once

// The title of a tax transfer in an Elixir-0 file, as the tax office and the banks take it:
//   /TI/<identifier type><identifier>/OKR/<period>/SFP/<form symbol>/TXT/<identification>
// - identifier type: N (NIP), R (REGON), P (PESEL), 1 (ID card), 2 (passport), 3 (other); the
//   identifier holds letters and digits only, at most 14;
// - period: 2-digit year, period type and its number: R (year, no number), P01–02, K01–04, M01–12,
//   D (decade and month, "26D0205"), J (day and month, "26J0504"); "0" when no period is given;
// - form symbol: letters, digits and dashes, at most 7 ("PIT-36L");
// - identification of the liability: at most 20 characters (some banks take 40; 20 passes everywhere).
// The field holds at most 4 sub-lines of 35 characters joined by "|". Sub-lines break between tags,
// never inside one (a "VAT-7K" stays whole): /TI/N1234563218/OKR/26K01|/SFP/VAT-7K/TXT/...

#include <string>
#include <vector>

namespace zlx {

struct DaneTytuluUs {
    std::string typ_identyfikatora;  // us_typiduzup
    std::string identyfikator;       // us_iduzup
    std::string rok;                 // us_rokokresu, 2 digits (4 are read as their last 2)
    std::string typ_okresu;          // us_typokresu
    std::string nr_okresu;           // us_nrokresu
    std::string symbol;              // us_symbolformularza
    std::string identyfikacja;       // us_identyfikacjazobowiazania
};

// Returns the title field, its sub-lines joined by "|".
std::string tytul_podatkowy(const DaneTytuluUs& dane);

// Packs the pieces into sub-lines of at most `dlugosc` characters, in order, starting a new sub-line
// where the next piece does not fit; a piece longer than a sub-line is cut hard into whole sub-lines.
// At most `ile` sub-lines are kept. Returns them joined by "|".
std::string podlinie(const std::vector<std::string>& kawalki, std::size_t dlugosc = 35, std::size_t ile = 4);

}  // namespace zlx
