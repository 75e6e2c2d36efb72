#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "db/column_kind.h"

struct sqlite3;

namespace zlx {

struct ColumnSchema {
    std::string name;
    std::string declared_type;
    ColumnKind kind = ColumnKind::other;
    bool not_null = false;
    std::string default_value;  // SQL text, "" when none
    int primary_key = 0;        // position in the primary key, 0 when not part of it
};

struct TableSchema {
    std::string name;
    std::vector<ColumnSchema> columns;
    // Returns the column by name, letter case ignored; nullptr when absent.
    const ColumnSchema* find(std::string_view column) const;
};

// Reads the table's columns as the file declares them, its name matched without regard to letter case;
// nullptr when there is no such table. Throws SqlError when the catalog cannot be read.
std::unique_ptr<TableSchema> read_table_schema(sqlite3* db, std::string_view table);

}  // namespace zlx
