#include "app/printing/frm_drukuj_zbiorczo_form.h"

#include <gtest/gtest.h>

#include <QButtonGroup>
#include <QCheckBox>
#include <QListWidget>
#include <QPlainTextEdit>

#include "app/printing/drukuj_form.h"
#include "app/printing/wyjscie_wydruku.h"
#include "printing/recording_canvas.h"
#include "tests/app/support/screen_test.h"
#include "tests/app/support/scripted_dialogs.h"
#include "tests/db/db_fixture.h"
#include "tests/printing/demo.h"
#include "transfers/przelew_store.h"

namespace zlx::app {
namespace {

// Counts what a run would print instead of printing it.
struct LiczaceWyjscie : WyjscieWydruku {
    int wydrukow = 0;
    std::size_t tekstow = 0;
    void drukuj(const SterowanieWydrukiem& s, int pozycja, QString&, QWidget*) override {
        RecordingCanvas c;
        s.steruj_drukowanie(c, pozycja);
        ++wydrukow;
        tekstow = c.teksty().size();
    }
    void podglad(const SterowanieWydrukiem&, int, const QString&, QWidget*) override {}
};

class DrukujZbiorczo : public ::testing::Test {
  protected:
    // Stores the orders and returns the list's rows of their keys.
    std::unique_ptr<ResultSet> zapisz(std::vector<TPrzelew> przelewy) {
        for (TPrzelew& t : przelewy)
            EXPECT_TRUE(save_przelew(db.ds, t));
        return db.ds.open_sql("SELECT nr_id FROM kartoteka ORDER BY nr_id");
    }
    test::NewDatabase db;
    test::ScriptedDialogs dialogs;
    test::ScriptedScreens screens;
    Services services{dialogs, screens, db.cn, db.ds};
};

TEST_F(DrukujZbiorczo, CountsEachKindAndOpensThePrintDialogOnTheChosenOne) {
    TPrzelew bank = test::demo_bankowy();
    bank.kwota_money = Currency::from_grosze(5000);
    auto rows = zapisz({test::demo_zus(), bank, test::demo_zus(), test::demo_us()});
    TfrmDrukujZbiorczo f(services);
    f.set_lista_przelewow(*rows);
    ASSERT_TRUE(test::show_offscreen(f));
    EXPECT_EQ(f.findChild<QPlainTextEdit*>()->toPlainText(),
              QStringLiteral("Przelewów Bankowych: 1\nPrzelewów ZUS: 2\nPrzelewów US: 1"));
    // The derived print texts are computed from the stored rows.
    EXPECT_EQ(f.przelewy().bankowe[0].kwota_druk, "**50,00");

    int pozycji = 0;
    screens.on_show = [&](QDialog& d) {
        auto& drukuj = dynamic_cast<Tdrukuj_frm&>(d);
        pozycji = drukuj.findChild<QListWidget*>()->count();
        return QDialog::Rejected;
    };
    f.findChild<QButtonGroup*>()->button(1)->setChecked(true);
    f.findChild<QCheckBox*>(QStringLiteral("kwoty_chk"))->setChecked(false);
    test::press(Qt::Key_F8);
    ASSERT_EQ(screens.opened.size(), 1u);
    EXPECT_EQ(screens.opened[0].class_name, QStringLiteral("zlx::app::Tdrukuj_frm"));
    EXPECT_EQ(pozycji, 2);
    for (const TPrzelew& t : f.przelewy().zus) {
        EXPECT_EQ(t.drukuj_kwote, 0);
        EXPECT_EQ(t.drukuj_date, 1);
    }
    f.reject();
}

TEST_F(DrukujZbiorczo, OnlyZusRowsShowOneLineAndBankPrintsNothing) {
    auto rows = zapisz({test::demo_zus()});
    LiczaceWyjscie wyjscie;
    TfrmDrukujZbiorczo f(services, &wyjscie);
    f.set_lista_przelewow(*rows);
    ASSERT_TRUE(test::show_offscreen(f));
    EXPECT_EQ(f.findChild<QPlainTextEdit*>()->toPlainText(), QStringLiteral("Przelewów ZUS: 1"));
    screens.on_show = [&](QDialog& d) {
        auto& drukuj = dynamic_cast<Tdrukuj_frm&>(d);
        EXPECT_EQ(drukuj.windowTitle(), QStringLiteral("Przelew"));
        drukuj.steruj_drukowanie(0);
        return QDialog::Rejected;
    };
    test::press(Qt::Key_F8);  // "Bankowe" is checked: an empty list
    EXPECT_EQ(wyjscie.wydrukow, 1);
    EXPECT_EQ(wyjscie.tekstow, 0u);  // the run draws no transfer
    f.reject();
}

}  // namespace
}  // namespace zlx::app
