#include "export/eksport.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "db/result_set.h"
#include "export/class_bzwbk.h"
#include "tests/db/db_fixture.h"
#include "tests/export/przelewy.h"
#include "tests/support/temp_folder.h"
#include "transfers/przelew_store.h"

namespace zlx {
namespace {

const TDateTime kTeraz = TDateTime::from_ymd_hms(2026, 3, 15, 14, 5, 9);

class EksportTest : public ::testing::Test {
  protected:
    TProfilExp profil(int format) const {
        TProfilExp p = nowy_profilexp();
        p.prof_nazwa = "Test";
        p.prof_katalog_out = folder.path();
        p.prof_nazwa_stala = "przelewy.txt";
        p.prof_rodzaj_formatu = format;
        p.prof_rodzaj_kodowania = 1;
        return p;
    }
    // Returns the file's lines without their CR LF; fails when a line lacks it.
    static std::vector<std::string> lines(const std::string& path) {
        std::string text = test::read_text(path);
        std::vector<std::string> out;
        for (std::size_t pos = 0; pos < text.size();) {
            std::size_t end = text.find("\r\n", pos);
            if (end == std::string::npos) {
                ADD_FAILURE() << "no CR LF at the end of " << path;
                break;
            }
            out.push_back(text.substr(pos, end - pos));
            pos = end + 2;
        }
        return out;
    }
    static std::vector<TPrzelew> przelewy(int n) {
        std::vector<TPrzelew> v;
        for (int i = 1; i <= n; ++i) {
            TPrzelew p = test::przelew_bankowy();
            p.nr_id = i;
            p.kwota_money = Currency::from_zloty(i);
            v.push_back(p);
        }
        return v;
    }

    test::TempProgramFolder folder;
};

TEST_F(EksportTest, BzwbkFileStartsWithItsHeader) {
    const std::vector<TPrzelew> v = przelewy(2);
    WynikEksportu w = exportuj(profil(kFormatBzwbk), z_listy(v), {1, {}}, kTeraz);
    ASSERT_TRUE(w.zapisano()) << w.blad_zapisu;
    ASSERT_EQ(w.pliki, std::vector<std::string>{folder.file("przelewy.txt")});
    const std::vector<std::string> l = lines(w.pliki[0]);
    ASSERT_EQ(l.size(), 3u);
    EXPECT_EQ(l[0], "1230708|1");
    EXPECT_EQ(l[1], "1|" + std::string(test::kCyfryMy) + "|" + test::kCyfryDost +
                        "|Jan Kowalski|Łódź|Polna 1|90-001|1,00|1|Faktura 12/2026|15-03-2026|");
    EXPECT_TRUE(l[2].find("|2,00|1|") != std::string::npos) << l[2];
    EXPECT_TRUE(w.bledy.empty());
}

TEST_F(EksportTest, DateChoiceOfTheScreen) {
    std::vector<TPrzelew> v = przelewy(2);
    v[1].data = TDateTime::from_ymd(2026, 2, 28);
    TProfilExp p = profil(3);
    p.prof_rodzaj_daty = 1;  // the screen's choice wins over the stored kind
    p.prof_data_do_wczytania = TDateTime::from_ymd(2020, 1, 1);

    WynikEksportu w = exportuj(p, z_listy(v), {0, TDateTime::from_ymd(2026, 4, 1)}, kTeraz);
    std::vector<std::string> l = lines(w.pliki.at(0));
    ASSERT_EQ(l.size(), 2u);
    for (const std::string& line : l)
        EXPECT_TRUE(line.starts_with("110,20260401,")) << line;
    EXPECT_EQ(v[1].data, TDateTime::from_ymd(2026, 2, 28));  // the caller's transfers stay as they were

    p.prof_rodzaj_daty = 0;
    w = exportuj(p, z_listy(v), {1, TDateTime::from_ymd(2026, 4, 1)}, kTeraz);
    l = lines(w.pliki.at(0));
    ASSERT_EQ(l.size(), 2u);
    EXPECT_TRUE(l[0].starts_with("110,20260315,")) << l[0];
    EXPECT_TRUE(l[1].starts_with("110,20260228,")) << l[1];

    p.prof_rodzaj_formatu = kFormatBzwbk;
    w = exportuj(p, z_listy(v), {1, {}}, kTeraz);
    EXPECT_TRUE(lines(w.pliki.at(0)).at(2).ends_with("|28-02-2026|"));
}

TEST_F(EksportTest, EncodingOfTheProfile) {
    TProfilExp p = profil(3);
    p.prof_rodzaj_kodowania = 0;
    const std::vector<TPrzelew> v = przelewy(1);
    WynikEksportu w = exportuj(p, z_listy(v), {1, {}}, kTeraz);
    // Łódź in Windows-1250, converted once.
    EXPECT_NE(test::read_text(w.pliki.at(0)).find("|Polna 1 90-001 \xA3\xF3\x64\x9F|"), std::string::npos);
}

TEST_F(EksportTest, BadAccountsOneLinePerTransfer) {
    std::vector<TPrzelew> v = przelewy(3);
    v[0].dost_konto = "";
    v[2].my_konto = "PL 61 1090";
    WynikEksportu w = exportuj(profil(0), z_listy(v), {1, {}}, kTeraz);
    ASSERT_TRUE(w.zapisano());
    EXPECT_EQ(w.bledy, (std::vector<std::string>{
                           "Przelew dla: Jan Kowalski na kwotę: 1,00 BŁĘDNE KONTO ODBIORCY",
                           "Przelew dla: Jan Kowalski na kwotę: 3,00 BŁĘDNE KONTO NADAWCY, BŁĘDNE KONTO "
                           "WYSTAWIAJĄCEGO",
                       }));
    EXPECT_EQ(lines(w.pliki.at(0)).size(), 3u);  // the lines are still written
}

TEST_F(EksportTest, LimitSplitsIntoFurtherFiles) {
    const std::vector<TPrzelew> v = przelewy(5);
    TProfilExp p = profil(kFormatBzwbk);
    p.prof_maks_w_pliku = "2";
    WynikEksportu w = exportuj(p, z_listy(v), {1, {}}, kTeraz);
    ASSERT_EQ(w.pliki, (std::vector<std::string>{folder.file("przelewy.txt"), folder.file("przelewy_2.txt"),
                                                 folder.file("przelewy_3.txt")}));
    const std::size_t sizes[] = {3, 3, 2};
    for (std::size_t k = 0; k < 3; ++k) {
        const std::vector<std::string> l = lines(w.pliki[k]);
        ASSERT_EQ(l.size(), sizes[k]);
        EXPECT_EQ(l[0], "1230708|1");
    }
    EXPECT_NE(lines(w.pliki[2])[1].find("|5,00|"), std::string::npos);

    for (const char* no_limit : {"0", "", "abc", "-3"}) {
        p.prof_maks_w_pliku = no_limit;
        w = exportuj(p, z_listy(v), {1, {}}, kTeraz);
        EXPECT_EQ(w.pliki.size(), 1u) << no_limit;
        EXPECT_EQ(lines(w.pliki.at(0)).size(), 6u) << no_limit;
    }
    // Exactly the limit: one file.
    p.prof_maks_w_pliku = "5";
    EXPECT_EQ(exportuj(p, z_listy(v), {1, {}}, kTeraz).pliki.size(), 1u);
}

TEST_F(EksportTest, UnwritableFolderIsReportedAndLeavesNoFile) {
    TProfilExp p = profil(3);
    p.prof_katalog_out = read_only_folder(folder);
    const std::vector<TPrzelew> v = przelewy(2);
    WynikEksportu w = exportuj(p, z_listy(v), {1, {}}, kTeraz);
    EXPECT_FALSE(w.zapisano());
    EXPECT_TRUE(w.pliki.empty());
    EXPECT_TRUE(w.blad_zapisu.starts_with("Nie można zapisać pliku " + p.prof_katalog_out + "przelewy.txt ("))
        << w.blad_zapisu;
    EXPECT_FALSE(std::filesystem::exists(p.prof_katalog_out + "przelewy.txt"));
}

TEST_F(EksportTest, FailedFurtherFileTakesBackTheFirst) {
    std::filesystem::create_directory(folder.file("przelewy_2.txt"));  // cannot be replaced by a file
    TProfilExp p = profil(3);
    p.prof_maks_w_pliku = "1";
    const std::vector<TPrzelew> v = przelewy(2);
    WynikEksportu w = exportuj(p, z_listy(v), {1, {}}, kTeraz);
    EXPECT_FALSE(w.zapisano());
    EXPECT_NE(w.blad_zapisu.find("przelewy_2.txt"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(folder.file("przelewy.txt")));
}

// Names of the files in the folder.
std::set<std::string> pliki_w(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder))
        names.insert(e.path().filename().string());
    return names;
}

TEST_F(EksportTest, SplitRunKilledWhileWritingLeavesNoFileOfIt) {
    const std::vector<TPrzelew> v = przelewy(3);
    TProfilExp p = profil(3);
    p.prof_maks_w_pliku = "1";
    const std::set<std::string> przed = pliki_w(folder.path());

    // The child stops after its second file and waits to be killed.
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    if (child == 0) {
        close(ready[0]);
        exportuj(p, z_listy(v), {1, {}}, kTeraz, [&](std::size_t k) {
            if (k < 2) return;
            if (write(ready[1], "k", 1) != 1) _exit(2);
            for (;;)
                pause();
        });
        _exit(1);
    }
    close(ready[1]);
    char c = 0;
    ASSERT_EQ(read(ready[0], &c, 1), 1) << "the child ended before its second file";
    close(ready[0]);
    kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));

    std::set<std::string> po = pliki_w(folder.path());
    for (const char* name : {"przelewy.txt", "przelewy_2.txt", "przelewy_3.txt"})
        EXPECT_EQ(po.count(name), 0u) << name << " of the killed run is in the folder";

    // The next run clears up what the killed one left.
    WynikEksportu w = exportuj(p, z_listy(v), {1, {}}, kTeraz);
    ASSERT_TRUE(w.zapisano()) << w.blad_zapisu;
    std::set<std::string> oczekiwane = przed;
    oczekiwane.insert({".zlecenix-eksport.lock", "przelewy.txt", "przelewy_2.txt", "przelewy_3.txt"});
    EXPECT_EQ(pliki_w(folder.path()), oczekiwane);
}

TEST(EksportZBazy, HandedOverRowsInTheirOrderStoredTransfersUnchanged) {
    test::NewDatabase db;
    TPrzelew a = test::przelew_bankowy();
    TPrzelew b = test::przelew_zus("S");
    a.nr_id = b.nr_id = 0;
    ASSERT_TRUE(save_przelew(db.ds, a));
    ASSERT_TRUE(save_przelew(db.ds, b));
    std::unique_ptr<ResultSet> rows = db.ds.open_sql("SELECT * FROM kartoteka ORDER BY nr_id DESC");
    ASSERT_TRUE(rows);
    rows->last();  // the source starts from the first row wherever the cursor is

    TProfilExp p = nowy_profilexp();
    p.prof_katalog_out = db.path();
    p.prof_nazwa_stala = "z_bazy.txt";
    p.prof_rodzaj_formatu = 3;
    WynikEksportu w = exportuj(p, z_wierszy(*rows), {0, TDateTime::from_ymd(2026, 4, 1)}, kTeraz);
    ASSERT_TRUE(w.zapisano()) << w.blad_zapisu;
    const std::string text = test::read_text(w.pliki.at(0));
    EXPECT_TRUE(text.starts_with("120,20260401,1250,")) << text;
    EXPECT_NE(text.find("\r\n110,20260401,1250,10901014,0,"), std::string::npos) << text;
    EXPECT_EQ(load_przelew(db.ds, a.nr_id).data, TDateTime::from_ymd(2026, 3, 15));
    EXPECT_TRUE(db.msgs.errors.empty());
}

}  // namespace
}  // namespace zlx
