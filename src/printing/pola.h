#pragma once

// Printing of data fields and labels into a blank.

#include <string>

#include "printing/canvas.h"
#include "printing/geometria.h"

namespace zlx {

// The smallest size a data text is reduced to so that it fits its field; what is still too long is cut.
inline constexpr double kNajmniejszaCzcionka = 7;

// Prints one field: upper-cased and trimmed when zamieniajwielkie is 1, then plain (cut to max_znakow,
// at x + 1.0, y + 4.4) or one character per cell (cut to max_kratek, character i at
// x + 1.4 + i × kratka_szer). Any other tryb prints nothing. Leaves bold off.
//
// Every value stays inside its field (`prawo`): plain text is reduced in size down to
// kNajmniejszaCzcionka, then cut; in cells no more characters are printed than the field has cells,
// and a character too wide for its cell is printed smaller. An amount or its words (`bez_utraty`)
// loses no character: its leading asterisks are dropped while it has more characters than cells,
// and when it still has too many it prints plain, fitted as above.
void drukuj_pole(Canvas& c, const std::string& tekst, const TParPrzel& p, const TParNapisy& n);

// Prints a text at the baseline point in the current font, reduced and then cut so that it ends
// before `prawo` (no fitting when prawo is 0).
void drukuj_dopasowany(Canvas& c, double x, double y, const std::string& tekst, double prawo);

// As drukuj_pole, but in cell mode prints only the characters in cells 1, 2 and 21: the rest of a ZUS
// account is pre-printed on the blank.
void drukuj_pole_konta_zus(Canvas& c, const std::string& tekst, const TParPrzel& p, const TParNapisy& n);

// Prints a label in the Arial family at 5 pt in the label colour at (x + 0.5, y − 0.2).
void drukuj_etykiete(Canvas& c, const std::string& tekst, const TParPrzel& p, double x, double y);

// Prints a text cut into lines of exactly znakow characters (words are not respected) in Times 9 pt;
// line k at (x + 0.5, y + k × krok − 0.2); lines past max_linii are dropped. Each line is fitted to
// end inside the receipt panel.
void drukuj_wiersze(Canvas& c, const std::string& tekst, int max_linii, int znakow, double x, double y,
                    const TParPrzel& p, double krok);

// The field mode of an ordinary field and of an account row for the setting "kratki": 2 puts only
// the account numbers in cells.
int tryb_pola(int kratki);
int tryb_konta(int kratki);

// Returns the data font size; throws BladUstawienia when "font_size" is not a whole number of points
// from 4 to 72 (beyond them the blank is unreadable or its fields are filled by a few letters).
int rozmiar_czcionki(const TParPrzel& p);

}  // namespace zlx
