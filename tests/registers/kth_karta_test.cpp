#include "registers/kth_karta.h"

#include <gtest/gtest.h>

namespace zlx {
namespace {

TEST(BledyKartyKth, ShortNameRequired) {
    EXPECT_EQ(bledy_karty_kth(""), "Pole Skrót musi byc wypelnione");
    EXPECT_EQ(bledy_karty_kth(" \t "), "Pole Skrót musi byc wypelnione");
    EXPECT_EQ(bledy_karty_kth("ABC"), "");
}

TEST(KodZMaski, EmptyMaskStoresEmptyText) {
    EXPECT_EQ(kod_z_maski("  -   "), "");
    EXPECT_EQ(kod_z_maski("-"), "");
    EXPECT_EQ(kod_z_maski(""), "");
    EXPECT_EQ(kod_z_maski("00-950"), "00-950");
    EXPECT_EQ(kod_z_maski("12-   "), "12-   ");
}

TEST(Rabat, TwoDecimalsBothWays) {
    EXPECT_EQ(rabat_na_tekst(Currency::from_raw(123456)), "12,35");
    EXPECT_EQ(rabat_na_tekst(Currency()), "0,00");
    // A card saved once keeps the discount rounded to two decimals.
    EXPECT_EQ(rabat_z_tekstu(rabat_na_tekst(Currency::from_raw(123456))), Currency::from_raw(123500));
    EXPECT_EQ(rabat_z_tekstu(rabat_na_tekst(Currency::from_raw(125000))), Currency::from_raw(125000));
    EXPECT_EQ(rabat_z_tekstu("12,345"), Currency::from_raw(123500));
    EXPECT_EQ(rabat_z_tekstu("abc"), Currency());
}

TEST(AdresMapy, PartsJoinedByPlusAndEncoded) {
    EXPECT_EQ(adres_mapy("ul. Długa 5/7", "00-950", "Łódź"),
              "https://nominatim.openstreetmap.org/ui/"
              "search.html?q=ul.%20D%C5%82uga%205%2F7+00-950+%C5%81%C3%B3d%C5%BA");
    EXPECT_EQ(adres_mapy("A&B'C", "", "x+y"),
              "https://nominatim.openstreetmap.org/ui/search.html?q=A%26B%27C++x%2By");
}

}  // namespace
}  // namespace zlx
