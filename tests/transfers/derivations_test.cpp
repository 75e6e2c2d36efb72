#include "transfers/derivations.h"

#include <gtest/gtest.h>

#include "transfers/przelew.h"

namespace zlx {
namespace {

TEST(FormatujKonto, GroupsTwentySixDigitsOrLeavesTheAccountAlone) {
    struct Case {
        std::string konto;
        std::string mode0;
        std::string mode1;
    };
    const Case cases[] = {
        {"PL61 1090 1014 0000 0712 1981 2874", "61 1090 1014 0000 0712 1981 2874 ",
         "61109010140000071219812874"},
        {"61109010140000071219812874", "61 1090 1014 0000 0712 1981 2874 ", "61109010140000071219812874"},
        {"  61-1090-1014-0000-0712-1981-2874  ", "61 1090 1014 0000 0712 1981 2874 ",
         "61109010140000071219812874"},
        // Digits past the 26th follow without blanks.
        {"6110901014000007121981287499", "61 1090 1014 0000 0712 1981 2874 99",
         "6110901014000007121981287499"},
        // Fewer than 26 digits: unchanged, blanks and all.
        {"123-456", "123-456", "123-456"},
        {" 6110901014000007121981287 ", " 6110901014000007121981287 ", " 6110901014000007121981287 "},
        {"", "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(formatuj_konto(c.konto, 0), c.mode0) << c.konto;
        EXPECT_EQ(formatuj_konto(c.konto, 1), c.mode1) << c.konto;
    }
}

TEST(KwotaGwiazdki, TwoAsterisksAndTwoDecimals) {
    EXPECT_EQ(kwota_gwiazdki(Currency{}), "**0,00");
    EXPECT_EQ(kwota_gwiazdki(Currency::from_raw(12345000)), "**1234,50");
    EXPECT_EQ(kwota_gwiazdki(Currency::from_raw(50)), "**0,01");
}

TEST(Przelew, DefaultsOfANewOrder) {
    const TDateTime before = TDateTime::now();
    const TPrzelew p = nowy_przelew();
    EXPECT_EQ(p.nr_id, 0);
    EXPECT_EQ(p.zus_nrdeklaracji, "01");
    EXPECT_EQ(p.drukuj_kwote, 1);
    EXPECT_EQ(p.drukuj_date, 1);
    EXPECT_EQ(p.rodzaj_przelewu, kPrzelewBankowy);
    EXPECT_TRUE(p.tytulem.empty());
    EXPECT_GE(p.data, before);
    EXPECT_EQ(p.data, p.data1);
}

TEST(Przelew, PrintFieldsComeFromAccountsAndAmount) {
    TPrzelew p = nowy_przelew();
    p.my_konto = "61109010140000071219812874";
    p.dost_konto = "12-34";
    p.kwota_money = Currency::from_grosze(123450);
    wylicz_pola_druku(p);
    EXPECT_EQ(p.my_konto_druk, "61 1090 1014 0000 0712 1981 2874 ");
    EXPECT_EQ(p.my_konto_cyfry, "61109010140000071219812874");
    EXPECT_EQ(p.dost_konto_druk, "12-34");
    EXPECT_EQ(p.dost_konto_cyfry, "12-34");
    EXPECT_EQ(p.kwota_druk, "**1234,50");
}

}  // namespace
}  // namespace zlx
