// The print controller's modes 4 (collective order) and 5 (statement).

#include <gtest/gtest.h>

#include "core/ini.h"
#include "core/settings.h"
#include "printing/recording_canvas.h"
#include "printing/sterowanie.h"
#include "tests/support/temp_folder.h"

namespace zlx {
namespace {

bool narysowano(const RecordingCanvas& c, const std::string& tekst) {
    for (const ZapisRysunku& z : c.teksty())
        if (z.tekst == tekst) return true;
    return false;
}

class SterowanieRaportow : public ::testing::Test {
  protected:
    SterowanieRaportow() {
        par.data = "2026-03-14";
        par.ilosc = "2";
        par.suma = "30,50";
        par.rachunek = "12 1020 2892 0000 5502 0123 4567";
        par.data_od = "2026-03-01";
        par.data_do = "2026-03-31";
        zbiorowka = {{1, Currency::from_grosze(1000)}, {2, Currency::from_grosze(2050)}};
        zestawienie = {
            {1, "Żółć Sp. z o.o.", "Biuro Ćma", "Faktura 1", "2026-03-14", Currency::from_grosze(1000)}};
    }
    test::TempProgramFolder folder;
    TParZbiorowka par;
    std::vector<WierszZbiorowki> zbiorowka;
    std::vector<WierszZestawienia> zestawienie;
};

TEST_F(SterowanieRaportow, CaptionsItemsAndTheItemRememberedPerMode) {
    SterowanieWydrukiem z, s;
    z.set_zbiorowka(zbiorowka, par);
    s.set_zest_przel(zestawienie, par);
    EXPECT_EQ(z.tryb(), TrybWydruku::zbiorowka);
    EXPECT_EQ(s.tryb(), TrybWydruku::zestawienie);
    EXPECT_EQ(z.podpis(), "Zbiorówka");
    EXPECT_EQ(s.podpis(), "Zestawienie");
    EXPECT_EQ(z.pozycje(), std::vector<std::string>{"Zbiorcze polecenie przelewu"});
    EXPECT_EQ(s.pozycje(),
              (std::vector<std::string>{"Zestawienie operacji", "Zestawienie operacji wersja 2"}));
    EXPECT_TRUE(z.pasmowy());
    EXPECT_EQ(s.orientacja(1), Orientacja::pionowa);

    s.zapamietaj_pozycje(1);
    EXPECT_EQ(czytaj_ini(kStanFormatekIni, "drukuj_frm", "5", ""), "1");
    EXPECT_EQ(s.zapamietana_pozycja(), 1);
    EXPECT_EQ(z.zapamietana_pozycja(), 0);
    SterowanieWydrukiem bankowy;
    bankowy.set_przelew(nowy_przelew());
    EXPECT_EQ(bankowy.zapamietana_pozycja(), 0);
}

TEST_F(SterowanieRaportow, ItemChoosesTheColumnSetAndRunsGiveTheSameReport) {
    SterowanieWydrukiem s;
    s.set_zest_przel(zestawienie, par);
    RecordingCanvas pierwszy, drugi, jeszcze_raz;
    s.steruj_drukowanie(pierwszy, 0);
    s.steruj_drukowanie(drugi, 1);
    s.steruj_drukowanie(jeszcze_raz, 0);
    EXPECT_TRUE(narysowano(pierwszy, "Zleceniodawca"));
    EXPECT_TRUE(narysowano(pierwszy, "Biuro Ćma"));
    EXPECT_FALSE(narysowano(drugi, "Zleceniodawca"));
    EXPECT_TRUE(narysowano(drugi, "RAPORT - zestawienie operacji  od:2026-03-01 do:2026-03-31"));
    EXPECT_TRUE(narysowano(drugi, "30,50"));
    EXPECT_EQ(pierwszy.zapisy().size(), jeszcze_raz.zapisy().size());

    SterowanieWydrukiem z;
    z.set_zbiorowka(zbiorowka, par);
    RecordingCanvas c;
    z.steruj_drukowanie(c, 0);
    EXPECT_TRUE(narysowano(c, "ZBIORCZE POLECENIE"));
    EXPECT_TRUE(narysowano(c, "20,50"));
    EXPECT_TRUE(narysowano(c, "12 1020 2892 0000 5502 0123 4567"));
}

TEST_F(SterowanieRaportow, BaseFileWithoutPageOrRegionStopsTheRunBeforeAnythingIsDrawn) {
    SterowanieWydrukiem s;
    s.set_zest_przel(zestawienie, par);
    {
        RecordingCanvas c;
        s.steruj_drukowanie(c, 0);  // writes the base file with its defaults
    }
    const struct {
        const char* tresc;
        const char* komunikat;
    } cases[] = {
        {"[Region1]\nlewo=0.5\n", "Nie utworzono odpowiedniej strony!"},
        {"[Report1.Page1]\nszerokosc=8.27\nwysokosc=11.69\n", "Brak odpowiedniego regionu!"},
    };
    for (const auto& c : cases) {
        test::write_text(folder.file(kProjektBazowy), c.tresc);
        RecordingCanvas canvas;
        try {
            s.steruj_drukowanie(canvas, 0);
            ADD_FAILURE() << c.komunikat;
        } catch (const BladRaportu& e) {
            EXPECT_STREQ(e.what(), c.komunikat);
        }
        EXPECT_THROW(s.sprawdz(0), BladRaportu);
        EXPECT_TRUE(canvas.zapisy().empty());
    }
}

}  // namespace
}  // namespace zlx
