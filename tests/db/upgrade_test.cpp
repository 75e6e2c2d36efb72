#include "db/upgrade.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <algorithm>
#include <string>
#include <vector>

#include "core/ini.h"
#include "core/settings.h"
#include "core/text.h"
#include "db/schema.h"
#include "db/symbole_us.h"
#include "tests/db/db_fixture.h"

namespace zlx::test {
namespace {

TEST(Upgrade, AFileWithoutVersionTableRunsEveryStep) {
    OldDatabase db;
    ASSERT_EQ(wersja_bazy(db.ds), 0);
    aktualizuj_baze(db.ds);
    EXPECT_TRUE(db.msgs.errors.empty()) << db.msgs.errors[0].statement << ": " << db.msgs.errors[0].detail;
    EXPECT_TRUE(db.msgs.messages.empty());
    EXPECT_EQ(wersja_bazy(db.ds), 17);
    EXPECT_TRUE(db.has_table("tb_slowtyt"));
    EXPECT_TRUE(db.has_table("tb_profilexp"));
    EXPECT_TRUE(db.has_key("kontrach", "ID1"));
    EXPECT_TRUE(db.has_key("kartoteka", "nr_id"));
    const TableSchema* k = db.cn.table_schema("kartoteka");
    for (const char* c : {"dost_adres_ulica", "rozliczony", "kwota_rozliczenia", "my_skrot", "uwagi_tekst"})
        EXPECT_NE(k->find(c), nullptr) << c;
    EXPECT_EQ(k->find("my_nazwa")->declared_type, "TEXT(155)");
    EXPECT_EQ(k->find("dost_skrot")->declared_type, "TEXT(155)");
    EXPECT_EQ(k->find("kwota_rozliczenia")->kind, ColumnKind::money);
    EXPECT_EQ(db.cn.table_schema("my")->find("mskrot")->declared_type, "TEXT(155)");

    // Rows survive the rebuilds, amounts and Polish texts unchanged.
    auto row = db.ds.open_sql(" select * from kartoteka  WHERE nr_id=1");
    EXPECT_EQ(row->text("dost_nazwa"), "Urząd Skarbowy Łódź");
    EXPECT_EQ(row->currency("kwota_money").to_text(), "1234,56");
    EXPECT_EQ(row->text("data"), "2009-12-31");
    EXPECT_EQ(db.ds.open_sql("SELECT * FROM kontrach")->record_count(), 2u);
    EXPECT_FALSE(db.ds.open_sql("SELECT nr_id   FROM konta_zus where nr_id=3")->eof());

    // Step 3 keeps the start on this database, not on the default one.
    EXPECT_EQ(sciezka_bazy(), db.path);
    EXPECT_NE(sciezka_bazy(), domyslna_sciezka_bazy());
    EXPECT_EQ(czytaj_ini(kUstPrzelewIni, "marginesy", "bankowy_wydruk_left", ""), "20");
    EXPECT_EQ(czytaj_ini(kUstPrzelewIni, "marginesy", "pocztowy_wydruk_left", ""), "1");
    EXPECT_EQ(czytaj_ini(kUstPrzelewIni, "marginesy", "us_wydruk_top", ""), "4");
    EXPECT_EQ(czytaj_ini(kUstPrzelewIni, "kolory", "zus_poddruk_mmrrrr", ""), "1");
}

// The tables and columns a new database has, names in lower case.
std::map<std::string, std::vector<std::string>> tables_of_a_new_database() {
    NewDatabase fresh;
    std::map<std::string, std::vector<std::string>> out;
    auto rs = fresh.ds.open_sql("SELECT name FROM sqlite_master WHERE type='table'");
    for (; !rs->eof(); rs->next()) {
        const std::string name = rs->text("name");
        for (const ColumnSchema& c : fresh.cn.table_schema(name)->columns)
            out[lower_pl(name)].push_back(lower_pl(c.name));
    }
    return out;
}

TEST(Upgrade, EveryOlderVersionEndsWithTheTablesAndColumnsOfANewDatabaseAndKeepsItsRows) {
    const auto current = tables_of_a_new_database();
    ASSERT_EQ(current.count("tb_profilexp"), 1u);
    for (int version = 0; version <= kWersjaBazy; ++version) {
        SCOPED_TRACE("made at version " + std::to_string(version));
        OldDatabase db;
        db.at_version(version);
        aktualizuj_baze(db.ds);
        EXPECT_EQ(wersja_bazy(db.ds), kWersjaBazy);
        // Only the repeated step 6 of a file at 6 meets columns that exist.
        EXPECT_EQ(db.msgs.errors.size(), version == 6 ? 8u : 0u);
        EXPECT_TRUE(db.msgs.messages.empty());
        for (const auto& [table, columns] : current) {
            const TableSchema* t = db.cn.table_schema(table);
            ASSERT_NE(t, nullptr) << table;
            for (const std::string& c : columns)
                EXPECT_NE(t->find(c), nullptr) << table << "." << c;
        }
        EXPECT_EQ(db.ds.open_sql(" select * from kartoteka  WHERE nr_id=1")->text("dost_nazwa"),
                  "Urząd Skarbowy Łódź");
        EXPECT_EQ(db.ds.open_sql("SELECT * FROM kontrach")->record_count(), 2u);
        EXPECT_EQ(db.ds.open_sql("SELECT * FROM my")->text("mnazwa"), "Firma");

        // The next start finds nothing to do.
        db.msgs.errors.clear();
        aktualizuj_baze(db.ds);
        EXPECT_TRUE(db.msgs.errors.empty());
    }
}

TEST(Upgrade, ARefusedSettingsWriteIsShownOnceAndTheUpgradeGoesOn) {
    OldDatabase db;
    // A folder where the settings file should be: the system refuses to replace it.
    const std::string ini = ini_path(kUstPrzelewIni);
    std::filesystem::remove(ini);
    std::filesystem::create_directory(ini);
    aktualizuj_baze(db.ds);
    EXPECT_EQ(wersja_bazy(db.ds), kWersjaBazy);
    ASSERT_EQ(db.msgs.messages.size(), 1u);
    EXPECT_NE(db.msgs.messages[0].find(ini), std::string::npos) << db.msgs.messages[0];
    EXPECT_TRUE(db.msgs.errors.empty());
    EXPECT_TRUE(db.has_table("tb_slowtyt"));
    EXPECT_TRUE(db.has_key("kartoteka", "nr_id"));
}

TEST(Upgrade, VersionSixRunsStepSixAgainThenTheRest) {
    OldDatabase db;
    db.at_version(6);
    ASSERT_EQ(wersja_bazy(db.ds), 6);
    aktualizuj_baze(db.ds);
    EXPECT_EQ(wersja_bazy(db.ds), 17);
    // The eight columns of step 6 exist already: each statement is reported, and nothing else.
    ASSERT_EQ(db.msgs.errors.size(), 8u);
    for (const auto& e : db.msgs.errors) {
        EXPECT_EQ(e.statement.rfind("ALTER TABLE kartoteka  ADD COLUMN ", 0), 0u) << e.statement;
        EXPECT_NE(e.detail.find("duplicate column"), std::string::npos) << e.detail;
    }
    EXPECT_TRUE(db.has_table("tb_slowtyt"));
}

TEST(Upgrade, VersionThirteenAddsTheMissingZusAccountOnce) {
    OldDatabase db;
    db.at_version(13);
    ASSERT_TRUE(db.ds.open_sql("SELECT nr_id   FROM konta_zus where nr_id=3")->eof());
    aktualizuj_baze(db.ds);
    EXPECT_TRUE(db.msgs.errors.empty());
    auto row = db.ds.open_sql("SELECT nr_id,konto_zus,opis_konta FROM konta_zus  WHERE nr_id=3");
    ASSERT_EQ(row->record_count(), 1u);
    EXPECT_EQ(row->text("konto_zus"), "68101010230000261395400000");
    EXPECT_EQ(row->text("opis_konta"), "68-FEP");

    // With the row present no insert is tried (it would fail on the key and be reported).
    ASSERT_TRUE(db.ds.exec_sql("UPDATE  tb_verdb set  ver_nbint=13 where ver_id=1"));
    aktualizuj_baze(db.ds);
    EXPECT_TRUE(db.msgs.errors.empty());
    EXPECT_EQ(wersja_bazy(db.ds), 17);
}

TEST(Upgrade, ACurrentFileRunsNothing) {
    NewDatabase db;
    aktualizuj_baze(db.ds);
    EXPECT_EQ(wersja_bazy(db.ds), kWersjaBazy);
    EXPECT_TRUE(db.msgs.errors.empty());
    EXPECT_TRUE(db.msgs.messages.empty());
    // Steps 3 and 5 did not run: the settings stay untouched.
    EXPECT_EQ(czytaj_ini(kUstPrzelewIni, "program", "sciezka_bazy", "brak"), "brak");
    EXPECT_EQ(czytaj_ini(kUstPrzelewIni, "marginesy", "bankowy_wydruk_left", "brak"), "brak");
}

TEST(Upgrade, AFailingCatalogStepEndsTheRunAndKeepsEarlierVersions) {
    OldDatabase db;
    db.at_version(9);
    // Two counterparties under one key: the primary key of step 10 cannot be added.
    ASSERT_TRUE(db.ds.exec_sql(" UPDATE kontrach set  ID1=1"));
    aktualizuj_baze(db.ds);
    EXPECT_EQ(wersja_bazy(db.ds), 9);
    EXPECT_FALSE(db.has_table("tb_slowtyt"));
    EXPECT_TRUE(db.msgs.errors.empty());
    EXPECT_TRUE(db.msgs.messages.empty());
    EXPECT_EQ(db.ds.open_sql("SELECT * FROM kontrach")->record_count(), 2u);

    // Once the duplicate is gone the next start goes on from step 10.
    ASSERT_TRUE(db.ds.exec_sql(" UPDATE kontrach set  ID1=2 WHERE skrot='zus'"));
    aktualizuj_baze(db.ds);
    EXPECT_EQ(wersja_bazy(db.ds), 17);
    EXPECT_TRUE(db.msgs.errors.empty());
}

TEST(Upgrade, VersionReading) {
    OldDatabase db;
    EXPECT_EQ(wersja_bazy(db.ds), 0);
    ASSERT_TRUE(
        db.ds.exec_sql("CREATE TABLE tb_verdb  ( ver_id    integer  primary key,  ver_nbint    integer  )"));
    EXPECT_EQ(wersja_bazy(db.ds), -2);
    ASSERT_TRUE(db.ds.exec_sql("INSERT INTO tb_verdb(ver_id,ver_nbint) VALUES (1,4)"));
    EXPECT_EQ(wersja_bazy(db.ds), 4);
    db.cn.disconnect_db();
    EXPECT_EQ(wersja_bazy(db.ds), -2);
}

TEST(Upgrade, NothingRunsWithoutAConnection) {
    OldDatabase db;
    db.cn.disconnect_db();
    // Step 5 would overwrite the margin (a new settings file already starts with its values).
    zapisz_ini(kUstPrzelewIni, "marginesy", "bankowy_wydruk_left", "7");
    aktualizuj_baze(db.ds);
    EXPECT_FALSE(napraw_baze_2008(db.ds));
    EXPECT_TRUE(db.msgs.errors.empty());
    EXPECT_EQ(czytaj_ini(kUstPrzelewIni, "marginesy", "bankowy_wydruk_left", "brak"), "7");
    EXPECT_TRUE(db.cn.connect_db());
    EXPECT_EQ(wersja_bazy(db.ds), 0);
}

TEST(Upgrade, StepsOutsideTheRangeDoNothing) {
    NewDatabase db;
    for (int n : {-1, 0, 18, 99})
        krok_aktualizacji(db.ds, n);
    EXPECT_EQ(wersja_bazy(db.ds), kWersjaBazy);
    EXPECT_TRUE(db.msgs.errors.empty());
}

TEST(Upgrade, TheRepairKeepsALaterVersionSoTheNextStartRunsNothing) {
    OldDatabase db;
    aktualizuj_baze(db.ds);
    ASSERT_EQ(wersja_bazy(db.ds), 17);
    EXPECT_TRUE(napraw_baze_2008(db.ds));
    EXPECT_EQ(db.msgs.errors.size(), 8u);  // the columns of step 6 exist
    EXPECT_EQ(wersja_bazy(db.ds), 17);
    db.msgs.errors.clear();
    aktualizuj_baze(db.ds);
    EXPECT_EQ(wersja_bazy(db.ds), 17);
    EXPECT_TRUE(db.msgs.errors.empty());
}

TEST(Upgrade, TheTaxSymbolsInUseTodayAreAddedAndTheUsersOwnKept) {
    NewDatabase db;
    auto symbole = [&] {
        std::vector<std::string> v;
        for (auto rs = db.ds.open_sql("SELECT symbol FROM symbolformularzaus ORDER BY nr_id"); !rs->eof();
             rs->next())
            v.push_back(rs->text("symbol"));
        return v;
    };
    // A new database holds every delivered symbol, numbered in order.
    const std::vector<std::string> nowa = symbole();
    ASSERT_EQ(nowa.size(), symbole_us_dostarczane().size());
    EXPECT_EQ(nowa.back(), "WRO");

    // A file of the older version: without the micro-account's symbols, one written in small letters,
    // and one of the user's own.
    for (const char* s : {"DELETE FROM symbolformularzaus WHERE symbol IN ('PSD','CIT','WRO')",
                          "UPDATE symbolformularzaus SET symbol='vat-7k' WHERE symbol='VAT-7K'",
                          "INSERT INTO symbolformularzaus(nr_id,symbol) VALUES (100,'MÓJ-1')"})
        ASSERT_TRUE(db.ds.exec_sql(s)) << s;
    aktualizuj_baze(db.ds);
    EXPECT_TRUE(db.msgs.errors.empty());
    std::vector<std::string> po = symbole();
    EXPECT_EQ(po.size(), nowa.size() + 1);
    for (const char* s : {"CIT", "PSD", "WRO", "vat-7k", "MÓJ-1"})
        EXPECT_EQ(std::count(po.begin(), po.end(), s), 1) << s;
    EXPECT_EQ(std::count(po.begin(), po.end(), "VAT-7K"), 0);

    // A second start adds nothing.
    aktualizuj_baze(db.ds);
    EXPECT_EQ(symbole(), po);
    EXPECT_EQ(wersja_bazy(db.ds), kWersjaBazy);
}

TEST(Upgrade, TheRepairOfAnEarlierFileRecordsSix) {
    OldDatabase db;
    for (int n = 1; n <= 5; ++n)
        krok_aktualizacji(db.ds, n);
    ASSERT_EQ(wersja_bazy(db.ds), 5);
    EXPECT_TRUE(napraw_baze_2008(db.ds));
    EXPECT_EQ(wersja_bazy(db.ds), 6);
}

}  // namespace
}  // namespace zlx::test
