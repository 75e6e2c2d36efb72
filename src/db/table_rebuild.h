#pragma once

// The two table changes SQLite has no statement for, done by rebuilding the table under a savepoint:
// a copy with the new definition takes every row, then replaces the table; its indexes are made
// again. A failure leaves the table as it was.

#include <string>

#include "db/gl_ado_cn.h"

namespace zlx {

// ALTER TABLE t ALTER COLUMN c type: the column's declared type becomes the new one; values stay.
void zmien_typ_kolumny(TGlAdoCn_mod& cn, const std::string& table, const std::string& column,
                       const std::string& declared_type, const std::string& statement);

// ALTER TABLE t ADD CONSTRAINT name PRIMARY KEY (c). Fails (SqlError) when the table has a primary key
// already, or when the column holds duplicates or nulls.
void dodaj_klucz_glowny(TGlAdoCn_mod& cn, const std::string& table, const std::string& column,
                        const std::string& constraint, const std::string& statement);

}  // namespace zlx
