#include "export/abstractExport.h"

#include <algorithm>

#include "core/fitting.h"

namespace zlx {

void TAbsExport::dodaj_blad(const std::string& powod) {
    dopisz_linie(blad_, "Przelew dla: " + przelew_.dost_nazwa +
                            " na kwotę: " + przelew_.kwota_money.to_text() + powod);
    if (std::find(powody_.begin(), powody_.end(), powod) == powody_.end()) powody_.push_back(powod);
}

}  // namespace zlx
