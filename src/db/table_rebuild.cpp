#include "db/table_rebuild.h"

#include <regex>
#include <vector>

#include "db/jet_sql.h"
#include "db/sql_error.h"

namespace zlx {

namespace {

std::string without_collation(std::string type) {
    const std::string suffix = " COLLATE NOCASE";
    if (type.size() >= suffix.size() && type.compare(type.size() - suffix.size(), suffix.size(), suffix) == 0)
        type.resize(type.size() - suffix.size());
    return type;
}

const TableSchema& existing_table(TGlAdoCn_mod& cn, const std::string& table, const std::string& statement) {
    const TableSchema* t = cn.table_schema(table);
    if (!t) throw SqlError("Nie można odnaleźć tabeli '" + table + "'", statement);
    return *t;
}

std::string single_text(TGlAdoCn_mod& cn, const std::string& native_query) {
    // Queries on sqlite_master and counts need no Jet translation, and pass through it unchanged.
    auto rs = cn.query(native_query);
    return rs->eof() ? std::string() : rs->current().text(std::size_t{0});
}

std::string key_name(TGlAdoCn_mod& cn, const TableSchema& t) {
    std::string sql = single_text(
        cn, "SELECT sql FROM sqlite_master WHERE type='table' AND name=" + std::string("'") + t.name + "'");
    std::smatch m;
    static const std::regex named(R"re(CONSTRAINT\s+"?([A-Za-z0-9_]+)"?\s+PRIMARY\s+KEY)re",
                                  std::regex::icase);
    return std::regex_search(sql, m, named) ? m[1].str() : "PrimaryKey";
}

void rebuild(TGlAdoCn_mod& cn, const TableSchema& old, const std::vector<ColumnSchema>& columns,
             const std::string& constraint, const std::string& statement) {
    const std::string name = old.name;
    const std::string fresh = name + "__przebudowa";
    std::string defs, list, key;
    for (const ColumnSchema& c : columns) {
        if (!defs.empty()) {
            defs += ", ";
            list += ", ";
        }
        std::string type = without_collation(c.declared_type);
        defs += quote_identifier(c.name) + " " + type;
        if (kind_of_declared_type(type) == ColumnKind::text) defs += " COLLATE NOCASE";
        if (c.not_null || c.primary_key) defs += " NOT NULL";
        if (!c.default_value.empty()) defs += " DEFAULT " + c.default_value;
        list += quote_identifier(c.name);
        if (c.primary_key) key += (key.empty() ? "" : ", ") + quote_identifier(c.name);
    }
    if (!key.empty()) defs += ", CONSTRAINT " + quote_identifier(constraint) + " PRIMARY KEY (" + key + ")";

    std::vector<std::string> indexes;
    auto rs = cn.query("SELECT sql FROM sqlite_master WHERE type='index' AND sql IS NOT NULL AND tbl_name='" +
                       name + "'");
    for (; !rs->eof(); rs->next())
        indexes.push_back(rs->current().text(std::size_t{0}));

    cn.execute_native("SAVEPOINT przebudowa");
    try {
        cn.execute_native("CREATE TABLE " + quote_identifier(fresh) + " (" + defs + ")");
        cn.execute_native("INSERT INTO " + quote_identifier(fresh) + " (" + list + ") SELECT " + list +
                          " FROM " + quote_identifier(name));
        cn.execute_native("DROP TABLE " + quote_identifier(name));
        cn.execute_native("ALTER TABLE " + quote_identifier(fresh) + " RENAME TO " + quote_identifier(name));
        for (const std::string& ix : indexes)
            cn.execute_native(ix);
        cn.execute_native("RELEASE przebudowa");
    } catch (const SqlError& e) {
        cn.execute_native("ROLLBACK TO przebudowa");
        cn.execute_native("RELEASE przebudowa");
        throw SqlError(e.what(), statement);
    }
}

}  // namespace

void zmien_typ_kolumny(TGlAdoCn_mod& cn, const std::string& table, const std::string& column,
                       const std::string& declared_type, const std::string& statement) {
    const TableSchema& t = existing_table(cn, table, statement);
    if (!t.find(column))
        throw SqlError("Nie można odnaleźć pola '" + column + "' w tabeli '" + table + "'", statement);
    std::vector<ColumnSchema> columns = t.columns;
    for (ColumnSchema& c : columns)
        if (&c - columns.data() == t.find(column) - t.columns.data()) c.declared_type = declared_type;
    rebuild(cn, t, columns, key_name(cn, t), statement);
}

void dodaj_klucz_glowny(TGlAdoCn_mod& cn, const std::string& table, const std::string& column,
                        const std::string& constraint, const std::string& statement) {
    const TableSchema& t = existing_table(cn, table, statement);
    const ColumnSchema* target = t.find(column);
    if (!target)
        throw SqlError("Nie można odnaleźć pola '" + column + "' w tabeli '" + table + "'", statement);
    for (const ColumnSchema& c : t.columns)
        if (c.primary_key) throw SqlError("Tabela '" + t.name + "' ma już klucz podstawowy", statement);
    if (single_text(cn, "SELECT count(*) FROM " + quote_identifier(t.name) + " WHERE " +
                            quote_identifier(target->name) + " IS NULL") != "0")
        throw SqlError("Pole klucza podstawowego '" + target->name + "' zawiera puste wartości", statement);
    std::vector<ColumnSchema> columns = t.columns;
    for (ColumnSchema& c : columns)
        if (&c - columns.data() == target - t.columns.data()) c.primary_key = 1;
    rebuild(cn, t, columns, constraint, statement);
}

}  // namespace zlx
