// Runs zlecenix-cli print on the demo data set, as a script would.

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/ini.h"
#include "core/settings.h"
#include "tests/support/temp_folder.h"

namespace zlx {
namespace {

struct Wynik {
    int kod = -1;
    std::string wyjscie;  // stdout and stderr together
};

// Runs zlecenix-cli on the program folder.
Wynik uruchom_cli(const std::string& folder, const std::string& argumenty) {
    const std::string polecenie = std::string(ZLX_CLI) + " --folder '" + folder + "' " + argumenty + " 2>&1";
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

class CliPrint : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(cli("demo").kod, 0); }
    Wynik cli(const std::string& argumenty) { return uruchom_cli(folder.path(), argumenty); }
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

TEST_F(CliPrint, BadMarginExitsWithTheSettingsMessageAndNoFile) {
    const std::string plik = folder.file("us.pdf");
    zapisz_ini(kUstPrzelewIni, "marginesy", "us_wydruk_top", "");
    Wynik w = cli("print --ids 3 --layout 0 --out '" + plik + "'");
    EXPECT_EQ(w.kod, 1);
    EXPECT_NE(w.wyjscie.find("us_wydruk_top"), std::string::npos) << w.wyjscie;
    EXPECT_NE(w.wyjscie.find("„Podatkowe”"), std::string::npos) << w.wyjscie;
    EXPECT_FALSE(std::filesystem::exists(plik));
    zapisz_ini(kUstPrzelewIni, "marginesy", "us_wydruk_top", "5");
    w = cli("print --ids 3 --layout 0 --out '" + plik + "'");
    EXPECT_EQ(w.kod, 0) << w.wyjscie;
    EXPECT_EQ(strony(plik), 1);
}

// Returns the distance in millimetres from the sheet's nearest edge to the nearest mark of the
// page, read from the page rendered at 200 dpi in grey (anything darker than white is a mark).
double odstep_od_krawedzi(const std::string& pdf, const std::string& png_bez_rozszerzenia) {
    const std::string polecenie =
        "pdftoppm -r 200 -gray -singlefile '" + pdf + "' '" + png_bez_rozszerzenia + "'";
    if (std::system(polecenie.c_str()) != 0) return -1;
    std::ifstream f(png_bez_rozszerzenia + ".pgm", std::ios::binary);
    std::string magia;
    int szer = 0, wys = 0, maks = 0;
    f >> magia >> szer >> wys >> maks;
    f.get();
    std::vector<unsigned char> px((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    if (magia != "P5" || px.size() < static_cast<std::size_t>(szer) * static_cast<std::size_t>(wys))
        return -1;
    int najblizej = szer + wys;
    for (int y = 0; y < wys; ++y)
        for (int x = 0; x < szer; ++x)
            if (px[static_cast<std::size_t>(y) * static_cast<std::size_t>(szer) +
                   static_cast<std::size_t>(x)] < 250) {
                const int d = std::min(std::min(x, szer - 1 - x), std::min(y, wys - 1 - y));
                najblizej = std::min(najblizej, d);
            }
    return najblizej * 25.4 / 200;
}

// A new install: the demo data set and nothing else, no settings file. Every layout of every kind
// prints, and nothing lies in the 4.2 mm strip a common printer cannot print.
TEST(CliPrintNowaInstalacja, EveryLayoutPrintsInsideThePrintableArea) {
    test::TempFolder folder;
    const auto cli = [&](const std::string& argumenty) { return uruchom_cli(folder.path(), argumenty); };
    ASSERT_EQ(cli("demo").kod, 0);
    struct Rodzaj {
        const char* nazwa;
        int id, ukladow;
    };
    // The demo set stores orders in a fixed order: 1 bank, 3 tax, 5 ZUS.
    for (const Rodzaj& r : {Rodzaj{"bank", 1, 7}, Rodzaj{"us", 3, 2}, Rodzaj{"zus", 5, 2}}) {
        for (int i = 0; i < r.ukladow; ++i) {
            const std::string nazwa = std::string(r.nazwa) + "_" + std::to_string(i);
            SCOPED_TRACE(nazwa);
            const std::string plik = folder.file(nazwa + ".pdf");
            const Wynik w = cli("print --ids " + std::to_string(r.id) + " --layout " + std::to_string(i) +
                                " --out '" + plik + "'");
            ASSERT_EQ(w.kod, 0) << w.wyjscie;
            EXPECT_GE(odstep_od_krawedzi(plik, folder.file(nazwa)), 4.2);
        }
    }
}

}  // namespace
}  // namespace zlx
