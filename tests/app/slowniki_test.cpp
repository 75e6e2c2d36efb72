// The dictionaries and the own companies driven as a user drives them, on a real database.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableView>
#include <QTest>

#include "app/core/services.h"
#include "app/registers/WalutaMaster_form.h"
#include "app/registers/frmFirmaMaster_form.h"
#include "app/registers/frmSlownikTytulemMaster_form.h"
#include "app/registers/lista_model.h"
#include "app/registers/symbol_form_us_master_form.h"
#include "registers/firma_my_store.h"
#include "registers/slowniki.h"
#include "tests/app/support/screen_test.h"
#include "tests/app/support/scripted_dialogs.h"
#include "tests/db/db_fixture.h"

namespace zlx::app {
namespace {

class EkranySlownikow : public ::testing::Test {
  protected:
    test::NewDatabase db;
    test::ScriptedDialogs dialogs;
    test::ScriptedScreens screens;
    Services services{dialogs, screens, db.cn, db.ds};

    static QTableView& siatka(QWidget& w) { return *w.findChild<QTableView*>(QStringLiteral("siatka")); }
    static ListaModel& model(QWidget& w) { return *static_cast<ListaModel*>(siatka(w).model()); }
    static QStringList kolumna(QWidget& w, const std::string& pole) {
        QStringList out;
        for (int r = 0; r < model(w).rowCount(); ++r)
            out << model(w).tekst(r, pole);
        return out;
    }
    static QString biezacy(QWidget& w, const std::string& pole) {
        return model(w).tekst(siatka(w).currentIndex().row(), pole);
    }
    static void na_wiersz(QWidget& w, const std::string& pole, const QString& tekst) {
        for (int r = 0; r < model(w).rowCount(); ++r)
            if (model(w).tekst(r, pole) == tekst) siatka(w).setCurrentIndex(model(w).index(r, 1));
    }
    // Gives the list back the focus after a card, as the end of a modal card does.
    static void wroc(QWidget& w) { ASSERT_TRUE(test::show_offscreen(w)); }
    static QLineEdit& edit(QWidget& w, const char* nazwa) {
        return *w.findChild<QLineEdit*>(QString::fromLatin1(nazwa));
    }
    std::int32_t firma(const std::string& nazwa, const std::string& nip = "") {
        TPrzKth f;
        f.nazwa = nazwa;
        f.skrot = nazwa.substr(0, 3);
        f.nip = nip;
        f.Rachunek1 = nazwa + " 1";
        f.Rachunek2 = nazwa + " 2";
        EXPECT_TRUE(save_firma_my(db.ds, f));
        return f.ID1;
    }
    std::vector<std::int32_t> domyslne_firmy() {
        std::vector<std::int32_t> out;
        auto rs = db.ds.open_sql("SELECT ID1 FROM my WHERE mdomyslnafirma=1");
        for (rs->first(); !rs->eof(); rs->next())
            out.push_back(rs->int_value("ID1"));
        return out;
    }
};

TEST_F(EkranySlownikow, AktywnaLeavesExactlyOneDefaultCompany) {
    const std::int32_t a = firma("Alfa");
    const std::int32_t b = firma("Beta");
    set_domyslna_firma(db.ds, a);
    TfrmFirmaMaster screen(services);
    ASSERT_TRUE(test::show_offscreen(screen));
    EXPECT_EQ(screen.windowTitle(), QStringLiteral("Firma"));
    EXPECT_FALSE(model(screen).data(model(screen).index(0, 1), Qt::DecorationRole).value<QIcon>().isNull())
        << "the default company is marked";

    na_wiersz(screen, "mnazwa", QStringLiteral("Beta"));
    dialogs.answers = {false, true};
    test::button(screen, QStringLiteral("Aktywna"))->click();
    EXPECT_EQ(domyslne_firmy(), std::vector<std::int32_t>{a}) << "No changes nothing";
    test::button(screen, QStringLiteral("Aktywna"))->click();
    EXPECT_EQ(domyslne_firmy(), std::vector<std::int32_t>{b});
    EXPECT_EQ(biezacy(screen, "mnazwa"), QStringLiteral("Beta"));
    EXPECT_EQ(dialogs.shown.at(0).title, QStringLiteral("Ustawienia"));
    EXPECT_EQ(dialogs.shown.at(0).text, QStringLiteral("Czy na pewno chcesz ustawić aktywną firmę ?"));
    EXPECT_EQ(get_firma_my(db.ds, 0, kFirmaDomyslna).ID1, b);
}

TEST_F(EkranySlownikow, CompanyAddEditPickAndDelete) {
    firma("Beta", "222");
    TfrmFirmaMaster screen(services);
    screen.set_nazwa_szukana("beta");
    ASSERT_TRUE(test::show_offscreen(screen));
    EXPECT_EQ(screen.findChild<QLabel*>(QStringLiteral("konto2_lbl"))->text(), QStringLiteral("Beta 2"));

    // A new company, stored as typed and not the default; the cursor lands on it.
    screens.on_show = [&](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Nasza Firma"));
        edit(d, "firma_nazwa_edt").setText(QStringLiteral(" Alfa Łódź "));
        edit(d, "firma_konto2_edt").setText(QStringLiteral("99 1090"));
        d.findChild<QRadioButton*>(QStringLiteral("domyslne2_rb"))->setChecked(true);
        test::press(Qt::Key_F10);
        return d.result();
    };
    test::press(Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(kolumna(screen, "mnazwa"), (QStringList{" Alfa Łódź ", "Beta"}));
    EXPECT_EQ(biezacy(screen, "mnazwa"), QStringLiteral(" Alfa Łódź "));
    const TPrzKth nowa = get_firma_my(db.ds, model(screen).klucz(siatka(screen).currentIndex().row()), 0);
    EXPECT_EQ(nowa.domyslnafirma, 0);
    EXPECT_EQ(nowa.domyslnekonto, 1);
    EXPECT_EQ(konto_kth(nowa).rachunek, "99 1090");

    // Ctrl+Enter edits; the card shows the stored record.
    wroc(screen);
    screens.on_show = [&](QDialog& d) {
        EXPECT_EQ(edit(d, "firma_konto2_edt").text(), QStringLiteral("99 1090"));
        EXPECT_TRUE(d.findChild<QRadioButton*>(QStringLiteral("domyslne2_rb"))->isChecked());
        edit(d, "firma_nip_edt").setText(QStringLiteral("111"));
        test::button(d, QStringLiteral("Zapisz [F10]"))->click();
        return d.result();
    };
    test::press(Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(get_firma_my(db.ds, nowa.ID1, 0).nip, "111");
    EXPECT_EQ(biezacy(screen, "mnazwa"), QStringLiteral(" Alfa Łódź "));

    // The filter by NIP.
    screen.findChild<QComboBox*>(QStringLiteral("filtr_cmb"))->setCurrentIndex(1);
    edit(screen, "filtr_edt").setText(QStringLiteral("22"));
    EXPECT_EQ(kolumna(screen, "mnazwa"), QStringList{"Beta"});
    edit(screen, "filtr_edt").setText(QStringLiteral("  "));
    EXPECT_EQ(kolumna(screen, "mnazwa").size(), 2);

    // Delete asks first.
    na_wiersz(screen, "mnazwa", QStringLiteral("Beta"));
    dialogs.answers = {true};
    test::button(screen, QStringLiteral("Usuń [CTRL+DEL]"))->click();
    EXPECT_EQ(dialogs.shown.back().title, QStringLiteral("Usuwanie kartoteki"));
    EXPECT_EQ(dialogs.shown.back().text, QStringLiteral("Czy na pewno chcesz usunąć kartotekę ?"));
    EXPECT_EQ(kolumna(screen, "mnazwa"), QStringList{" Alfa Łódź "});

    test::button(screen, QStringLiteral("Użyj [CTRL+INS]"))->click();
    EXPECT_EQ(screen.result(), QDialog::Accepted);
    EXPECT_EQ(screen.get_sel_firma().ID1, nowa.ID1);
}

TEST_F(EkranySlownikow, CompanyCardWithEveryFieldEmptyIsStored) {
    TfrmFirmaMaster screen(services);
    ASSERT_TRUE(test::show_offscreen(screen));
    screens.on_show = [&](QDialog& d) {
        test::button(d, QStringLiteral("Zapisz [F10]"))->click();
        return d.result();
    };
    test::button(screen, QStringLiteral("Dodaj [CTRL+INS]"))->click();
    ASSERT_EQ(model(screen).rowCount(), 1);
    EXPECT_EQ(biezacy(screen, "mnazwa"), QString());
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(EkranySlownikow, CurrencyDomyslnaFlagsOnlyTheChosenOne) {
    TfrmWalutaMaster screen(services);
    ASSERT_TRUE(test::show_offscreen(screen));
    EXPECT_EQ(screen.windowTitle(), QStringLiteral("Waluty"));

    int pokazy = 0;
    screens.on_show = [&](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Waluta"));
        if (pokazy++ == 0) {
            test::press(Qt::Key_Return, Qt::ControlModifier);  // blank: refused
            EXPECT_TRUE(d.isVisible());
            edit(d, "waluta_edt").setText(QStringLiteral("AAA"));
            test::press(Qt::Key_Return, Qt::ControlModifier);
        }
        return d.result();
    };
    test::press(Qt::Key_Insert, Qt::ControlModifier);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].title, QStringLiteral("Nie można zapisać - błędne dane :"));
    EXPECT_EQ(dialogs.shown[0].text, QStringLiteral("Nazwa waluty nie może być pusta"));
    EXPECT_EQ(biezacy(screen, "symbol"), QStringLiteral("AAA"));

    test::button(screen, QStringLiteral("Domyślna"))->click();
    std::vector<TWaluta> waluty;
    get_waluty_list(db.ds, waluty);
    int domyslnych = 0;
    for (const TWaluta& w : waluty) {
        domyslnych += w.domyslna;
        EXPECT_EQ(w.domyslna, w.symbol == "AAA" ? 1 : 0) << w.symbol;
    }
    EXPECT_EQ(domyslnych, 1);
    EXPECT_EQ(biezacy(screen, "symbol"), QStringLiteral("AAA"));
    EXPECT_EQ(dialogs.shown.size(), 1u) << "no question";
    EXPECT_EQ(symbole_walut(waluty).at(static_cast<std::size_t>(pozycja_domyslnej_waluty(waluty))), "AAA")
        << "the transfer screens preselect it";

    // Ctrl+Enter edits here.
    wroc(screen);
    screens.on_show = [&](QDialog& d) {
        EXPECT_EQ(edit(d, "waluta_edt").text(), QStringLiteral("AAA"));
        edit(d, "waluta_edt").setText(QStringLiteral("ABC"));
        test::press(Qt::Key_Return, Qt::ControlModifier);
        return d.result();
    };
    test::press(Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(biezacy(screen, "symbol"), QStringLiteral("ABC"));
    EXPECT_EQ(screen.result(), 0) << "the screen is still open";
}

TEST_F(EkranySlownikow, TaxFormSymbolRefusesABlankSymbol) {
    TfrmSymbolFormUsMaster screen(services);
    ASSERT_TRUE(test::show_offscreen(screen));
    EXPECT_EQ(screen.windowTitle(), QStringLiteral("Symbol formularza Podatki"));
    screens.on_show = [&](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Symbol"));
        EXPECT_EQ(QApplication::focusWidget(), &edit(d, "symbol_edt"));
        edit(d, "symbol_edt").setText(QStringLiteral("  "));
        test::press(Qt::Key_Return, Qt::ControlModifier);
        edit(d, "symbol_edt").setText(QStringLiteral("AAA-1"));
        test::press(Qt::Key_Return, Qt::ControlModifier);
        return d.result();
    };
    test::button(screen, QStringLiteral("Dodaj [CTRL+INS]"))->click();
    EXPECT_EQ(dialogs.texts(), QStringList{"Symbol formularza nie może być pusty"});
    EXPECT_EQ(biezacy(screen, "symbol"), QStringLiteral("AAA-1"));
}

TEST_F(EkranySlownikow, TitleIsAddedFilteredEditedAndPicked) {
    TSlowTyt t{0, "Czynsz", "za lokal", "", ""};
    ASSERT_TRUE(save_slowtyt(db.ds, t));
    TfrmSlownikTytulemMaster screen(services);
    ASSERT_TRUE(test::show_offscreen(screen));
    EXPECT_EQ(screen.windowTitle(), QStringLiteral("Słownik tytułów wpłaty"));
    EXPECT_FALSE(screen.findChild<QComboBox*>(QStringLiteral("filtr_cmb"))->isVisible());

    int pokazy = 0;
    screens.on_show = [&](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Tytułem słownik"));
        if (pokazy++ == 0) {
            edit(d, "tytulemcd_edt").setText(QStringLiteral("tylko druga"));
            test::press(Qt::Key_Return, Qt::ControlModifier);
            edit(d, "tytulem_edt").setText(QStringLiteral("Faktura O'Neil"));
            edit(d, "tytulemcd_edt").clear();
            test::press(Qt::Key_Return, Qt::ControlModifier);
        }
        return d.result();
    };
    test::press(Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(dialogs.texts(), QStringList{"Wypełnij przynajmnien Tytułem"});
    EXPECT_EQ(kolumna(screen, "slow_tytulem"), (QStringList{"Czynsz", "Faktura O'Neil"}));
    EXPECT_EQ(biezacy(screen, "slow_tytulem"), QStringLiteral("Faktura O'Neil"));

    edit(screen, "filtr_edt").setText(QStringLiteral(" cz"));
    EXPECT_EQ(kolumna(screen, "slow_tytulem"), QStringList{"Czynsz"});

    screens.on_show = [&](QDialog& d) {
        EXPECT_EQ(edit(d, "tytulemcd_edt").text(), QStringLiteral("za lokal"));
        edit(d, "tytulemcd_edt").setText(QStringLiteral("za biuro"));
        test::button(d, QStringLiteral("Zapisz [CTRL+ENTER]"))->click();
        return d.result();
    };
    wroc(screen);
    test::press(Qt::Key_F4, Qt::ControlModifier);
    EXPECT_EQ(get_slowtyt(db.ds, t.slow_id).slow_tytulemcd, "za biuro");

    wroc(screen);
    test::press(Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(screen.result(), QDialog::Accepted);
    EXPECT_EQ(screen.get_sel_slowtyt(), (TSlowTyt{t.slow_id, "Czynsz", "za biuro", "", ""}));
}

TEST_F(EkranySlownikow, CardsStayOpenWithWhatWasTypedWhenTheDatabaseRefuses) {
    TfrmSlownikTytulemMaster tytuly(services);
    TfrmFirmaMaster firmy(services);
    db.cn.execute_native("DROP TABLE tb_slowtyt");
    db.cn.execute_native("DROP TABLE my");
    int pokazy = 0;
    screens.on_show = [&](QDialog& d) {
        ++pokazy;
        const char* nazwa =
            d.windowTitle() == QStringLiteral("Nasza Firma") ? "firma_nazwa_edt" : "tytulem_edt";
        edit(d, nazwa).setText(QStringLiteral("Wpisane"));
        for (QAbstractButton* b : d.findChildren<QAbstractButton*>())
            if (b->text().startsWith(QStringLiteral("Zapisz"))) b->click();
        EXPECT_TRUE(d.isVisible()) << d.windowTitle().toStdString();
        EXPECT_EQ(edit(d, nazwa).text(), QStringLiteral("Wpisane"));
        return int(QDialog::Rejected);
    };
    ASSERT_TRUE(test::show_offscreen(tytuly));
    test::button(tytuly, QStringLiteral("Dodaj [CTRL+INS]"))->click();
    ASSERT_TRUE(test::show_offscreen(firmy));
    test::button(firmy, QStringLiteral("Dodaj [CTRL+INS]"))->click();
    EXPECT_EQ(pokazy, 2);
    EXPECT_EQ(db.msgs.errors.size(), 2u) << "each refusal is reported once";
}

TEST_F(EkranySlownikow, PickingFromAnEmptyTitleListGivesAClearedTitle) {
    TfrmSlownikTytulemMaster screen(services);
    ASSERT_TRUE(test::show_offscreen(screen));
    test::button(screen, QStringLiteral("Użyj [CTRL+ENTER]"))->click();
    EXPECT_EQ(screen.result(), QDialog::Accepted);
    EXPECT_EQ(screen.get_sel_slowtyt(), TSlowTyt{});
    TfrmSlownikTytulemMaster again(services);
    ASSERT_TRUE(test::show_offscreen(again));
    test::press(Qt::Key_Escape);
    EXPECT_EQ(again.result(), QDialog::Rejected);
}

}  // namespace
}  // namespace zlx::app
