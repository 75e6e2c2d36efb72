// Runs zlecenix-cli print on the demo data set, as a script would.

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <cstdio>
#include <filesystem>
#include <string>

#include "core/ini.h"
#include "core/settings.h"
#include "tests/support/temp_folder.h"

namespace zlx {
namespace {

struct Wynik {
    int kod = -1;
    std::string wyjscie;  // stdout and stderr together
};

class CliPrint : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(cli("demo").kod, 0); }
    Wynik cli(const std::string& argumenty) {
        const std::string polecenie =
            std::string(ZLX_CLI) + " --folder '" + folder.path() + "' " + argumenty + " 2>&1";
        Wynik w;
        if (FILE* f = popen(polecenie.c_str(), "r")) {
            char buf[4096];
            while (std::size_t n = fread(buf, 1, sizeof buf, f))
                w.wyjscie.append(buf, n);
            const int status = pclose(f);
            w.kod = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        return w;
    }
    static int strony(const std::string& plik) {
        FILE* f = popen(("pdfinfo '" + plik + "'").c_str(), "r");
        std::string out;
        char buf[4096];
        while (std::size_t n = fread(buf, 1, sizeof buf, f))
            out.append(buf, n);
        pclose(f);
        const auto at = out.find("Pages:");
        return at == std::string::npos ? -1 : std::stoi(out.substr(at + 6));
    }
    test::TempProgramFolder folder;
};

// The demo set stores orders in a fixed order: 1, 2, 4 bank, 3 tax, 5 ZUS.
TEST_F(CliPrint, PrintsOnePagePerOrderOfOneKind) {
    const std::string plik = folder.file("lista.pdf");
    const Wynik w = cli("print --ids 1,2,4 --layout 0 --out '" + plik + "'");
    ASSERT_EQ(w.kod, 0) << w.wyjscie;
    EXPECT_EQ(strony(plik), 3);
    EXPECT_NE(w.wyjscie.find("Przelew wydruk 2 kopie - na czystej kartce"), std::string::npos);
}

TEST_F(CliPrint, RefusesAMixedSetAndUnknownLayouts) {
    const std::string plik = folder.file("x.pdf");
    Wynik w = cli("print --ids 1,3 --layout 0 --out '" + plik + "'");
    EXPECT_NE(w.kod, 0);
    EXPECT_NE(w.wyjscie.find("różnych rodzajów"), std::string::npos) << w.wyjscie;
    w = cli("print --ids 1,2 --layout 4 --out '" + plik + "'");  // lists offer the first four only
    EXPECT_NE(w.kod, 0);
    EXPECT_NE(w.wyjscie.find("Nie ma układu 4"), std::string::npos) << w.wyjscie;
    w = cli("print --ids 999 --layout 0 --out '" + plik + "'");
    EXPECT_NE(w.kod, 0);
    EXPECT_FALSE(std::filesystem::exists(plik));
}

TEST_F(CliPrint, MissingMarginExitsWithTheSettingsMessageAndNoFile) {
    const std::string plik = folder.file("us.pdf");
    Wynik w = cli("print --ids 3 --layout 0 --out '" + plik + "'");
    EXPECT_EQ(w.kod, 1);
    EXPECT_NE(w.wyjscie.find("us_wydruk_top"), std::string::npos) << w.wyjscie;
    EXPECT_NE(w.wyjscie.find("„Podatkowe”"), std::string::npos) << w.wyjscie;
    EXPECT_FALSE(std::filesystem::exists(plik));
    zapisz_ini(kUstPrzelewIni, "marginesy", "us_wydruk_top", "5");
    zapisz_ini(kUstPrzelewIni, "marginesy", "us_wydruk_left", "0");
    w = cli("print --ids 3 --layout 0 --out '" + plik + "'");
    EXPECT_EQ(w.kod, 0) << w.wyjscie;
    EXPECT_EQ(strony(plik), 1);
}

}  // namespace
}  // namespace zlx
