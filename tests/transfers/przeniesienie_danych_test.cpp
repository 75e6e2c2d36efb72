#include "transfers/przeniesienie_danych.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/db/db_fixture.h"
#include "tests/support/fixtures.h"
#include "tests/support/temp_folder.h"

namespace zlx {
namespace {

MdbValue text(const std::string& s) {
    MdbValue v;
    v.is_null = false;
    v.text = s;
    return v;
}

MdbValue number(std::int64_t n) {
    MdbValue v;
    v.is_null = false;
    v.integer = n;
    return v;
}

TEST(PrzeniesienieDanych, StreetTakesHouseAndFlatNumbers) {
    struct Case {
        const char* ulica;
        const char* dom;
        const char* mieszk;
        const char* expected;
    };
    const Case cases[] = {
        {"Długa", "12", "3", "Długa 12/3"},
        {"Długa", "12", "", "Długa 12"},
        {"Długa", "12", "  ", "Długa 12"},
        {"", "", "", " "},
    };
    for (const auto& c : cases) {
        TPrzKth k;
        k.ulica = c.ulica;
        k.numerDomu = c.dom;
        k.numerMieszk = c.mieszk;
        przygotuj_do_przeniesienia(k, false);
        EXPECT_EQ(k.ulica, c.expected) << c.ulica << "|" << c.dom << "|" << c.mieszk;
    }
}

TEST(PrzeniesienieDanych, SplitAccountsJoinedAndGrouped) {
    TPrzKth k;
    k.ID1 = 77;
    k.lk = "61";
    k.nr_banku = "10901014";
    k.Rachunek1 = "0000000123456789";
    k.lk2 = "12";
    k.nr_banku2 = "1050";
    k.Rachunek2 = "123";  // shorter than an account: stays as joined
    przygotuj_do_przeniesienia(k, false);
    EXPECT_EQ(k.Rachunek1, "61 1090 1014 0000 0001 2345 6789 ");
    EXPECT_EQ(k.Rachunek2, "121050123");
    EXPECT_EQ(k.id_old, 77);
    EXPECT_EQ(k.ID1, 0);
}

TEST(PrzeniesienieDanych, RowOfTheOlderShape) {
    // The older counterparty table lacks the later columns and keeps integers as integers.
    const std::vector<MdbColumnDef> cols = {
        {"ID1", MdbKind::long_integer, 4},   {"NAZWA", MdbKind::text, 100},
        {"ulica", MdbKind::text, 50},        {"numerDomu", MdbKind::text, 10},
        {"PlatnikVAT", MdbKind::integer, 2}, {"Rachunek1", MdbKind::text, 40},
        {"domyslnekonto", MdbKind::byte, 1}, {"notatki", MdbKind::memo, 0}};
    const std::vector<MdbValue> row = {number(5), text("Żółw i S-ka"), text("Polna"), text("7"),
                                       number(1), text("11 2222"),     number(1),     MdbValue{}};
    TPrzKth k = kth_z_wiersza_starej_bazy(cols, row, false);
    EXPECT_EQ(k.ID1, 5);
    EXPECT_EQ(k.nazwa, "Żółw i S-ka");
    EXPECT_EQ(k.PlatnikVAT, 1);
    EXPECT_EQ(k.domyslnekonto, 1);
    EXPECT_EQ(k.notatki, "");
    EXPECT_EQ(k.Kraj, "");  // absent in the older table

    const std::vector<MdbColumnDef> my_cols = {{"ID1", MdbKind::long_integer, 4},
                                               {"mnazwa", MdbKind::text, 100},
                                               {"mdomyslnafirma", MdbKind::integer, 2},
                                               {"nazwa", MdbKind::text, 9}};
    TPrzKth f = kth_z_wiersza_starej_bazy(my_cols, {number(2), text("Nasza"), number(1), text("obca")}, true);
    EXPECT_EQ(f.nazwa, "Nasza");
    EXPECT_EQ(f.domyslnafirma, 1);
    przygotuj_do_przeniesienia(f, true);
    EXPECT_EQ(f.ID1, 0);
    EXPECT_EQ(f.id_old, 0);
}

TEST(PrzeniesienieDanych, FileWithoutTheTableOrUnreadableIsReported) {
    const std::string nwind = test::mdb_fixture("nwind.mdb");
    EXPECT_THROW(wczytaj_ze_starej_bazy(nwind, false), MdbError);
    EXPECT_THROW(wczytaj_ze_starej_bazy(nwind, true), MdbError);
    test::TempFolder folder;
    EXPECT_THROW(wczytaj_ze_starej_bazy(folder.file("przelewy.mdb"), false), MdbError);
}

TEST(PrzeniesienieDanych, NothingIsStoredFromAFileThatIsNotTheOlderDatabase) {
    test::NewDatabase db;
    const std::string nwind = test::mdb_fixture("nwind.mdb");
    EXPECT_THROW(przenies_kontrahentow(db.ds, nwind), MdbError);
    EXPECT_THROW(przenies_firmy(db.ds, db.file("brak.mdb")), MdbError);
    EXPECT_EQ(db.ds.open_sql("SELECT count(*) AS n FROM kontrach")->int_value("n"), 0);
    EXPECT_EQ(db.ds.open_sql("SELECT count(*) AS n FROM my")->int_value("n"), 0);
}

}  // namespace
}  // namespace zlx
