#pragma once

// Window sizes and positions and the grids' column widths, kept between runs in "okna.ini" in the
// program folder: one section per window, named by its class ("TPrzelewListMaster_frm"), with the
// key "geometria" (the window's saved geometry, base64) and one key per grid, "kolumny_" + the grid's
// object name (or its position among the window's grids), holding the widths separated by commas.
// A layout that cannot be written is not kept, without a message: it is a convenience, not data.

class QWidget;

namespace zlx::app {

inline constexpr const char* kOknaIni = "okna.ini";

// Gives the window its remembered geometry and column widths; returns whether a geometry was there.
// Widths are applied only to a grid with as many columns as were remembered.
bool przywroc_uklad(QWidget& okno);

// Remembers the window's geometry and column widths.
void zapisz_uklad(const QWidget& okno);

}  // namespace zlx::app
