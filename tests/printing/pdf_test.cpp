// Prints every layout of the three kinds to PDF through the Qt canvas and reads the files back with
// the poppler tools, so fonts, sizes and positions are those a printer receives. With ZLX_PRINT_OUT
// set, the files are also kept in that folder.

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <regex>
#include <string>

#include "app/printing/wydruk_qt.h"
#include "core/ini.h"
#include "core/settings.h"
#include "tests/printing/demo.h"
#include "tests/support/temp_folder.h"

namespace zlx {
namespace {

std::string uruchom(const std::string& polecenie) {
    std::string out;
    if (FILE* f = popen(polecenie.c_str(), "r")) {
        char buf[4096];
        while (std::size_t n = fread(buf, 1, sizeof buf, f))
            out.append(buf, n);
        pclose(f);
    }
    return out;
}

constexpr double kPtNaMm = 72.0 / 25.4;

class Pdf : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* k :
             {"bankowy_nadruk_top", "bankowy_nadruk_left", "bankowy_nadruk_odstep", "pocztowy_nadruk_odstep",
              "us_wydruk_top", "us_wydruk_left", "us_nadruk_top", "us_nadruk_left", "zus_wydruk_top",
              "zus_wydruk_left", "zus_nadruk_top", "zus_nadruk_left"})
            zapisz_ini(kUstPrzelewIni, "marginesy", k, "5");
    }
    std::string drukuj(const SterowanieWydrukiem& s, int pozycja, const std::string& nazwa) {
        const std::string plik = folder.file(nazwa);
        app::drukuj_do_pdf(s, pozycja, QString::fromStdString(plik));
        if (const char* out = std::getenv("ZLX_PRINT_OUT"))
            std::filesystem::copy_file(plik, std::string(out) + "/" + nazwa,
                                       std::filesystem::copy_options::overwrite_existing);
        return plik;
    }
    test::TempProgramFolder folder;
};

TEST_F(Pdf, EveryLayoutPrintsOnA4WithTheLiberationFonts) {
    struct Rodzaj {
        const char* nazwa;
        TPrzelew t;
        void (SterowanieWydrukiem::*set)(const TPrzelew&);
    };
    const Rodzaj rodzaje[] = {{"bank", test::demo_bankowy(), &SterowanieWydrukiem::set_przelew},
                              {"us", test::demo_us(), &SterowanieWydrukiem::set_przelew_us},
                              {"zus", test::demo_zus(), &SterowanieWydrukiem::set_przelew_zus}};
    for (const Rodzaj& r : rodzaje) {
        SterowanieWydrukiem s;
        (s.*r.set)(r.t);
        for (int i = 0; i < static_cast<int>(s.pozycje().size()); ++i) {
            SCOPED_TRACE(std::string(r.nazwa) + " " + std::to_string(i));
            const std::string plik = drukuj(s, i, std::string(r.nazwa) + "_" + std::to_string(i) + ".pdf");
            const std::string info = uruchom("pdfinfo '" + plik + "'");
            EXPECT_NE(info.find("Pages:           1"), std::string::npos) << info;
            const bool poziomo = std::string(r.nazwa) == "bank" && i == 4;
            EXPECT_NE(info.find(poziomo ? "842 x 595 pts (A4)" : "595 x 842 pts (A4)"), std::string::npos)
                << info;
            const std::string fonty = uruchom("pdffonts '" + plik + "'");
            EXPECT_NE(fonty.find("LiberationSans"), std::string::npos) << fonty;
            EXPECT_EQ(fonty.find("DejaVu"), std::string::npos) << fonty;
            if (std::string(r.nazwa) == "bank" && (i == 2 || i == 3 || i == 5)) {
                EXPECT_NE(fonty.find("LiberationSerif"), std::string::npos) << fonty;  // the stub's Times
            }
        }
    }
}

TEST_F(Pdf, DataTextLandsAtItsMillimetresInItsPointSize) {
    zapisz_ini(kUstPrzelewIni, "marginesy", "bankowy_wydruk_top", "20");
    zapisz_ini(kUstPrzelewIni, "marginesy", "bankowy_wydruk_left", "10");
    SterowanieWydrukiem s;
    s.set_przelew(test::demo_bankowy());
    const std::string plik = drukuj(s, 0, "pozycja.pdf");
    const std::string bbox = uruchom("pdftotext -bbox '" + plik + "' -");
    // The payee name of the first blank: x = left + 7 + 1, baseline y = top + 3.3 + 4.4.
    std::smatch m;
    const std::regex slowo(
        R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="[0-9.]+" yMax="([0-9.]+)">PRZEDSIĘBIORSTWO</word>)re");
    ASSERT_TRUE(std::regex_search(bbox, m, slowo)) << bbox.substr(0, 2000);
    const double x = std::stod(m[1]), y_min = std::stod(m[2]), y_max = std::stod(m[3]);
    EXPECT_NEAR(x, 18 * kPtNaMm, 0.6);
    const double baseline = 27.7 * kPtNaMm;
    EXPECT_LT(y_min, baseline);
    EXPECT_GT(y_max, baseline);
    EXPECT_NEAR(y_max - y_min, 13 * 1.15, 2.0);         // a 13 pt line
    EXPECT_NE(bbox.find(">ŻÓŁĆ<"), std::string::npos);  // Polish letters survive the round trip
}

TEST_F(Pdf, BadSettingCreatesNoFile) {
    zapisz_ini(kUstPrzelewIni, "marginesy", "bankowy_nadruk_top", "");
    SterowanieWydrukiem s;
    s.set_przelew(test::demo_bankowy());
    const std::string plik = folder.file("nic.pdf");
    EXPECT_THROW(app::drukuj_do_pdf(s, 1, QString::fromStdString(plik)), BladUstawienia);
    EXPECT_FALSE(std::filesystem::exists(plik));
}

}  // namespace
}  // namespace zlx

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
