#pragma once

// Checks of the Polish identifiers a payer or payee is known by. Each reads the number as typed
// (blanks, dashes and "PL" allowed) and checks its digit count and check digit:
// - NIP, 10 digits: Σ of digits 1–9 × 6,5,7,2,3,4,5,6,7 mod 11 = digit 10 (a remainder of 10 never
//   makes a valid NIP);
// - REGON, 9 digits: Σ of digits 1–8 × 8,9,2,3,4,5,6,7 mod 11 mod 10 = digit 9; 14 digits: Σ of digits
//   1–13 × 2,4,8,5,0,9,7,3,6,1,2,4,8 mod 11 mod 10 = digit 14, and its first 9 digits are a valid REGON;
// - PESEL, 11 digits: (10 − Σ of digits 1–10 × 1,3,7,9,1,3,7,9,1,3 mod 10) mod 10 = digit 11, and
//   digits 1–6 are a date that exists: year, month + 80 (1800s), + 0 (1900s), + 20 (2000s), + 40
//   (2100s), + 60 (2200s), day.

#include <string_view>

#include "payments/sprawdzenie.h"

namespace zlx {

Sprawdzenie sprawdz_nip(std::string_view tekst);
Sprawdzenie sprawdz_regon(std::string_view tekst);
// A valid PESEL's description names the date of birth ("data urodzenia 1990-01-01").
Sprawdzenie sprawdz_pesel(std::string_view tekst);

}  // namespace zlx
