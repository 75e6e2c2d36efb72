#include "db/keys.h"

#include <gtest/gtest.h>

#include "tests/db/db_fixture.h"

namespace zlx::test {
namespace {

TEST(Keys, CountersStartAtOneAndCountPerNameWithoutRegardToCase) {
    NewDatabase db;
    EXPECT_EQ(nowy_klucz(db.ds, "kartoteka"), 1);
    auto row = db.ds.open_sql(" SELECT tb_nr FROM tb_key WHERE tb_nazwa = 'kartoteka'");
    EXPECT_EQ(row->int_value("tb_nr"), 2);
    EXPECT_EQ(nowy_klucz(db.ds, "kartoteka"), 2);
    EXPECT_EQ(nowy_klucz(db.ds, "KARTOTEKA"), 3);
    EXPECT_EQ(nowy_klucz(db.ds, "kontrach"), 1);
    EXPECT_EQ(nowy_klucz(db.ds, "Kartoteka"), 4);
    auto rows = db.ds.open_sql("SELECT * FROM tb_key WHERE tb_nazwa = 'KARTOTEKA'");
    EXPECT_EQ(rows->record_count(), 1u);
    EXPECT_TRUE(db.msgs.errors.empty());
}

TEST(Keys, NewDatabaseCountersContinuePastItsFirstRows) {
    NewDatabase db;
    for (const char* table : {"waluty", "symbolformularzaus", "tb_kanaltree"}) {
        int key = nowy_klucz(db.ds, table);
        auto taken = db.ds.open_sql(std::string("SELECT * FROM ") + table + " WHERE " +
                                    (std::string(table) == "tb_kanaltree" ? "kanal_id" : "nr_id") + "=" +
                                    std::to_string(key));
        EXPECT_TRUE(taken->eof()) << table << " key " << key << " is taken already";
    }
}

TEST(Keys, NoKeyIsHandedOutWhenItCannotBeReserved) {
    NewDatabase db;
    ASSERT_TRUE(db.ds.exec_sql("DROP TABLE tb_key"));
    EXPECT_THROW(nowy_klucz(db.ds, "kartoteka"), SqlError);
    db.cn.disconnect_db();
    EXPECT_THROW(nowy_klucz(db.ds, "kartoteka"), SqlError);
}

}  // namespace
}  // namespace zlx::test

namespace zlx::test {
namespace {

TEST(Keys, InsideACallersTransactionTheCallerDecides) {
    NewDatabase db;
    {
        WriteTransaction outer(db.cn);
        EXPECT_EQ(nowy_klucz(db.ds, "my"), 1);
        EXPECT_EQ(nowy_klucz(db.ds, "my"), 2);
    }
    // Rolled back with the outer transaction.
    EXPECT_EQ(nowy_klucz(db.ds, "my"), 1);
}

}  // namespace
}  // namespace zlx::test
