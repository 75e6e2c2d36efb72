#include <iostream>

#include "cli/commands.h"
#include "cli/stderr_messages.h"
#include "core/text.h"
#include "db/gl_ado_ds.h"

namespace zlx::cli {

namespace {

// Keeps one row on one line.
std::string one_line(std::string s) {
    for (char& c : s)
        if (c == '\t' || c == '\n' || c == '\r') c = ' ';
    return s;
}

bool is_query(const std::string& statement) {
    std::string t = trim(statement);
    std::string word = upper_pl(t.substr(0, t.find_first_of(" \t\r\n(")));
    return word == "SELECT" || word == "PRAGMA";
}

void print(ResultSet& rs) {
    for (std::size_t c = 0; c < rs.field_count(); ++c)
        std::cout << (c ? "\t" : "") << rs.field(c).name;
    std::cout << "\n";
    for (rs.first(); !rs.eof(); rs.next()) {
        Row row = rs.current();
        for (std::size_t c = 0; c < rs.field_count(); ++c) {
            std::string v =
                rs.field(c).kind == ColumnKind::date && !row.is_null(c) ? row.date(c).to_text() : row.text(c);
            std::cout << (c ? "\t" : "") << one_line(v);
        }
        std::cout << "\n";
    }
}

}  // namespace

int run_sql(const Args& args) {
    if (args.size() != 1) {
        std::cerr << "użycie: zlecenix-cli sql \"INSTRUKCJA\"\n";
        return 2;
    }
    StderrMessages msgs;
    TGlAdoCn_mod cn(msgs);
    if (!cn.is_connected()) return 1;
    TGlAdoDs_mod ds(cn, msgs);
    if (!is_query(args[0])) return ds.exec_sql(args[0]) ? 0 : 1;
    std::unique_ptr<ResultSet> rs = ds.open_sql(args[0]);
    print(*rs);
    return 0;
}

}  // namespace zlx::cli
