#pragma once

// Encodings of an export file. The program keeps text in UTF-8; a bank import file is written in the
// encoding its profile names, converted once for the whole file (never line by line as well, so a
// Polish letter is never converted twice). A character the target encoding lacks becomes '?'.

#include <string>
#include <string_view>

namespace zlx {

// The items of the profile card's list "Kodowanie polskich liter", in code order.
inline constexpr const char* kNazwyKodowan[] = {"Windows 1250 (ANSI)", "UTF 8", "ISO 8859-2",
                                                "Bez polskich znaków"};

// Returns the UTF-8 text in the bytes of encoding code: 0 Windows-1250, 1 UTF-8 without byte-order
// mark, 2 ISO 8859-2, 3 Windows-1250 with the 18 Polish letters replaced by their Latin base letters;
// any other code is taken as 0.
std::string zakoduj(std::string_view utf8, int kodowanie);

// Replaces each of the 18 Polish letters (Ą Ć Ę Ł Ń Ó Ś Ź Ż and the lower-case ones) by its Latin base
// letter; every other character stays.
std::string bez_polskich_znakow(std::string_view utf8);

}  // namespace zlx
