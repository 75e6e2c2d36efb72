#pragma once

// "MBank": the Elixir-0 line with double quotes.

#include "export/class_elixirmulticash.h"

namespace zlx {

class TElixirMbank : public TElixirClass {
  public:
    using TElixirClass::TElixirClass;
};

}  // namespace zlx
