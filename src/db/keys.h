#pragma once

// Keys of new rows come from the counters of tb_key, one per name (the table whose key it feeds),
// names compared without regard to letter case. The read and the increment are one step under the
// database's write lock, so two program instances on one file never receive the same key.

#include <string>

#include "db/gl_ado_ds.h"

namespace zlx {

// Returns the next key for the name: 1 for a name never seen, then 2, 3, ... Throws SqlError when no
// key could be reserved (no connection, the write lock not taken in time, a failing query or
// increment), carrying the failing statement and the engine's message; nothing is shown here, so the
// caller reports it once. A key is never handed out twice.
int nowy_klucz(TGlAdoDs_mod& ds, const std::string& name);

}  // namespace zlx
