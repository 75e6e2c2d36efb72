#include "printing/blankiet_bankowy.h"

#include <gtest/gtest.h>

#include "core/ini.h"
#include "core/settings.h"
#include "printing/uklady_bankowe.h"
#include "tests/printing/demo.h"
#include "tests/printing/rysunek_test_support.h"
#include "tests/support/temp_folder.h"

namespace zlx {
namespace {

using test::kratki_wiersza;
using test::sklej;
using test::teksty_na;

class BlankietBankowy : public ::testing::Test {
  protected:
    TParPrzel geometria(int kratki = 0) {
        TParPrzel p;
        p.kratki = kratki;
        ustaw_geometrie_bankowa(kZestaw1, p, 10, 10);
        return p;
    }
    RecordingCanvas rysuj(const TPrzelew& t, const TParPrzel& p) {
        RecordingCanvas c;
        rysuj_przelew_bankowy(c, t, p);
        return c;
    }
    void opcja(const char* klucz, const char* wartosc) {
        zapisz_ini(kUstPrzelewIni, "opcje_wydrukow", klucz, wartosc);
    }
    test::TempProgramFolder folder;
};

TEST_F(BlankietBankowy, CellBarsOfEveryRowSitOnTheFiveMillimetreGrid) {
    const TParPrzel p = geometria();
    const RecordingCanvas c = rysuj(test::demo_bankowy(), p);
    struct Wiersz {
        int nr;
        std::vector<int> kratki;  // bar k at wiersz_lewo + 5k
    };
    std::vector<int> pelny, konto;
    for (int k = 1; k <= 26; ++k)
        pelny.push_back(k);
    for (int k = 1; k <= 25; ++k)
        konto.push_back(k);
    const Wiersz wiersze[] = {
        {1, pelny}, {2, pelny}, {3, konto}, {4, {12, 13, 14, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26}},
        {5, konto}, {6, pelny}, {7, pelny}, {8, pelny},
        {9, pelny}};
    for (const Wiersz& w : wiersze) {
        SCOPED_TRACE("row " + std::to_string(w.nr));
        const auto bars = kratki_wiersza(c, p.wiersz(w.nr));
        ASSERT_EQ(bars.size(), w.kratki.size());
        for (std::size_t i = 0; i < bars.size(); ++i) {
            EXPECT_NEAR(bars[i].x1, p.wiersz_lewo + 5 * w.kratki[i], 1e-9);
            EXPECT_NEAR(bars[i].x2 - bars[i].x1, 0.1, 1e-9);
            EXPECT_NEAR(bars[i].y2 - bars[i].y1, 5.1, 1e-9);
            EXPECT_EQ(bars[i].pedzel.kolor, p.kolor_linii);
        }
    }
    EXPECT_NEAR(p.wiersz_prawo, 10 + 141.9, 1e-9);
    EXPECT_NEAR(p.wiersz(1), 10 + 3.3, 1e-9);
    EXPECT_NEAR(p.wiersz(9), 10 + 70.9, 1e-9);
}

TEST_F(BlankietBankowy, BoxesFramesAndCornerMarksStandAtTheirMillimetres) {
    const TParPrzel p = geometria();
    const RecordingCanvas c = rysuj(test::demo_bankowy(), p);
    struct Ksztalt {
        const char* co;
        ZapisRysunku::Rodzaj rodzaj;
        double x1, y1, x2, y2;  // relative to (lewo, gora) = (10, 10)
        StylPiora styl;
        int szerokosc;
        Kolor kolor_piora;
    };
    const Kolor linie = kolor_rgb(236, 149, 147);
    using R = ZapisRysunku::Rodzaj;
    const Ksztalt ksztalty[] = {
        {"outline", R::prostokat, 0, 0, 148.2, 105.5, StylPiora::ciagly, 1, kCzarny},
        {"panel", R::prostokat, 7, 1.5, 142, 85.5, StylPiora::ciagly, 1, linie},
        {"signature box", R::prostokat, 7, 78.5, 75.2, 102.1, StylPiora::ciagly, 1, linie},
        {"stamp box", R::prostokat, 98, 78.5, 121.6, 102.1, StylPiora::ciagly, 1, linie},
        {"fee box", R::prostokat, 77, 92.5, 97, 97.5, StylPiora::ciagly, 1, linie},
        {"form-code box", R::prostokat, 132, 77.5, 142, 84.5, StylPiora::ciagly, 1, linie},
        {"stamp circle", R::elipsa, 103, 83.5, 117, 97.5, StylPiora::kreskowany, 1, linie},
        {"account frame", R::prostokat, 7, 18.1, 137.5, 25.6, StylPiora::ciagly, 8, linie},
        {"amount frame", R::prostokat, 82, 25.5, 142, 34, StylPiora::ciagly, 8, linie},
        {"corner top left", R::linia, 6, 1.5, 13, 1.5, StylPiora::ciagly, 8, kCzarny},
        {"corner top right", R::linia, 143.5, 1.5, 143.5, 8.5, StylPiora::ciagly, 8, kCzarny},
        {"corner bottom left", R::linia, 6, 76.1, 6, 69.1, StylPiora::ciagly, 8, kCzarny},
    };
    for (const Ksztalt& k : ksztalty) {
        SCOPED_TRACE(k.co);
        bool jest = false;
        for (const ZapisRysunku& z : c.rodzaju(k.rodzaj)) {
            const auto blisko = [](double a, double b) { return a > b - 1e-9 && a < b + 1e-9; };
            if (blisko(z.x1, 10 + k.x1) && blisko(z.y1, 10 + k.y1) && blisko(z.x2, 10 + k.x2) &&
                blisko(z.y2, 10 + k.y2) && z.pioro.styl == k.styl && z.pioro.szerokosc == k.szerokosc &&
                z.pioro.kolor == k.kolor_piora)
                jest = true;
        }
        EXPECT_TRUE(jest);
    }
    // The blank ends with the text upright again.
    EXPECT_EQ(c.zapisy().back().czcionka.obrot, 0);
}

TEST_F(BlankietBankowy, GroupMarksOfTheAccountRowsFollowCells2To22) {
    const TParPrzel p = geometria();
    const RecordingCanvas c = rysuj(test::demo_bankowy(), p);
    for (int w : {3, 5}) {
        std::vector<double> srodki;
        for (const ZapisRysunku& z : c.rodzaju(ZapisRysunku::Rodzaj::prostokat))
            if (z.pioro.styl == StylPiora::ciagly && z.pedzel.kolor == p.kolor_linii && z.y2 - z.y1 > 1.49 &&
                z.y2 - z.y1 < 1.51 && z.y1 > p.wiersz(w) && z.y1 < p.wiersz(w) + p.wiersz_wys) {
                EXPECT_NEAR(z.x2 - z.x1, 1.0, 1e-9);
                EXPECT_NEAR(z.y1, p.wiersz(w) + 3.6, 1e-9);
                EXPECT_NEAR(z.y2, p.wiersz(w) + 5.1, 1e-9);
                srodki.push_back((z.x1 + z.x2) / 2 - p.wiersz_lewo);
            }
        ASSERT_EQ(srodki.size(), 6u) << "row " << w;
        const double oczekiwane[] = {10, 30, 50, 70, 90, 110};
        for (int i = 0; i < 6; ++i)
            EXPECT_NEAR(srodki[static_cast<std::size_t>(i)], oczekiwane[i], 1e-9);
    }
}

TEST_F(BlankietBankowy, TransferMarkCrossesWAndDepositMarkCrossesP) {
    const TParPrzel p = geometria();
    for (int pw : {0, 1}) {
        TPrzelew t = test::demo_bankowy();
        t.p_w = pw;
        const RecordingCanvas c = rysuj(t, p);
        const auto* w = test::znajdz_tekst(c, "W");
        const auto* pl = test::znajdz_tekst(c, "P");
        ASSERT_TRUE(w && pl);
        EXPECT_NEAR(w->x1, 10 + 47.2 + 1, 1e-9);
        EXPECT_NEAR(pl->x1, 10 + 52.2 + 1, 1e-9);
        EXPECT_NEAR(w->y1, p.wiersz4 + 4, 1e-9);
        const auto* x = test::znajdz_tekst(c, "X");
        ASSERT_TRUE(x);
        EXPECT_NEAR(x->x1, p.pole_lewo + (pw == 0 ? 40 : 45) + 1.4, 1e-9);
        EXPECT_NEAR(x->y1, p.wiersz4 + 4.4, 1e-9);
        EXPECT_TRUE(x->czcionka.pogrubiona);
        EXPECT_EQ(x->czcionka.rozmiar, 13);
        // The mark lies inside its lettered square.
        const double kwadrat = pw == 0 ? 10 + 47.2 : 10 + 52.2;
        EXPECT_GT(x->x1, kwadrat + 0.5);
        EXPECT_LT(x->x1, kwadrat + 4);
    }
}

TEST_F(BlankietBankowy, CellModeCutsAtTheCellsPlainModeAtItsLimit) {
    const std::string nazwa30 = "ABCDEFGHIJKLMNOPQRSTUVWXYZ1234";
    const std::string nazwa120(120, 'Q');
    struct Przypadek {
        int kratki;
        std::string nazwa;
        std::size_t tekstow;
        std::string wydruk;
    };
    const Przypadek przypadki[] = {
        {1, nazwa30, 27, nazwa30.substr(0, 27)},
        {0, nazwa30, 1, nazwa30},
        {0, nazwa120, 1, nazwa120.substr(0, 100)},
        {2, nazwa30, 1, nazwa30},  // only the accounts go into cells
    };
    for (const Przypadek& pr : przypadki) {
        SCOPED_TRACE("kratki " + std::to_string(pr.kratki));
        const TParPrzel p = geometria(pr.kratki);
        TPrzelew t = test::demo_bankowy();
        t.dost_nazwa = pr.nazwa;
        const RecordingCanvas c = rysuj(t, p);
        const auto wiersz1 = teksty_na(c, p.wiersz1 + 4.4);
        ASSERT_EQ(wiersz1.size(), pr.tekstow);
        EXPECT_EQ(sklej(wiersz1), pr.wydruk);
        EXPECT_NEAR(wiersz1[0].x1, p.pole_lewo + (pr.tekstow > 1 ? 1.4 : 1.0), 1e-9);
        if (pr.tekstow > 1) {
            EXPECT_NEAR(wiersz1[26].x1, p.pole_lewo + 1.4 + 26 * 5, 1e-9);
        }
    }
}

TEST_F(BlankietBankowy, AccountInCellsPutsOneDigitPerCellAroundTheGroupMarks) {
    for (int kratki : {1, 2}) {
        const TParPrzel p = geometria(kratki);
        const RecordingCanvas c = rysuj(test::demo_bankowy(), p);
        const auto konto = teksty_na(c, p.wiersz3 + 4.4);
        ASSERT_EQ(konto.size(), 26u);
        EXPECT_EQ(sklej(konto), "61109010140000071219812874");
        // The mark after the 2nd cell lies between the 2nd and the 3rd digit, and so on.
        for (int j : {2, 6, 10, 14, 18, 22}) {
            const double znacznik = p.wiersz_lewo + 5 * j;
            EXPECT_LT(konto[static_cast<std::size_t>(j - 1)].x1, znacznik);
            EXPECT_GT(konto[static_cast<std::size_t>(j)].x1, znacznik);
        }
    }
    const TParPrzel p = geometria(0);
    const RecordingCanvas c = rysuj(test::demo_bankowy(), p);
    EXPECT_EQ(sklej(teksty_na(c, p.wiersz3 + 4.4)), "61 1090 1014 0000 0712 1981 2874");
}

TEST_F(BlankietBankowy, UpperCasesPolishLettersUnlessSwitchedOff) {
    TPrzelew t = test::demo_bankowy();
    t.dost_nazwa = "  zażółć gęślą jaźń ";
    const TParPrzel p = geometria();
    EXPECT_EQ(sklej(teksty_na(rysuj(t, p), p.wiersz1 + 4.4)), "ZAŻÓŁĆ GĘŚLĄ JAŹŃ");
    opcja("zamieniajwielkie", "0");
    const TParPrzel p0 = geometria();
    EXPECT_EQ(sklej(teksty_na(rysuj(t, p0), p0.wiersz1 + 4.4)), "  zażółć gęślą jaźń ");
    opcja("zamieniajwielkie", "tak");  // not a number: stays on
    const TParPrzel p1 = geometria();
    EXPECT_EQ(p1.zamieniajwielkie, 1);
}

TEST_F(BlankietBankowy, AmountAndRowFiveByKindOfPayment) {
    struct Przypadek {
        int p_w;
        int drukuj_kwote;
        std::string waluta;
        std::string kwota;    // row 4
        std::string wiersz5;  // row 5
    };
    const Przypadek przypadki[] = {
        {0, 1, "PLN", "**1234,50", "12 1020 2892 0000 5502 0123 4567"},
        {1, 1, "PLN", "**1234,50", "JED*DWA*TRZ*CZT*ZŁ PIE*ZER*GR"},
        {1, 1, "EUR", "**1234,50", "JED*DWA*TRZ*CZT* PIE*ZER*"},
        {0, 0, "PLN", "", "12 1020 2892 0000 5502 0123 4567"},
        {1, 0, "PLN", "", ""},
    };
    const TParPrzel p = geometria();
    for (const Przypadek& pr : przypadki) {
        SCOPED_TRACE(std::to_string(pr.p_w) + "/" + std::to_string(pr.drukuj_kwote) + " " + pr.waluta);
        TPrzelew t = test::demo_bankowy();
        t.p_w = pr.p_w;
        t.drukuj_kwote = pr.drukuj_kwote;
        t.waluta = pr.waluta;
        const RecordingCanvas c = rysuj(t, p);
        std::string kwota;
        for (const ZapisRysunku& z : teksty_na(c, p.wiersz4 + 4.4))
            if (z.x1 > p.pole_lewo + 75) kwota += z.tekst;
        EXPECT_EQ(kwota, pr.kwota);
        EXPECT_EQ(sklej(teksty_na(c, p.wiersz5 + 4.4)), pr.wiersz5);
        EXPECT_TRUE(test::znajdz_tekst(c, "X"));  // a bank blank always has its W/P mark
    }
}

TEST_F(BlankietBankowy, FullPrintHasFormCodeCurrencyAndDate) {
    const TParPrzel p = geometria();
    TPrzelew t = test::demo_bankowy();
    const RecordingCanvas c = rysuj(t, p);
    const auto* kod = test::znajdz_tekst(c, "06");
    ASSERT_TRUE(kod);
    EXPECT_NEAR(kod->x1, p.pole_lewo + 128, 1e-9);
    EXPECT_NEAR(kod->y1, p.pole_gora + 81.4, 1e-9);
    std::string waluta;
    for (const ZapisRysunku& z : teksty_na(c, p.wiersz4 + 4.4))
        if (z.x1 > p.pole_lewo + 55 && z.x1 < p.pole_lewo + 70) waluta += z.tekst;
    EXPECT_EQ(waluta, "PLN");
    const auto* data = test::znajdz_tekst(c, "2026-03-14");
    ASSERT_TRUE(data);
    EXPECT_NEAR(data->x1, p.data_lewo + 1, 1e-9);
    t.drukuj_date = 0;
    EXPECT_FALSE(test::znajdz_tekst(rysuj(t, p), "2026-03-14"));
}

TEST_F(BlankietBankowy, StubCutsLinesByFixedLengthAndDropsTheRest) {
    const std::string tekst60 = std::string(27, 'a') + std::string(27, 'b') + "cccccc";
    const std::string tekst90 =
        std::string(27, 'a') + std::string(27, 'b') + std::string(27, 'c') + "ddddddddd";
    for (const std::string& nazwa : {tekst60, tekst90}) {
        TParPrzel p = geometria();
        TPrzelew t = test::demo_bankowy();
        t.dost_nazwa = nazwa.substr(0, 40);
        t.dost_adres = nazwa.substr(41);  // the blank between them is the 41st character
        RecordingCanvas c;
        drukuj_dane_potwierdzenia(c, p, t);
        const double y = p.pokwit_gora + 22 - 0.2;
        std::vector<std::string> linie;
        for (int k = 0; k < 4; ++k)
            for (const ZapisRysunku& z : teksty_na(c, y + 4 * k))
                linie.push_back(z.tekst);
        std::string oczekiwany = nazwa;
        oczekiwany[40] = ' ';
        ASSERT_EQ(linie.size(), 3u);
        EXPECT_EQ(linie[0], oczekiwany.substr(0, 27));
        EXPECT_EQ(linie[1], oczekiwany.substr(27, 27));
        EXPECT_EQ(linie[2], oczekiwany.substr(54, 27));
        EXPECT_EQ(c.teksty()[0].czcionka.nazwa, "Times New Roman CE");
    }
}

TEST_F(BlankietBankowy, StubLineLengthComesFromTheSettingAndAmountOnlyWhenPrinted) {
    opcja("pocztiloscznakow", "10");
    TParPrzel p = geometria();
    TPrzelew t = test::demo_bankowy();
    RecordingCanvas c;
    drukuj_dane_potwierdzenia(c, p, t);
    EXPECT_EQ(sklej(teksty_na(c, p.pokwit_gora + 39 - 0.2)), "**1234,50 ");
    t.drukuj_kwote = 0;
    RecordingCanvas bez;
    drukuj_dane_potwierdzenia(bez, p, t);
    EXPECT_TRUE(teksty_na(bez, p.pokwit_gora + 39 - 0.2).empty());
}

}  // namespace
}  // namespace zlx
