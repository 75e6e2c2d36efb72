#include "transfers/kody.h"

#include <gtest/gtest.h>

namespace zlx {
namespace {

TEST(Kody, CodeToPositionAndBack) {
    struct Case {
        TabelaKodow tabela;
        std::string kod;
        int pozycja;
        std::string etykieta;
    };
    const Case cases[] = {
        {kUsTypOkresu, "R", 0, "R-Rok"},
        {kUsTypOkresu, "K", 2, "K-Kwartał"},
        {kUsTypOkresu, "J", 5, "J-Dzień"},
        {kUsTypIdUzup, "N", 0, "N-Nip"},
        {kUsTypIdUzup, "1", 3, "1-dowód osobisty"},
        {kUsTypIdUzup, "3", 5, "3-Inny dokument"},
        {kZusIdUzup, "R", 1, "R-Regon"},
        {kZusIdUzup, "2", 4, "2-Paszport"},
        {kZusTypWplaty, "S", 0, "S-Składka za 1 m-c"},
        {kZusTypWplaty, "A", 6, "A-Dodatkowa opłata za błedy płatnika"},
        {kZusTypWplaty, "B", 7, "B-Dodatkowa opłata "},
    };
    for (const Case& c : cases) {
        const int pos = pozycja_kodu(c.tabela, c.kod);
        EXPECT_EQ(pos, c.pozycja) << c.kod;
        EXPECT_EQ(kod_pozycji(c.tabela, pos), c.kod);
        EXPECT_EQ(etykiety(c.tabela)[static_cast<std::size_t>(pos)], c.etykieta);
    }
}

TEST(Kody, EmptyOrUnknownCodeGivesPositionZero) {
    for (TabelaKodow t : {kUsTypOkresu, kUsTypIdUzup, kZusIdUzup, kZusTypWplaty}) {
        EXPECT_EQ(pozycja_kodu(t, ""), 0);
        EXPECT_EQ(pozycja_kodu(t, "X"), 0);
        EXPECT_EQ(pozycja_kodu(t, "r"), 0);
        EXPECT_EQ(kod_pozycji(t, -1), "");
        EXPECT_EQ(kod_pozycji(t, static_cast<int>(t.size())), "");
    }
    EXPECT_EQ(pozycja_kodu(kZusIdUzup, "3"), 0);  // "3" is a tax code only
    EXPECT_EQ(kUsTypOkresu.size(), 6u);
    EXPECT_EQ(kUsTypIdUzup.size(), 6u);
    EXPECT_EQ(kZusIdUzup.size(), 5u);
    EXPECT_EQ(kZusTypWplaty.size(), 8u);
}

TEST(Kody, PeriodNumbersPerPeriodType) {
    using V = std::vector<std::string>;
    EXPECT_EQ(numery_okresu_us(kOkresRok), V{});
    EXPECT_EQ(numery_okresu_us(kOkresDzien), V{});
    EXPECT_EQ(numery_okresu_us(kOkresPolrocze), (V{"01", "02"}));
    EXPECT_EQ(numery_okresu_us(kOkresKwartal), (V{"01", "02", "03", "04"}));
    const V months = numery_okresu_us(kOkresMiesiac);
    ASSERT_EQ(months.size(), 12u);
    EXPECT_EQ(months.front(), "01");
    EXPECT_EQ(months.back(), "12");
    const V decades = numery_okresu_us(kOkresDekada);
    ASSERT_EQ(decades.size(), 36u);
    EXPECT_EQ((V{decades.begin(), decades.begin() + 4}), (V{"0101", "0201", "0301", "0102"}));
    EXPECT_EQ(decades.back(), "0312");
    EXPECT_EQ(etykieta_nr_okresu_us(kOkresDzien), "Nr Okresu DDMM");
    EXPECT_EQ(etykieta_nr_okresu_us(kOkresMiesiac), "Nr Okresu");
}

TEST(Kody, YearAndMonthLists) {
    const std::vector<std::string> lata = lata_okresu_us();
    ASSERT_EQ(lata.size(), 19u);
    EXPECT_EQ(lata.front(), "05");
    EXPECT_EQ(lata.back(), "23");
    const std::vector<std::string> miesiace = miesiace_deklaracji_zus();
    ASSERT_EQ(miesiace.size(), 12u);
    EXPECT_EQ(miesiace.front(), "01");
    EXPECT_EQ(miesiace.back(), "12");
    const std::vector<std::string> lata_zus = lata_deklaracji_zus();
    ASSERT_EQ(lata_zus.size(), 12u);
    EXPECT_EQ(lata_zus.front(), "2010");
    EXPECT_EQ(lata_zus.back(), "2021");
}

}  // namespace
}  // namespace zlx
