#include "app/printing/drukuj_form.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QListWidget>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTimer>

#include "app/printing/wydruk_qt.h"

#include "core/ini.h"
#include "core/settings.h"
#include "printing/recording_canvas.h"
#include "tests/app/support/screen_test.h"
#include "tests/app/support/scripted_dialogs.h"
#include "tests/db/db_fixture.h"
#include "tests/printing/demo.h"
#include "tests/support/temp_folder.h"

namespace zlx::app {
namespace {

// Runs every print onto a recording canvas instead of a printer.
struct NagrywaneWyjscie : WyjscieWydruku {
    struct Wydruk {
        int cel;
        int pozycja;
        Orientacja orientacja;
        int strony;
    };
    std::vector<Wydruk> wydruki;
    void zapisz(const SterowanieWydrukiem& s, int cel, int pozycja) {
        RecordingCanvas c;
        s.steruj_drukowanie(c, pozycja);
        wydruki.push_back({cel, pozycja, c.zapisy().front().orientacja, c.liczba_stron()});
    }
    void drukuj(const SterowanieWydrukiem& s, int pozycja, QString& drukarka, QWidget*) override {
        zapisz(s, 0, pozycja);
        drukarka = QStringLiteral("Biuro_HP");
    }
    void podglad(const SterowanieWydrukiem& s, int pozycja, const QString&, QWidget*) override {
        zapisz(s, 1, pozycja);
    }
};

class DrukujForm : public ::testing::Test {
  protected:
    QListWidget& lista(Tdrukuj_frm& f) { return *f.findChild<QListWidget*>(QStringLiteral("raporty_lst")); }
    test::TempProgramFolder folder;
    test::ScriptedDialogs dialogs;
    test::ScriptedScreens screens;
    test::RecordingMessages messages;
    TGlAdoCn_mod cn{messages};
    TGlAdoDs_mod ds{cn, messages};
    Services services{dialogs, screens, cn, ds};
    NagrywaneWyjscie wyjscie;
};

TEST_F(DrukujForm, PrintsTheChosenLayoutWithItsOrientationAndRemembersIt) {
    {
        Tdrukuj_frm f(services, &wyjscie);
        f.set_przelew(test::demo_bankowy());
        ASSERT_TRUE(test::show_offscreen(f));
        EXPECT_EQ(f.windowTitle(), QStringLiteral("Przelew"));
        ASSERT_EQ(lista(f).count(), 7);
        EXPECT_EQ(f.wybrana_pozycja(), 0);
        lista(f).setCurrentRow(4);
        test::press(Qt::Key_F8);
        lista(f).setCurrentRow(0);
        test::press(Qt::Key_F9);
        ASSERT_EQ(wyjscie.wydruki.size(), 2u);
        EXPECT_EQ(wyjscie.wydruki[0].cel, 0);
        EXPECT_EQ(wyjscie.wydruki[0].orientacja, Orientacja::pozioma);
        EXPECT_EQ(wyjscie.wydruki[1].cel, 1);
        EXPECT_EQ(wyjscie.wydruki[1].orientacja, Orientacja::pionowa);
        EXPECT_TRUE(f.isVisible());  // the dialog stays open after a run
        lista(f).setCurrentRow(2);
        test::press(Qt::Key_Escape);
        EXPECT_FALSE(f.isVisible());
    }
    EXPECT_EQ(czytaj_ini(kStanFormatekIni, "drukuj_frm", "1", ""), "2");
    EXPECT_EQ(czytaj_ini(kStanFormatekIni, "Drukara", "Domyslna", ""), "Biuro_HP");

    Tdrukuj_frm bank(services, &wyjscie);
    bank.set_przelew(test::demo_bankowy());
    ASSERT_TRUE(test::show_offscreen(bank));
    EXPECT_EQ(bank.wybrana_pozycja(), 2);
    EXPECT_EQ(bank.drukarka(), QStringLiteral("Biuro_HP"));
    bank.reject();
    Tdrukuj_frm us(services, &wyjscie);
    us.set_przelew_us(test::demo_us());
    ASSERT_TRUE(test::show_offscreen(us));
    EXPECT_EQ(us.wybrana_pozycja(), 0);  // a tax transfer has its own remembered item
    EXPECT_EQ(lista(us).item(1)->text(), QStringLiteral("Przelew US nadruk 2 kopie - na formularzu"));
    us.reject();
}

TEST_F(DrukujForm, ListModeOffersFourItemsAndPrintsOnePagePerTransfer) {
    std::vector<TPrzelew> przelewy(3, test::demo_bankowy());
    Tdrukuj_frm f(services, &wyjscie);
    f.set_przelew_lista(przelewy);
    ASSERT_TRUE(test::show_offscreen(f));
    EXPECT_EQ(lista(f).count(), 4);
    test::press(Qt::Key_F8);
    ASSERT_EQ(wyjscie.wydruki.size(), 1u);
    EXPECT_EQ(wyjscie.wydruki[0].strony, 3);
    f.reject();
}

TEST_F(DrukujForm, BadSettingIsToldInABoxAndTheDialogStaysOpen) {
    zapisz_ini(kUstPrzelewIni, "marginesy", "bankowy_nadruk_top", "");
    Tdrukuj_frm f(services, &wyjscie);
    f.set_przelew(test::demo_bankowy());
    ASSERT_TRUE(test::show_offscreen(f));
    lista(f).setCurrentRow(1);
    test::press(Qt::Key_F8);
    EXPECT_TRUE(wyjscie.wydruki.empty());
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, QStringLiteral("warning"));
    EXPECT_TRUE(dialogs.shown[0].text.contains(QStringLiteral("bankowy_nadruk_top")));
    EXPECT_TRUE(dialogs.shown[0].text.contains(QStringLiteral("„Marginesy bank. nadruk”")));
    EXPECT_TRUE(f.isVisible());
    f.reject();
}

TEST_F(DrukujForm, PreviewOpensMaximisedAtFullSizeWithEveryPage) {
    std::vector<TPrzelew> przelewy(2, test::demo_bankowy());
    SterowanieWydrukiem s;
    s.set_przelew_lista(przelewy);
    QPrinter drukarka;
    bool sprawdzony = false;
    QTimer::singleShot(0, [&] {
        auto* podglad = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(podglad, nullptr);
        EXPECT_TRUE(podglad->windowState() & Qt::WindowMaximized);
        auto* widok = podglad->findChild<QPrintPreviewWidget*>();
        ASSERT_NE(widok, nullptr);
        EXPECT_DOUBLE_EQ(widok->zoomFactor(), 1.0);
        EXPECT_EQ(widok->pageCount(), 2);
        sprawdzony = true;
        podglad->reject();
    });
    pokaz_podglad(s, 0, drukarka, nullptr);
    EXPECT_TRUE(sprawdzony);
}

}  // namespace
}  // namespace zlx::app
