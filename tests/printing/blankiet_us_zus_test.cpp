#include <gtest/gtest.h>

#include "core/ini.h"
#include "core/settings.h"
#include "printing/blankiet_us.h"
#include "printing/blankiet_zus.h"
#include "printing/ust_przelew.h"
#include "tests/printing/demo.h"
#include "tests/printing/rysunek_test_support.h"
#include "tests/support/temp_folder.h"

namespace zlx {
namespace {

using test::kratki_wiersza;
using test::sklej;
using test::teksty_na;

class BlankietUsZus : public ::testing::Test {
  protected:
    static TParPrzel us(int kratki = 0, int nadruk = 0) {
        TParPrzel p;
        p.kratki = kratki;
        p.nadruk = nadruk;
        ustaw_geometrie_us(kZestaw1, p, 10, 10);
        return p;
    }
    static TParPrzel zus(int nadruk = 0) {
        TParPrzel p;
        ustaw_geometrie_zus(kZestaw1, p, 10, 10);
        p.nadruk = nadruk;
        return p;
    }
    // Returns the texts of a row that start between pole_lewo + od and pole_lewo + do_.
    static std::string pole(const RecordingCanvas& c, const TParPrzel& p, int wiersz, double od, double do_) {
        std::string s;
        for (const ZapisRysunku& z : teksty_na(c, p.wiersz(wiersz) + 4.4))
            if (z.x1 >= p.pole_lewo + od && z.x1 < p.pole_lewo + do_) s += z.tekst;
        return s;
    }
    test::TempProgramFolder folder;
};

TEST_F(BlankietUsZus, TaxRowsEightAndNineHoldTheirFieldsInTheirCells) {
    TPrzelew t = test::demo_us();
    t.us_nrokresu = "0215";  // only two cells
    const TParPrzel p = us();
    RecordingCanvas c;
    rysuj_przelew_us(c, t, p);
    EXPECT_EQ(pole(c, p, 8, 0, 70), "7251234567");
    EXPECT_EQ(pole(c, p, 8, 75, 80), "N");
    EXPECT_EQ(pole(c, p, 8, 95, 105), "26");
    EXPECT_EQ(pole(c, p, 8, 105, 110), "M");
    EXPECT_EQ(pole(c, p, 8, 110, 135), "02");
    EXPECT_EQ(pole(c, p, 9, 0, 35), "VAT-7");
    EXPECT_EQ(pole(c, p, 9, 35, 135), "DECYZJA 123/2026");
    const auto okres = teksty_na(c, p.wiersz8 + 4.4);
    std::vector<double> x;
    for (const ZapisRysunku& z : okres)
        if (z.x1 > p.pole_lewo + 95) x.push_back(z.x1 - p.pole_lewo);
    const std::vector<double> oczekiwane = {96.4, 101.4, 106.4, 111.4, 116.4};
    ASSERT_EQ(x.size(), oczekiwane.size());
    for (std::size_t i = 0; i < x.size(); ++i)
        EXPECT_NEAR(x[i], oczekiwane[i], 1e-9);
    // Row 8 separators: 13 bars for field 09, 6 for field 11.
    const auto bars = kratki_wiersza(c, p.wiersz8);
    ASSERT_EQ(bars.size(), 13u + 6u);
    EXPECT_NEAR(bars.front().x1, p.pole_lewo + 5, 1e-9);
    EXPECT_NEAR(bars.back().x1, p.pole_lewo + 125, 1e-9);
}

TEST_F(BlankietUsZus, TaxCellModeFollowsKratkiAndCutsAtTheFieldLimits) {
    TPrzelew t = test::demo_us();
    t.us_iduzup = "12345678901234567";
    t.us_identyfikacjazobowiazania = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    const TParPrzel p = us(1);
    RecordingCanvas c;
    drukuj_dane_us(c, p, t);
    EXPECT_EQ(teksty_na(c, p.wiersz1 + 4.4).size(), 27u);  // the name in cells
    EXPECT_EQ(pole(c, p, 8, 0, 70), "12345678901234");
    EXPECT_EQ(pole(c, p, 9, 35, 135), "ABCDEFGHIJKLMNOPQRST");
    const TParPrzel plain = us(0);
    RecordingCanvas c0;
    drukuj_dane_us(c0, plain, t);
    EXPECT_EQ(teksty_na(c0, plain.wiersz1 + 4.4).size(), 1u);
    EXPECT_EQ(pole(c0, plain, 8, 0, 70), "12345678901234567");
}

TEST_F(BlankietUsZus, TaxMarkOnlyWithTheAmountAndDepositShowsWordsInRowFive) {
    TPrzelew t = test::demo_us();
    t.p_w = 1;
    const TParPrzel p = us();
    RecordingCanvas c;
    drukuj_dane_us(c, p, t);
    EXPECT_TRUE(test::znajdz_tekst(c, "X"));
    EXPECT_EQ(sklej(teksty_na(c, p.wiersz5 + 4.4)), "JED*DWA*TRZ*CZT*ZŁ PIE*ZER*GR");
    const auto* kod = test::znajdz_tekst(c, "07");
    ASSERT_TRUE(kod);
    EXPECT_NEAR(kod->x1, p.pole_lewo + 127.5, 1e-9);
    t.drukuj_kwote = 0;
    RecordingCanvas bez;
    drukuj_dane_us(bez, p, t);
    EXPECT_FALSE(test::znajdz_tekst(bez, "X"));
    EXPECT_TRUE(teksty_na(bez, p.wiersz5 + 4.4).empty());
}

TEST_F(BlankietUsZus, TaxCaptionFollowsItsSetting) {
    for (const char* v : {"1", "0"}) {
        zapisz_ini(kUstPrzelewIni, "opcje_wydrukow", "us_napis_podatki", v);
        const TParPrzel p = us();
        RecordingCanvas c;
        rysuj_przelew_us(c, test::demo_us(), p);
        const auto* napis = test::znajdz_tekst(c, "PODATKI");
        ASSERT_EQ(napis != nullptr, std::string(v) == "1");
        if (!napis) continue;
        EXPECT_EQ(napis->czcionka.rozmiar, 80);
        EXPECT_TRUE(napis->czcionka.pogrubiona);
        EXPECT_EQ(napis->czcionka.kolor, kolor_rgb(251, 181, 168));
    }
}

TEST_F(BlankietUsZus, ZusOverprintPrintsOnlyAccountCells1And2And21) {
    TPrzelew t = test::demo_zus();
    const TParPrzel p = zus(1);
    RecordingCanvas c;
    drukuj_dane_zus(c, p, t);
    const auto konto = teksty_na(c, p.wiersz3 + 4.4);
    ASSERT_EQ(konto.size(), 3u);
    EXPECT_EQ(sklej(konto), "831");  // 83 … 1: social insurance
    const double cele[] = {0, 1, 20};
    for (int i = 0; i < 3; ++i)
        EXPECT_NEAR(konto[static_cast<std::size_t>(i)].x1, p.pole_lewo + 1.4 + 5 * cele[i], 1e-9);
    EXPECT_FALSE(konto[0].czcionka.pogrubiona);
    EXPECT_TRUE(c.rodzaju(ZapisRysunku::Rodzaj::prostokat).empty());
    EXPECT_FALSE(test::znajdz_tekst(c, "00"));
}

TEST_F(BlankietUsZus, ZusFullPrintHasTheWholeAccountInBoldCellsAndTheUnderprint) {
    TPrzelew t = test::demo_zus();
    t.zus_deklaracja1 = "";
    t.zus_deklaracja2 = "";
    const TParPrzel p = zus(0);
    RecordingCanvas c;
    rysuj_przelew_zus(c, t, p);
    const auto konto = teksty_na(c, p.wiersz3 + 4.4);
    EXPECT_EQ(sklej(konto), "83101010230000261395100000");
    EXPECT_TRUE(konto[0].czcionka.pogrubiona);
    std::string podruk;
    for (const ZapisRysunku& z : teksty_na(c, p.wiersz9 + 4.4))
        if (z.czcionka.kolor == p.kolor_linii) {
            podruk += z.tekst;
            EXPECT_TRUE(z.czcionka.pogrubiona);
        }
    EXPECT_EQ(podruk, "MMRRRR");
    EXPECT_NEAR(test::znajdz_tekst(c, "R")->x1, p.pole_lewo + 35 + 1.4, 1e-9);
    zapisz_ini(kUstPrzelewIni, "kolory", "zus_poddruk_mmrrrr", "0");
    RecordingCanvas bez;
    rysuj_przelew_zus(bez, t, zus(0));
    EXPECT_FALSE(test::znajdz_tekst(bez, "MM") || test::znajdz_tekst(bez, "M"));
}

TEST_F(BlankietUsZus, ZusRowsEightAndNineAlwaysInCellsNamesAlwaysPlain) {
    zapisz_ini(kUstPrzelewIni, "opcje_wydrukow", "kratki", "1");
    TPrzelew t = test::demo_zus();
    TParPrzel p = zus(1);
    p.kratki = 1;  // ignored: the ZUS geometry clears it
    ustaw_geometrie_zus(kZestaw1, p, 10, 10);
    EXPECT_EQ(p.kratki, 0);
    p.nadruk = 1;
    RecordingCanvas c;
    drukuj_dane_zus(c, p, t);
    EXPECT_EQ(teksty_na(c, p.wiersz6 + 4.4).size(), 1u);
    EXPECT_EQ(pole(c, p, 8, 0, 50), "7251234567");
    EXPECT_EQ(teksty_na(c, p.wiersz8 + 4.4).size(), 10u + 1u + 9u);
    EXPECT_EQ(pole(c, p, 8, 55, 60), "R");
    EXPECT_EQ(pole(c, p, 9, 0, 5), "S");
    EXPECT_EQ(pole(c, p, 9, 10, 20), "01");
    EXPECT_EQ(pole(c, p, 9, 25, 35), "02");
    EXPECT_EQ(pole(c, p, 9, 35, 55), "2026");
    for (const ZapisRysunku& z : teksty_na(c, p.wiersz9 + 4.4))
        EXPECT_EQ(z.czcionka.pogrubiona, z.x1 > p.pole_lewo + 25 && z.x1 < p.pole_lewo + 55) << z.x1;
}

// A size that is not a whole number is refused on every blank alike (the ZUS blank once printed at
// 13 pt instead, so the same file printed two sizes).
TEST_F(BlankietUsZus, BadFontSizeIsRefusedOnZusAndTaxBlanks) {
    zapisz_ini(kUstPrzelewIni, "font", "font_size", "duża");
    RecordingCanvas c;
    EXPECT_THROW(drukuj_dane_zus(c, zus(0), test::demo_zus()), BladUstawienia);
    EXPECT_THROW(drukuj_dane_us(c, us(), test::demo_us()), BladUstawienia);
}

TEST_F(BlankietUsZus, ZusFixedPayeeAndCaption) {
    RecordingCanvas c;
    const TParPrzel p = zus(0);
    rysuj_przelew_zus(c, test::demo_zus(), p);
    const auto* zaklad = test::znajdz_tekst(c, "Zakład Ubezpieczeń Społecznych");
    ASSERT_TRUE(zaklad);
    EXPECT_NEAR(zaklad->x1, p.pole_lewo + 2.5, 1e-9);
    EXPECT_EQ(zaklad->czcionka.kolor, kCzarny);
    EXPECT_EQ(test::znajdz_tekst(c, "Należności z tytułu składek")->czcionka.kolor, p.kolor_linii);
    const auto* napis = test::znajdz_tekst(c, "ZUS");
    ASSERT_TRUE(napis);
    EXPECT_EQ(napis->czcionka.nazwa, "Arial Black");
    EXPECT_EQ(napis->czcionka.rozmiar, 160);
    // No heavy frames on a ZUS blank: the heavy lines are the corner marks and the field 11 divider.
    int grube_prostokaty = 0;
    for (const ZapisRysunku& z : c.rodzaju(ZapisRysunku::Rodzaj::prostokat))
        if (z.pioro.szerokosc == 8) ++grube_prostokaty;
    EXPECT_EQ(grube_prostokaty, 0);
}

}  // namespace
}  // namespace zlx
