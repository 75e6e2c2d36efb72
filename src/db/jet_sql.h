#pragma once

// The Jet-dialect adapter: the program's statements are written as for the Jet engine and translated
// here before SQLite sees them.
//  - [bracketed] names and "double-quoted" texts (Jet's second text quote);
//  - #m/d/yy# and #m/d/yyyy# date literals (optionally with h:mm[:ss]); two-digit years follow Jet's
//    window: 00-29 are 20xx, 30-99 are 19xx;
//  - literals written into (VALUES or INSERT ... SELECT), compared with (on either side, IN lists too) or
//    ranged against money, number and date columns are
//    converted as Jet converts them: '1234,50' into a money column becomes 12345000 (1/10000 złoty),
//    '12,5' into a number column 12.5, '2010-1-5' into a date column '2010-01-05'; a text Jet would
//    refuse (for example '' into a money column) is refused with a type mismatch, and a number for a date
//    outside Jet's years 100 to 9999 as out of range;
//  - Jet type names in CREATE TABLE and ALTER TABLE ADD COLUMN (text(n), integer1, money, date,
//    memo, ...) become declared types of db/column_kind.h;
//  - ALTER TABLE t ALTER COLUMN c type, and ALTER TABLE t ADD CONSTRAINT name PRIMARY KEY (c), which
//    SQLite has no words for, come back as operations for the connection to carry out;
//  - DELETE * FROM is DELETE FROM; one statement only (text after a closing ';' is refused);
//  - SUM, MIN and MAX of a money column are told apart, so their results read as amounts.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "db/table_schema.h"

namespace zlx {

struct JetStatement {
    enum class Kind { sql, alter_column, add_primary_key };
    Kind kind = Kind::sql;
    std::string sql;    // the SQLite text (Kind::sql)
    std::string table;  // the other kinds
    std::string column;
    std::string declared_type;  // alter_column: the new declared type
    std::string constraint;     // add_primary_key: the key's name
    // Kind::sql, a SELECT: positions of result columns that hold amounts though no money column is
    // named there (SUM, MIN or MAX of one).
    std::vector<std::size_t> money_results;
};

// Returns the table's columns, or nullptr when there is no such table.
using SchemaLookup = std::function<const TableSchema*(std::string_view table)>;

// Translates one statement. Throws SqlError for text Jet would refuse.
JetStatement translate_jet(std::string_view jet_sql, const SchemaLookup& schema);

// Returns the declared type for a Jet type word and optional width ("text", "155" -> "TEXT(155)
// COLLATE NOCASE"); an unknown word comes back as written.
std::string declared_type_for_jet(std::string_view word, std::string_view width);

// Reads a Jet date literal's inside ("5/31/10", "12/31/2010 10:30", "2010-05-31"); returns the
// stored form 'yyyy-mm-dd[ hh:mm:ss]' without quotes, or "" when it is no date.
std::string jet_date_literal(std::string_view inside);

// Returns the text as an SQLite identifier in double quotes.
std::string quote_identifier(std::string_view name);

}  // namespace zlx
