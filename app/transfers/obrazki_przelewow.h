#pragma once

// The pictures of the transfer grid and the marker lists: one per kind, approved / not approved, and
// the marker numbers 1 to 20 in coloured discs.

#include <QIcon>

namespace zlx::app {

// Returns the picture of a kind (0 bank, 1 ZUS, 2 tax); a null icon for any other value.
QIcon ikona_rodzaju(int rodzaj_przelewu);
// Returns the picture of the approval state (`bufor` 0 approved, anything else not approved).
QIcon ikona_zatwierdzenia(int bufor);
// Returns the picture of the marker; a null icon for 0 (none) and numbers outside 1..20.
QIcon ikona_znacznika(int nr);

}  // namespace zlx::app
