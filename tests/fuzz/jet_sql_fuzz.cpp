// The Jet-dialect adapter on any statement text, against a table with a column of each kind: it
// either refuses the text with SqlError or returns a translation, and never misbehaves on the way.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "db/jet_sql.h"
#include "db/sql_error.h"

namespace {

zlx::TableSchema make_table() {
    zlx::TableSchema t;
    t.name = "t";
    auto add = [&](const char* name, const char* type) {
        zlx::ColumnSchema c;
        c.name = name;
        c.declared_type = type;
        c.kind = zlx::kind_of_declared_type(type);
        t.columns.push_back(c);
    };
    add("id", "INTEGER");
    add("kwota", "MONEY");
    add("data", "DATE");
    add("nazwa", "TEXT(155) COLLATE NOCASE");
    add("ile", "DOUBLE");
    return t;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const zlx::TableSchema table = make_table();
    static const zlx::SchemaLookup schema = [](std::string_view name) -> const zlx::TableSchema* {
        return name == "t" || name == "T" ? &table : nullptr;
    };
    try {
        zlx::translate_jet(std::string_view(reinterpret_cast<const char*>(data), size), schema);
    } catch (const zlx::SqlError&) {
        // Refused: the caller reports it with the statement.
    }
    return 0;
}
