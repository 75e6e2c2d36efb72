#pragma once

// The payer's contribution account at ZUS (NRS, since 2018 the one account all contributions go to):
// 2 check digits, "60000002026" (ZUS's sort code 60000002 and "026"), 3 digits of the payer's
// declaration range ("001" for an ordinary payer) and the payer's 10-digit NIP. ZUS gives the number
// out; a payer with several ranges has several. The program checks a typed NRS and may suggest the
// "001" form, but the number the user types is the one used.

#include <string>
#include <string_view>

#include "payments/sprawdzenie.h"

namespace zlx {

// Checks an NRS as typed: 26 digits, the check digits, the prefix, and its last 10 digits = the payer's
// NIP. With nip_platnika empty the last 10 digits need only be a valid NIP.
Sprawdzenie sprawdz_nrs(std::string_view tekst, std::string_view nip_platnika);

// Returns the "001" NRS of a payer (26 digits), or "" when the NIP is not valid.
std::string propozycja_nrs(std::string_view nip);

}  // namespace zlx
