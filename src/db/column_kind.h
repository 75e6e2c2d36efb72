#pragma once

// What a column holds, told from its declared type in the file. The file keeps values so that the
// stock sqlite3 tool reads them:
//  - money ("MONEY"): a whole number of 1/10000 złoty, as Currency and Jet keep it (1234,50 -> 12345000),
//    so amounts stay exact and sum exactly;
//  - date ("DATE"): text 'yyyy-mm-dd', or 'yyyy-mm-dd hh:mm:ss' when there is a time of day, so text
//    order is date order;
//  - text ("TEXT(n) COLLATE NOCASE"): UTF-8; the program replaces NOCASE by Polish case-blind order on
//    each connection. Widths are recorded, not enforced.

#include <string_view>

namespace zlx {

enum class ColumnKind { other, integer, floating, text, money, date };

ColumnKind kind_of_declared_type(std::string_view declared_type);

}  // namespace zlx
