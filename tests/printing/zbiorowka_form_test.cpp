// The collective order screen and the list's "Zbiorówka" and "Zestawienie" buttons, on a real database.

#include "app/transfers/zbiorowka_form.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTableView>

#include "app/printing/drukuj_form.h"
#include "app/registers/frmFirmaMaster_form.h"
#include "app/transfers/przelew_list_master.h"
#include "app/transfers/przelew_list_model.h"
#include "db/gl_ado_ds.h"
#include "db/result_set.h"
#include "printing/recording_canvas.h"
#include "registers/firma_my_store.h"
#include "tests/app/support/screen_test.h"
#include "tests/app/support/scripted_dialogs.h"
#include "tests/db/db_fixture.h"
#include "transfers/przelew_store.h"

namespace zlx::app {
namespace {

class Zbiorowka : public ::testing::Test {
  protected:
    Zbiorowka() {
        TPrzKth f;
        f.nazwa = "Biuro Ćma";
        f.ulica = "Długa 5";
        f.kod = "00-950";
        f.Miejscowosc = "Warszawa";
        f.Rachunek1 = "61109010140000071219812874";
        EXPECT_TRUE(save_firma_my(db.ds, f));
        EXPECT_TRUE(set_domyslna_firma(db.ds, f.ID1));
        firma = f;
    }

    std::int32_t dodaj(std::int64_t grosze, int bufor = 0) {
        TPrzelew p = nowy_przelew();
        p.dost_nazwa = "Odbiorca " + std::to_string(grosze);
        p.kwota_money = Currency::from_grosze(grosze);
        p.data = TDateTime::today();
        p.bufor = bufor;
        EXPECT_TRUE(save_przelew(db.ds, p));
        return p.nr_id;
    }
    std::unique_ptr<ResultSet> kartoteka() {
        return db.ds.open_sql(" select * from kartoteka  order by data,nr_id  asc");
    }
    QLineEdit& pole(QWidget& w, const char* nazwa) {
        return *w.findChild<QLineEdit*>(QString::fromUtf8(nazwa));
    }

    test::NewDatabase db;
    test::ScriptedDialogs dialogs;
    test::ScriptedScreens screens;
    Services services{dialogs, screens, db.cn, db.ds};
    TPrzKth firma;
};

TEST_F(Zbiorowka, ThreeOrdersPrintRowsOneToThreeWithTheirTotalAndTheEditedAccount) {
    dodaj(1000);
    dodaj(2050);
    dodaj(50);
    Tzbiorowka_frm f(services);
    {
        auto rs = kartoteka();
        f.set_ado_zbiorowka(*rs);
    }  // the screen keeps its own copy
    ASSERT_TRUE(test::show_offscreen(f));
    EXPECT_EQ(f.windowTitle(), "Zbiorcze polecenie przelewu");
    EXPECT_EQ(pole(f, "nazwa_edt").text(), "Biuro Ćma");
    EXPECT_EQ(pole(f, "adres_edt").text(), QString::fromStdString(sklej_adres_kth(firma)));
    EXPECT_EQ(pole(f, "rachunek_edt").text(), "61109010140000071219812874");
    EXPECT_EQ(f.findChild<QTableView*>("grid")->model()->rowCount(), 3);

    pole(f, "rachunek_edt").setText("11 2222 3333");
    TParZbiorowka par;
    const std::vector<WierszZbiorowki> w = f.przygotuj(par);
    ASSERT_EQ(w.size(), 3u);
    EXPECT_EQ(w[0].lp, 1);
    EXPECT_EQ(w[2].lp, 3);
    EXPECT_EQ(w[1].kwota, Currency::from_grosze(2050));
    EXPECT_EQ(par.suma, "31,00");
    EXPECT_EQ(par.ilosc, "3");
    EXPECT_EQ(par.rachunek, "11 2222 3333");
    EXPECT_EQ(par.data, TDateTime::today().to_text());
    // The company itself keeps its account.
    EXPECT_EQ(get_firma_my(db.ds, firma.ID1, kFirmaWgKlucza).Rachunek1, "61109010140000071219812874");

    // F8 opens the print dialog in the collective order's mode.
    QStringList pozycje;
    screens.on_show = [&](QDialog& d) {
        if (auto* l = d.findChild<QListWidget*>(QStringLiteral("raporty_lst")))
            for (int i = 0; i < l->count(); ++i)
                pozycje << l->item(i)->text();
        return int(QDialog::Rejected);
    };
    test::press(Qt::Key_F8);
    ASSERT_EQ(screens.opened.size(), 1u);
    EXPECT_EQ(screens.opened[0].class_name, "zlx::app::Tdrukuj_frm");
    EXPECT_EQ(screens.opened[0].caption, "Zbiorówka");
    EXPECT_EQ(pozycje, QStringList{"Zbiorcze polecenie przelewu"});
    ASSERT_TRUE(test::show_offscreen(f));  // back from the print dialog
    test::press(Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(screens.opened.size(), 2u);

    // "Lista [F3]": a company chosen there becomes the payer, with its own account.
    TPrzKth druga;
    druga.nazwa = "Druga Firma";
    druga.Rachunek1 = "83101010230000261395100000";
    ASSERT_TRUE(save_firma_my(db.ds, druga));
    screens.on_show = [](QDialog& d) {
        test::press(Qt::Key_Down);
        dynamic_cast<TfrmFirmaMaster&>(d).uzyj_btnClick();
        return d.result();
    };
    ASSERT_TRUE(test::show_offscreen(f));
    test::press(Qt::Key_F3);
    ASSERT_EQ(screens.opened.size(), 3u);
    EXPECT_EQ(screens.opened[2].class_name, "zlx::app::TfrmFirmaMaster");
    EXPECT_EQ(pole(f, "nazwa_edt").text(), "Druga Firma");
    EXPECT_EQ(pole(f, "rachunek_edt").text(), "83101010230000261395100000");
    EXPECT_EQ(f.wystawiajacy().ID1, druga.ID1);
}

TEST_F(Zbiorowka, EmptySetGivesCountAndTotalOfZero) {
    Tzbiorowka_frm f(services);
    ResultSet pusty({{"nr_id", ColumnKind::integer}, {"kwota_money", ColumnKind::money}});
    f.set_ado_zbiorowka(pusty);
    ASSERT_TRUE(test::show_offscreen(f));
    TParZbiorowka par;
    EXPECT_TRUE(f.przygotuj(par).empty());
    EXPECT_EQ(par.ilosc, "0");
    EXPECT_EQ(par.suma, "0,00");
}

void wybierz(QWidget& lista, const char* przycisk, const char* pozycja) {
    auto* b = lista.findChild<QPushButton*>(QString::fromUtf8(przycisk));
    ASSERT_NE(b, nullptr) << przycisk;
    ASSERT_NE(b->menu(), nullptr);
    for (QAction* a : b->menu()->actions())
        if (a->text() == QString::fromUtf8(pozycja)) {
            a->trigger();
            return;
        }
    ADD_FAILURE() << pozycja;
}

TEST_F(Zbiorowka, ListButtonsHandOnTickedAllOrApprovedRows) {
    const std::int32_t pierwszy = dodaj(1000);
    dodaj(2050, 1);  // not approved
    const std::int32_t trzeci = dodaj(50);
    TPrzelewListMaster_frm lista(services);
    ASSERT_EQ(lista.model().rowCount(), 3);

    wybierz(lista, "zbiorowka_btn", "Zaznaczone");
    wybierz(lista, "zestawienie_btn", "Zaznaczone");
    EXPECT_EQ(dialogs.texts(), (QStringList{"Zaznacz jakieś przelewy", "Zaznacz jakieś przelewy"}));
    EXPECT_TRUE(screens.opened.empty());

    std::vector<WierszZbiorowki> wiersze;
    TParZbiorowka par;
    screens.on_show = [&](QDialog& d) {
        if (auto* z = dynamic_cast<Tzbiorowka_frm*>(&d)) wiersze = z->przygotuj(par);
        return int(QDialog::Rejected);
    };
    wybierz(lista, "zbiorowka_btn", "Zatwierdzone");
    ASSERT_EQ(screens.opened.size(), 1u);
    EXPECT_EQ(screens.opened[0].class_name, "zlx::app::Tzbiorowka_frm");
    EXPECT_EQ(wiersze.size(), 2u);
    EXPECT_EQ(par.suma, "10,50");

    wybierz(lista, "zbiorowka_btn", "Wszystkie");
    EXPECT_EQ(par.suma, "31,00");

    lista.model().zaznacz(lista.model().wiersz(trzeci), true);
    lista.model().zaznacz(lista.model().wiersz(pierwszy), true);
    wybierz(lista, "zbiorowka_btn", "Zaznaczone");
    ASSERT_EQ(wiersze.size(), 2u);
    EXPECT_EQ(wiersze[0].kwota, Currency::from_grosze(1000));
    EXPECT_EQ(par.suma, "10,50");

    QStringList pozycje;
    screens.on_show = [&](QDialog& d) {
        if (auto* l = d.findChild<QListWidget*>(QStringLiteral("raporty_lst")))
            for (int i = 0; i < l->count(); ++i)
                pozycje << l->item(i)->text();
        return int(QDialog::Rejected);
    };
    wybierz(lista, "zestawienie_btn", "Zatwierdzone");
    EXPECT_EQ(screens.opened.back().class_name, "zlx::app::Tdrukuj_frm");
    EXPECT_EQ(screens.opened.back().caption, "Zestawienie");
    EXPECT_EQ(pozycje, (QStringList{"Zestawienie operacji", "Zestawienie operacji wersja 2"}));
}

// Runs every print onto a recording canvas instead of a printer.
struct NagrywaneWyjscie : WyjscieWydruku {
    std::vector<int> strony;
    void drukuj(const SterowanieWydrukiem& s, int pozycja, QString&, QWidget*) override {
        RecordingCanvas c;
        s.steruj_drukowanie(c, pozycja);
        strony.push_back(c.liczba_stron());
    }
    void podglad(const SterowanieWydrukiem& s, int pozycja, const QString& d, QWidget* w) override {
        QString drukarka = d;
        drukuj(s, pozycja, drukarka, w);
    }
};

TEST_F(Zbiorowka, PrintDialogRemembersTheStatementItemAndStaysOpenOnABadBaseFile) {
    const std::vector<WierszZestawienia> wiersze = {{1, "Odbiorca", "Biuro", "Faktura", "2026-03-14", {}}};
    TParZbiorowka par;
    NagrywaneWyjscie wyjscie;
    {
        Tdrukuj_frm f(services, &wyjscie);
        f.set_zest_przel(wiersze, par);
        ASSERT_TRUE(test::show_offscreen(f));
        EXPECT_EQ(f.windowTitle(), "Zestawienie");
        f.findChild<QListWidget*>(QStringLiteral("raporty_lst"))->setCurrentRow(1);
        test::press(Qt::Key_F8);
        EXPECT_EQ(wyjscie.strony, std::vector<int>{1});
        test::press(Qt::Key_Escape);
    }
    {
        Tdrukuj_frm f(services, &wyjscie);
        f.set_zest_przel(wiersze, par);
        ASSERT_TRUE(test::show_offscreen(f));
        EXPECT_EQ(f.wybrana_pozycja(), 1);

        test::write_text(db.file(kProjektBazowy), "[Report1.Page1]\nszerokosc=8.27\nwysokosc=11.69\n");
        test::press(Qt::Key_F9);
        EXPECT_EQ(wyjscie.strony.size(), 1u);
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0].kind, "warning");
        EXPECT_EQ(dialogs.shown[0].text, "Brak odpowiedniego regionu!");
        EXPECT_TRUE(f.isVisible());
    }
}

}  // namespace
}  // namespace zlx::app
