#pragma once

// "Bank Śląski": the Elixir-0 line with double quotes, except the payer account, which this bank wants
// as the sort code, a hyphen and the 16 digits of the account proper (the check digits left out).

#include "export/class_elixirmulticash.h"

namespace zlx {

class TElixirSlaski : public TElixirClass {
  public:
    using TElixirClass::TElixirClass;

    // Returns digits 3 to 10, "-", digits 11 to 26 of a 26-digit my_konto; otherwise "" and no message
    // (the payer sort code field reports the bad account).
    std::string konto_nadawcy(const TPrzelew& p) override;
};

}  // namespace zlx
