#pragma once

// Fitting a full print to the sheet it goes to. Full prints are drawn on plain paper where the
// margins put them; whatever would fall into the strip a printer cannot print on, or off a sheet
// smaller than the layout, is moved in or scaled down instead of being cut. Overprints are never
// moved: their positions must meet the pre-printed form.

#include "printing/canvas.h"
#include "printing/recording_canvas.h"

namespace zlx {

// The least distance kept between a full print's marks and the sheet's edges: a common printer's
// unprintable strip (4.2 mm), with room for the antialiased edge of a line.
inline constexpr double kBezpiecznyMargines = 4.5;

// Returns the transform that puts the drawn area inside the sheet's printable part (the device's
// strips or kBezpiecznyMargines, whichever is wider): the identity when it lies inside already;
// otherwise moved just as far as needed, and scaled down (never up) when it is larger.
Przeksztalcenie dopasuj_do_arkusza(const Obszar& rysunek, const Arkusz& a);

}  // namespace zlx
