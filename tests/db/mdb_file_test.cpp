#include "db/mdb_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "tests/db/mdb_export_csv.h"
#include "tests/support/temp_folder.h"

namespace zlx {
namespace {

std::string fixture(const std::string& name) {
    const char* dir = std::getenv("ZLX_FIXTURES");
    return std::string(dir ? dir : "../shared/fixtures") + "/mdb/" + name;
}

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

// Compares one value with the cell that mdb-export printed for it.
void expect_same(const MdbColumnDef& col, const MdbValue& v, const test::CsvCell& cell,
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

class MdbFixture : public ::testing::TestWithParam<const char*> {};

TEST_P(MdbFixture, EveryTableColumnAndRowAsMdbExportPrintsThem) {
    if (!test::mdb_export_available()) GTEST_SKIP() << "mdb-export is not installed";
    const std::string path = fixture(GetParam());
    MdbFile file(path);
    ASSERT_FALSE(file.table_names().empty());
    for (const std::string& table : file.table_names()) {
        std::vector<test::CsvRow> expected = test::mdb_export_rows(path, table);
        ASSERT_FALSE(expected.empty()) << table;
        std::vector<MdbColumnDef> cols = file.columns(table);
        ASSERT_EQ(cols.size(), expected[0].size()) << table;
        for (std::size_t c = 0; c < cols.size(); ++c)
            EXPECT_EQ(cols[c].name, expected[0][c].text) << table;
        std::size_t r = 0;
        file.read_rows(table, [&](const std::vector<MdbValue>& row) {
            ++r;
            ASSERT_LT(r, expected.size()) << table << ": more rows than mdb-export prints";
            ASSERT_EQ(row.size(), expected[r].size()) << table << " row " << r;
            for (std::size_t c = 0; c < row.size(); ++c)
                expect_same(cols[c], row[c], expected[r][c],
                            table + " row " + std::to_string(r) + " " + cols[c].name);
        });
        EXPECT_EQ(r + 1, expected.size()) << table;
    }
}

INSTANTIATE_TEST_SUITE_P(Fixtures, MdbFixture, ::testing::Values("nwind.mdb", "DateTestDatabase.mdb"));

TEST(MdbFile, KeepsDatesThatTheStockToolCannotPrint) {
    MdbFile file(fixture("DateTestDatabase.mdb"));
    EXPECT_EQ(file.version(), "JET4");
    std::vector<std::string> dates;
    file.read_rows("DateTest",
                   [&](const std::vector<MdbValue>& row) { dates.push_back(row[1].date.to_text()); });
    ASSERT_EQ(dates.size(), 6u);
    EXPECT_EQ(dates[1], "9999-01-01");
    EXPECT_EQ(dates[2], "1898-01-01");
    EXPECT_EQ(dates[3], "0632-01-01");
}

TEST(MdbFile, UnreadableFileIsReportedByName) {
    test::TempFolder folder;
    test::write_text(folder.file("zla.mdb"), std::string(4096, 'x'));
    for (const std::string& path : {folder.file("zla.mdb"), folder.file("brak.mdb")}) {
        try {
            MdbFile file(path);
            ADD_FAILURE() << "opened " << path;
        } catch (const MdbError& e) {
            EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
        }
    }
}

}  // namespace
}  // namespace zlx
