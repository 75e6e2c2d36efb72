#include "registers/slowniki.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/db/db_fixture.h"

namespace zlx::test {
namespace {

TEST(Slowniki, TitleRoundTripAndUpdate) {
    NewDatabase db;
    TSlowTyt t{0, "Zapłata za fakturę 'FV/1' [marzec]", "", "zapas 1", "zapas 2"};
    ASSERT_TRUE(save_slowtyt(db.ds, t));
    ASSERT_GT(t.slow_id, 0);
    EXPECT_EQ(get_slowtyt(db.ds, t.slow_id), t);
    t.slow_tytulemcd = "cd. Łódź";
    ASSERT_TRUE(save_slowtyt(db.ds, t));
    EXPECT_EQ(get_slowtyt(db.ds, t.slow_id), t);
    EXPECT_TRUE(del_slowtyt(db.ds, t.slow_id));
    EXPECT_EQ(get_slowtyt(db.ds, t.slow_id), TSlowTyt{});
    EXPECT_TRUE(db.msgs.errors.empty());
}

TEST(Slowniki, OnlyTheChosenCurrencyIsTheDefault) {
    NewDatabase db;
    std::vector<TWaluta> waluty;
    ASSERT_GT(get_waluty_list(db.ds, waluty), 0);
    EXPECT_EQ(waluty[static_cast<std::size_t>(pozycja_domyslnej_waluty(waluty))].symbol, "PLN");

    TWaluta czk{0, "CZK", 0};
    ASSERT_TRUE(save_waluta(db.ds, czk));
    EXPECT_EQ(get_waluta(db.ds, czk.nr_id), czk);
    ASSERT_TRUE(set_domyslna_waluta(db.ds, czk.nr_id));
    get_waluty_list(db.ds, waluty);
    int domyslnych = 0;
    for (const TWaluta& w : waluty)
        domyslnych += w.domyslna;
    EXPECT_EQ(domyslnych, 1);
    EXPECT_EQ(waluty[static_cast<std::size_t>(pozycja_domyslnej_waluty(waluty))].symbol, "CZK");
    const std::vector<std::string> symbole = symbole_walut(waluty);
    EXPECT_TRUE(std::is_sorted(symbole.begin(), symbole.end()));
    EXPECT_TRUE(del_waluta(db.ds, czk.nr_id));
    EXPECT_EQ(get_waluta(db.ds, czk.nr_id), TWaluta{});
}

TEST(Slowniki, DefaultCurrencyPosition) {
    struct Case {
        std::vector<TWaluta> waluty;
        int pozycja;
    };
    const Case cases[] = {
        {{}, -1},
        {{{1, "EUR", 0}, {2, "PLN", 0}}, 0},
        {{{1, "EUR", 0}, {2, "PLN", 1}}, 1},
        {{{1, "EUR", 1}, {2, "PLN", 1}, {3, "USD", 0}}, 1},  // the last flagged one
        {{{1, "EUR", 2}, {2, "PLN", 0}}, 0},                 // only 1 counts as the flag
    };
    for (const Case& c : cases)
        EXPECT_EQ(pozycja_domyslnej_waluty(c.waluty), c.pozycja);
}

TEST(Slowniki, TaxFormSymbols) {
    NewDatabase db;
    TSymbolFormularzaUs s{0, "AAA-1"};
    ASSERT_TRUE(save_symbol_us(db.ds, s));
    EXPECT_EQ(get_symbol_us(db.ds, s.nr_id), s);
    s.symbol = "ZZZ-9";
    ASSERT_TRUE(save_symbol_us(db.ds, s));
    std::vector<TSymbolFormularzaUs> lista;
    ASSERT_GT(get_symbol_us_list(db.ds, lista), 1);
    const std::vector<std::string> symbole = symbole_us(lista);
    EXPECT_EQ(symbole.back(), "ZZZ-9");
    EXPECT_TRUE(std::is_sorted(symbole.begin(), symbole.end()));
    EXPECT_TRUE(del_symbol_us(db.ds, s.nr_id));
    EXPECT_EQ(get_symbol_us(db.ds, s.nr_id), TSymbolFormularzaUs{});
}

TEST(Slowniki, ZusAccountPositionIsItsKey) {
    NewDatabase db;
    std::vector<TKontaZus> konta;
    ASSERT_EQ(get_konta_zus_list(db.ds, konta), 4);
    for (std::size_t i = 0; i < konta.size(); ++i)
        EXPECT_EQ(konta[i].nr_id, static_cast<std::int32_t>(i));
    EXPECT_EQ(opisy_kont_zus(konta)[3], "68-FEP");
    EXPECT_EQ(konto_zus_pozycji(db.ds, 3), "68101010230000261395400000");
    EXPECT_EQ(get_konto_zus(db.ds, 2), konta[2]);
    EXPECT_EQ(konto_zus_pozycji(db.ds, 9), "");
}

TEST(Slowniki, StatementsAreWrittenExactlyAndFailedInsertsKeepNoKey) {
    NewDatabase db;
    for (const char* t : {"tb_slowtyt", "waluty", "symbolformularzaus"})
        ASSERT_TRUE(db.ds.exec_sql(std::string("DROP TABLE ") + t));
    TSlowTyt t{0, "a'b", "c", "", ""};
    TWaluta w{0, "EUR", 0};
    TSymbolFormularzaUs s{0, "PIT"};
    EXPECT_FALSE(save_slowtyt(db.ds, t));
    EXPECT_FALSE(save_waluta(db.ds, w));
    EXPECT_FALSE(save_symbol_us(db.ds, s));
    EXPECT_EQ(t.slow_id, 0);
    EXPECT_EQ(w.nr_id, 0);
    EXPECT_EQ(s.nr_id, 0);
    t.slow_id = w.nr_id = s.nr_id = 9;
    EXPECT_FALSE(save_slowtyt(db.ds, t));
    EXPECT_FALSE(save_waluta(db.ds, w));
    EXPECT_FALSE(save_symbol_us(db.ds, s));
    EXPECT_FALSE(set_domyslna_waluta(db.ds, 9));
    EXPECT_FALSE(del_slowtyt(db.ds, 9));
    EXPECT_FALSE(del_waluta(db.ds, 9));
    EXPECT_FALSE(del_symbol_us(db.ds, 9));
    std::vector<std::string> sql;
    for (const auto& e : db.msgs.errors)
        sql.push_back(e.statement);
    // Keys continue past the first rows of a new database.
    const std::vector<std::string> oczekiwane{
        " INSERT INTO tb_slowtyt(slow_id,slow_tytulem,slow_tytulemcd,slow_tytulem1,slow_tytulemcd1) VALUES ( "
        "1,'a''b','c','','')",
        " INSERT INTO waluty(nr_id,symbol,domyslna) VALUES ( 6,'EUR',0)",
        " INSERT INTO symbolformularzaus(nr_id,symbol) VALUES ( 35,'PIT')",
        " UPDATE tb_slowtyt set  slow_tytulem='a''b', slow_tytulemcd='c', slow_tytulem1='', "
        "slow_tytulemcd1='' "
        "WHERE slow_id = 9",
        " UPDATE waluty set  symbol='EUR', domyslna=0 WHERE nr_id = 9",
        " UPDATE symbolformularzaus set  symbol='PIT' WHERE nr_id = 9",
        " UPDATE waluty set  domyslna=0",
        " UPDATE waluty set  domyslna=1 WHERE nr_id = 9",
        "DELETE  FROM [tb_slowtyt] where [tb_slowtyt].[slow_id]=9",
        "DELETE  FROM [waluty] where [waluty].[nr_id]=9",
        "DELETE  FROM [symbolformularzaus] where [symbolformularzaus].[nr_id]=9",
    };
    EXPECT_EQ(sql, oczekiwane);
}

}  // namespace
}  // namespace zlx::test
