#include "tests/db/mdb_export_csv.h"

#include <cstdio>
#include <stdexcept>

namespace zlx::test {

namespace {

std::string shell_quote(const std::string& s) {
    std::string out = "'";
    for (char c : s) {
        if (c == '\'')
            out += "'\\''";
        else
            out += c;
    }
    return out + "'";
}

std::string run(const std::string& command) {
    std::FILE* p = popen(command.c_str(), "r");
    if (!p) throw std::runtime_error("cannot run " + command);
    std::string out;
    char buf[65536];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, p)) > 0)
        out.append(buf, n);
    if (pclose(p) != 0) throw std::runtime_error("failed: " + command);
    return out;
}

}  // namespace

bool mdb_export_available() {
    return std::system("command -v mdb-export >/dev/null 2>&1") == 0;
}

std::vector<CsvRow> mdb_export_rows(const std::string& file, const std::string& table) {
    const std::string csv = run("mdb-export -b hex -D '%Y-%m-%d %H:%M:%S' -T '%Y-%m-%d %H:%M:%S' " +
                                shell_quote(file) + " " + shell_quote(table));
    std::vector<CsvRow> rows;
    CsvRow row;
    CsvCell cell;
    bool in_quotes = false;
    for (std::size_t i = 0; i < csv.size(); ++i) {
        char c = csv[i];
        if (in_quotes) {
            if (c == '"' && i + 1 < csv.size() && csv[i + 1] == '"') {
                cell.text += '"';
                ++i;
            } else if (c == '"') {
                in_quotes = false;
            } else {
                cell.text += c;
            }
        } else if (c == '"') {
            in_quotes = true;
            cell.quoted = true;
        } else if (c == ',') {
            row.push_back(cell);
            cell = {};
        } else if (c == '\n') {
            row.push_back(cell);
            rows.push_back(row);
            row.clear();
            cell = {};
        } else {
            cell.text += c;
        }
    }
    if (!row.empty() || !cell.text.empty()) {
        row.push_back(cell);
        rows.push_back(row);
    }
    return rows;
}

}  // namespace zlx::test
