#pragma once

// Printing of data fields and labels into a blank.

#include <string>

#include "printing/canvas.h"
#include "printing/geometria.h"

namespace zlx {

// Prints one field: upper-cased and trimmed when zamieniajwielkie is 1, then plain (cut to max_znakow,
// at x + 1.0, y + 4.4) or one character per cell (cut to max_kratek, character i at
// x + 1.4 + i × kratka_szer). Any other tryb prints nothing. Leaves bold off.
void drukuj_pole(Canvas& c, const std::string& tekst, const TParPrzel& p, const TParNapisy& n);

// As drukuj_pole, but in cell mode prints only the characters in cells 1, 2 and 21: the rest of a ZUS
// account is pre-printed on the blank.
void drukuj_pole_konta_zus(Canvas& c, const std::string& tekst, const TParPrzel& p, const TParNapisy& n);

// Prints a label in the Arial family at 5 pt in the label colour at (x + 0.5, y − 0.2).
void drukuj_etykiete(Canvas& c, const std::string& tekst, const TParPrzel& p, double x, double y);

// Prints a text cut into lines of exactly znakow characters (words are not respected) in Times 9 pt;
// line k at (x + 0.5, y + k × krok − 0.2); lines past max_linii are dropped.
void drukuj_wiersze(Canvas& c, const std::string& tekst, int max_linii, int znakow, double x, double y,
                    const TParPrzel& p, double krok);

// The field mode of an ordinary field and of an account row for the setting "kratki": 2 puts only
// the account numbers in cells.
int tryb_pola(int kratki);
int tryb_konta(int kratki);

// Returns the data font size; throws BladUstawienia when "font_size" is not a whole number.
int rozmiar_czcionki(const TParPrzel& p);

}  // namespace zlx
