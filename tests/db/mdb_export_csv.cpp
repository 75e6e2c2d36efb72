#include "tests/db/mdb_export_csv.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
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


namespace {

std::string hex(const std::string& bytes) {
    static const char* digits = "0123456789ABCDEF";
    std::string out;
    for (char ch : bytes) {
        auto b = static_cast<unsigned char>(ch);
        out += digits[b >> 4];
        out += digits[b & 15];
    }
    return out;
}

std::string money4(Currency m) {
    std::int64_t raw = m.raw();
    std::string sign = raw < 0 ? "-" : "";
    std::uint64_t a = static_cast<std::uint64_t>(raw < 0 ? -raw : raw);
    char buf[40];
    std::snprintf(buf, sizeof buf, "%s%llu.%04llu", sign.c_str(), static_cast<unsigned long long>(a / 10000),
                  static_cast<unsigned long long>(a % 10000));
    return buf;
}

// mdb-export cannot print dates outside the C library's calendar range and writes this instead.
constexpr const char* kUnprintableDate = "1900-01-00 00:00:00";

}  // namespace

void expect_same_as_mdb_export(const MdbColumnDef& col, const MdbValue& v, const CsvCell& cell,
                               const std::string& where) {
    if (v.is_null || (cell.text.empty() && !cell.quoted)) {
        // mdb-export prints null and the empty text alike.
        EXPECT_TRUE(cell.text.empty()) << where;
        EXPECT_TRUE(v.is_null || v.text.empty() || col.kind == MdbKind::boolean) << where;
        if (col.kind == MdbKind::boolean) {
            EXPECT_EQ(cell.text, std::to_string(v.integer)) << where;
        }
        return;
    }
    switch (col.kind) {
        case MdbKind::boolean:
        case MdbKind::byte:
        case MdbKind::integer:
        case MdbKind::long_integer:
            EXPECT_EQ(std::to_string(v.integer), cell.text) << where;
            break;
        case MdbKind::money:
            EXPECT_EQ(money4(v.money), cell.text) << where;
            break;
        case MdbKind::single:
            EXPECT_EQ(static_cast<float>(v.real), std::strtof(cell.text.c_str(), nullptr)) << where;
            break;
        case MdbKind::real: {
            double theirs = std::strtod(cell.text.c_str(), nullptr);
            EXPECT_NEAR(v.real, theirs, std::fabs(theirs) * 1e-14) << where;
            break;
        }
        case MdbKind::datetime:
            if (cell.text != kUnprintableDate) {
                EXPECT_EQ(v.date.to_text_with_time(), cell.text) << where;
            }
            break;
        case MdbKind::binary:
        case MdbKind::ole:
            EXPECT_EQ(hex(v.bytes), cell.text) << where;
            break;
        default:
            EXPECT_EQ(v.text, cell.text) << where;
            break;
    }
}

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
