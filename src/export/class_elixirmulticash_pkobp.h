#pragma once

// "PKOBP": the Elixir-0 line with no text delimiter, so accounts, names and title stand between commas
// without quotes.

#include "export/class_elixirmulticash.h"

namespace zlx {

class TElixirPkoBP : public TElixirClass {
  public:
    using TElixirClass::TElixirClass;
};

}  // namespace zlx
