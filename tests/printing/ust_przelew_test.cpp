#include "printing/ust_przelew.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/ini.h"
#include "core/settings.h"
#include "printing/geometria.h"
#include "tests/support/temp_folder.h"

namespace zlx {
namespace {

TEST(UstPrzelew, MissingFileGivesTheRecordDefaults) {
    test::TempProgramFolder folder;
    const TUstPrzelew u = wczytaj_ust_przelew();
    EXPECT_EQ(u.kratki, "");
    EXPECT_EQ(u.font_name, "Courier NEW");
    EXPECT_EQ(u.font_size, "13");
    EXPECT_EQ(u.bankowy_wydruk_top, "0");
    EXPECT_EQ(u.bankowy_nadruk_top, "");
    EXPECT_EQ(u.pocztowy_wydruk_top, "10");
    EXPECT_EQ(u.pocztowy_nadruk_top, "30");
    EXPECT_EQ(u.zus_nadruk_odstep, "0");
    EXPECT_EQ(u.zus_poddruk_mmrrrr, "1");
    EXPECT_EQ(u.kolorlinie1_r, "236");
    EXPECT_EQ(u.kolorfontnapisPodatki2_b, "202");
    EXPECT_EQ(u.pocztiloscznakow, "27");
}

TEST(UstPrzelew, SavedRecordReadsBackAndLandsInItsSections) {
    test::TempProgramFolder folder;
    zapisz_ini(kUstPrzelewIni, "program", "sciezka_bazy", "/dane/baza.sqlite");
    TUstPrzelew u = wczytaj_ust_przelew();
    u.bankowy_nadruk_top = "12,5";
    u.kolorfontnapiszus2_r = "10";
    u.kolorfontnapiszus2_g = "20";
    u.kolorfontnapiszus2_b = "30";
    u.zus_poddruk_mmrrrr = "0";
    u.kratki = "2";
    zapisz_ust_przelew(u);
    EXPECT_EQ(wczytaj_ust_przelew(), u);
    EXPECT_EQ(czytaj_ini(kUstPrzelewIni, "marginesy", "bankowy_nadruk_top", ""), "12,5");
    EXPECT_EQ(czytaj_ini(kUstPrzelewIni, "kolory", "kolorfontnapiszus2_g", ""), "20");
    EXPECT_EQ(czytaj_ini(kUstPrzelewIni, "kolory", "zus_poddruk_mmrrrr", ""), "0");
    EXPECT_EQ(czytaj_ini(kUstPrzelewIni, "font", "font_name", ""), "Courier NEW");
    EXPECT_EQ(czytaj_ini(kUstPrzelewIni, "opcje_wydrukow", "kratki", ""), "2");
    EXPECT_EQ(czytaj_ini(kUstPrzelewIni, "program", "sciezka_bazy", ""), "/dane/baza.sqlite");
}

TEST(UstPrzelew, UnwritableFileThrows) {
    test::TempProgramFolder folder;
    std::filesystem::create_directory(folder.file(kUstPrzelewIni));  // a folder cannot be replaced by a file
    EXPECT_THROW(zapisz_ust_przelew(TUstPrzelew{}), IniWriteError);
}

TEST(UstPrzelew, NumbersOfSettings) {
    struct Przypadek {
        const char* tekst;
        bool liczba;
        double wartosc;
    };
    const Przypadek przypadki[] = {
        {"10", true, 10},         {"12,5", true, 12.5}, {"12.5", true, 12.5},
        {" -3,25 ", true, -3.25}, {"+4", true, 4},      {"", false, 0},
        {"abc", false, 0},        {"1,2,3", false, 0},  {"5mm", false, 0},
    };
    for (const Przypadek& p : przypadki) {
        SCOPED_TRACE(p.tekst);
        if (p.liczba) {
            EXPECT_DOUBLE_EQ(liczba_ustawienia("us_wydruk_top", p.tekst), p.wartosc);
        } else {
            EXPECT_THROW(liczba_ustawienia("us_wydruk_top", p.tekst), BladUstawienia);
        }
    }
    EXPECT_EQ(calkowita_ustawienia("font_size", "13"), 13);
    EXPECT_THROW(calkowita_ustawienia("font_size", "13,5"), BladUstawienia);
}

TEST(UstPrzelew, MessageNamesTheKeyTheValueAndTheDialogPlace) {
    const BladUstawienia pusty("us_nadruk_left", "");
    EXPECT_STREQ(
        pusty.what(),
        "Nie można wydrukować przelewu: ustawienie us_nadruk_left nie jest ustawione. Ustaw je w oknie "
        "„Ustawienia Przelewy”, zakładka „Podatkowe”, „Marginesy nadruk”, i zapisz ustawienia.");
    const BladUstawienia tekst("font_size", "duża");
    EXPECT_NE(std::string(tekst.what()).find("ma wartość „duża”, która nie jest liczbą"), std::string::npos);
    EXPECT_NE(std::string(tekst.what()).find("„Rozmiar i rodzaj czcionki”"), std::string::npos);
}

TEST(Geometria, ColourSetsAndTheirFaults) {
    test::TempProgramFolder folder;
    TParPrzel p;
    ustaw_geometrie_us(kZestaw1, p, 0, 0);
    EXPECT_EQ(p.kolor_tla, kolor_rgb(245, 222, 221));
    EXPECT_EQ(p.kolor_linii, kolor_rgb(236, 149, 147));
    EXPECT_EQ(p.kolor_etykiet, p.kolor_linii);
    EXPECT_EQ(p.kolor_napisu_zus, kolor_rgb(251, 181, 168));
    ustaw_geometrie_us(kZestaw2, p, 0, 0);
    EXPECT_EQ(p.kolor_tla, kolor_rgb(242, 242, 242));
    EXPECT_EQ(p.kolor_linii, kolor_rgb(115, 115, 115));
    EXPECT_EQ(p.kolor_napisu_podatki, kolor_rgb(202, 202, 202));

    zapisz_ini(kUstPrzelewIni, "kolory", "kolortlo1_r", "300");  // reduced to its lowest byte
    zapisz_ini(kUstPrzelewIni, "kolory", "kolorlinie1_g", "x");  // it and blue fall to 0
    ustaw_geometrie_bankowa(kZestaw1, p, 0, 0);
    EXPECT_EQ(p.kolor_tla, kolor_rgb(300 & 255, 222, 221));
    EXPECT_EQ(p.kolor_linii, kolor_rgb(236, 0, 0));
    EXPECT_EQ(p.font_name, "ARIAL");
}

TEST(Geometria, BankGeometryKeepsTheLayoutsFieldsZusClearsThem) {
    test::TempProgramFolder folder;
    TParPrzel p;
    p.kratki = 1;
    p.nadruk = 1;
    p.napis_odcinka = "x";
    ustaw_geometrie_bankowa(kZestaw1, p, 10, 20);
    EXPECT_EQ(p.kratki, 1);
    EXPECT_EQ(p.nadruk, 1);
    EXPECT_EQ(p.napis_odcinka, "x");
    EXPECT_DOUBLE_EQ(p.odcinek_lewo, 20 - 56);
    EXPECT_DOUBLE_EQ(p.pokwit_gora, 12);
    ustaw_geometrie_zus(kZestaw1, p, 10, 20);
    EXPECT_EQ(p.kratki, 0);
    EXPECT_EQ(p.nadruk, 0);
    EXPECT_EQ(p.napis_odcinka, "");
    EXPECT_DOUBLE_EQ(p.odcinek_lewo, 0);  // not a field of the ZUS geometry
    EXPECT_DOUBLE_EQ(p.wiersz9, 10 + 2 + 69);
    EXPECT_DOUBLE_EQ(p.wiersz_prawo, 20 + 142.4);
}

}  // namespace
}  // namespace zlx
