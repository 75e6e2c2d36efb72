#pragma once

// Polish account numbers. An NRB is 26 digits: 2 check digits, the bank's 8-digit sort code (3 digits
// bank, 4 branch, 1 check digit) and 16 digits of the customer's account; an IBAN is "PL" + NRB.
// Two independent checks hold for every account a Polish bank gives out:
// - the check digits (ISO 7064 MOD 97-10): digits 3–26, then "2521" (P, L) and the two check digits,
//   read as one number, leave 1 when divided by 97;
// - the sort code's last digit = (10 − Σ of its first 7 digits × 3,9,7,1,3,9,7 mod 10) mod 10.
// A number can pass the first and fail the second.

#include <string>
#include <string_view>

#include "payments/sprawdzenie.h"

namespace zlx {

// Checks an account as typed (blanks, dashes and "PL" allowed); the number of a valid one is its 26
// digits, its description names the sort code.
Sprawdzenie sprawdz_rachunek(std::string_view tekst);

// Returns whether 26 digits pass the MOD 97-10 check.
bool cyfry_kontrolne_poprawne(std::string_view cyfry26);
// Returns whether 8 digits are a sort code with a correct check digit.
bool numer_rozliczeniowy_poprawny(std::string_view cyfry8);

// Returns the 26-digit account made of the check digits computed for the 24 digits after them.
std::string nrb_z_cyframi_kontrolnymi(std::string_view cyfry24);

// Returns the 26 digits of an account field (every character but the digits dropped, as the bank
// files read it) when they pass both checks, or "" otherwise.
std::string cyfry_poprawnego_rachunku(std::string_view konto);

}  // namespace zlx
