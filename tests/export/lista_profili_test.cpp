#include "export/lista_profili.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/ini.h"
#include "tests/support/temp_folder.h"

namespace zlx {
namespace {

TEST(ListaProfili, RemembersTheProfileInEpIni) {
    test::TempProgramFolder folder;
    EXPECT_EQ(domyslny_profil(), "");
    zapisz_domyslny_profil("Bank Śląski – wypłaty");
    EXPECT_EQ(test::read_text(folder.file("ep.ini")),
              "[frmListaProfiliExportu]\ndomyslnyprofil=Bank Śląski – wypłaty\n");
    EXPECT_EQ(domyslny_profil(), "Bank Śląski – wypłaty");

    const std::vector<std::string> nazwy = {"mBank", "ŁÓDŹ", "łódź", "PKO"};
    EXPECT_EQ(znajdz_profil(nazwy, "łódź"), 1);
    EXPECT_EQ(znajdz_profil(nazwy, "MBANK"), 0);
    EXPECT_EQ(znajdz_profil(nazwy, "BZ"), -1);
    EXPECT_EQ(znajdz_profil({"", "a"}, ""), -1);
}

TEST(ListaProfili, UnwritableEpIniThrows) {
    test::TempProgramFolder folder;
    std::filesystem::create_directory(folder.file("ep.ini"));  // no file can take its place
    EXPECT_THROW(zapisz_domyslny_profil("x"), IniWriteError);
}

TEST(ProfilCard, NameMustNotBeBlank) {
    TProfilExp p = nowy_profilexp();
    for (const char* blank : {"", "   ", "\t"}) {
        p.prof_nazwa = blank;
        EXPECT_EQ(kontrola_profilu(p), std::vector<std::string>{"Nazwa profilu nie może być pusta"});
    }
    p.prof_nazwa = " a ";
    EXPECT_TRUE(kontrola_profilu(p).empty());
}

TEST(ProfilCard, FolderFromTheChooser) {
    EXPECT_EQ(katalog_wyjsciowy(" /home/ala/banki "), "/home/ala/banki/");
    EXPECT_EQ(katalog_wyjsciowy("/home/ala/banki/"), "/home/ala/banki/");
    EXPECT_EQ(katalog_wyjsciowy("C:\\banki\\"), "C:\\banki\\");
    EXPECT_EQ(katalog_wyjsciowy(""), "");
}

TEST(ProfilExp, DefaultsOfANewProfile) {
    const TProfilExp p = nowy_profilexp();
    EXPECT_EQ(p.prof_id, 0);
    EXPECT_EQ(p.prof_rodzaj_formatu, 0);
    EXPECT_EQ(p.prof_rodzaj_kodowania, 0);
    EXPECT_EQ(p.prof_rodzaj_daty, 0);
    EXPECT_EQ(p.prof_rodzaj_nazwy_pliku, 0);
    EXPECT_EQ(p.prof_data_do_wczytania, TDateTime::today());
    EXPECT_EQ(p.prof_maks_w_pliku, "");
}

}  // namespace
}  // namespace zlx
