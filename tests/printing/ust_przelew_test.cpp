#include "printing/ust_przelew.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/ini.h"
#include "core/settings.h"
#include "printing/geometria.h"
#include "printing/sterowanie.h"
#include "tests/printing/demo.h"
#include "tests/support/temp_folder.h"

namespace zlx {
namespace {

std::string klucz_domyslny(const std::string& klucz) {
    for (const KluczUstPrzelew& k : klucze_ust_przelew())
        if (klucz == k.klucz) return k.domyslna;
    return "";
}

// Without a file the record holds what printing uses: step 5's margins, and chosen values for the
// overprint keys the older version left empty, so every layout prints on a new install.
TEST(UstPrzelew, MissingFileGivesTheRecordDefaults) {
    test::TempProgramFolder folder;
    const TUstPrzelew u = wczytaj_ust_przelew();
    EXPECT_EQ(u.kratki, "0");
    EXPECT_EQ(u.font_name, "ARIAL");
    EXPECT_EQ(u.font_size, "13");
    EXPECT_EQ(u.bankowy_wydruk_top, "4");
    EXPECT_EQ(u.bankowy_wydruk_left, "20");
    EXPECT_EQ(u.us_wydruk_left, "20");
    EXPECT_EQ(u.zus_wydruk_top, "4");
    EXPECT_EQ(u.bankowy_nadruk_top, "4");
    EXPECT_EQ(u.bankowy_nadruk_odstep, "0");
    EXPECT_EQ(u.pocztowy_nadruk_odstep, "0");
    EXPECT_EQ(u.us_nadruk_left, "20");
    EXPECT_EQ(u.zus_nadruk_top, "4");
    EXPECT_EQ(u.pocztowy_wydruk_top, "4");
    EXPECT_EQ(u.pocztowy_nadruk_top, "30");
    EXPECT_EQ(u.zus_nadruk_odstep, "0");
    EXPECT_EQ(u.zus_poddruk_mmrrrr, "1");
    EXPECT_EQ(u.kolorlinie1_r, "236");
    EXPECT_EQ(u.kolorfontnapisPodatki2_b, "202");
    EXPECT_EQ(u.pocztiloscznakow, "27");
    for (const KluczUstPrzelew& k : klucze_ust_przelew())
        if (std::string(k.sekcja) == "marginesy") {
            EXPECT_NO_THROW(margines(u, k.klucz)) << k.klucz;
        }
}

// Whatever writes the settings file first (the database path, the first-run flag) makes it with the
// values step 5 of the upgrade writes; an existing file keeps its own.
TEST(UstPrzelew, NewSettingsFileStartsWithStep5Values) {
    test::TempProgramFolder folder;
    zapisz_sciezka_bazy("/dane/baza.sqlite");
    for (const UstawienieKroku5& k : kUstawieniaKroku5)
        EXPECT_EQ(czytaj_ini(kUstPrzelewIni, k.sekcja, k.klucz, "brak"), k.wartosc) << k.klucz;
    zapisz_ini(kUstPrzelewIni, "marginesy", "us_wydruk_top", "7");
    zapisz_firsttime(0);
    EXPECT_EQ(czytaj_ini(kUstPrzelewIni, "marginesy", "us_wydruk_top", ""), "7");
    zapisz_ini("inny.ini", "a", "b", "c");
    EXPECT_EQ(czytaj_ini("inny.ini", "marginesy", "us_wydruk_top", "brak"), "brak");
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
    EXPECT_EQ(czytaj_ini(kUstPrzelewIni, "font", "font_name", ""), "ARIAL");
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
}

// Each refusal names the file, the section and key, the value and the kind of value expected, and
// where it is mended.
TEST(UstPrzelew, MessagesNameFileKeyValueAndKindExpected) {
    test::TempProgramFolder folder;
    struct Przypadek {
        std::int32_t rodzaj;  // of the transfer printed
        int pozycja;
        const char* sekcja;
        const char* klucz;
        const char* wartosc;
        std::vector<std::string> w_tresci;
    };
    const Przypadek przypadki[] = {
        {kPrzelewPodatkowy,
         1,
         "marginesy",
         "us_nadruk_left",
         "",
         {"„ust_przelew.ini”", "[marginesy]", "us_nadruk_left nie ma wartości", "liczbę milimetrów",
          "„Podatkowe”, „Marginesy nadruk”"}},
        {kPrzelewBankowy,
         0,
         "font",
         "font_size",
         "13.5",
         {"[font]", "font_size ma wartość „13.5”", "liczbę całkowitą punktów od 4 do 72",
          "„Rozmiar i rodzaj czcionki”"}},
        {kPrzelewBankowy, 0, "font", "font_size", "0", {"ma wartość „0”", "od 4 do 72"}},
        {kPrzelewPodatkowy, 0, "font", "font_size", "-3", {"ma wartość „-3”", "od 4 do 72"}},
        {kPrzelewZus, 0, "font", "font_size", "duża", {"ma wartość „duża”", "od 4 do 72"}},
        {kPrzelewBankowy,
         0,
         "opcje_wydrukow",
         "pionowe_napisy",
         "tak",
         {"[opcje_wydrukow]", "1 (tak) albo 0 (nie)", "„Drukuj pionowe napisy na przelewach”"}},
        {kPrzelewBankowy,
         3,
         "opcje_wydrukow",
         "pocztiloscznakow",
         "0",
         {"liczbę całkowitą znaków od 1 do 100"}},
    };
    for (const Przypadek& p : przypadki) {
        SCOPED_TRACE(std::string(p.klucz) + "=" + p.wartosc);
        zapisz_ini(kUstPrzelewIni, p.sekcja, p.klucz, p.wartosc);
        SterowanieWydrukiem s;
        if (p.rodzaj == kPrzelewPodatkowy)
            s.set_przelew_us(test::demo_us());
        else if (p.rodzaj == kPrzelewZus)
            s.set_przelew_zus(test::demo_zus());
        else
            s.set_przelew(test::demo_bankowy());
        std::string tresc;
        try {
            s.sprawdz(p.pozycja);
        } catch (const BladUstawienia& e) {
            tresc = e.what();
        }
        for (const std::string& w : p.w_tresci)
            EXPECT_NE(tresc.find(w), std::string::npos) << w << " in: " << tresc;
        EXPECT_EQ(tresc.find("Nie można wydrukować przelewu"), std::string::npos);
        zapisz_ini(kUstPrzelewIni, p.sekcja, p.klucz, klucz_domyslny(p.klucz));
    }
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
