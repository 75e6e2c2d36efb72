#include "transfers/demo.h"

#include <gtest/gtest.h>

#include "registers/firma_my_store.h"
#include "registers/kanal_tree.h"
#include "tests/db/db_fixture.h"

namespace zlx::test {
namespace {

int liczba(TGlAdoDs_mod& ds, const std::string& sql) {
    return ds.open_sql(sql)->int_value("n");
}

TEST(Demo, FillsEveryKindOverTheLastTwoMonthsAndAddsAgainOnASecondRun) {
    NewDatabase db;
    const TDateTime dzis = TDateTime::from_ymd(2026, 3, 10);
    const DemoWynik w = wypelnij_demo(db.ds, dzis);
    EXPECT_EQ(w.firmy, 2);
    EXPECT_EQ(w.kontrahenci, 12);
    EXPECT_GE(w.tytuly, 3);
    EXPECT_GE(w.przelewy, 25);
    EXPECT_TRUE(db.msgs.errors.empty());

    EXPECT_EQ(liczba(db.ds, "SELECT count(*) AS n FROM kartoteka"), w.przelewy);
    for (int rodzaj : {0, 1, 2})
        for (int p_w : {0, 1})
            EXPECT_GT(liczba(db.ds, "SELECT count(*) AS n FROM kartoteka WHERE rodzaj_przelewu=" +
                                        std::to_string(rodzaj) + " AND p_w=" + std::to_string(p_w)),
                      0)
                << "kind " << rodzaj << " p_w " << p_w;
    EXPECT_GT(liczba(db.ds, "SELECT count(*) AS n FROM kartoteka WHERE cykliczne=1"), 0);
    EXPECT_EQ(
        liczba(db.ds, "SELECT count(*) AS n FROM kartoteka WHERE data > '2026-03-10' OR data < '2026-01-09'"),
        0);
    EXPECT_GT(liczba(db.ds, "SELECT count(*) AS n FROM kartoteka WHERE data < '2026-02-01'"), 0);
    EXPECT_GT(liczba(db.ds, "SELECT count(*) AS n FROM kontrach WHERE klienturzad=1"), 0);
    EXPECT_GT(liczba(db.ds, "SELECT count(*) AS n FROM kontrach WHERE znacznik>0"), 0);
    EXPECT_EQ(liczba(db.ds, "SELECT count(DISTINCT grupa) AS n FROM kontrach"), 2);

    const TPrzKth domyslna = get_firma_my(db.ds, 0, kFirmaDomyslna);
    EXPECT_NE(domyslna.ID1, 0);
    EXPECT_EQ(liczba(db.ds, "SELECT count(*) AS n FROM my WHERE mdomyslnekonto=1 AND mRachunek2<>''"), 1);

    std::vector<TKanalTree> drzewo;
    const int wezly = get_kanal_tree_list(db.ds, drzewo, "tb_kanaltree");
    wypelnij_demo(db.ds, dzis);
    EXPECT_EQ(liczba(db.ds, "SELECT count(*) AS n FROM kartoteka"), 2 * w.przelewy);
    EXPECT_EQ(liczba(db.ds, "SELECT count(*) AS n FROM kontrach"), 2 * w.kontrahenci);
    EXPECT_EQ(liczba(db.ds, "SELECT count(*) AS n FROM my WHERE mdomyslnafirma=1"), 1);
    EXPECT_EQ(get_kanal_tree_list(db.ds, drzewo, "tb_kanaltree"), wezly);
    EXPECT_TRUE(db.msgs.errors.empty());
}

TEST(Demo, AccountNumbersCarryValidCheckDigits) {
    // 61 1090 1014 0000 0712 1981 2874 is a commonly quoted valid example.
    EXPECT_EQ(konto_nrb("10901014", "0000071219812874"), "61109010140000071219812874");
}

}  // namespace
}  // namespace zlx::test
