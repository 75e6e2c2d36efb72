#include "db/table_schema.h"

#include <sqlite3.h>

#include "db/jet_sql.h"
#include "db/sql_error.h"

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

struct Query {
    Query(sqlite3* db, const std::string& sql) {
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr) != SQLITE_OK)
            throw SqlError(sqlite3_errmsg(db));
    }
    ~Query() { sqlite3_finalize(st); }
    Query(const Query&) = delete;
    Query& operator=(const Query&) = delete;
    std::string text(int i) const {
        const unsigned char* t = sqlite3_column_text(st, i);
        return t ? std::string(reinterpret_cast<const char*>(t)) : std::string();
    }
    sqlite3_stmt* st = nullptr;
};

}  // namespace

std::unique_ptr<TableSchema> read_table_schema(sqlite3* db, std::string_view table) {
    auto schema = std::make_unique<TableSchema>();
    Query all(db, "SELECT name FROM sqlite_master WHERE type='table'");
    while (sqlite3_step(all.st) == SQLITE_ROW)
        if (same_name(all.text(0), table)) schema->name = all.text(0);
    if (schema->name.empty()) return nullptr;
    Query info(db, "PRAGMA table_info(" + quote_identifier(schema->name) + ")");
    while (sqlite3_step(info.st) == SQLITE_ROW) {
        ColumnSchema c;
        c.name = info.text(1);
        c.declared_type = info.text(2);
        c.kind = kind_of_declared_type(c.declared_type);
        c.not_null = sqlite3_column_int(info.st, 3) != 0;
        c.default_value = info.text(4);
        c.primary_key = sqlite3_column_int(info.st, 5);
        schema->columns.push_back(std::move(c));
    }
    return schema;
}

const ColumnSchema* TableSchema::find(std::string_view column) const {
    for (const ColumnSchema& c : columns)
        if (same_name(c.name, column)) return &c;
    return nullptr;
}

}  // namespace zlx
