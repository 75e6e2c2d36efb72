#pragma once

// The amount spelled digit by digit for the cash-deposit blank's "kwota słownie":
// 1234,50 → "jed*dwa*trz*czt*zł pie*zer*gr" (mode 0) or "jed*dwa*trz*czt* pie*zer*" (mode 2).

#include <string>

#include "core/currency.h"

namespace zlx {

// Mode 0 appends "zł" and "gr" (złoty); mode 2 gives the digits only (other currencies); any other
// mode gives "". The amount is first rounded to two decimals; a minus sign is dropped.
std::string slownie_cyframi(int mode, Currency amount);

// Returns the three-letter word of a digit 0–9 ("" for anything else).
std::string slowo_cyfry(int digit);

}  // namespace zlx
