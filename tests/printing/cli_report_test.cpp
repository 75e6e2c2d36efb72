// Runs zlecenix-cli report on the demo data set and reads the PDF back: texts and their positions as
// Qt laid them out with real font metrics.

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <cstdio>
#include <string>

#include "printing/projekt_bazowy.h"
#include "tests/support/temp_folder.h"

namespace zlx {
namespace {

struct Wynik {
    int kod = -1;
    std::string wyjscie;  // stdout and stderr together
};

std::string uruchom(const std::string& polecenie, int* kod = nullptr) {
    std::string out;
    if (FILE* f = popen(polecenie.c_str(), "r")) {
        char buf[4096];
        while (std::size_t n = fread(buf, 1, sizeof buf, f))
            out.append(buf, n);
        const int status = pclose(f);
        if (kod) *kod = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    return out;
}

// A word of the PDF as pdftotext -bbox gives it, in points.
struct Slowo {
    double x_min = -1, y_min = -1, x_max = -1;
};

// The first word of that text, or the word `dalej` words after it.
Slowo znajdz(const std::string& bbox, const std::string& slowo, int dalej = 0) {
    const std::size_t at = bbox.find(">" + slowo + "</word>");
    if (at == std::string::npos) return {};
    std::size_t start = bbox.rfind("<word", at);
    for (int i = 0; i < dalej && start != std::string::npos; ++i)
        start = bbox.find("<word", start + 1);
    if (start == std::string::npos) return {};
    auto wartosc = [&](const char* nazwa) {
        const std::size_t p = bbox.find(nazwa, start) + std::string(nazwa).size() + 2;
        return std::stod(bbox.substr(p));
    };
    return {wartosc("xMin"), wartosc("yMin"), wartosc("xMax")};
}

class CliReport : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(cli("demo").kod, 0); }
    Wynik cli(const std::string& argumenty) {
        Wynik w;
        w.wyjscie = uruchom(std::string(ZLX_CLI) + " --folder '" + folder.path() + "' " + argumenty + " 2>&1",
                            &w.kod);
        return w;
    }
    std::string bbox(const std::string& plik) { return uruchom("pdftotext -bbox '" + plik + "' -"); }
    test::TempProgramFolder folder;
};

constexpr double kPkt = 72.0;

TEST_F(CliReport, CollectiveOrderOfThreeOrdersWithAccountAndDate) {
    const std::string plik = folder.file("zbiorowka.pdf");
    const Wynik w =
        cli("report --kind zbiorowka --ids 1,2,3 --account '11 2222 3333' --date 2026-03-14 --out '" + plik +
            "'");
    ASSERT_EQ(w.kod, 0) << w.wyjscie;
    EXPECT_NE(w.wyjscie.find("przelewów 3"), std::string::npos) << w.wyjscie;
    const std::string b = bbox(plik);
    EXPECT_NE(b.find(">POLECENIE</word>"), std::string::npos);
    EXPECT_NE(b.find(">2026-03-14</word>"), std::string::npos);
    EXPECT_NE(b.find(">3333</word>"), std::string::npos);
    // The page number ends at the right margin, half an inch from the edge of the A4 page, at the top
    // margin; the first copy's "Razem :" ends at region 0.5 + margin 0.5 + 0.67 in.
    const Slowo z = znajdz(b, "Strona");
    EXPECT_NEAR(z.y_min, 0.5 * kPkt, 0.5);
    const Slowo ostatnie = znajdz(b, "Strona", 3);  // "Strona 1 z 1"
    EXPECT_NEAR(ostatnie.x_max, (8.27 - 0.5) * kPkt, 0.5);
    EXPECT_NEAR(znajdz(b, "Razem", 1).x_max, (0.5 + 0.5 + 0.67) * kPkt, 0.5);
}

TEST_F(CliReport, StatementsOfBothSetsAndTheBaseFileChecked) {
    const std::string jeden = folder.file("z1.pdf"), dwa = folder.file("z2.pdf");
    ASSERT_EQ(
        cli("report --kind zestawienie1 --ids 1,2 --from 2026-03-01 --to 2026-03-31 --out '" + jeden + "'")
            .kod,
        0);
    ASSERT_EQ(cli("report --kind zestawienie2 --ids 1,2 --out '" + dwa + "'").kod, 0);
    const std::string b1 = bbox(jeden), b2 = bbox(dwa);
    EXPECT_NE(b1.find(">Zleceniodawca</word>"), std::string::npos);
    EXPECT_EQ(b2.find(">Zleceniodawca</word>"), std::string::npos);
    EXPECT_NE(b1.find(">od:2026-03-01</word>"), std::string::npos);
    EXPECT_NE(b2.find(">Suma:</word>"), std::string::npos);
    // The table's last column ends 0.5 + 7.23 in from the edge: its caption is centred over it.
    const Slowo kwota = znajdz(b1, "Kwota");
    EXPECT_NEAR((kwota.x_min + kwota.x_max) / 2, (0.5 + 7.23 - 0.55) * kPkt, 0.5);

    test::write_text(folder.file(kProjektBazowy), "[Report1.Page1]\nszerokosc=8.27\nwysokosc=11.69\n");
    const Wynik bez_regionu = cli("report --kind zestawienie1 --ids 1 --out '" + jeden + "'");
    EXPECT_EQ(bez_regionu.kod, 1);
    EXPECT_NE(bez_regionu.wyjscie.find(kBrakRegionu), std::string::npos) << bez_regionu.wyjscie;
}

TEST_F(CliReport, RefusesUnknownKindsAndMissingOrders) {
    EXPECT_EQ(cli("report --kind inny --ids 1 --out x.pdf").kod, 2);
    const Wynik brak = cli("report --kind zbiorowka --ids 1,999 --out '" + folder.file("x.pdf") + "'");
    EXPECT_EQ(brak.kod, 1);
    EXPECT_NE(brak.wyjscie.find("Nie ma przelewu o numerze 999"), std::string::npos) << brak.wyjscie;
}

}  // namespace
}  // namespace zlx
