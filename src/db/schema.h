#pragma once

// The schema of a new database, at version 17, with its first rows: ZUS accounts 0 to 3, currencies
// with PLN as the default, tax form symbols, marker descriptions for counterparties and transfers,
// the root counterparty group 1, and the counters of tb_key past those keys.

#include "db/gl_ado_cn.h"

namespace zlx {

inline constexpr int kWersjaBazy = 17;

// Creates every table and first row in one transaction. Throws SqlError; nothing is left half made.
void utworz_baze(TGlAdoCn_mod& cn);

}  // namespace zlx
