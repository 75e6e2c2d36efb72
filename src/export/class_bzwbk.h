#pragma once

// "BZ WBK": a layout of its own, every field cut to its length and followed by the bar, nothing quoted.
// The file starts with the header line kNaglowekBzwbk. The same account, sort code and name operations
// as in the Elixir-0 writer run, so the same messages are collected.

#include "export/class_elixirmulticash.h"

namespace zlx {

// The first line of a BZ WBK file.
inline constexpr const char* kNaglowekBzwbk = "1230708|1";

class TElixirBzwbk : public TElixirClass {
  public:
    using TElixirClass::TElixirClass;

    // Returns the line of the transfer's kind (11 fields bank, 13 ZUS, 17 tax); empty for another kind.
    std::string generuj_linie_bzwbk();
};

}  // namespace zlx
