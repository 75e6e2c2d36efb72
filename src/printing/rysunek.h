#pragma once

// Drawing steps shared by the bank, tax and ZUS blanks. Each leaves the pen width at 1 and the
// rotation at 0; pen, brush and font are set by every step that needs them.

#include <string>

#include "printing/canvas.h"
#include "printing/geometria.h"

namespace zlx {

// Cell separators: bars 0.1 mm wide in the line colour at x0 + k × kratka_szer for k = 1 … n + 1.
void rysuj_kratki_od(Canvas& c, const TParPrzel& p, int n, double y, double x0);
// The same from the left edge of the field rows.
void rysuj_kratki(Canvas& c, const TParPrzel& p, int n, double y);
// The six account group marks after the 2nd, 6th, 10th, 14th, 18th and 22nd cell, standing on the
// bottom of the row.
void rysuj_znaczniki_konta(Canvas& c, const TParPrzel& p, double y);
// Group marks after cells 12 to 27 (the ZUS decision number).
void rysuj_znaczniki_decyzji(Canvas& c, const TParPrzel& p, double y);
// The separators of the amount row: after cells 12, 13, 14 and 16 to 26.
void rysuj_kratki_kwoty(Canvas& c, const TParPrzel& p, double y);
// The white squares lettered "W" and "P" in cells 9 and 10 of the amount row.
void rysuj_kwadraty_wp(Canvas& c, const TParPrzel& p, double y);
// The three separators of the fee box.
void rysuj_kratki_oplaty(Canvas& c, const TParPrzel& p);
// The heavy black corner marks of the panel.
void rysuj_narozniki(Canvas& c, const TParPrzel& p);

// The black outline of the blank and the coloured panel.
void rysuj_obrys(Canvas& c, const TParPrzel& p);
// From the panel border to the fee-box separators: white boxes, stamp circle, title, copy caption,
// amount-row patches, W/P squares.
void rysuj_ramke_i_pola(Canvas& c, const TParPrzel& p);
// The heavy frames around the payee account row and the amount field.
void rysuj_ramki_konta_i_kwoty(Canvas& c, const TParPrzel& p);
// A white strip above the row and its label.
void rysuj_etykiete_wiersza(Canvas& c, const TParPrzel& p, const std::string& tekst, double wiersz,
                            double przesuniecie, double szerokosc);
// The label under the signature box; variant 1 also crosses the box out.
void rysuj_etykiete_podpisu(Canvas& c, const TParPrzel& p);
// A white field segment of one row from x1 to x2.
void rysuj_bialy_odcinek(Canvas& c, const TParPrzel& p, double y, double x1, double x2);

}  // namespace zlx
