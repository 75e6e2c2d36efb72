#pragma once

// The store of transfer orders: table `kartoteka`, one row per TPrzelew. Saving an order with `nr_id`
// 0 inserts it under a new key and writes the key back; otherwise it updates every column but the key.
// Nothing locks rows: the last save wins.

#include <cstdint>

#include "transfers/przelew.h"

namespace zlx {

class TGlAdoDs_mod;
class ResultSet;

// Returns the stored order, or the defaults of init_przelew (with `nr_id` 0) when there is no such row
// or the query fails.
TPrzelew load_przelew(TGlAdoDs_mod& ds, std::int32_t id);

// Scans an open result set of `kartoteka` rows forward from its current row to the row with that key
// and returns it, leaving `my_skrot`, `dost_skrot` and `uwagi_tekst` empty; the defaults when the end
// comes first. The result set is left on the found row or at its end. Throws SqlError when the set
// lacks one of the columns read.
TPrzelew load_przelew_from_rows(std::int32_t id, ResultSet& rows);

// Stores the order; returns false when the statement failed. A failed insert leaves `nr_id` at 0, so
// the next save inserts again.
bool save_przelew(TGlAdoDs_mod& ds, TPrzelew& p);

bool set_znacznik(TGlAdoDs_mod& ds, std::int32_t id, std::int32_t znacznik);

// Deletes the order; an unknown key deletes nothing.
bool delete_przelew(TGlAdoDs_mod& ds, std::int32_t id);

}  // namespace zlx
