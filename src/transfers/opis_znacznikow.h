#pragma once

// Writing one marker description back to `opis_znacznikow`, as the marker screen does when an edited
// row is left or the screen is closed.

#include <string>

namespace zlx {

class TGlAdoDs_mod;

// Returns the statement that stores the description of marker `nr` in the category.
std::string sql_zapisz_opis_znacznika(int kategoria, int nr, const std::string& opis);
// Stores the description; false when the statement failed.
bool zapisz_opis_znacznika(TGlAdoDs_mod& ds, int kategoria, int nr, const std::string& opis);

}  // namespace zlx
