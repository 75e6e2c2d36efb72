#pragma once

// The collective transfer order ("Zbiorcze polecenie przelewu": a covering letter to the bank listing
// the amounts of the attached orders, two copies side by side) and the statement of operations
// ("Zestawienie operacji": a ruled table of transfers with a total), laid out as banded reports on the
// base of "rpt/projekt_bazowy.ini" and the printer's margins. The built report owns copies of its rows
// and values; nothing of one run survives into the next.

#include <vector>

#include "core/datetime.h"
#include "printing/kolumny_raportu.h"
#include "printing/projekt_bazowy.h"
#include "printing/uklad_pasmowy.h"
#include "printing/wiersze_raportow.h"

namespace zlx {

inline constexpr Kolor kKolorEtykietZbiorowki = kolor_rgb(255, 108, 108);

// The page, the default font, the detail height and "Strona N z M" at the top right of every page;
// the body region starts `odstep_regionu` below the top margin.
RaportPasmowy poczatek_raportu(const ProjektBazowy& p, const Marginesy& m, double odstep_regionu);

// Uses `data`, `ilosc`, `suma` and `rachunek` of the parameters.
RaportPasmowy zbuduj_zbiorowke(const ProjektBazowy& p, const Marginesy& m,
                               std::vector<WierszZbiorowki> wiersze, const TParZbiorowka& par);

// Uses `data_od`, `data_do` and `suma` of the parameters; `dzis` is the date the title says it was made.
RaportPasmowy zbuduj_zestawienie(const ProjektBazowy& p, const Marginesy& m,
                                 std::vector<WierszZestawienia> wiersze, const KolumnyRaportu& kolumny,
                                 const TParZbiorowka& par, TDateTime dzis);

}  // namespace zlx
