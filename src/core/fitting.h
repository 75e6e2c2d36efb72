#pragma once

// Small operations that make a free text fit a fixed place: a box of the printed blank or a field of a
// bank import file. They cut, filter and split by character count only (a Polish letter is one
// character); nothing here measures printed width, breaks at words, pads or re-encodes.

#include <cstdint>
#include <string>

namespace zlx {

// The line splitter's result: six lines, an unused one empty.
struct TDzielTekst {
    std::string linia1, linia2, linia3, linia4, linia5, linia6;
};

// Returns the text unchanged when its trimmed form has at most n characters; otherwise the first n
// characters of the trimmed text. So trimming shows only when the text is cut.
std::string przytnij(const std::string& text, std::int16_t n);

// Returns the digits 0–9 of the text in their order.
std::string tylko_cyfry(const std::string& text);

// Cuts the text into pieces of exactly n characters (the last one shorter) into the six lines; pieces
// past the sixth are dropped. A text shorter than n goes whole into linia1. Nothing is trimmed.
TDzielTekst dziel_tekst(int n, const std::string& text);

// Appends the line to the target after a line feed (the target becomes the line when empty).
void dopisz_linie(std::string& target, const std::string& line);

}  // namespace zlx
