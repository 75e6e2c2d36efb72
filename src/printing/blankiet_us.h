#pragma once

// The tax office blank: the bank form with the numbered fields 01 to 13 that tax payments carry, the
// code letters explained beside them and the large "PODATKI" caption across the panel.

#include <array>

#include "printing/canvas.h"
#include "printing/geometria.h"
#include "printing/uklady_bankowe.h"
#include "transfers/przelew.h"

namespace zlx {

void rysuj_przelew_us(Canvas& c, const TPrzelew& t, TParPrzel p);
void rysuj_biale_wiersze_us(Canvas& c, const TParPrzel& p);
void rysuj_podzialy_us(Canvas& c, const TParPrzel& p);
void drukuj_napis_podatki(Canvas& c, const TParPrzel& p);
void rysuj_etykiety_us(Canvas& c, const TParPrzel& p);
// The data of one blank; in overprint without the form code and the currency.
void drukuj_dane_us(Canvas& c, const TParPrzel& p, const TPrzelew& t);

// The two layouts; `nadruk` comes from the controller's record.
void przelew_us_2_kopie(Canvas& c, const TParPrzel& p, const TPrzelew& t);
void przelew_us_nadruk(Canvas& c, const TParPrzel& p, const TPrzelew& t);

extern const std::array<PozycjaUkladu, 2> kUkladyUs;

}  // namespace zlx
