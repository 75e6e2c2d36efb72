#pragma once

// The KSeF number of an e-invoice, 35 characters: the seller's 10-digit NIP, "-", the date the invoice
// was received "YYYYMMDD", "-", 12 upper-case hexadecimal characters, "-", and 2 hexadecimal characters
// of CRC-8 (polynomial 0x07, initial value 0) over the first 32 characters.

#include <string_view>

#include "payments/sprawdzenie.h"

namespace zlx {

// Checks a KSeF number as typed: blanks around it are dropped and letters read in upper case; its
// dashes stay (they are part of the number).
Sprawdzenie sprawdz_ksef(std::string_view tekst);

}  // namespace zlx
