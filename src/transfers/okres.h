#pragma once

// The period presets of the transfer list ("Dzisiaj" … "Poprzedni rok"): each sets the two date
// pickers relative to today.

#include <string>
#include <vector>

#include "core/datetime.h"

namespace zlx {

struct Okres {
    TDateTime od;
    TDateTime do_;
};

// Items of the preset list, in order.
std::vector<std::string> pozycje_okresu();
// Position of "Ostatni tydzień", selected at start.
inline constexpr int kOkresOstatniTydzien = 2;

// Returns the period of the preset at that position, counted from the given day; today alone for a
// position outside the list.
Okres okres_schematu(int pozycja, TDateTime dzisiaj);

}  // namespace zlx
