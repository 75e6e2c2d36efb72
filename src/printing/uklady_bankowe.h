#pragma once

// The page layouts of a bank transfer: which blanks go where on the sheet, with which colour set and
// copy caption. Each layout reads the margins again when it runs and keeps only `kratki` of the
// record the controller passes in.

#include <array>

#include "printing/canvas.h"
#include "printing/geometria.h"
#include "transfers/przelew.h"

namespace zlx {

using Uklad = void (*)(Canvas& c, const TParPrzel& p, const TPrzelew& t);

void przelew_2_kopie(Canvas& c, const TParPrzel& p, const TPrzelew& t);
void przelew_nadruk_2_kopie(Canvas& c, const TParPrzel& p, const TPrzelew& t);
void przelew_2_kopie_potw(Canvas& c, const TParPrzel& p, const TPrzelew& t);
void przelew_1_kopia_potw(Canvas& c, const TParPrzel& p, const TPrzelew& t);
// Four blanks on a landscape page.
void przelew_4_kopie(Canvas& c, const TParPrzel& p, const TPrzelew& t);
void przelew_nadruk_potw(Canvas& c, const TParPrzel& p, const TPrzelew& t);
// Prints the vertical captions whatever the setting.
void przelew_2_kopie_wzor2(Canvas& c, const TParPrzel& p, const TPrzelew& t);

struct PozycjaUkladu {
    const char* nazwa;  // the text of the print dialog's list
    Uklad uklad;
};

// The bank layouts in the order of the print dialog's list; the first four serve lists too.
extern const std::array<PozycjaUkladu, 7> kUkladyBankowe;
inline constexpr int kUkladCzteryKopie = 4;

}  // namespace zlx
