#include "db/column_kind.h"

#include <string>

namespace zlx {

ColumnKind kind_of_declared_type(std::string_view declared_type) {
    std::string t;
    for (char c : declared_type)
        t += static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    auto has = [&](const char* w) { return t.find(w) != std::string::npos; };
    if (has("MONEY") || has("CURRENCY")) return ColumnKind::money;
    if (has("DATE") || has("TIME")) return ColumnKind::date;
    if (has("CHAR") || has("TEXT") || has("CLOB") || has("MEMO")) return ColumnKind::text;
    if (has("INT") || has("BIT")) return ColumnKind::integer;
    if (has("REAL") || has("FLOA") || has("DOUB") || has("SINGLE")) return ColumnKind::floating;
    return ColumnKind::other;
}

}  // namespace zlx
