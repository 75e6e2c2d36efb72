#include "db/table_schema.h"

namespace zlx {

namespace {

bool same_name(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

}  // namespace

const ColumnSchema* TableSchema::find(std::string_view column) const {
    for (const ColumnSchema& c : columns)
        if (same_name(c.name, column)) return &c;
    return nullptr;
}

}  // namespace zlx
