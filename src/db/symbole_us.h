#pragma once

// The tax form symbols the program delivers in symbolformularzaus: the forms and payment symbols in
// use today, those paid to the taxpayer's micro-account among them. The dictionary is the user's: a
// symbol added there stays, and none is changed or removed here.

#include <span>

#include "db/gl_ado_ds.h"

namespace zlx {

// Returns the delivered symbols, in the order a new database numbers them from 1.
std::span<const char* const> symbole_us_dostarczane();

// Adds every delivered symbol that the dictionary lacks (letter case ignored), each under a key from
// nowy_klucz("symbolformularzaus"). Does nothing on a database without the table.
void uzupelnij_symbole_us(TGlAdoDs_mod& ds);

}  // namespace zlx
