#pragma once

// The bank blank "Polecenie przelewu/wpłata gotówkowa": the coloured form drawn line by line, the
// data of one transfer in its rows, and the variant with the receipt stub on its left.

#include <string>

#include "printing/canvas.h"
#include "printing/geometria.h"
#include "transfers/przelew.h"

namespace zlx {

// One complete blank with its data.
void rysuj_przelew_bankowy(Canvas& c, const TPrzelew& t, TParPrzel p);
// The blank, the receipt stub on its left with the stub caption, and the stub data.
void rysuj_przelew_z_potwierdzeniem(Canvas& c, const std::string& napis, const TPrzelew& t, TParPrzel p);

// The white field rows, their cells, group marks and the amount row.
void rysuj_biale_wiersze(Canvas& c, const TParPrzel& p);
void rysuj_etykiety_bankowe(Canvas& c, const TParPrzel& p);

// The data of one blank; in overprint (nadruk = 1) without the form code and the currency.
void drukuj_dane_bankowe(Canvas& c, const TParPrzel& p, const TPrzelew& t);
// The data of one receipt stub, cut into lines of "pocztiloscznakow" characters.
void drukuj_dane_potwierdzenia(Canvas& c, const TParPrzel& p, const TPrzelew& t);

// Prints the row 4 and 5 data and the W/P mark common to the three blanks.
void drukuj_kwote_i_wiersz5(Canvas& c, const TParPrzel& p, const TPrzelew& t, int rozmiar, int max_znakow);
void drukuj_znak_wp(Canvas& c, const TParPrzel& p, const TPrzelew& t);
void drukuj_walute(Canvas& c, const TParPrzel& p, const TPrzelew& t);
void drukuj_kod_formularza(Canvas& c, const TParPrzel& p, const std::string& kod, double x, double y);
void drukuj_date_przelewu(Canvas& c, const TParPrzel& p, const TPrzelew& t, int rozmiar);
// Places a field of `ile` cells at the panel's left edge + dx: its limit and its right edge.
void ustaw_pole_kratek(TParNapisy& n, const TParPrzel& p, double dx, int ile);

}  // namespace zlx
