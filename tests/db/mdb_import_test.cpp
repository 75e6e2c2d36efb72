#include "db/mdb_import.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "core/settings.h"
#include "db/gl_ado_ds.h"
#include "db/upgrade.h"
#include "tests/db/db_fixture.h"
#include "tests/db/mdb_export_csv.h"
#include "tests/support/fixtures.h"

namespace zlx {
namespace {

// Reads a cell of our database back into the form the Access reader gives, by the source's kind.
MdbValue value_of(const Row& row, std::size_t c, MdbKind kind) {
    MdbValue v;
    v.is_null = row.is_null(c);
    if (v.is_null) return v;
    switch (kind) {
        case MdbKind::boolean:
        case MdbKind::byte:
        case MdbKind::integer:
        case MdbKind::long_integer:
            v.integer = row.int64_value(c);
            break;
        case MdbKind::money:
            v.money = row.currency(c);
            break;
        case MdbKind::single:
        case MdbKind::real:
            v.real = row.double_value(c);
            break;
        case MdbKind::datetime:
            v.date = row.date(c);
            break;
        case MdbKind::binary:
        case MdbKind::ole:
            v.bytes = row.text(c);
            break;
        default:
            v.text = row.text(c);
            break;
    }
    return v;
}

class MdbImport : public ::testing::TestWithParam<const char*> {};

TEST_P(MdbImport, EveryTableColumnAndRowArrives) {
    if (!test::mdb_export_available()) GTEST_SKIP() << "mdb-export is not installed";
    test::TempProgramFolder folder;
    zapisz_sciezka_bazy(folder.file("data/moja.sqlite"));
    const std::string source = test::mdb_fixture(GetParam());
    const std::string target = folder.file("data/import.sqlite");
    test::RecordingMessages msgs;
    RaportImportu report = importuj_baze_access(source, target, msgs);

    EXPECT_EQ(report.sciezka, target);
    EXPECT_EQ(sciezka_bazy(), folder.file("data/moja.sqlite"));  // the import does not switch databases
    EXPECT_FALSE(std::filesystem::exists(target + ".import"));

    MdbFile file(source);
    ASSERT_EQ(report.tabele.size(), file.table_names().size());
    TGlAdoCn_mod cn(msgs, target);
    ASSERT_TRUE(cn.is_connected());
    TGlAdoDs_mod ds(cn, msgs);
    for (std::size_t t = 0; t < report.tabele.size(); ++t) {
        const std::string& table = report.tabele[t].first;
        EXPECT_EQ(table, file.table_names()[t]);
        std::vector<test::CsvRow> expected = test::mdb_export_rows(source, table);
        EXPECT_EQ(report.tabele[t].second + 1, expected.size()) << table;
        const std::vector<MdbColumnDef> cols = file.columns(table);
        auto rs = ds.open_sql("SELECT * FROM [" + table + "]");
        ASSERT_TRUE(rs) << table;
        ASSERT_EQ(rs->field_count(), cols.size()) << table;
        for (std::size_t c = 0; c < cols.size(); ++c)
            EXPECT_EQ(rs->field(c).name, expected[0][c].text);
        ASSERT_EQ(rs->record_count() + 1, expected.size()) << table;
        for (std::size_t r = 0; !rs->eof(); rs->next(), ++r) {
            Row row = rs->current();
            for (std::size_t c = 0; c < cols.size(); ++c)
                test::expect_same_as_mdb_export(cols[c], value_of(row, c, cols[c].kind), expected[r + 1][c],
                                                table + " row " + std::to_string(r + 1) + " " + cols[c].name);
        }
    }
    // The upgrade ran on the new file: it records its version.
    EXPECT_GE(report.wersja_po, 1);
    EXPECT_EQ(report.wersja_przed, 0);
}

INSTANTIATE_TEST_SUITE_P(Fixtures, MdbImport, ::testing::Values("nwind.mdb", "DateTestDatabase.mdb"));

TEST(MdbImportFailures, NothingIsMadeOrOverwritten) {
    test::TempProgramFolder folder;
    test::RecordingMessages msgs;
    test::write_text(folder.file("zla.mdb"), std::string(5000, 'z'));
    const std::string target = folder.file("data/nowa.sqlite");
    EXPECT_THROW(importuj_baze_access(folder.file("zla.mdb"), target, msgs), MdbError);
    EXPECT_FALSE(std::filesystem::exists(target));
    EXPECT_FALSE(std::filesystem::exists(target + ".import"));

    test::write_text(target, "moje dane");
    EXPECT_THROW(importuj_baze_access(test::mdb_fixture("DateTestDatabase.mdb"), target, msgs),
                 std::runtime_error);
    EXPECT_EQ(test::read_text(target), "moje dane");
}

// Ends its own process at the n-th thing the upgrade reports, as a crash there would.
struct KilledAt : DbMessages {
    int left;
    explicit KilledAt(int n) : left(n) {}
    void message(const std::string&) override { count(); }
    void sql_error(const std::string&, const std::string&) override { count(); }
    void count() {
        if (--left == 0) raise(SIGKILL);
    }
};

TEST(MdbImportKilled, LeavesNothingOrTheFinishedFileAndTheSettingAsItWas) {
    test::TempProgramFolder folder;
    zapisz_sciezka_bazy(folder.file("data/moja.sqlite"));
    const std::string source = test::mdb_fixture("DateTestDatabase.mdb");
    test::RecordingMessages quiet;
    const RaportImportu whole = importuj_baze_access(source, folder.file("data/wzor.sqlite"), quiet);

    struct Case {
        const char* name;
        int killed_at_message;  // 0: killed from outside once the import has begun writing
    } cases[] = {
        {"while the rows are copied", 0},
        {"at the upgrade's first failing statement", 1},
        {"further on in the upgrade", 4},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string target = folder.file("data/ubity" + std::to_string(++n) + ".sqlite");
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            KilledAt messages(c.killed_at_message);
            try {
                importuj_baze_access(source, target, messages);
            } catch (...) {
            }
            _exit(0);
        }
        if (c.killed_at_message == 0) {
            while (!std::filesystem::exists(target + ".import") && !std::filesystem::exists(target) &&
                   waitpid(child, nullptr, WNOHANG) == 0)
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            kill(child, SIGKILL);
        }
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_EQ(sciezka_bazy(), folder.file("data/moja.sqlite"));
        if (c.killed_at_message > 0) {
            EXPECT_TRUE(WIFSIGNALED(status));
            EXPECT_FALSE(std::filesystem::exists(target));
        }
        if (std::filesystem::exists(target)) {
            // Only a finished import has the final name.
            TGlAdoCn_mod cn(quiet, target);
            TGlAdoDs_mod ds(cn, quiet);
            EXPECT_EQ(wersja_bazy(ds), whole.wersja_po);
        }
    }
}

// What counts as a database of the older version brought to the current version.
TEST(MdbImportResult, OnlyTheOlderVersionsTablesAtTheCurrentVersionSucceed) {
    RaportImportu r;
    r.sciezka = "/dane/przDB.sqlite";
    struct Case {
        bool stara_baza;
        int wersja_po;
        const char* przerwa;
        const char* error;
    } cases[] = {
        {true, 17, "", ""},
        {false, 17, "",
         "Plik /stare/x.mdb nie zawiera bazy danych programu Zlecenix 2008 (brak tabel kontrach i "
         "kartoteka)"},
        {true, 9, "brak kolumny id1",
         "Aktualizacja bazy /dane/przDB.sqlite zatrzymała się na wersji 9 (bieżąca wersja: 17): brak kolumny "
         "id1"},
        {true, 3, "", "Aktualizacja bazy /dane/przDB.sqlite zatrzymała się na wersji 3 (bieżąca wersja: 17)"},
    };
    for (const Case& c : cases) {
        r.stara_baza = c.stara_baza;
        r.wersja_po = c.wersja_po;
        r.przerwa = c.przerwa;
        EXPECT_EQ(blad_importu(r, "/stare/x.mdb"), c.error);
    }
    EXPECT_FALSE(jest_baza_starej_wersji(MdbFile(test::mdb_fixture("nwind.mdb"))));
    test::TempFolder folder;
    EXPECT_TRUE(jest_baza_starej_wersji(MdbFile(test::older_version_mdb(folder.path()))));
}

}  // namespace
}  // namespace zlx
