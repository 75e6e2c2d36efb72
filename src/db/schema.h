#pragma once

// The schema of a new database, at version 17, with its first rows: ZUS accounts 0 to 3, currencies
// with PLN as the default, tax form symbols, marker descriptions for counterparties and transfers,
// the root counterparty group 1, and the counters of tb_key past those keys. The table statements here
// are the one description of the current schema: the upgrade brings older files to the same columns.

#include <string>
#include <vector>

#include "db/gl_ado_cn.h"
#include "db/table_schema.h"

namespace zlx {

inline constexpr int kWersjaBazy = 17;

// Creates every table and first row in one transaction. Throws SqlError; nothing is left half made.
void utworz_baze(TGlAdoCn_mod& cn);

// One table of the current schema: its columns as a new file declares them, and the Jet statement
// that makes it.
struct BiezacaTabela {
    TableSchema schemat;
    std::string create_sql;
};

// Returns the tables of the current schema, in the order utworz_baze makes them.
const std::vector<BiezacaTabela>& biezace_tabele();

}  // namespace zlx
