// The counterparty card: what it shows, what it gives back, and what it refuses.

#include "app/registers/kthprz_detail_form.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QUrl>

#include "app/core/services.h"
#include "tests/app/support/screen_test.h"
#include "tests/app/support/scripted_dialogs.h"
#include "tests/db/db_fixture.h"

namespace zlx::app {
namespace {

class Karta : public ::testing::Test {
  protected:
    test::NewDatabase db;
    test::ScriptedDialogs dialogs;
    test::ScriptedScreens screens;
    Services services{dialogs, screens, db.cn, db.ds};

    static QLineEdit& edit(QWidget& w, const char* nazwa) {
        return *w.findChild<QLineEdit*>(QString::fromLatin1(nazwa));
    }
    static TPrzKth zapisany() {
        TPrzKth k;
        k.ID1 = 7;
        k.skrot = "ABC";
        k.nazwa = "ABC sp. z o.o.";
        k.kod = "00-950";
        k.Miejscowosc = "Łódź";
        k.ulica = "ul. Długa 5";
        k.Rachunek1 = "111";
        k.Rachunek2 = "222";
        k.domyslnekonto = 1;
        k.PlatnikVAT = 1;
        k.pesel = "carried";
        k.grupa = 3;
        k.znacznik = 4;
        k.lk2 = "12";
        return k;
    }
};

TEST_F(Karta, DiscountIsRoundedToTwoDecimalsBySaving) {
    for (auto [stored, expected] : {std::pair{123456, 123500}, std::pair{125000, 125000}}) {
        TPrzKth k = zapisany();
        k.rabat = Currency::from_raw(stored);
        Tkthprz_detail_frm card(services);
        card.set_kth(k);
        ASSERT_TRUE(test::show_offscreen(card));
        test::press(Qt::Key_Return, Qt::ControlModifier);
        EXPECT_EQ(card.result(), QDialog::Accepted);
        EXPECT_EQ(card.get_kth().rabat, Currency::from_raw(expected)) << stored;
    }
}

TEST_F(Karta, StoredRecordIsShownAndCarriedFieldsComeBackUnchanged) {
    Tkthprz_detail_frm card(services);
    card.set_kth(zapisany());
    ASSERT_TRUE(test::show_offscreen(card));
    EXPECT_EQ(card.windowTitle(), QStringLiteral("Kontrahent -  karta"));
    EXPECT_EQ(edit(card, "kodpoczt_edt").text(), QStringLiteral("00-950"));
    EXPECT_TRUE(card.findChild<QRadioButton*>(QStringLiteral("domyslne2_rb"))->isChecked());
    EXPECT_TRUE(card.findChild<QCheckBox*>(QStringLiteral("platnik_vat_chk"))->isChecked());
    EXPECT_FALSE(card.findChild<QCheckBox*>(QStringLiteral("platnik_vat_chk"))->isVisible());
    edit(card, "bank1_edt").setText(QStringLiteral("  PKO  "));
    edit(card, "konto2_edt").setText(QStringLiteral(" 333 "));
    edit(card, "nazwa_edt").setText(QStringLiteral(" z blankami "));
    card.findChild<QRadioButton*>(QStringLiteral("domyslne1_rb"))->setChecked(true);
    test::button(card, QStringLiteral("Zapisz [CTRL+ENTER]"))->click();

    TPrzKth expected = zapisany();
    expected.W_banku1 = "PKO";
    expected.Rachunek2 = "333";
    expected.nazwa = " z blankami ";  // typed texts are kept as typed
    expected.domyslnekonto = 0;
    EXPECT_EQ(card.get_kth(), expected);
}

TEST_F(Karta, NewCardStartsEmptyAndAnEmptyPostcodeIsStoredEmpty) {
    TPrzKth k;
    k.grupa = 5;
    Tkthprz_detail_frm card(services);
    card.set_kth(k);
    ASSERT_TRUE(test::show_offscreen(card));
    EXPECT_TRUE(card.findChild<QRadioButton*>(QStringLiteral("domyslne1_rb"))->isChecked());
    edit(card, "skrot_edt").setText(QStringLiteral("X"));
    test::button(card, QStringLiteral("Zapisz [CTRL+ENTER]"))->click();
    EXPECT_EQ(card.get_kth().kod, "");
    EXPECT_EQ(card.get_kth().grupa, 5);
    EXPECT_EQ(card.get_kth().rabat, Currency());
    EXPECT_EQ(card.get_kth().PlatnikVAT, 0);
}

TEST_F(Karta, BlankShortNameIsRefusedAndEscLeaves) {
    Tkthprz_detail_frm card(services);
    ASSERT_TRUE(test::show_offscreen(card));
    edit(card, "skrot_edt").setText(QStringLiteral("   "));
    test::press(Qt::Key_Return, Qt::ControlModifier);
    EXPECT_TRUE(card.isVisible());
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].title, QStringLiteral("Nie można zapisać - błędne dane :"));
    EXPECT_EQ(dialogs.shown[0].text, QStringLiteral("Pole Skrót musi byc wypelnione"));
    test::press(Qt::Key_Escape);
    EXPECT_EQ(card.result(), QDialog::Rejected);
}

TEST_F(Karta, MapShowsTheAddressAsTypedAndSaysSoWhenNothingOpensIt) {
    for (const bool browser : {true, false}) {
        SCOPED_TRACE(browser ? "browser" : "no browser");
        dialogs.shown.clear();
        Tkthprz_detail_frm card(services);
        QUrl opened;
        card.set_otworz_adres([&](const QUrl& url) {
            opened = url;
            return browser;
        });
        card.set_kth(zapisany());
        ASSERT_TRUE(test::show_offscreen(card));
        test::button(card, QStringLiteral("Pokaż na mapie"))->click();
        EXPECT_TRUE(opened.isValid());
        EXPECT_EQ(opened.toString(QUrl::FullyEncoded).toStdString(),
                  "https://nominatim.openstreetmap.org/ui/"
                  "search.html?q=ul.%20D%C5%82uga%205+00-950+%C5%81%C3%B3d%C5%BA");
        if (browser) {
            EXPECT_TRUE(dialogs.shown.empty());
        } else {
            ASSERT_EQ(dialogs.shown.size(), 1u);
            EXPECT_TRUE(dialogs.shown[0].text.startsWith(QStringLiteral("Nie można otworzyć mapy")));
        }
    }
}

}  // namespace
}  // namespace zlx::app
