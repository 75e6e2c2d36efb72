#pragma once

// The pictures of the markers 1 to 20 (a number in a coloured disc) and the mark of the default row.

#include <QIcon>

namespace zlx::app {

// Returns the picture of the marker; a null icon for 0 (no marker) and for numbers outside 1..20.
QIcon obrazek_znacznika(int nr);
// Returns the mark of a flagged row (the default company).
QIcon obrazek_flagi();

}  // namespace zlx::app
