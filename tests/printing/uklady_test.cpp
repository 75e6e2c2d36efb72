#include "printing/uklady_bankowe.h"

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

class Uklady : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* k :
             {"bankowy_nadruk_top", "bankowy_nadruk_left", "bankowy_nadruk_odstep", "pocztowy_nadruk_odstep"})
            margines(k, "0");
    }
    void margines(const char* klucz, const char* wartosc) {
        zapisz_ini(kUstPrzelewIni, "marginesy", klucz, wartosc);
    }
    RecordingCanvas rysuj(int pozycja, const TPrzelew& t = test::demo_bankowy()) {
        RecordingCanvas c;
        kUkladyBankowe[static_cast<std::size_t>(pozycja)].uklad(c, TParPrzel{}, t);
        return c;
    }
    // Returns the vertical texts.
    static std::vector<std::string> pionowe(const RecordingCanvas& c) {
        std::vector<std::string> out;
        for (const ZapisRysunku& z : c.teksty())
            if (z.czcionka.obrot == 90) out.push_back(z.tekst);
        return out;
    }
    test::TempProgramFolder folder;
};

TEST_F(Uklady, VerticalCaptionsPerLayoutAndSetting) {
    const std::string tytul = " Polecenie przelewu/wpłata gotówkowa";
    struct Przypadek {
        int pozycja;
        const char* pionowe_napisy;
        std::vector<std::string> napisy;
    };
    const Przypadek przypadki[] = {
        {0, "1", {tytul, "Odcinek dla zleceniodawcy", tytul, "Odcinek dla odbiorcy"}},
        {0, "0", {tytul, tytul}},
        {6, "0", {tytul, "Odcinek dla banku zleceniodawcy", tytul, "Odcinek dla zleceniodawcy"}},
        {2,
         "1",
         {tytul, "Odcinek dla banku odbiorcy", "Dowód/Pokwitowanie dla Odbiorcy", tytul,
          "Odcinek dla banku zleceniodawcy", "Dowód/Pokwitowanie dla Zleceniodawcy"}},
        {3, "0", {tytul}},
        {4,
         "1",
         {tytul, "Odcinek dla zleceniodawcy", tytul, "Odcinek dla odbiorcy", tytul,
          "Odcinek dla zleceniodawcy", tytul, "Odcinek dla odbiorcy"}},
        {1, "1", {}},
        {5, "1", {}},
    };
    for (const Przypadek& p : przypadki) {
        SCOPED_TRACE("layout " + std::to_string(p.pozycja) + " setting " + p.pionowe_napisy);
        zapisz_ini(kUstPrzelewIni, "opcje_wydrukow", "pionowe_napisy", p.pionowe_napisy);
        EXPECT_EQ(pionowe(rysuj(p.pozycja)), p.napisy);
    }
}

TEST_F(Uklady, CopyCaptionStandsAtTheRightEdgeOfEachBlank) {
    margines("bankowy_wydruk_top", "5");
    margines("bankowy_wydruk_left", "2,5");
    const RecordingCanvas c = rysuj(0);
    const auto* drugi = test::znajdz_tekst(c, "Odcinek dla odbiorcy");
    ASSERT_TRUE(drugi);
    EXPECT_NEAR(drugi->x1, 2.5 + 7 + 135 + 4, 1e-9);
    EXPECT_NEAR(drugi->y1, 5 + 106.5 + 1.5 + 58, 1e-9);
    EXPECT_EQ(drugi->czcionka.kolor, kolor_rgb(115, 115, 115));  // the second blank is grey
}

TEST_F(Uklady, BlanksOfEachLayoutSitAtTheirOrigins) {
    margines("bankowy_wydruk_top", "4");
    margines("bankowy_wydruk_left", "3");
    margines("pocztowy_wydruk_top", "10");
    margines("pocztowy_wydruk_left", "1");
    struct Przypadek {
        int pozycja;
        std::vector<std::pair<double, double>> obrysy;  // (lewo, gora) of each black outline
    };
    const Przypadek przypadki[] = {
        {0, {{3, 4}, {3, 110.5}}},  {6, {{3, 4}, {3, 110.5}}}, {4, {{3, 4}, {3, 109}, {150, 4}, {150, 109}}},
        {2, {{60, 10}, {60, 118}}}, {3, {{57, 10}}},
    };
    for (const Przypadek& p : przypadki) {
        SCOPED_TRACE("layout " + std::to_string(p.pozycja));
        std::vector<std::pair<double, double>> obrysy;
        for (const ZapisRysunku& z : rysuj(p.pozycja).rodzaju(ZapisRysunku::Rodzaj::prostokat))
            if (z.pioro.kolor == kCzarny && z.pioro.styl == StylPiora::ciagly && z.x2 - z.x1 > 148.1 &&
                z.x2 - z.x1 < 148.3)
                obrysy.emplace_back(z.x1, z.y1);
        EXPECT_EQ(obrysy, p.obrysy);
    }
}

TEST_F(Uklady, StubOutlineIsDashedAndReplacesTheBlanksLeftEdge) {
    const RecordingCanvas c = rysuj(3);
    int odcinki = 0;
    for (const ZapisRysunku& z : c.rodzaju(ZapisRysunku::Rodzaj::prostokat))
        if (z.pioro.styl == StylPiora::kreskowany) {
            ++odcinki;
            EXPECT_NEAR(z.x1, 1 + 56 - 56, 1e-9);
            EXPECT_NEAR(z.x2, 1 + 56 + 1, 1e-9);  // 1 mm inside the blank
            EXPECT_NEAR(z.y2 - z.y1, 105.5, 1e-9);
        }
    EXPECT_EQ(odcinki, 1);
}

TEST_F(Uklady, OverprintDrawsNoLineBoxOrLabel) {
    margines("bankowy_nadruk_top", "20");
    margines("bankowy_nadruk_left", "4");
    margines("bankowy_nadruk_odstep", "-1,5");
    const RecordingCanvas c = rysuj(1);
    EXPECT_TRUE(c.rodzaju(ZapisRysunku::Rodzaj::prostokat).empty());
    EXPECT_TRUE(c.rodzaju(ZapisRysunku::Rodzaj::linia).empty());
    EXPECT_TRUE(c.rodzaju(ZapisRysunku::Rodzaj::elipsa).empty());
    EXPECT_FALSE(test::znajdz_tekst(c, "06"));
    EXPECT_FALSE(test::znajdz_tekst(c, "nazwa  odbiorcy"));
    // Payee name of each blank: origin (left + 56, top) and (left + 56, top + 106.5 + spacing).
    std::vector<std::pair<double, double>> nazwy;
    for (const ZapisRysunku& z : c.teksty())
        if (z.tekst == "PRZEDSIĘBIORSTWO ŻÓŁĆ SP. Z O.O.") nazwy.emplace_back(z.x1, z.y1);
    ASSERT_EQ(nazwy.size(), 2u);
    EXPECT_NEAR(nazwy[0].first, 4 + 56 + 7 + 1, 1e-9);
    EXPECT_NEAR(nazwy[0].second, 20 + 3.3 + 4.4, 1e-9);
    EXPECT_NEAR(nazwy[1].second, 20 + 106.5 - 1.5 + 3.3 + 4.4, 1e-9);
}

TEST_F(Uklady, OverprintWithStubMovesOnlyTheSecondBlanksDataBySpacing) {
    margines("pocztowy_nadruk_top", "30");
    margines("pocztowy_nadruk_left", "1");
    margines("pocztowy_nadruk_odstep", "2");
    const RecordingCanvas c = rysuj(5);
    EXPECT_TRUE(c.rodzaju(ZapisRysunku::Rodzaj::prostokat).empty());
    std::vector<double> konta_odcinka;  // the stub's account: dost_konto as typed
    for (const ZapisRysunku& z : c.teksty())
        if (z.tekst == "PL 61 1090 1014 0000 0712 1") konta_odcinka.push_back(z.y1);
    ASSERT_EQ(konta_odcinka.size(), 2u);
    EXPECT_NEAR(konta_odcinka[0], 30 + 2 + 6 - 0.2, 1e-9);
    EXPECT_NEAR(konta_odcinka[1], 30 + 106 + 2 + 6 - 0.2, 1e-9);
    const auto* pierwszy = test::znajdz_tekst(c, "PL 61 1090 1014 0000 0712 1");
    EXPECT_NEAR(pierwszy->x1, 1 + 10 + 1 + 0.5, 1e-9);
    std::vector<double> tytuly;
    for (const ZapisRysunku& z : c.teksty())
        if (z.tekst == "FAKTURA VAT 14/2026") tytuly.push_back(z.y1);
    ASSERT_EQ(tytuly.size(), 2u);
    EXPECT_NEAR(tytuly[0], 30 + 62.5 + 4.4, 1e-9);
    EXPECT_NEAR(tytuly[1], 30 + 106 + 2 + 62.5 + 4.4, 1e-9);
}

TEST_F(Uklady, MissingMarginThrowsNamingTheKeyAndWhereToSetIt) {
    zapisz_ini(kUstPrzelewIni, "marginesy", "bankowy_nadruk_top", "");
    try {
        rysuj(1);
        FAIL() << "no error";
    } catch (const BladUstawienia& e) {
        EXPECT_EQ(e.klucz(), "bankowy_nadruk_top");
        const std::string tekst = e.what();
        EXPECT_NE(tekst.find("bankowy_nadruk_top"), std::string::npos);
        EXPECT_NE(tekst.find("„Bankowe”"), std::string::npos);
        EXPECT_NE(tekst.find("„Marginesy bank. nadruk”"), std::string::npos);
    }
}

}  // namespace
}  // namespace zlx
