// zlecenix-cli export, run as a user runs it: a program folder with a database, the binary, its
// output and exit status.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "export/profilexp_store.h"
#include "tests/db/db_fixture.h"
#include "tests/export/przelewy.h"
#include "transfers/przelew_store.h"

namespace zlx::test {
namespace {

struct Wynik {
    int status;
    std::string out, err;
};

class CliExport : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::create_directory(db.file("out"));
        TProfilExp p = nowy_profilexp();
        p.prof_nazwa = "Mój Bank";
        p.prof_katalog_out = db.file("out/");
        p.prof_nazwa_stala = "przelewy.txt";
        p.prof_rodzaj_formatu = 3;
        p.prof_rodzaj_kodowania = 1;
        ASSERT_TRUE(save_profilexp(db.ds, p));
        p.prof_id = 0;
        p.prof_nazwa = "Zamknięty";
        p.prof_katalog_out = db.file("brak/");
        ASSERT_TRUE(save_profilexp(db.ds, p));

        TPrzelew a = przelew_bankowy(), b = przelew_bankowy(), c = przelew_bankowy();
        a.nr_id = b.nr_id = c.nr_id = 0;
        b.dost_konto = "";
        b.data = TDateTime::from_ymd(2026, 2, 28);
        c.dost_nazwa = "Anna Nowak";
        c.dost_konto = "95 1140 2004 0000 0000 0000 0124";  // wrong check digits
        ASSERT_TRUE(save_przelew(db.ds, a));
        ASSERT_TRUE(save_przelew(db.ds, b));
        ASSERT_TRUE(save_przelew(db.ds, c));
    }

    Wynik run(const std::string& args) {
        const std::string out = db.file("stdout"), err = db.file("stderr");
        const std::string cmd = std::string(ZLX_CLI) + " --folder '" + db.path() + "' export " + args +
                                " >'" + out + "' 2>'" + err + "'";
        const int status = std::system(cmd.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, read_text(out), read_text(err)};
    }

    NewDatabase db;
};

TEST_F(CliExport, WritesTheFileAndReportsBadAccounts) {
    Wynik r = run("--profile 'MÓJ BANK' --ids 2,1,3 --date 2026-04-01");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, db.file("out/przelewy.txt") + "\n");
    EXPECT_EQ(r.err,
              "Przelew dla: Jan Kowalski na kwotę: 12,50 BŁĘDNE KONTO ODBIORCY\n"
              "Przelew dla: Anna Nowak na kwotę: 12,50 BŁĘDNE KONTO ODBIORCY\n");
    const std::string text = read_text(db.file("out/przelewy.txt"));
    EXPECT_TRUE(text.starts_with("110,20260401,1250,10901014,0,\"" + std::string(kCyfryMy) + "\",\"\","))
        << text;
    EXPECT_NE(text.find("\r\n110,20260401,1250,10901014,0,\"" + std::string(kCyfryMy) + "\",\"" + kCyfryDost),
              std::string::npos);

    r = run("--profile 'Mój Bank' --ids 2 --own-dates");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(read_text(db.file("out/przelewy.txt")).starts_with("110,20260228,"));
}

TEST_F(CliExport, FailuresExitNonZero) {
    struct Case {
        const char* args;
        int status;
        const char* err;
    };
    const Case cases[] = {
        {"--profile Zamknięty --ids 1 --date 2026-04-01", 1, "Nie można zapisać pliku "},
        {"--profile Inny --ids 1 --date 2026-04-01", 1, "Nie ma profilu eksportu: Inny\n"},
        {"--profile 'Mój Bank' --ids 1,9 --date 2026-04-01", 1, "Nie ma przelewu o numerze: 9\n"},
        {"--profile 'Mój Bank' --ids 1", 2, "użycie: "},
        {"--profile 'Mój Bank' --ids 1 --date 2026-04-01 --own-dates", 2, "użycie: "},
        {"--profile 'Mój Bank' --ids 1,x --date 2026-04-01", 2, "użycie: "},
        {"--profile 'Mój Bank' --ids 1 --date 1.4.2026", 2, "użycie: "},
    };
    for (const Case& c : cases) {
        const Wynik r = run(c.args);
        EXPECT_EQ(r.status, c.status) << c.args;
        EXPECT_TRUE(r.err.starts_with(c.err)) << c.args << ": " << r.err;
        EXPECT_EQ(r.out, "") << c.args;
    }
    EXPECT_FALSE(std::filesystem::exists(db.file("out/przelewy.txt")));
}

}  // namespace
}  // namespace zlx::test
