#include "export/plik_eksportu.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/os.h"
#include "tests/support/temp_folder.h"

namespace zlx {
namespace {

TEST(NazwaPlikuEksportu, FixedGeneratedOrUnknownKind) {
    test::TempProgramFolder folder;
    const TDateTime teraz = TDateTime::from_ymd_hms(2026, 3, 15, 14, 5, 9);
    TProfilExp p = nowy_profilexp();
    p.prof_katalog_out = "C:\\banki\\";
    p.prof_nazwa_stala = "przelewy.txt";
    p.prof_nazwa_gen_rozsz = "pli";
    EXPECT_EQ(nazwa_pliku_eksportu(p, teraz), "C:\\banki\\przelewy.txt");
    p.prof_katalog_out = "/srv/banki";  // joined as typed, without a separator
    EXPECT_EQ(nazwa_pliku_eksportu(p, teraz), "/srv/bankiprzelewy.txt");
    p.prof_katalog_out = "/srv/banki/";
    p.prof_rodzaj_nazwy_pliku = 1;
    EXPECT_EQ(nazwa_pliku_eksportu(p, teraz), "/srv/banki/20260315_140509.pli");
    EXPECT_EQ(nazwa_pliku_eksportu(p, TDateTime::from_ymd_hms(2026, 12, 31, 23, 59, 59)),
              "/srv/banki/20261231_235959.pli");
    p.prof_rodzaj_nazwy_pliku = 2;
    EXPECT_EQ(nazwa_pliku_eksportu(p, teraz), folder.path() + "plik_przelew.txt");
}

TEST(NazwaPlikuEksportu, FurtherFilesOfASplitRun) {
    struct Case {
        const char* path;
        int k;
        const char* expected;
    };
    const Case cases[] = {
        {"/b/przelewy.txt", 1, "/b/przelewy.txt"},
        {"/b/przelewy.txt", 2, "/b/przelewy_2.txt"},
        {"/b/20260315_140509.pli", 12, "/b/20260315_140509_12.pli"},
        {"/b.d/przelewy", 3, "/b.d/przelewy_3"},
        {"C:\\b.d\\przelewy", 2, "C:\\b.d\\przelewy_2"},
        {"/b/arch.tar.gz", 2, "/b/arch.tar_2.gz"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(nazwa_kolejnego_pliku(c.path, c.k), c.expected);
}

TEST(ZapiszPlikEksportu, LinesEndWithCrLfInTheEncoding) {
    test::TempFolder dir;
    const std::string path = dir.file("e.txt");
    test::write_text(path, "stara zawartość, dłuższa niż nowa\r\n");
    zapisz_plik_eksportu({"Źdźbło Łąki", "", "x"}, path, 3);
    EXPECT_EQ(test::read_text(path), "Zdzblo Laki\r\n\r\nx\r\n");
    zapisz_plik_eksportu({"ł"}, path, 1);
    EXPECT_EQ(test::read_text(path), "\xC5\x82\r\n");
    zapisz_plik_eksportu({}, path, 0);
    EXPECT_EQ(test::read_text(path), "");
}

TEST(ZapiszPlikEksportu, UnwritableFolderThrowsAndLeavesNothing) {
    test::TempFolder dir;
    for (const std::string& path : {read_only_folder(dir) + "e.txt", dir.file("brak/e.txt")}) {
        try {
            zapisz_plik_eksportu({"110"}, path, 0);
            ADD_FAILURE() << "no error for " << path;
        } catch (const BladZapisuEksportu& e) {
            EXPECT_EQ(e.path(), path);
            EXPECT_TRUE(std::string(e.what()).starts_with("Nie można zapisać pliku " + path + " ("))
                << e.what();
        }
        EXPECT_FALSE(std::filesystem::exists(path));
        EXPECT_FALSE(std::filesystem::exists(os::temporary_name_for(path)));
    }
}

}  // namespace
}  // namespace zlx
