#pragma once

// A small believable data set for trying the program out: two own companies, a dozen counterparties in
// two groups (tax offices among them), titles in the dictionary and some thirty orders of all three
// kinds over the last two months. Everything goes through the stores; running it again adds the set
// again (the groups are reused by name).

#include <string>

#include "core/datetime.h"

namespace zlx {

class TGlAdoDs_mod;

struct DemoWynik {
    int firmy = 0;
    int kontrahenci = 0;
    int tytuly = 0;
    int przelewy = 0;
};

// Fills the database, dating the orders back from `dzis`. Throws std::runtime_error naming the record
// that could not be stored.
DemoWynik wypelnij_demo(TGlAdoDs_mod& ds, TDateTime dzis);

// Returns a 26-digit account number with valid check digits for the bank number (8 digits) and the
// customer number (16 digits).
std::string konto_nrb(const std::string& bank, const std::string& klient);

}  // namespace zlx
