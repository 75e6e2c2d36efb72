#pragma once

// Data placement helpers shared by the three blanks.

#include <string>

#include "printing/geometria.h"
#include "transfers/przelew.h"

namespace zlx {

// The placement of a data row: the data font at its size, not bold, black, at the panel's left edge,
// in the field mode of kratki, 27 cells or max_znakow characters, ending at the rows' right edge.
TParNapisy napisy_danych(const TParPrzel& p, int rozmiar, int max_znakow);
// Bold Arial 13 pt, black, plain: the form code, the currency and the W/P mark; callers set the
// field's position and right edge.
TParNapisy napisy_kodu(const TParPrzel& p);

// Returns the text of row 5 with the amount printed: the payer account for a transfer, the digit words
// of the amount for a cash deposit (with "zł" and "gr" in PLN only).
std::string tekst_wiersza5(const TPrzelew& t, int kratki);
// Returns the account for print: its digits alone when kratki puts accounts in cells.
std::string konto_do_druku(const std::string& konto_druk, int kratki);

}  // namespace zlx
