#include <gtest/gtest.h>

#include <filesystem>

#include "core/settings.h"
#include "db/schema.h"
#include "db/upgrade.h"
#include "tests/db/db_fixture.h"

namespace zlx::test {
namespace {

TEST(Connection, NewDefaultDatabaseIsCreatedAtTheCurrentSchema) {
    NewDatabase db;
    ASSERT_TRUE(db.cn.is_connected());
    EXPECT_EQ(db.cn.sciezka(), db.file("data/przDB.sqlite"));
    EXPECT_EQ(db.cn.get_string_polaczenia(), "Data Source=" + db.file("data/przDB.sqlite"));
    EXPECT_EQ(wersja_bazy(db.ds), kWersjaBazy);
    auto zus = db.ds.open_sql("SELECT nr_id,konto_zus,opis_konta FROM konta_zus ");
    EXPECT_EQ(zus->record_count(), 4u);
    auto pln = db.ds.open_sql("SELECT nr_id,symbol,domyslna FROM waluty WHERE domyslna=1");
    ASSERT_FALSE(pln->eof());
    EXPECT_EQ(pln->text("symbol"), "PLN");
    auto root =
        db.ds.open_sql("SELECT kanal_id,kanal_nazwa,kanal_typ,kanal_parent,kanal_order  FROM tb_kanaltree");
    ASSERT_EQ(root->record_count(), 1u);
    EXPECT_EQ(root->int_value("kanal_id"), 1);
    EXPECT_TRUE(db.msgs.messages.empty());
    EXPECT_TRUE(db.msgs.errors.empty());
}

TEST(Connection, AMissingPathSetByTheUserIsNotCreated) {
    TempProgramFolder folder;
    std::string path = folder.file("literówka/przDB.sqlite");
    zapisz_sciezka_bazy(path);
    RecordingMessages msgs;
    TGlAdoCn_mod cn(msgs);
    EXPECT_FALSE(cn.is_connected());
    EXPECT_FALSE(std::filesystem::exists(path));
    ASSERT_EQ(msgs.messages.size(), 1u);
    EXPECT_EQ(msgs.messages[0], kNieMoznaPolaczyc);

    TGlAdoDs_mod ds(cn, msgs);
    EXPECT_EQ(ds.open_sql("SELECT * FROM kartoteka"), nullptr);
    EXPECT_FALSE(ds.exec_sql("DELETE FROM kartoteka"));
    ASSERT_EQ(msgs.errors.size(), 1u);
    EXPECT_EQ(msgs.errors[0].statement, "DELETE FROM kartoteka");
    EXPECT_EQ(msgs.errors[0].detail, kBrakPolaczenia);
}

TEST(Connection, AnAccessFileIsRecognisedAndNotTouched) {
    TempProgramFolder folder;
    std::string path = folder.file("przDB.mdb");
    std::string head("\x00\x01\x00\x00Standard Jet DB\x00\x01\x00\x00\x00", 24);
    write_text(path, head + std::string(2048, '\0'));
    zapisz_sciezka_bazy(path);
    RecordingMessages msgs;
    TGlAdoCn_mod cn(msgs);
    EXPECT_FALSE(cn.is_connected());
    ASSERT_EQ(msgs.messages.size(), 1u);
    EXPECT_EQ(msgs.messages[0], kBazaAccess);
    EXPECT_EQ(read_text(path), head + std::string(2048, '\0'));
}

TEST(Connection, AFileThatIsNoDatabaseGivesTheConnectionMessage) {
    TempProgramFolder folder;
    std::string path = folder.file("notatki.txt");
    write_text(path, "to nie jest baza danych, tylko zwykły tekst, dość długi, by nie był pustym plikiem.\n");
    zapisz_sciezka_bazy(path);
    RecordingMessages msgs;
    TGlAdoCn_mod cn(msgs);
    EXPECT_FALSE(cn.is_connected());
    ASSERT_EQ(msgs.messages.size(), 1u);
    EXPECT_EQ(msgs.messages[0], kNieMoznaPolaczyc);
}

TEST(Connection, APathWithQuotesAndBlanksIsUsedUnchanged) {
    TempProgramFolder folder;
    std::filesystem::create_directories(folder.file("Dane O'Neila"));
    std::string path = folder.file("Dane O'Neila/moja baza ; x=1.sqlite");
    write_text(path, "");
    zapisz_sciezka_bazy(path);
    RecordingMessages msgs;
    TGlAdoCn_mod cn(msgs);
    ASSERT_TRUE(cn.is_connected());
    EXPECT_EQ(cn.get_string_polaczenia(), "Data Source=" + path);
    TGlAdoDs_mod ds(cn, msgs);
    EXPECT_TRUE(ds.exec_sql("CREATE TABLE t (a integer)"));
    cn.disconnect_db();
    EXPECT_FALSE(cn.is_connected());
    EXPECT_TRUE(cn.connect_db());
    EXPECT_NE(ds.open_sql("SELECT a FROM t"), nullptr);
}

TEST(Connection, ASettingsFileWithAByteOrderMarkOpensTheConfiguredDatabase) {
    TempProgramFolder folder;
    const std::string path = folder.file("moja.sqlite");
    write_text(path, "");
    write_text(folder.file(kUstPrzelewIni), "\xEF\xBB\xBF[program]\r\nsciezka_bazy=" + path + "\r\n");
    RecordingMessages msgs;
    TGlAdoCn_mod cn(msgs);
    ASSERT_TRUE(cn.is_connected());
    EXPECT_EQ(cn.sciezka(), path);
    EXPECT_FALSE(std::filesystem::exists(folder.file("data/przDB.sqlite")));
}

TEST(Connection, FailingStatementsAreReportedWithTheStatement) {
    NewDatabase db;
    const std::string bad = " UPDATE kartoteka set  nie_ma_takiej=1";
    EXPECT_FALSE(db.ds.exec_sql(bad));
    ASSERT_EQ(db.msgs.errors.size(), 1u);
    EXPECT_EQ(db.msgs.errors[0].statement, bad);
    EXPECT_NE(db.msgs.errors[0].detail.find("nie_ma_takiej"), std::string::npos);
    EXPECT_TRUE(db.ds.exec_sql(" UPDATE kartoteka set  znacznik=1"));
    EXPECT_EQ(db.msgs.errors.size(), 1u);

    try {
        db.ds.open_sql("SELECT * FROM brak_tabeli");
        FAIL() << "opening a missing table must throw";
    } catch (const SqlError& e) {
        EXPECT_NE(std::string(e.what()).find("brak_tabeli"), std::string::npos);
        EXPECT_EQ(e.statement(), "SELECT * FROM brak_tabeli");
    }
    // open_sql does not report: the caller decides.
    EXPECT_EQ(db.msgs.errors.size(), 1u);
}

TEST(Connection, OnlyOneStatementRunsAtATime) {
    NewDatabase db;
    EXPECT_FALSE(db.ds.exec_sql("DELETE FROM waluty; DROP TABLE kartoteka"));
    auto rs = db.ds.open_sql("SELECT * FROM waluty");
    EXPECT_GT(rs->record_count(), 0u);
    EXPECT_TRUE(db.ds.exec_sql("DELETE FROM tb_key;"));
}

TEST(Connection, WritesOfAnotherConnectionShowAtTheNextQuery) {
    NewDatabase db;
    RecordingMessages other_msgs;
    TGlAdoCn_mod other(other_msgs);
    TGlAdoDs_mod other_ds(other, other_msgs);
    ASSERT_TRUE(other.is_connected());
    auto before = db.ds.open_sql("SELECT * FROM waluty");
    ASSERT_TRUE(other_ds.exec_sql(" INSERT INTO waluty(nr_id,symbol,domyslna) VALUES ( 99,'SEK',0)"));
    auto after = db.ds.open_sql("SELECT * FROM waluty");
    EXPECT_EQ(after->record_count(), before->record_count() + 1);
}

}  // namespace
}  // namespace zlx::test
