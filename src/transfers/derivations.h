#pragma once

// The print texts derived from a transfer's accounts and amount.

#include <string>

#include "core/currency.h"

namespace zlx {

// Returns the account for print. Only the digits of the trimmed account count; with fewer than 26 the
// account comes back unchanged. Mode 0 puts one blank after the 2nd, 6th, 10th, 14th, 18th, 22nd and
// 26th digit (so 26 digits end with a blank; further digits follow without blanks); mode 1 gives the
// digits alone.
std::string formatuj_konto(const std::string& konto, int mode);

// Returns "**" followed by the amount with two decimals and the decimal comma ("**1234,50").
std::string kwota_gwiazdki(Currency kwota);

}  // namespace zlx
