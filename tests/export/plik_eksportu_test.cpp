#include "export/plik_eksportu.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
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
    zapisz_pliki_eksportu({{path, {"Źdźbło Łąki", "", "x"}}}, 3);
    EXPECT_EQ(test::read_text(path), "Zdzblo Laki\r\n\r\nx\r\n");
    zapisz_pliki_eksportu({{path, {"ł"}}}, 1);
    EXPECT_EQ(test::read_text(path), "\xC5\x82\r\n");
    zapisz_pliki_eksportu({{path, {}}}, 0);
    EXPECT_EQ(test::read_text(path), "");
}

TEST(ZapiszPlikEksportu, UnwritableFolderThrowsAndLeavesNothing) {
    test::TempFolder dir;
    for (const std::string& path : {read_only_folder(dir) + "e.txt", dir.file("brak/e.txt")}) {
        try {
            zapisz_pliki_eksportu({{path, {"110"}}}, 0);
            ADD_FAILURE() << "no error for " << path;
        } catch (const BladZapisuEksportu& e) {
            EXPECT_EQ(e.path(), path);
            EXPECT_TRUE(std::string(e.what()).starts_with("Nie można zapisać pliku " + path + " ("))
                << e.what();
        }
        EXPECT_FALSE(std::filesystem::exists(path));
        EXPECT_FALSE(std::filesystem::exists(os::temporary_name_for(path + ".eksport")));
    }
}

// What a run killed between its renames leaves: every file written, some still under temporary names,
// and the list of renames. The next run in the folder finishes them; other temporary files of runs
// killed while writing go, and so do no files of other programs.
TEST(ZapiszPlikEksportu, NextRunFinishesAKilledRunsRenamesAndRemovesItsTemporaryFiles) {
    test::TempFolder dir;
    const std::string a = dir.file("a.txt"), b = dir.file("b.txt");
    test::write_text(a, "a z przerwanego\r\n");
    test::write_text(b + ".eksport.tmp999999", "b z przerwanego\r\n");
    test::write_text(dir.file(".zlecenix-eksport.pliki"),
                     a + ".eksport.tmp999999\n" + a + "\n" + b + ".eksport.tmp999999\n" + b + "\n");
    for (const char* name :
         {"c.txt.eksport.tmp999998", ".zlecenix-eksport.pliki.tmp999997", "inny.txt.tmp5", "inny.txt"})
        test::write_text(dir.file(name), "x");

    zapisz_pliki_eksportu({{dir.file("nowy.txt"), {"110"}}}, 0);
    EXPECT_EQ(test::read_text(a), "a z przerwanego\r\n");
    EXPECT_EQ(test::read_text(b), "b z przerwanego\r\n");
    std::set<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir.path()))
        names.insert(e.path().filename().string());
    EXPECT_EQ(names, (std::set<std::string>{".zlecenix-eksport.lock", "a.txt", "b.txt", "inny.txt",
                                            "inny.txt.tmp5", "nowy.txt"}));
}

}  // namespace
}  // namespace zlx
