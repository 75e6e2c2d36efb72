#pragma once

// The ZUS blank: the bank form with the fixed payee, the numbered fields 01 to 12 of social-insurance
// payments, their explanations and the large "ZUS" caption. A ZUS blank never prints names in cells.

#include <array>

#include "printing/canvas.h"
#include "printing/geometria.h"
#include "printing/uklady_bankowe.h"
#include "transfers/przelew.h"

namespace zlx {

void rysuj_przelew_zus(Canvas& c, const TPrzelew& t, TParPrzel p);
void rysuj_biale_wiersze_zus(Canvas& c, const TParPrzel& p);
void rysuj_podzialy_zus(Canvas& c, const TParPrzel& p);
void drukuj_napis_zus(Canvas& c, const TParPrzel& p);
void rysuj_etykiety_zus(Canvas& c, const TParPrzel& p);
// The data of one blank; in overprint only cells 1, 2 and 21 of the ZUS account.
void drukuj_dane_zus(Canvas& c, const TParPrzel& p, const TPrzelew& t);

void przelew_zus_2_kopie(Canvas& c, const TParPrzel& p, const TPrzelew& t);
void przelew_zus_nadruk(Canvas& c, const TParPrzel& p, const TPrzelew& t);

extern const std::array<PozycjaUkladu, 2> kUkladyZus;

}  // namespace zlx
