#include "db/mdb_file.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/db/mdb_export_csv.h"
#include "tests/support/temp_folder.h"

namespace zlx {
namespace {

class MdbFixture : public ::testing::TestWithParam<const char*> {};

TEST_P(MdbFixture, EveryTableColumnAndRowAsMdbExportPrintsThem) {
    if (!test::mdb_export_available()) GTEST_SKIP() << "mdb-export is not installed";
    const std::string path = test::mdb_fixture(GetParam());
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
                test::expect_same_as_mdb_export(cols[c], row[c], expected[r][c],
                                                table + " row " + std::to_string(r) + " " + cols[c].name);
        });
        EXPECT_EQ(r + 1, expected.size()) << table;
    }
}

INSTANTIATE_TEST_SUITE_P(Fixtures, MdbFixture, ::testing::Values("nwind.mdb", "DateTestDatabase.mdb"));

TEST(MdbFile, KeepsDatesThatTheStockToolCannotPrint) {
    MdbFile file(test::mdb_fixture("DateTestDatabase.mdb"));
    EXPECT_EQ(file.version(), "JET4");
    EXPECT_EQ(file.columns("DateTest")[5].size, 255);  // Text (255)
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
