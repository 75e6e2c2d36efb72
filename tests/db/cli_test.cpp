#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>

#include <filesystem>

#include "core/settings.h"
#include "db/gl_ado_cn.h"
#include "tests/db/db_fixture.h"
#include "tests/support/fixtures.h"
#include "tests/support/cli_run.h"
#include "tests/support/temp_folder.h"

namespace zlx::test {
namespace {

// Runs zlecenix-cli on the folder with the arguments.
CliRun cli(const TempFolder& folder, std::initializer_list<std::string> args) {
    return run_cli(ZLX_CLI, folder, args);
}

TEST(CliSql, StatementsAndQueries) {
    TempFolder folder;
    CliRun insert = cli(folder, {"sql",
                                 " INSERT INTO kartoteka(nr_id,dost_nazwa,kwota_money,data) VALUES ( 7,"
                                 "'Łódź\tcentrum','1234,5',#3/8/26#)"});
    EXPECT_EQ(insert.status, 0) << insert.err;
    EXPECT_EQ(insert.out, "");
    CliRun query = cli(folder, {"sql", "SELECT nr_id,dost_nazwa,kwota_money,data,dost_skrot FROM kartoteka"});
    EXPECT_EQ(query.status, 0) << query.err;
    EXPECT_EQ(query.out,
              "nr_id\tdost_nazwa\tkwota_money\tdata\tdost_skrot\n"
              "7\tŁódź centrum\t1234,50\t2026-03-08\t\n");

    CliRun bad = cli(folder, {"sql", "DELETE  FROM [nie_ma] where [nie_ma].[nr_id]=1"});
    EXPECT_EQ(bad.status, 1);
    EXPECT_NE(bad.err.find("DELETE  FROM [nie_ma] where [nie_ma].[nr_id]=1"), std::string::npos) << bad.err;
    EXPECT_NE(bad.err.find("nie_ma"), std::string::npos);

    CliRun bad_query = cli(folder, {"sql", "SELECT * FROM nie_ma"});
    EXPECT_EQ(bad_query.status, 1);
    EXPECT_NE(bad_query.err.find("no such table: nie_ma"), std::string::npos) << bad_query.err;
}

TEST(CliSql, NoDatabaseAtTheUsersPath) {
    TempFolder folder;
    write_text(folder.file("ust_przelew.ini"),
               "[program]\nsciezka_bazy=" + folder.file("brak/przDB.sqlite") + "\n");
    CliRun r = cli(folder, {"sql", "SELECT * FROM kartoteka"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Nie można się połączyć z bazą danych"), std::string::npos) << r.err;
}

TEST(CliUpgrade, PrintsTheVersionBeforeAndAfter) {
    TempFolder folder;
    ASSERT_EQ(cli(folder, {"sql", "UPDATE  tb_verdb set  ver_nbint=16 where ver_id=1"}).status, 0);
    CliRun r = cli(folder, {"upgrade"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "wersja bazy przed aktualizacją: 16\nwersja bazy po aktualizacji: 17\n");
    EXPECT_EQ(cli(folder, {"sql", "SELECT ver_nbint FROM tb_verdb"}).out, "ver_nbint\n17\n");
}

TEST(CliDemo, ALockedDatabaseFailsLoudlyAndStoresNothing) {
    TempFolder folder;
    ASSERT_EQ(cli(folder, {"sql", "SELECT * FROM kartoteka"}).status, 0);
    CliRun r;
    {
        HeldWriteLock lock(folder.file("data/przDB.sqlite"));
        r = cli(folder, {"demo"});
    }
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("zajęta przez inny program - czekam"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("BEGIN IMMEDIATE"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find(kBazaZajeta), std::string::npos) << r.err;
    EXPECT_EQ(cli(folder, {"sql", "SELECT count(*) AS n FROM kontrach"}).out, "n\n0\n");
}

// Any Access file is imported whole, but only a database of the older version brought to the current
// version counts as success.
TEST(CliImportMdb, ImportsAnyFileWholeAndFailsUnlessItBecameACurrentDatabase) {
    TempFolder folder;
    struct Case {
        std::string source;
        const char* table_line;
        const char* reason;
    } cases[] = {
        {mdb_fixture("DateTestDatabase.mdb"), "DateTest\t", "nie zawiera bazy danych programu Zlecenix 2008"},
        {older_version_mdb(folder.path()), "kontrach\t3\n", "zatrzymała się na wersji 9"},
    };
    int n = 0;
    for (const Case& c : cases) {
        const std::string target = folder.file("import" + std::to_string(++n) + ".sqlite");
        CliRun r = cli(folder, {"import-mdb", c.source, "--to", target});
        EXPECT_EQ(r.status, 1) << c.source;
        EXPECT_NE(r.out.find(c.table_line), std::string::npos) << r.out;
        EXPECT_NE(r.err.find(c.reason), std::string::npos) << r.err;
        EXPECT_TRUE(std::filesystem::exists(target));
    }
}

}  // namespace
}  // namespace zlx::test
