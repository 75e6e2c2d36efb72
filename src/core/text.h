#pragma once

// Text is UTF-8 in std::string. Every length, cut and position here counts characters (code points),
// not bytes, so a Polish letter is one character. Trimming removes leading and trailing characters up
// to and including the blank (control characters and the blank), nothing else.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zlx {

// Returns the number of characters.
std::size_t utf8_length(std::string_view s);
// Returns the first n characters (all of them when there are fewer).
std::string utf8_left(std::string_view s, std::size_t n);
// Returns up to count characters from the character at index start (0-based).
std::string utf8_substr(std::string_view s, std::size_t start, std::size_t count = std::string::npos);
// Returns the characters one by one, each as its UTF-8 bytes.
std::vector<std::string> utf8_chars(std::string_view s);
// Returns the text with every invalid byte sequence replaced by '?', so it is valid UTF-8.
std::string utf8_sanitize(std::string_view s);

std::string trim(std::string_view s);
std::string trim_left(std::string_view s);
std::string trim_right(std::string_view s);

// Upper- and lower-casing in the Polish locale ("łódź" ↔ "ŁÓDŹ").
std::string upper_pl(std::string_view s);
std::string lower_pl(std::string_view s);
// Compares two texts without regard to letter case, Polish letters included.
bool equals_ci(std::string_view a, std::string_view b);

// Reads a whole number as the settings and the screens write it ("27", " -3 "); returns the default
// for anything else, or when it does not fit in 32 bits.
int to_int(std::string_view s, int default_value);

std::string replace_all(std::string_view s, std::string_view from, std::string_view to);

}  // namespace zlx
