#pragma once

// A small believable data set for trying the program out: two own companies, a dozen counterparties in
// two groups (tax offices among them), titles in the dictionary and some thirty orders of all three
// kinds over the last two months: income tax and VAT paid to the payer's micro-account, another tax and
// the two oldest tax orders to a tax office's account, ZUS orders to the former fund accounts. Every
// account, NIP, REGON and PESEL passes its check. Everything goes through the stores; running it again adds
// the set again (the groups are reused by name).

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

}  // namespace zlx
