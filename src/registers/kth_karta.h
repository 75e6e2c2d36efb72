#pragma once

// Rules of the counterparty card that need no widget: the check before saving, the postcode read from
// its mask edit, the hidden discount edit, and the map search address of "Pokaż na mapie".

#include <string>
#include <string_view>

#include "core/currency.h"

namespace zlx {

// Title of every box that refuses to save a card.
inline constexpr const char* kTytulBleduKarty = "Nie można zapisać - błędne dane :";

// Returns the card's messages joined with line breaks, or "" when it may be saved.
std::string bledy_karty_kth(std::string_view skrot);

// Returns the postcode as stored from the text of its mask edit: "" when no digit was typed, so an
// empty field never leaves the mask's hyphen or blanks behind; otherwise the text as shown.
std::string kod_z_maski(std::string_view text);

// Returns the discount as its hidden edit holds it: two decimals, decimal comma ("12,35").
std::string rabat_na_tekst(Currency rabat);
// Returns the discount read back from its edit, rounded to two decimals; 0 for text that is no number.
Currency rabat_z_tekstu(std::string_view text);

// Returns the map search address for the street address, postcode and city as typed, joined by "+"
// and percent-encoded.
std::string adres_mapy(std::string_view adres, std::string_view kod, std::string_view miasto);

}  // namespace zlx
