#include "transfers/lista_sql.h"

#include <gtest/gtest.h>

#include "core/text.h"

namespace zlx {
namespace {

const TDateTime kOd = TDateTime::from_ymd(2026, 3, 8);
const TDateTime kDo = TDateTime::from_ymd(2026, 3, 15);

TEST(ListaSql, MainQueryOfZusTransfersInAPeriodKeepsItsSpacing) {
    const FiltrListy filtr{false, kOd, kDo, kRodzajZus};
    EXPECT_EQ(sql_listy(where_listy(filtr), kDomyslnySortListy),
              " select * from kartoteka  WHERE  data BETWEEN  #3/8/26#  AND  #3/15/26#   AND cykliczne=0 "
              " AND rodzaj_przelewu=1  order by data,nr_id  asc");
}

TEST(ListaSql, KindListAddsItsConditionOrNone) {
    struct Case {
        int rodzaj;
        const char* where;
    };
    const Case cases[] = {
        {kRodzajWszystkie, " WHERE   cykliczne=1 "},
        {kRodzajBankowe, " WHERE   cykliczne=1  AND rodzaj_przelewu=0 "},
        {kRodzajZus, " WHERE   cykliczne=1  AND rodzaj_przelewu=1 "},
        {kRodzajPodatki, " WHERE   cykliczne=1  AND rodzaj_przelewu=2 "},
    };
    for (const auto& c : cases) {
        // "Cykliczne" has no period: the dates given are not used.
        EXPECT_EQ(where_listy({true, kOd, kDo, c.rodzaj}), c.where) << c.rodzaj;
    }
}

TEST(ListaSql, MarkerQueryIgnoresTheOtherFilters) {
    EXPECT_EQ(sql_listy(where_znacznika(7), kDomyslnySortListy),
              " select * from kartoteka  WHERE znacznik=7 order by data,nr_id  asc");
}

TEST(ListaSql, SearchModesFollowTheAsterisks) {
    struct Case {
        const char* tekst;
        TrybSzukania tryb;
        const char* warunek;
    };
    const Case cases[] = {
        {"*kow*", TrybSzukania::zawiera, "dost_nazwa like '%kow%'"},
        {"*kow", TrybSzukania::konczy_sie, "dost_nazwa like '%kow'"},
        {"kow*", TrybSzukania::zaczyna_sie, "dost_nazwa like 'kow%'"},
        {"ko*w", TrybSzukania::zaczyna_sie, "dost_nazwa like 'kow%'"},
        {"kow", TrybSzukania::rowne, "dost_nazwa='kow'"},
        {"  *kow*  ", TrybSzukania::zawiera, "dost_nazwa like '%kow%'"},
        {"O'Neil", TrybSzukania::rowne, "dost_nazwa='O''Neil'"},
        {"*O'Neil", TrybSzukania::konczy_sie, "dost_nazwa like '%O''Neil'"},
        {"*'*", TrybSzukania::zawiera, "dost_nazwa like '%''%'"},
        // Typed wildcards match themselves.
        {"*100%*", TrybSzukania::zawiera, "dost_nazwa like '%100\\%%' ESCAPE '\\'"},
        {"a_b*", TrybSzukania::zaczyna_sie, "dost_nazwa like 'a\\_b%' ESCAPE '\\'"},
        {"*C:\\x", TrybSzukania::konczy_sie, "dost_nazwa like '%C:\\\\x' ESCAPE '\\'"},
        {"100%", TrybSzukania::rowne, "dost_nazwa='100%'"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(tryb_szukania(trim(c.tekst)), c.tryb) << c.tekst;
        const Wyszukiwanie w = sql_wyszukiwania(c.tekst, 1, kDomyslnySortListy);
        EXPECT_EQ(w.komunikat, "") << c.tekst;
        EXPECT_EQ(w.sql,
                  std::string(" select * from kartoteka  where ") + c.warunek + " order by data,nr_id  asc")
            << c.tekst;
    }
}

TEST(ListaSql, SearchColumnFollowsTheColumnList) {
    EXPECT_EQ(sql_wyszukiwania("x", 2, "").sql, " select * from kartoteka  where tytulem='x'");
    EXPECT_EQ(sql_wyszukiwania("x", 3, "").sql, " select * from kartoteka  where my_nazwa='x'");
}

TEST(ListaSql, SearchThatCannotRunGivesItsMessage) {
    EXPECT_EQ(sql_wyszukiwania("   ", 1, kDomyslnySortListy).komunikat, kWpiszSlowo);
    EXPECT_EQ(sql_wyszukiwania("", 0, kDomyslnySortListy).komunikat, kWpiszSlowo);
    EXPECT_EQ(sql_wyszukiwania("kow", 0, kDomyslnySortListy).komunikat,
              "Wybrano \"Nie wyszukuj\" - zmień kryteria");
    EXPECT_EQ(sql_wyszukiwania("kow", 0, kDomyslnySortListy).sql, "");
}

TEST(ListaSql, QuickFilterColumns) {
    EXPECT_EQ(kolumna_filtru(0), "dost_nazwa");
    EXPECT_EQ(kolumna_filtru(1), "tytulem");
    EXPECT_EQ(kolumna_filtru(2), "my_nazwa");
    EXPECT_EQ(kolumna_filtru(3), "");
    EXPECT_EQ(kolumna_filtru(-1), "");
}

TEST(SortowanieListy, StartsByDateAscending) {
    const SortowanieListy s;
    EXPECT_EQ(s.order(), " order by data,nr_id  asc");
    EXPECT_EQ(s.znak(SortowanieListy::kKolumnaDaty), ZnakSortu::rosnaco);
    EXPECT_EQ(s.znak(7), ZnakSortu::brak);
}

TEST(SortowanieListy, ClicksCycleTheMarkAndBuildTheOrder) {
    SortowanieListy s;
    struct Step {
        int kolumna;
        ZnakSortu znak;
        const char* order;
    };
    const Step steps[] = {
        {7, ZnakSortu::rosnaco, " order by  kwota_money ASC ,nr_id"},
        {7, ZnakSortu::malejaco, " order by  kwota_money DESC ,nr_id"},
        {7, ZnakSortu::brak, " order by  kwota_money ,nr_id"},
        {7, ZnakSortu::rosnaco, " order by  kwota_money ASC ,nr_id"},
        // The date lost its mark when the amount took it, so it starts again at ascending.
        {5, ZnakSortu::rosnaco, " order by  data ASC ,nr_id"},
        {5, ZnakSortu::malejaco, " order by  data DESC ,nr_id"},
        {4, ZnakSortu::rosnaco, " order by  znacznik ASC ,nr_id"},
        {6, ZnakSortu::rosnaco, " order by  dost_nazwa ASC ,nr_id"},
        {8, ZnakSortu::rosnaco, " order by  tytulem ASC ,nr_id"},
        {9, ZnakSortu::rosnaco, " order by  my_nazwa ASC ,nr_id"},
    };
    for (const auto& st : steps) {
        ASSERT_TRUE(s.klik(st.kolumna)) << st.kolumna;
        EXPECT_EQ(s.znak(st.kolumna), st.znak) << st.order;
        EXPECT_EQ(s.order(), st.order);
    }
}

TEST(SortowanieListy, OtherColumnsRefuseAndKeepTheOrder) {
    SortowanieListy s;
    s.klik(7);
    for (const int kolumna : {0, 1, 2, 3, 10, 11, 12}) {
        EXPECT_FALSE(s.klik(kolumna)) << kolumna;
        EXPECT_EQ(s.znak(kolumna), ZnakSortu::brak);
    }
    EXPECT_EQ(s.order(), " order by  kwota_money ASC ,nr_id");
    EXPECT_EQ(s.znak(7), ZnakSortu::rosnaco);
}

}  // namespace
}  // namespace zlx
