#include "transfers/demo.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "payments/identyfikatory.h"
#include "payments/mikrorachunek.h"
#include "payments/rachunek.h"
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

TEST(Demo, EveryNumberPassesItsCheck) {
    NewDatabase db;
    wypelnij_demo(db.ds, TDateTime::from_ymd(2026, 3, 10));
    struct Kolumny {
        const char* sql;
        std::vector<std::pair<const char*, Sprawdzenie (*)(std::string_view)>> kolumny;
    };
    const Kolumny tabele[] = {
        {"SELECT * FROM my",
         {{"mnip", sprawdz_nip},
          {"mRegon", sprawdz_regon},
          {"mpesel", sprawdz_pesel},
          {"mRachunek1", sprawdz_rachunek},
          {"mRachunek2", sprawdz_rachunek}}},
        {"SELECT * FROM kontrach",
         {{"nip", sprawdz_nip},
          {"Regon", sprawdz_regon},
          {"pesel", sprawdz_pesel},
          {"Rachunek1", sprawdz_rachunek},
          {"Rachunek2", sprawdz_rachunek}}},
        {"SELECT * FROM kartoteka", {{"my_konto", sprawdz_rachunek}, {"dost_konto", sprawdz_rachunek}}},
        {"SELECT * FROM kartoteka WHERE rodzaj_przelewu=1",
         {{"zus_nipplatnik", sprawdz_nip}, {"zus_numeriduzup", sprawdz_regon}}},
        {"SELECT * FROM kartoteka WHERE rodzaj_przelewu=2", {{"us_iduzup", sprawdz_nip}}},
    };
    int sprawdzone = 0;
    for (const Kolumny& t : tabele) {
        for (auto rs = db.ds.open_sql(t.sql); !rs->eof(); rs->next()) {
            for (const auto& [kolumna, sprawdz] : t.kolumny) {
                const std::string numer = rs->text(kolumna);
                // Orders carry every number; a card may leave one out (a tax office has no NIP here).
                if (numer.empty() && !std::string_view(t.sql).ends_with("kartoteka")) continue;
                const Sprawdzenie s = sprawdz(numer);
                EXPECT_TRUE(s.poprawny) << t.sql << " " << kolumna << " " << numer << ": " << s.opis;
                ++sprawdzone;
            }
        }
    }
    EXPECT_GT(sprawdzone, 100);
    EXPECT_EQ(liczba(db.ds, "SELECT count(*) AS n FROM kontrach WHERE pesel<>''") +
                  liczba(db.ds, "SELECT count(*) AS n FROM my WHERE mpesel<>''"),
              3);
}

TEST(Demo, IncomeTaxAndVatGoToTheMicroAccountOthersAndOlderOrdersToTheOffice) {
    NewDatabase db;
    wypelnij_demo(db.ds, TDateTime::from_ymd(2026, 3, 10));
    int na_mikrorachunek = 0, do_urzedu = 0;
    for (auto rs = db.ds.open_sql("SELECT * FROM kartoteka WHERE rodzaj_przelewu=2 ORDER BY data DESC");
         !rs->eof(); rs->next()) {
        const std::string mikro = mikrorachunek('N', rs->text("us_iduzup"));
        ASSERT_FALSE(mikro.empty());
        if (rs->text("dost_konto") == mikro) {
            EXPECT_TRUE(symbol_na_mikrorachunek(rs->text("us_symbolformularza")))
                << rs->text("us_symbolformularza");
            ++na_mikrorachunek;
        } else {
            EXPECT_NE(rs->text("dost_konto").substr(2, 8), "10100071") << "the account of a tax office";
            ++do_urzedu;
        }
    }
    EXPECT_GE(na_mikrorachunek, 2);
    EXPECT_GE(do_urzedu, 2);
}

}  // namespace
}  // namespace zlx::test
