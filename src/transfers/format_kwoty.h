#pragma once

// Amounts as the transfer screens show them: digit groups of three separated by a blank and the
// decimal comma. Totals and print texts use Currency::to_text instead (no groups).

#include <string>

#include "core/currency.h"

namespace zlx {

// Returns the amount with two decimals in groups: "1 234 567,50" (the grid's "###,###,###0.00").
std::string kwota_w_grupach(Currency kwota);
// Returns the amount for the amount edit: groups, two decimals, and up to four where the amount has
// them ("1 234,5025"), as ",0.00##" shows it.
std::string kwota_do_edycji(Currency kwota);

}  // namespace zlx
