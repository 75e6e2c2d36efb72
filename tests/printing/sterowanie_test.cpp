#include "printing/sterowanie.h"

#include <gtest/gtest.h>

#include "core/ini.h"
#include "core/settings.h"
#include "printing/recording_canvas.h"
#include "tests/printing/demo.h"
#include "tests/printing/rysunek_test_support.h"
#include "tests/support/temp_folder.h"

namespace zlx {
namespace {

class Sterowanie : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* k : {"us_wydruk_top", "us_wydruk_left", "zus_wydruk_top", "zus_wydruk_left",
                              "us_nadruk_top", "us_nadruk_left", "zus_nadruk_top", "zus_nadruk_left"})
            zapisz_ini(kUstPrzelewIni, "marginesy", k, "0");
    }
    test::TempProgramFolder folder;
};

TEST_F(Sterowanie, ItemsPerMode) {
    SterowanieWydrukiem s;
    s.set_przelew(test::demo_bankowy());
    EXPECT_EQ(s.pozycje().size(), 7u);
    EXPECT_EQ(s.pozycje()[0], "Przelew wydruk 2 kopie - na czystej kartce ");
    EXPECT_EQ(s.podpis(), "Przelew");
    std::vector<TPrzelew> lista = {test::demo_bankowy()};
    s.set_przelew_lista(lista);
    EXPECT_EQ(s.pozycje().size(), 4u);
    EXPECT_EQ(s.pozycje()[3], "Przelew wydruk 1 kopia z potwierdzeniem - na czystej kartce");
    s.set_przelew_zus(test::demo_zus());
    EXPECT_EQ(s.pozycje(), (std::vector<std::string>{"Przelew ZUS - wydruk 2 kopie",
                                                     "Przelew ZUS nadruk 2 kopie - na formularzu"}));
    s.set_przelew_us_lista(lista);
    EXPECT_EQ(s.tryb(), TrybWydruku::lista_us);
    EXPECT_EQ(s.pozycje()[1], "Przelew US nadruk 2 kopie - na formularzu");
}

TEST_F(Sterowanie, FourCopiesPrintLandscapeAndTwoCopiesPortraitInTheSameDialog) {
    SterowanieWydrukiem s;
    s.set_przelew(test::demo_bankowy());
    RecordingCanvas cztery, dwie;
    s.steruj_drukowanie(cztery, 4);
    s.steruj_drukowanie(dwie, 0);
    EXPECT_EQ(cztery.zapisy().front().orientacja, Orientacja::pozioma);
    EXPECT_EQ(dwie.zapisy().front().orientacja, Orientacja::pionowa);
}

TEST_F(Sterowanie, ListGivesOnePagePerTransferWithoutATrailingPage) {
    for (std::size_t ile : {0u, 1u, 3u}) {
        std::vector<TPrzelew> lista(ile, test::demo_bankowy());
        SterowanieWydrukiem s;
        s.set_przelew_lista(lista);
        RecordingCanvas c;
        s.steruj_drukowanie(c, 0);
        EXPECT_EQ(c.rodzaju(ZapisRysunku::Rodzaj::nowa_strona).size(), ile > 0 ? ile - 1 : 0);
        // Every page holds two blanks.
        for (std::size_t strona = 0; strona < ile; ++strona) {
            int kody = 0;
            for (const ZapisRysunku& z : c.teksty())
                if (z.tekst == "06" && z.strona == static_cast<int>(strona)) ++kody;
            EXPECT_EQ(kody, 2);
        }
    }
}

TEST_F(Sterowanie, TaxAndZusItemsChooseFullPrintOrOverprint) {
    std::vector<TPrzelew> lista = {test::demo_us(), test::demo_us()};
    SterowanieWydrukiem s;
    s.set_przelew_us_lista(lista);
    RecordingCanvas pelny, nadruk;
    s.steruj_drukowanie(pelny, 0);
    s.steruj_drukowanie(nadruk, 1);
    EXPECT_FALSE(pelny.rodzaju(ZapisRysunku::Rodzaj::prostokat).empty());
    EXPECT_TRUE(nadruk.rodzaju(ZapisRysunku::Rodzaj::prostokat).empty());
    EXPECT_EQ(nadruk.liczba_stron(), 2);
    s.set_przelew_zus(test::demo_zus());
    RecordingCanvas zus;
    s.steruj_drukowanie(zus, 1);
    EXPECT_TRUE(zus.rodzaju(ZapisRysunku::Rodzaj::prostokat).empty());
    EXPECT_FALSE(test::znajdz_tekst(zus, "00"));
}

TEST_F(Sterowanie, KratkiComesFromTheSettingsRecordOfTheDialog) {
    zapisz_ini(kUstPrzelewIni, "opcje_wydrukow", "kratki", "1");
    SterowanieWydrukiem s;
    s.set_przelew(test::demo_bankowy());
    RecordingCanvas c;
    s.steruj_drukowanie(c, 0);
    EXPECT_NE(test::znajdz_tekst(c, "Ż"), nullptr);  // the payee name in cells
}

TEST_F(Sterowanie, RemembersTheItemPerModeAndThePrinter) {
    {
        SterowanieWydrukiem s;
        s.set_przelew(test::demo_bankowy());
        EXPECT_EQ(s.zapamietana_pozycja(), 0);
        s.zapamietaj_pozycje(4);
        s.set_przelew_us(test::demo_us());
        s.zapamietaj_pozycje(1);
        SterowanieWydrukiem::zapamietaj_drukarke("Biuro_HP");
    }
    SterowanieWydrukiem s;
    s.set_przelew(test::demo_bankowy());
    EXPECT_EQ(s.zapamietana_pozycja(), 4);
    s.set_przelew_us(test::demo_us());
    EXPECT_EQ(s.zapamietana_pozycja(), 1);
    s.set_przelew_zus(test::demo_zus());
    EXPECT_EQ(s.zapamietana_pozycja(), 0);
    EXPECT_EQ(czytaj_ini(kStanFormatekIni, "drukuj_frm", "1", ""), "4");
    EXPECT_EQ(SterowanieWydrukiem::zapamietana_drukarka(), "Biuro_HP");
    // A remembered item past the list of a mode falls back to the first item.
    zapisz_ini(kStanFormatekIni, "drukuj_frm", "6", "6");
    std::vector<TPrzelew> lista;
    s.set_przelew_lista(lista);
    EXPECT_EQ(s.zapamietana_pozycja(), 0);
}

TEST_F(Sterowanie, BadSettingStopsTheRunBeforeAnythingIsDrawn) {
    struct Przypadek {
        const char* sekcja;
        const char* klucz;
        const char* wartosc;
        int pozycja;
    };
    const Przypadek przypadki[] = {
        {"marginesy", "bankowy_nadruk_top", "", 1},  // no default at all
        {"marginesy", "bankowy_wydruk_left", "abc", 0},
        {"font", "font_size", "12,5", 0},
        {"opcje_wydrukow", "pionowe_napisy", "tak", 0},
    };
    for (const Przypadek& p : przypadki) {
        SCOPED_TRACE(p.klucz);
        test::TempProgramFolder inny;
        zapisz_ini(kUstPrzelewIni, p.sekcja, p.klucz, p.wartosc);
        std::vector<TPrzelew> lista(3, test::demo_bankowy());
        SterowanieWydrukiem s;
        s.set_przelew_lista(lista);
        RecordingCanvas c;
        try {
            s.steruj_drukowanie(c, p.pozycja);
            ADD_FAILURE() << "no error";
        } catch (const BladUstawienia& e) {
            EXPECT_EQ(e.klucz(), p.klucz);
            EXPECT_NE(std::string(e.what()).find("Ustawienia Przelewy"), std::string::npos);
        }
        EXPECT_TRUE(c.zapisy().empty());
    }
}

TEST(DrukujZbiorczo, SplitsByKindAndDescribesNonEmptyKinds) {
    std::vector<TPrzelew> wszystkie = {test::demo_zus(), test::demo_zus()};
    auto z = rozdziel_przelewy(wszystkie);
    EXPECT_EQ(opis_przelewow(z), std::vector<std::string>{"Przelewów ZUS: 2"});
    EXPECT_TRUE(z.bankowe.empty());
    TPrzelew inny = test::demo_bankowy();
    inny.rodzaj_przelewu = 7;
    wszystkie = {test::demo_us(), test::demo_bankowy(), inny, test::demo_zus()};
    z = rozdziel_przelewy(wszystkie);
    EXPECT_EQ(opis_przelewow(z),
              (std::vector<std::string>{"Przelewów Bankowych: 1", "Przelewów ZUS: 1", "Przelewów US: 1"}));
    ustaw_flagi_druku(z.bankowe, false, true);
    EXPECT_EQ(z.bankowe[0].drukuj_kwote, 0);
    EXPECT_EQ(z.bankowe[0].drukuj_date, 1);
}

}  // namespace
}  // namespace zlx
