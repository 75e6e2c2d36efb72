#pragma once

// Polish, case-blind text comparison as Jet does it, for SQLite connections and for result-set filters.

#include <string>
#include <string_view>

struct sqlite3;

namespace zlx {

// Registers on the connection: the collation NOCASE (which text columns declare) replaced by Polish
// order at secondary strength, so "ŁÓDŹ" equals "łódź" and Ł sorts after L; and like(), with % and _
// matching without regard to letter case, Polish letters included. Returns the SQLite result code.
int register_polish_text(sqlite3* db);

// Returns the text case-folded, one code point per element.
std::u32string fold_case(std::string_view text);

// Tells whether text matches the LIKE pattern (% any run, _ one character, escape before a literal
// wildcard; escape 0 for none), letter case ignored.
bool like_matches(std::string_view pattern, std::string_view text, char32_t escape = 0);

}  // namespace zlx
