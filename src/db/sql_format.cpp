#include "db/sql_format.h"

namespace zlx {

namespace {

std::string jet_date(TDateTime d) {
    CivilDate c = d.civil();
    std::string year = std::to_string(c.year);
    if (c.year >= 1930 && c.year <= 2029) {
        int yy = c.year % 100;
        year = (yy < 10 ? "0" : "") + std::to_string(yy);
    }
    return std::to_string(c.month) + "/" + std::to_string(c.day) + "/" + year;
}

}  // namespace

std::string sql_str(std::string_view text) {
    std::string out = "'";
    for (char c : text) {
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
    return "'" + date.to_text() + "'";
}

std::string sql_money(Currency amount) {
    return "'" + amount.to_text() + "'";
}

std::string sql_okres_daty(int mode, TDateTime from, TDateTime to) {
    if (mode != 0) return {};
    return std::string(" data BETWEEN ") + " #" + jet_date(from) + "# " + " AND " + " #" + jet_date(to) +
           "# " + " ";
}

}  // namespace zlx
