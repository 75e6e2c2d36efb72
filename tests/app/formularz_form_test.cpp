#include "app/transfers/formularz_form.h"

#include <gtest/gtest.h>

#include <chrono>

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

#include "app/core/services.h"
#include "app/printing/drukuj_form.h"
#include "app/registers/kthprz_master_form.h"
#include "app/registers/lista_model.h"
#include "app/transfers/creatorformularz_form.h"
#include "app/transfers/frmDekodujAdres_form.h"
#include "app/transfers/frmOpisZnacznikow_form.h"
#include "core/ini.h"
#include "core/settings.h"
#include "registers/firma_my_store.h"
#include "registers/kontrah_store.h"
#include "registers/slowniki.h"
#include "registers/znaczniki.h"
#include "tests/app/support/screen_test.h"
#include "tests/app/support/scripted_dialogs.h"
#include "tests/db/db_fixture.h"
#include "transfers/przelew_store.h"

namespace zlx::app {
namespace {

class Formularz : public ::testing::Test {
  protected:
    test::NewDatabase db;
    test::ScriptedDialogs dialogs;
    test::ScriptedScreens screens;
    Services services{dialogs, screens, db.cn, db.ds};

    TPrzKth nasza_firma() {
        TPrzKth f;
        f.nazwa = "Nasza Firma";
        f.ulica = "Długa 5";
        f.kod = "00-950";
        f.Miejscowosc = "Warszawa";
        f.skrot = "NF";
        f.Rachunek2 = "61109010140000071219812874";
        f.domyslnekonto = 1;
        EXPECT_TRUE(save_firma_my(db.ds, f));
        EXPECT_TRUE(set_domyslna_firma(db.ds, f.ID1));
        return f;
    }

    TPrzKth kontrahent(const std::string& nazwa) {
        TPrzKth k;
        k.nazwa = nazwa;
        k.ulica = "Polna 1";
        k.kod = "30-001";
        k.Miejscowosc = "Kraków";
        k.skrot = "K";
        k.Rachunek1 = "12102030405060708090001234";
        EXPECT_TRUE(save_kontrah(db.ds, k));
        return k;
    }

    int wierszy() {
        auto rs = db.ds.open_sql("select * from kartoteka");
        return static_cast<int>(rs->record_count());
    }
};

TEST_F(Formularz, NewTransferStartsWithTheDefaultCompanyAndCurrency) {
    nasza_firma();
    zapisz_ini(kPrzelIni, "lokalne", "drukuj_date_bankowy", "1");
    Tformularz_frm f(services);
    f.set_przelew_data(nowy_przelew());
    ASSERT_TRUE(test::show_offscreen(f));
    EXPECT_EQ(f.windowTitle(), "Przelew / Wpłata bankowa");
    EXPECT_EQ(f.wyst_nazwa_edt->text(), "Nasza Firma");
    EXPECT_EQ(f.wyst_rachunek_edt->text(), "61109010140000071219812874");
    EXPECT_EQ(f.wyst_miejscowosc_edt->text(), "Warszawa");
    EXPECT_EQ(f.wyst_skrot_edt->text(), "NF");
    EXPECT_EQ(f.waluta_cmb->currentText(), "PLN");
    EXPECT_EQ(f.data_edt->date(), QDate::currentDate());
    EXPECT_TRUE(f.drukujdate_chbox->isChecked());
    EXPECT_TRUE(f.drukuj_kwote_cmb->isChecked());
    EXPECT_TRUE(f.zatwierdz_check->isChecked());
    EXPECT_TRUE(f.przelew_rbtn->isChecked());
    EXPECT_EQ(f.znacznik_cmb->count(), 21);
    f.uwagi_tekst->setText(QString(248, u'u'));
    f.uwagi_tekst->setFocus();
    test::type_text(QStringLiteral("wxyz"));
    EXPECT_EQ(f.uwagi_tekst->text(), QString(248, u'u') + "wx") << "notes stop at 250 characters typed";
    EXPECT_EQ(f.odbiorca_rachunek_edt->toolTip(), "Rachunek odbiorcy");
    EXPECT_EQ(test::button(f, "+")->toolTip(), "Dodaje bieżący tytuł przelewu do słownika tytułów");
    EXPECT_FALSE(f.odbiorca_nazwacd_edt->isVisible());
}

TEST_F(Formularz, SaveStoresWhatWasTypedAndCloses) {
    const TPrzKth firma = nasza_firma();
    Tformularz_frm f(services);
    f.set_przelew_data(nowy_przelew());
    ASSERT_TRUE(test::show_offscreen(f));
    f.odbiorca_nazwa_edt->setFocus();
    test::type_text(QStringLiteral("Żółć O'Neil"));
    f.odbiorca_rachunek_edt->setText(QStringLiteral("12 1020 3040-5060 7080 9000 1234"));
    f.tytulem_edt->setText(QStringLiteral("Faktura 7"));
    f.kwota_edt->setFocus();
    f.kwota_edt->selectAll();
    test::type_text(QStringLiteral("1 234,5"));
    f.wplata_rbtn->setChecked(true);
    f.zatwierdz_check->setChecked(false);
    f.znacznik_cmb->setCurrentIndex(4);
    test::press(Qt::Key_F10);
    EXPECT_EQ(f.result(), QDialog::Accepted);
    EXPECT_FALSE(f.isVisible());

    const TPrzelew p = load_przelew(db.ds, f.get_przelew_data().nr_id);
    EXPECT_EQ(p.dost_nazwa, "Żółć O'Neil");
    EXPECT_EQ(p.dost_konto, "12 1020 3040-5060 7080 9000 1234");
    EXPECT_EQ(p.kwota_money, Currency::from_grosze(123450));
    EXPECT_EQ(p.id_my, firma.ID1);
    EXPECT_EQ(p.my_adres, "Długa 5 00-950 Warszawa");
    EXPECT_EQ(p.p_w, 1);
    EXPECT_EQ(p.bufor, 1);
    EXPECT_EQ(p.znacznik, 4);
    EXPECT_EQ(p.waluta, "PLN");
    EXPECT_EQ(f.get_przelew_data().dost_konto_cyfry, "12102030405060708090001234");
    EXPECT_EQ(f.get_przelew_data().kwota_druk, "**1234,50");
}

TEST_F(Formularz, PrintHandsTheTypedTransferToThePrintDialogAndStoresNothing) {
    nasza_firma();
    Tformularz_frm f(services);
    f.set_przelew_data(nowy_przelew());
    ASSERT_TRUE(test::show_offscreen(f));
    f.odbiorca_nazwa_edt->setText(QStringLiteral("Łukasz"));
    f.kwota_edt->setText(QStringLiteral("7,05"));
    TPrzelew printed;
    TrybWydruku tryb = TrybWydruku::brak;
    screens.on_show = [&](QDialog& d) {
        auto& druk = dynamic_cast<Tdrukuj_frm&>(d);
        tryb = druk.sterowanie().tryb();
        if (!druk.sterowanie().przelewy().empty()) printed = druk.sterowanie().przelewy().front();
        return static_cast<int>(QDialog::Rejected);
    };
    test::press(Qt::Key_F8);
    ASSERT_EQ(screens.opened.size(), 1u);
    EXPECT_EQ(screens.opened[0].class_name, QStringLiteral("zlx::app::Tdrukuj_frm"));
    EXPECT_EQ(tryb, TrybWydruku::bankowy);
    EXPECT_EQ(printed.dost_nazwa, "Łukasz");
    EXPECT_EQ(printed.kwota_druk, "**7,05");
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(wierszy(), 0);
    test::button(f, QStringLiteral("Drukuj [F8]"))->click();
    EXPECT_EQ(screens.opened.size(), 2u);
    EXPECT_EQ(wierszy(), 0);
}

TEST_F(Formularz, AFailedSaveKeepsTheScreenOpenWithWhatWasTyped) {
    Tformularz_frm f(services);
    f.set_przelew_data(nowy_przelew());
    ASSERT_TRUE(test::show_offscreen(f));
    f.odbiorca_nazwa_edt->setText(QStringLiteral("Nie zginie"));
    db.cn.execute("DROP TABLE kartoteka");
    test::button(f, "Zapisz [F10]")->click();
    EXPECT_FALSE(db.msgs.errors.empty());  // the database layer showed the statement
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(f.odbiorca_nazwa_edt->text(), "Nie zginie");
    test::button(f, "Do cyklicznych")->click();
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(f.get_przelew_data().cykliczne, 0);
    EXPECT_TRUE(dialogs.shown.empty());  // no "added to cyclic" message for what was not stored
}

TEST_F(Formularz, ASaveUnderAnotherInstancesWriteLockShowsWhyAndKeepsTheScreen) {
    Tformularz_frm f(services);
    f.set_przelew_data(nowy_przelew());
    ASSERT_TRUE(test::show_offscreen(f));
    f.odbiorca_nazwa_edt->setText(QStringLiteral("Nie zginie"));
    db.cn.set_busy_timeout(std::chrono::milliseconds(300));
    {
        test::HeldWriteLock lock(db.cn.sciezka());
        test::press(Qt::Key_F10);
    }
    ASSERT_EQ(db.msgs.errors.size(), 1u);
    EXPECT_EQ(db.msgs.errors[0].statement, "BEGIN IMMEDIATE");
    EXPECT_NE(db.msgs.errors[0].detail.find(kBazaZajeta), std::string::npos) << db.msgs.errors[0].detail;
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(f.odbiorca_nazwa_edt->text(), "Nie zginie");
    EXPECT_EQ(f.get_przelew_data().nr_id, 0);
    EXPECT_EQ(wierszy(), 0);
    // Once the other instance is done the same screen stores what was typed.
    test::press(Qt::Key_F10);
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(load_przelew(db.ds, 1).dost_nazwa, "Nie zginie");
}

TEST_F(Formularz, EditingATemplateAndCyclicButtons) {
    TPrzelew szablon = nowy_przelew();
    szablon.dost_nazwa = "Czynsz";
    szablon.cykliczne = 1;
    ASSERT_TRUE(save_przelew(db.ds, szablon));
    {
        Tformularz_frm f(services);
        f.set_przelew_data(load_przelew(db.ds, szablon.nr_id));
        ASSERT_TRUE(test::show_offscreen(f));
        f.kwota_edt->setText(QStringLiteral("99"));
        f.zapisz_btnClick();
        EXPECT_NE(f.get_przelew_data().nr_id, szablon.nr_id);
        EXPECT_EQ(load_przelew(db.ds, f.get_przelew_data().nr_id).cykliczne, 0);
        EXPECT_EQ(load_przelew(db.ds, szablon.nr_id).kwota_money, Currency());
    }
    {
        Tformularz_frm f(services);
        f.set_przelew_data(load_przelew(db.ds, szablon.nr_id));
        ASSERT_TRUE(test::show_offscreen(f));
        f.tytulem_edt->setText(QStringLiteral("zmieniony szablon"));
        f.do_cyklicznych_btnClick();
        EXPECT_EQ(dialogs.texts(), QStringList{"Przelew został dodany do cyklicznych"});
        EXPECT_EQ(f.get_przelew_data().nr_id, szablon.nr_id);
        EXPECT_EQ(load_przelew(db.ds, szablon.nr_id).tytulem, "zmieniony szablon");
    }
    EXPECT_EQ(wierszy(), 2);
}

TEST_F(Formularz, SaveAsNewAndEscape) {
    TPrzelew p = nowy_przelew();
    p.dost_nazwa = "Stary";
    ASSERT_TRUE(save_przelew(db.ds, p));
    {
        Tformularz_frm f(services);
        f.set_przelew_data(load_przelew(db.ds, p.nr_id));
        ASSERT_TRUE(test::show_offscreen(f));
        f.odbiorca_nazwa_edt->setText(QStringLiteral("Nowy"));
        test::press(Qt::Key_Escape);
        EXPECT_EQ(f.result(), QDialog::Rejected);
    }
    EXPECT_EQ(load_przelew(db.ds, p.nr_id).dost_nazwa, "Stary");
    Tformularz_frm f(services);
    f.set_przelew_data(load_przelew(db.ds, p.nr_id));
    ASSERT_TRUE(test::show_offscreen(f));
    f.odbiorca_nazwa_edt->setText(QStringLiteral("Nowy"));
    f.zapisz_jako_nowe_check->setChecked(true);
    f.zapisz_btnClick();
    EXPECT_EQ(load_przelew(db.ds, p.nr_id).dost_nazwa, "Stary");
    EXPECT_EQ(load_przelew(db.ds, f.get_przelew_data().nr_id).dost_nazwa, "Nowy");
    EXPECT_EQ(wierszy(), 2);
}

TEST_F(Formularz, StoredTransferFindsItsPartiesByKeyOrByName) {
    nasza_firma();
    const TPrzKth k = kontrahent("Kowal O'Hara");
    TPrzelew p = nowy_przelew();
    p.dost_nazwa = "Kowal O'Hara";  // typed by hand: found by name
    p.my_nazwa = "Nasza Firma";
    ASSERT_TRUE(save_przelew(db.ds, p));
    Tformularz_frm f(services);
    f.set_przelew_data(load_przelew(db.ds, p.nr_id));
    EXPECT_EQ(f.blok_odbiorcy().ID1, k.ID1);
    EXPECT_EQ(f.blok_wystawiajacego().nazwa, "Nasza Firma");
    ASSERT_TRUE(test::show_offscreen(f));
    // The payee found by name gives its key to the stored transfer.
    f.wyst_nazwa_edt->setText(QStringLiteral("inna"));
    f.zapisz_btnClick();
    const TPrzelew zapisany = load_przelew(db.ds, p.nr_id);
    EXPECT_EQ(zapisany.id_kontrah, k.ID1);
    EXPECT_EQ(zapisany.my_nazwa, "inna");
}

TEST_F(Formularz, SwapTwiceRestoresTheControls) {
    nasza_firma();
    Tformularz_frm f(services);
    f.set_przelew_data(nowy_przelew());
    ASSERT_TRUE(test::show_offscreen(f));
    f.odbiorca_nazwa_edt->setText(QStringLiteral("Odbiorca"));
    f.odbiorca_rachunek_edt->setText(QStringLiteral("111"));
    test::button(f, "Zamień konta")->click();
    EXPECT_EQ(f.odbiorca_nazwa_edt->text(), "Nasza Firma");
    EXPECT_EQ(f.wyst_nazwa_edt->text(), "Odbiorca");
    EXPECT_EQ(f.wyst_rachunek_edt->text(), "111");
    EXPECT_EQ(f.wyst_skrot_edt->text(), "NF");
    test::button(f, "Zamień konta")->click();
    EXPECT_EQ(f.odbiorca_nazwa_edt->text(), "Odbiorca");
    EXPECT_EQ(f.wyst_rachunek_edt->text(), "61109010140000071219812874");
}

TEST_F(Formularz, PlusAddsTheTitleToTheDictionary) {
    Tformularz_frm f(services);
    f.set_przelew_data(nowy_przelew());
    ASSERT_TRUE(test::show_offscreen(f));
    f.tytulem_edt->setText(QStringLiteral("   "));
    test::button(f, "+")->click();
    EXPECT_EQ(dialogs.texts(), QStringList{"Przynajmniej Tytułem musi być wypełnione"});
    f.tytulem_edt->setText(QStringLiteral("Czynsz "));
    f.tytulemcd_edt->setText(QStringLiteral("za marzec"));
    test::button(f, "+")->click();
    EXPECT_EQ(dialogs.texts().last(), "Tytuł został dodany do słownika");
    auto rs = db.ds.open_sql("select * from tb_slowtyt where slow_tytulem='Czynsz '");
    ASSERT_EQ(rs->record_count(), 1u);
    EXPECT_EQ(rs->text("slow_tytulemcd"), "za marzec");
}

TEST_F(Formularz, ClosingRemembersPrintDate) {
    Tformularz_frm f(services);
    f.set_przelew_data(nowy_przelew());
    ASSERT_TRUE(test::show_offscreen(f));
    EXPECT_FALSE(f.drukujdate_chbox->isChecked());
    f.drukujdate_chbox->setChecked(true);
    f.reject();
    EXPECT_EQ(czytaj_ini(kPrzelIni, "lokalne", "drukuj_date_bankowy", ""), "1");
    EXPECT_EQ(wierszy(), 0);
}

TEST_F(Formularz, DecoderFillsThePayeeAndTitle) {
    Tformularz_frm f(services);
    f.set_przelew_data(nowy_przelew());
    ASSERT_TRUE(test::show_offscreen(f));
    screens.on_show = [](QDialog& d) {
        auto& dek = dynamic_cast<TfrmDekodujAdres&>(d);
        EXPECT_EQ(dek.windowTitle(), "Dekodowanie adresu");
        dek.tekst_memo->setPlainText(
            QStringLiteral("Jan Nowak\nul. Leśna 2\n80-001 Gdańsk\n12102030405060708090001234\n9876\njanek"));
        dek.allegro_chbox->setChecked(true);
        dek.dekoduj_btnClick();
        dek.odbiorca_nazwa_edt->setText(QStringLiteral("Jan Nowak-Kowalski"));  // corrected by hand
        return int(QDialog::Accepted);
    };
    f.dekoduj_adres_odb_btnClick();
    EXPECT_EQ(f.odbiorca_nazwa_edt->text(), "Jan Nowak-Kowalski");
    EXPECT_EQ(f.odb_adres_edt->text(), "ul. Leśna 2");
    EXPECT_EQ(f.odbiorca_kodpocz_edt->text(), "80-001");
    EXPECT_EQ(f.odb_miejscowosc->text(), "Gdańsk");
    EXPECT_EQ(f.odbiorca_rachunek_edt->text(), "12102030405060708090001234");
    EXPECT_EQ(f.tytulem_edt->text(), "Zapłata za aukcję: 9876");
    EXPECT_EQ(f.tytulemcd_edt->text(), "Nick: janek");
}

TEST_F(Formularz, MarkerDescriptionsAreWrittenWhenLeftOrClosed) {
    TfrmOpisZnacznikow screen(services);
    screen.set_kategoria(kZnacznikiPrzelewow);
    ASSERT_TRUE(test::show_offscreen(screen));
    ASSERT_GE(screen.siatka->rowCount(), 3);
    EXPECT_EQ(screen.windowTitle(), "Znaczniki");
    EXPECT_FALSE(screen.siatka->item(0, 0)->flags() & Qt::ItemIsEditable);
    screen.siatka->setCurrentCell(0, 1);
    screen.siatka->item(0, 1)->setText(QStringLiteral("Pilne"));
    screen.siatka->setCurrentCell(1, 1);  // leaving the row writes it
    const int nr0 = screen.siatka->item(0, 0)->data(Qt::UserRole).toInt();
    const int nr2 = screen.siatka->item(2, 0)->data(Qt::UserRole).toInt();
    const auto opis = [&](int nr) {
        for (const auto& o : get_opis_znacznikow(db.ds, kZnacznikiPrzelewow))
            if (o.nr_znacznika == nr) return o.opis_znacznika;
        return std::string("?");
    };
    EXPECT_EQ(opis(nr0), "Pilne");
    screen.siatka->setCurrentCell(2, 1);
    screen.siatka->item(2, 1)->setText(QStringLiteral("Żądanie"));
    test::button(screen, "Zamknij")->click();
    EXPECT_EQ(opis(nr2), "Żądanie");
    EXPECT_EQ(get_opis_znacznikow(db.ds, 0).front().opis_znacznika.find("Pilne"), std::string::npos);
}

TEST_F(Formularz, WizardGeneratesOneTransferPerChosenCounterparty) {
    nasza_firma();
    std::vector<std::int32_t> klucze;
    for (const char* n : {"Pierwszy", "Drugi", "Trzeci"})
        klucze.push_back(kontrahent(n).ID1);
    Tcreatorformularz_frm w(services);
    w.set_przelew_data(nowy_przelew());
    w.set_lista_kth(klucze);
    ASSERT_TRUE(test::show_offscreen(w));
    EXPECT_EQ(w.odbiorca_nazwa_edt->text(), "<firma z listy>");
    EXPECT_EQ(w.wyst_nazwa_edt->text(), "Nasza Firma");
    EXPECT_FALSE(w.uwagi_tekst->isVisible());
    w.tytulem_edt->setText(QStringLiteral("Składka"));
    w.kwota_edt->setText(QStringLiteral("15,00"));
    test::press(Qt::Key_F10);
    EXPECT_EQ(dialogs.texts(), QStringList{"Koniec"});
    EXPECT_TRUE(w.isVisible());
    auto rs = db.ds.open_sql("select * from kartoteka order by nr_id");
    ASSERT_EQ(rs->record_count(), 3u);
    for (std::size_t i = 0; i < 3; ++i, rs->next()) {
        EXPECT_EQ(rs->int_value("id_kontrah"), klucze[i]);
        EXPECT_EQ(rs->text("tytulem"), "Składka");
        EXPECT_EQ(rs->text("my_nazwa"), "Nasza Firma");
        EXPECT_EQ(rs->text("dost_konto"), "12102030405060708090001234");
    }
    EXPECT_EQ(w.get_przelew_data().dost_nazwa, "Trzeci");
}

TEST_F(Formularz, RegisterOpensTheWizardForTheTickedCounterparties) {
    nasza_firma();
    kontrahent("Pierwszy");
    kontrahent("Drugi");
    kontrahent("Trzeci");
    Tkthprz_master_frm rejestr(services);
    ASSERT_TRUE(test::show_offscreen(rejestr));
    test::button(rejestr, "Generuj Bankowy")->click();
    EXPECT_EQ(dialogs.texts(), QStringList{"Zaznacz jakiś kontrahentów"});
    EXPECT_TRUE(screens.opened.empty());

    auto* model =
        qobject_cast<ListaModel*>(rejestr.findChild<QTableView*>(QStringLiteral("siatka"))->model());
    ASSERT_TRUE(model);
    ASSERT_GE(model->rowCount(), 3);
    model->zaznacz(0, true);
    model->zaznacz(2, true);
    const std::vector<std::int32_t> klucze = {model->klucz(0), model->klucz(2)};
    screens.on_show = [](QDialog& d) {
        auto& w = dynamic_cast<Tcreatorformularz_frm&>(d);
        w.kwota_edt->setText(QStringLiteral("5"));
        w.generuj_btnClick();
        return int(QDialog::Accepted);
    };
    test::button(rejestr, "Generuj Bankowy")->click();
    ASSERT_EQ(screens.opened.size(), 1u);
    EXPECT_EQ(screens.opened[0].class_name, "zlx::app::Tcreatorformularz_frm");
    EXPECT_EQ(dialogs.texts().last(), "Koniec");
    auto rs = db.ds.open_sql("select * from kartoteka order by nr_id");
    ASSERT_EQ(rs->record_count(), 2u);
    for (const std::int32_t k : klucze) {
        EXPECT_EQ(rs->int_value("id_kontrah"), k);
        rs->next();
    }
}

TEST_F(Formularz, CalculatorSaysSoWhenNoneIsInstalled) {
    // A PATH with no program on it: no desktop calculator can be found.
    test::TempFolder empty;
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QByteArray::fromStdString(empty.path()));
    Tformularz_frm screen(services);
    screen.set_przelew_data(nowy_przelew());
    ASSERT_TRUE(test::show_offscreen(screen));
    test::press(Qt::Key_F5);
    qputenv("PATH", path);
    EXPECT_EQ(dialogs.texts(), QStringList{"Nie znaleziono programu kalkulatora"});
}

}  // namespace
}  // namespace zlx::app
