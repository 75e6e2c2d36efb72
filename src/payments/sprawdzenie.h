#pragma once

// The result of checking one typed number (account, NIP, REGON, PESEL, NRS, KSeF number), shared by the
// checks of this folder. A check never changes what the user typed: it reads a normalised copy.

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

namespace zlx {

struct Sprawdzenie {
    bool poprawny = false;
    std::string numer;  // the number as checked, after normalising
    std::string opis;   // Polish: why the number is wrong, or what a valid one holds
};

// Returns the text without blanks (control characters, spaces, non-breaking spaces), dashes and a
// leading "PL" country prefix in any letter case: "PL 123-456-32-18" gives "1234563218".
std::string normalizuj_numer(std::string_view text);

// Returns whether the text is not empty and holds only the digits 0–9.
bool same_cyfry(std::string_view text);

// Returns why the normalised number cannot be one of the given digit counts ("jest pusty", "zawiera znak
// „x”, który nie jest cyfrą", "ma 25 cyfr zamiast 26"), or "" when it is all digits of such a count.
std::string blad_budowy(std::string_view numer, std::initializer_list<std::size_t> dlugosci);

// Returns Σ digit × weight over the first weights.size() digits (the text must hold that many digits).
int suma_wazona(std::string_view cyfry, std::initializer_list<int> wagi);

}  // namespace zlx
