// Prints every layout of the three kinds to PDF through the Qt canvas and reads the files back with
// the poppler tools, so fonts, sizes and positions are those a printer receives. With ZLX_PRINT_OUT
// set, the files are also kept in that folder.

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "app/printing/wydruk_qt.h"
#include "core/ini.h"
#include "core/settings.h"
#include "printing/kolumny_raportu.h"
#include "printing/recording_canvas.h"
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

// One word of `pdftotext -bbox`, its box in millimetres from the page's top-left corner.
struct Slowo {
    int strona = 0;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    std::string tekst;
};

std::vector<Slowo> slowa(const std::string& pdf) {
    const std::string bbox = uruchom("pdftotext -bbox '" + pdf + "' -");
    std::vector<Slowo> out;
    int strona = -1;
    const auto liczba = [&](std::size_t od, const char* nazwa) {
        const std::size_t at = bbox.find(nazwa, od) + std::strlen(nazwa);
        return std::strtod(bbox.c_str() + at, nullptr) / kPtNaMm;
    };
    for (std::size_t at = bbox.find('<'); at != std::string::npos; at = bbox.find('<', at + 1)) {
        if (bbox.compare(at, 6, "<page ") == 0) ++strona;
        if (bbox.compare(at, 6, "<word ") != 0) continue;
        const std::size_t od = bbox.find('>', at) + 1, do_ = bbox.find("</word>", od);
        out.push_back({strona, liczba(at, "xMin=\""), liczba(at, "yMin=\""), liczba(at, "xMax=\""),
                       liczba(at, "yMax=\""), bbox.substr(od, do_ - od)});
    }
    return out;
}

// The white field segments of a blank's rows as drawn on the sheet: the white rectangles outlined
// in a line colour, one row tall.
std::vector<Obszar> pola_wierszy(const RecordingCanvas& c) {
    std::vector<Obszar> out;
    for (const ZapisRysunku& z : c.rodzaju(ZapisRysunku::Rodzaj::prostokat)) {
        const double h = z.y2 - z.y1;
        if (z.strona != 0 || z.pedzel.kolor != kBialy || z.pedzel.styl != StylPedzla::pelny ||
            z.pioro.styl == StylPiora::brak || z.pioro.kolor == kCzarny)
            continue;
        const Przeksztalcenie& t = z.przeksztalcenie;
        const auto dodaj = [&](double x1, double y1, double x2, double y2) {
            out.push_back(
                {t.dx + t.skala * x1, t.dy + t.skala * y1, t.dx + t.skala * x2, t.dy + t.skala * y2, false});
        };
        if (z.pioro.kolor != kBialy && h > 4.9 && h < 5.2) dodaj(z.x1, z.y1, z.x2, z.y2);
        // A W/P square: the mark's field is the whole cell around it.
        if (z.pioro.kolor == kBialy && h > 4.0 && h < 4.2)
            dodaj(z.x1 - 0.5, z.y1 - 0.5, z.x1 + 4.5, z.y2 + 0.5);
    }
    return out;
}

// Checks that every data word whose middle lies in a row stays in the field it starts in: a word
// that starts past a field's end, or ends past it, lies outside its field. Words left of a row's
// first field (the W/P mark in its square), the blank's own texts and the large captions are not
// data of a row.
// The words of the blank's own texts (labels, captions, the W/P letters): printed in colour or turned.
std::set<std::string> slowa_formularza(const RecordingCanvas& c) {
    std::set<std::string> out;
    for (const ZapisRysunku& z : c.teksty()) {
        if (z.czcionka.kolor == kCzarny && z.czcionka.obrot == 0) continue;
        std::size_t od = 0;
        while (od < z.tekst.size()) {
            const std::size_t spacja = z.tekst.find(' ', od);
            const std::size_t koniec = spacja == std::string::npos ? z.tekst.size() : spacja;
            if (koniec > od) out.insert(z.tekst.substr(od, koniec - od));
            od = koniec + 1;
        }
    }
    return out;
}

void sprawdz_pola(const std::vector<Slowo>& w, const std::vector<Obszar>& pola,
                  const std::set<std::string>& pomin) {
    constexpr double kTol = 0.15;
    int sprawdzone = 0;
    for (const Slowo& s : w) {
        if (s.strona != 0 || s.y2 - s.y1 > 12 || pomin.count(s.tekst)) continue;
        const double srodek = (s.y1 + s.y2) / 2;
        const Obszar* pole = nullptr;
        for (const Obszar& o : pola)
            if (srodek > o.y1 && srodek < o.y2 && o.x1 <= s.x1 + kTol && (!pole || o.x1 > pole->x1))
                pole = &o;
        if (!pole) continue;
        ++sprawdzone;
        EXPECT_LE(s.x2, pole->x2 + kTol)
            << "„" << s.tekst << "” at " << s.x1 << "–" << s.x2 << " mm, its field ends at " << pole->x2;
    }
    EXPECT_GT(sprawdzone, 10);
}

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

// Long names, titles and the largest amount the screens take stay inside their fields in plain and
// cell mode, on one blank and on the four-copy sheet, and the amount and its words lose nothing.
TEST_F(Pdf, LongValuesStayInsideTheirFields) {
    TPrzelew bank = test::demo_bankowy();
    bank.dost_nazwa = "Przedsiębiorstwo Produkcyjno-Handlowo-Usługowe „Wielkopolska Żywność” Spółka z o.o.";
    bank.dost_adres = "ul. Księcia Józefa Poniatowskiego 123/45, 60-001 Poznań-Grunwald";
    bank.tytulem = "Zapłata za fakturę VAT nr FV/2026/12/000123 z dnia 2026-12-04 wraz z odsetkami";
    bank.kwota_money = Currency::from_grosze(9999999999);
    wylicz_pola_druku(bank);
    TPrzelew wplata = bank;
    wplata.p_w = 1;
    TPrzelew us = test::demo_us();
    us.dost_nazwa = "Naczelnik Drugiego Urzędu Skarbowego Warszawa-Śródmieście w Warszawie, ul. Długa 1";
    us.kwota_money = bank.kwota_money;
    wylicz_pola_druku(us);
    struct Przypadek {
        const char* nazwa;
        TPrzelew t;
        void (SterowanieWydrukiem::*set)(const TPrzelew&);
        int pozycja;
        const char* kratki;
    };
    const Przypadek przypadki[] = {
        {"dlugi_bank_0", bank, &SterowanieWydrukiem::set_przelew, 0, "0"},
        {"dlugi_bank_0_kratki", bank, &SterowanieWydrukiem::set_przelew, 0, "1"},
        {"dlugi_bank_4", bank, &SterowanieWydrukiem::set_przelew, 4, "0"},
        {"dlugi_wplata_0", wplata, &SterowanieWydrukiem::set_przelew, 0, "0"},
        {"dlugi_wplata_0_kratki", wplata, &SterowanieWydrukiem::set_przelew, 0, "1"},
        {"dlugi_us_0", us, &SterowanieWydrukiem::set_przelew_us, 0, "0"},
        {"dlugi_us_0_kratki", us, &SterowanieWydrukiem::set_przelew_us, 0, "1"},
    };
    for (const Przypadek& p : przypadki) {
        SCOPED_TRACE(p.nazwa);
        zapisz_ini(kUstPrzelewIni, "opcje_wydrukow", "kratki", p.kratki);
        SterowanieWydrukiem s;
        (s.*p.set)(p.t);
        RecordingCanvas rys;
        s.steruj_drukowanie(rys, p.pozycja);
        const std::vector<Slowo> w = slowa(drukuj(s, p.pozycja, std::string(p.nazwa) + ".pdf"));
        sprawdz_pola(w, pola_wierszy(rys), slowa_formularza(rys));
        std::string wszystko;
        for (const Slowo& x : w)
            if (x.strona == 0) wszystko += x.tekst;
        if (std::string(p.kratki) == "1") {
            EXPECT_NE(wszystko.find("*99999999,99"), std::string::npos) << wszystko;  // one asterisk left
        } else {
            EXPECT_NE(wszystko.find("**99999999,99"), std::string::npos) << wszystko;
        }
        if (p.t.p_w == 1) {
            EXPECT_NE(wszystko.find("DZI*DZI*DZI*DZI*DZI*DZI*DZI*DZI*ZŁDZI*DZI*GR"), std::string::npos)
                << wszystko;
        }
    }
}

// A statement of 1 200 orders of a billion złoty with long names: at 300 dpi and at the printer's
// high resolution as well as through the 600 dpi PDF writer, every row number, date and amount is
// whole and inside its cell; names and titles are cut inside theirs and the cut is marked.
TEST_F(Pdf, StatementKeepsEveryDigitAtEveryResolution) {
    std::vector<WierszZestawienia> wiersze;
    for (int i = 1; i <= 1200; ++i)
        wiersze.push_back({i, "Przedsiębiorstwo Wielobranżowe Odbiorca nr " + std::to_string(i),
                           "Biuro Rachunkowe Ćma",
                           "Faktura VAT " + std::to_string(i) + "/2026 za usługi księgowe", "2026-12-04",
                           Currency::from_grosze(100000000000 + i)});
    TParZbiorowka par;
    par.data_od = par.data_do = "2026-12-04";
    par.suma = "1200000000000,00";
    SterowanieWydrukiem s;
    s.set_zest_przel(wiersze, par);
    KolumnyRaportu kolumny;
    kolumny_zestawienia_1(kolumny);
    constexpr double kLewo = 25.4 * (0.5 + 0.02), kTol = 0.15;  // the region's left edge, the cells' inset

    const auto sprawdz = [&](const std::string& plik) {
        const std::vector<Slowo> w = slowa(plik);
        const std::regex liczba("[0-9]+"), koncowka("0[0-9][0-9],[0-9][0-9]");
        std::set<int> numery;
        int daty = 0, kwoty = 0, uciete = 0;
        for (const Slowo& x : w) {
            // Above the rows: the page number, the title lines on page 1, the column captions.
            if (x.y1 < 25.4 * (x.strona == 0 ? 1.6 : 1.1)) continue;
            if (x.x1 < kLewo + 8 && std::regex_match(x.tekst, liczba)) numery.insert(std::stoi(x.tekst));
            if (x.tekst == "2026-12-04") ++daty;
            if (std::regex_match(x.tekst, koncowka)) ++kwoty;
            if (x.tekst.find("…") != std::string::npos) ++uciete;
            // The column the word starts in: it must end inside it.
            for (const TReportColumn& k : kolumny.kolumny()) {
                const double od = kLewo + 25.4 * k.kol_lewo, do_ = od + 25.4 * (k.kol_szerokosc - 0.04);
                if (x.x1 >= od - kTol && x.x1 <= do_) {
                    EXPECT_LE(x.x2, do_ + kTol) << "„" << x.tekst << "” in " << k.kol_opis;
                    break;
                }
            }
        }
        EXPECT_EQ(numery.size(), 1200u);
        EXPECT_EQ(*numery.begin(), 1);
        EXPECT_EQ(*numery.rbegin(), 1200);
        EXPECT_EQ(daty, 1200);
        EXPECT_EQ(kwoty, 1200);   // each "1 000 000 000,NN" ends in its whole last group
        EXPECT_GE(uciete, 2400);  // the payee and the title of every row
    };
    {
        SCOPED_TRACE("QPdfWriter 600 dpi");
        sprawdz(drukuj(s, 0, "zestawienie_600.pdf"));
    }
    struct Drukarka {
        const char* nazwa;
        QPrinter::PrinterMode tryb;
        int dpi;
    };
    for (const Drukarka& d : {Drukarka{"zestawienie_300.pdf", QPrinter::ScreenResolution, 300},
                              Drukarka{"zestawienie_wysoka.pdf", QPrinter::HighResolution, 0}}) {
        SCOPED_TRACE(d.nazwa);
        QPrinter printer(d.tryb);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(folder.file(d.nazwa)));
        printer.setPageSize(QPageSize(QPageSize::A4));
        if (d.dpi) printer.setResolution(d.dpi);
        app::drukuj_na_drukarce(s, 0, printer);
        if (const char* out = std::getenv("ZLX_PRINT_OUT"))
            std::filesystem::copy_file(folder.file(d.nazwa), std::string(out) + "/" + d.nazwa,
                                       std::filesystem::copy_options::overwrite_existing);
        sprawdz(folder.file(d.nazwa));
    }
}

// A page range chosen in the printer dialog prints those pages only; the paper chosen is used.
TEST_F(Pdf, PrinterPaperAndPageRangeAreFollowed) {
    std::vector<TPrzelew> lista(5, test::demo_bankowy());
    for (std::size_t i = 0; i < lista.size(); ++i)
        lista[i].tytulem = "Strona " + std::to_string(i + 1);
    SterowanieWydrukiem s;
    s.set_przelew_lista(lista);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const std::string plik = folder.file("zakres.pdf");
    printer.setOutputFileName(QString::fromStdString(plik));
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setFromTo(2, 3);
    app::drukuj_na_drukarce(s, 0, printer);
    const std::string info = uruchom("pdfinfo '" + plik + "'");
    EXPECT_NE(info.find("Pages:           2"), std::string::npos) << info;
    EXPECT_NE(info.find("612 x 792 pts (letter)"), std::string::npos) << info;
    const std::string tekst = uruchom("pdftotext '" + plik + "' -");
    EXPECT_EQ(tekst.find("STRONA 1"), std::string::npos);
    EXPECT_NE(tekst.find("STRONA 2"), std::string::npos);
    EXPECT_NE(tekst.find("STRONA 3"), std::string::npos);
    EXPECT_EQ(tekst.find("STRONA 4"), std::string::npos);
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
