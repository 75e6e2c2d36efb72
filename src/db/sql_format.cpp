#include "db/sql_format.h"

namespace zlx {

namespace {

std::string jet_date(TDateTime d) {
    CivilDate c = d.civil();
    std::string out = std::to_string(c.month);
    out += '/';
    out += std::to_string(c.day);
    out += '/';
    if (c.year >= 1930 && c.year <= 2029) {
        int yy = c.year % 100;
        if (yy < 10) out += '0';
        out += std::to_string(yy);
    } else {
        out += std::to_string(c.year);
    }
    return out;
}

}  // namespace

std::string sql_str(std::string_view text) {
    std::string out = "'";
    for (char c : text) {
        // The engine refuses a NUL in statement text, and no user means one.
        if (c == '\0') continue;
        if (c == '\'') out += '\'';
        out += c;
    }
    out += '\'';
    return out;
}

std::string sql_int(long long value) {
    return std::to_string(value);
}

std::string sql_date(TDateTime date) {
    std::string out = "'";
    out += date.to_text();
    out += '\'';
    return out;
}

std::string sql_money(Currency amount) {
    std::string out = "'";
    out += amount.to_text();
    out += '\'';
    return out;
}

std::string sql_okres_daty(int mode, TDateTime from, TDateTime to) {
    if (mode != 0) return {};
    std::string out = " data BETWEEN ";
    out += " #";
    out += jet_date(from);
    out += "# ";
    out += " AND ";
    out += " #";
    out += jet_date(to);
    out += "# ";
    out += " ";
    return out;
}

}  // namespace zlx
