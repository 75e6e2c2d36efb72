#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "app/core/services.h"
#include "app/printing/drukuj_form.h"
#include "app/registers/frmFirmaMaster_form.h"
#include "app/transfers/formularz_podatki.h"
#include "app/transfers/formularz_zus.h"
#include "app/transfers/przelew_list_master.h"
#include "core/ini.h"
#include "core/settings.h"
#include "registers/firma_my_store.h"
#include "registers/slowniki.h"
#include "tests/app/support/screen_test.h"
#include "tests/app/support/scripted_dialogs.h"
#include "tests/db/db_fixture.h"
#include "transfers/przelew_store.h"

namespace zlx::app {
namespace {

TDateTime dzien(int y, int m, int d) {
    return TDateTime::from_ymd(y, m, d);
}

// Picks the list item as the user does, which fires the change handlers.
void wybierz(QComboBox* c, int pozycja) {
    c->setCurrentIndex(pozycja);
    emit c->activated(pozycja);
}

QStringList pozycje(const QComboBox* c) {
    QStringList l;
    for (int i = 0; i < c->count(); ++i)
        l << c->itemText(i);
    return l;
}

class FormularzUsZus : public ::testing::Test {
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
        f.nip = "5261040828";
        f.Regon = "012100784";
        f.pesel = "80010112345";
        f.notatki = "Płatnik składek od 2019";
        f.Rachunek1 = "61109010140000071219812874";
        EXPECT_TRUE(save_firma_my(db.ds, f));
        EXPECT_TRUE(set_domyslna_firma(db.ds, f.ID1));
        return f;
    }

    int wierszy() {
        auto rs = db.ds.open_sql("select * from kartoteka");
        return static_cast<int>(rs->record_count());
    }
};

TEST_F(FormularzUsZus, NewTaxTransferDefaultsFollowToday) {
    nasza_firma();
    struct Case {
        TDateTime dzis;
        QString nr_okresu, rok;
    };
    // In January the previous month is December of the previous year.
    for (const Case& c : {Case{dzien(2026, 3, 10), "02", "26"}, Case{dzien(2026, 1, 15), "12", "25"}}) {
        SCOPED_TRACE(c.dzis.to_text());
        Tformularz_podatki_frm f(services, c.dzis);
        f.set_przelew_data(nowy_przelew());
        ASSERT_TRUE(test::show_offscreen(f));
        EXPECT_EQ(f.windowTitle(), "Podatki");
        EXPECT_EQ(f.typ_okresu_cmb->currentText(), "M-Miesiąc");
        EXPECT_EQ(f.nr_okresu_edt->count(), 12);
        EXPECT_EQ(f.nr_okresu_edt->currentText(), c.nr_okresu);
        EXPECT_EQ(f.rok_okres_edt->currentText(), c.rok) << "the year list reaches this year";
        EXPECT_EQ(f.rok_okres_edt->itemText(0), "05");
        EXPECT_EQ(f.identyfikator_uzup_cmb->currentText(), "N-Nip");
        EXPECT_EQ(f.identyfikator_edt->text(), "5261040828");
        EXPECT_EQ(f.Nip_edt->text(), "5261040828");
        EXPECT_EQ(f.wyst_nazwa_edt->text(), "Nasza Firma");
        EXPECT_EQ(f.wyst_nazwacd_edt->text(), "Długa 5");
        EXPECT_EQ(f.wyst_rachunek_edt->text(), "61109010140000071219812874");
    }
}

TEST_F(FormularzUsZus, PeriodTypeLoadsItsNumbersAndIdentifierTypeRefillsBoxNine) {
    nasza_firma();
    Tformularz_podatki_frm f(services, dzien(2026, 3, 10));
    f.set_przelew_data(nowy_przelew());
    ASSERT_TRUE(test::show_offscreen(f));

    f.typ_okresu_cmb->setCurrentIndex(4);  // D-Dekada
    EXPECT_EQ(f.nr_okresu_edt->count(), 36);
    EXPECT_EQ(pozycje(f.nr_okresu_edt).mid(0, 4), (QStringList{"0101", "0201", "0301", "0102"}));
    EXPECT_EQ(f.nr_okresu_edt->itemText(35), "0312");
    EXPECT_EQ(f.nr_okresu_edt->currentText(), "");
    f.typ_okresu_cmb->setCurrentIndex(5);  // J-Dzień
    EXPECT_EQ(f.nr_okresu_edt->count(), 0);
    EXPECT_EQ(f.nr_okresu_lbl->text(), "Nr Okresu DDMM");
    f.typ_okresu_cmb->setCurrentIndex(0);  // R-Rok
    EXPECT_EQ(f.nr_okresu_edt->count(), 0);
    EXPECT_EQ(f.nr_okresu_lbl->text(), "Nr Okresu");
    f.typ_okresu_cmb->setCurrentIndex(2);  // K-Kwartał
    EXPECT_EQ(pozycje(f.nr_okresu_edt), (QStringList{"01", "02", "03", "04"}));

    f.identyfikator_edt->setText(QStringLiteral("wpisane ręcznie"));
    wybierz(f.identyfikator_uzup_cmb, 1);  // R-Regon
    EXPECT_EQ(f.identyfikator_edt->text(), "012100784");
    wybierz(f.identyfikator_uzup_cmb, 2);  // P-Pesel
    EXPECT_EQ(f.identyfikator_edt->text(), "80010112345");
    wybierz(f.identyfikator_uzup_cmb, 3);  // 1-dowód osobisty
    EXPECT_EQ(f.identyfikator_edt->text(), "");
}

TEST_F(FormularzUsZus, StoredTaxTransferReopensWithItsPeriodAndADeletedSymbol) {
    TPrzelew p = nowy_przelew();
    p.rodzaj_przelewu = kPrzelewPodatkowy;
    p.dost_nazwa = "Urząd Skarbowy Kraków-Krowodrza";
    p.dost_adres_ulica = "ul. Lubelska 13";
    p.tytulem = "zachowany tytuł";
    p.us_typokresu = "K";
    p.us_nrokresu = "03";
    p.us_rokokresu = "24";
    p.us_typiduzup = "P";
    p.us_iduzup = "80010112345";
    p.us_symbolformularza = "ZZ-99";  // not in the dictionary any more
    p.us_identyfikacjazobowiazania = "decyzja 7/2024";
    ASSERT_TRUE(save_przelew(db.ds, p));

    Tformularz_podatki_frm f(services, dzien(2026, 3, 10));
    f.set_przelew_data(load_przelew(db.ds, p.nr_id));
    ASSERT_TRUE(test::show_offscreen(f));
    EXPECT_EQ(f.typ_okresu_cmb->currentText(), "K-Kwartał");
    EXPECT_EQ(f.nr_okresu_edt->currentText(), "03");
    EXPECT_EQ(f.rok_okres_edt->currentText(), "24");
    EXPECT_EQ(f.identyfikator_uzup_cmb->currentText(), "P-Pesel");
    EXPECT_EQ(f.identyfikator_edt->text(), "80010112345") << "showing the type keeps the stored value";
    EXPECT_EQ(f.symbol_formularza_cmb->currentText(), "ZZ-99");
    EXPECT_TRUE(pozycje(f.symbol_formularza_cmb).contains("VAT-7")) << "the dictionary is listed";
    EXPECT_FALSE(pozycje(f.symbol_formularza_cmb).contains("ZZ-99"));
    EXPECT_EQ(f.odbiorca_nazwacd_edt->text(), "ul. Lubelska 13");

    f.zapisz_btnClick();
    EXPECT_EQ(f.result(), QDialog::Accepted);
    const TPrzelew z = load_przelew(db.ds, p.nr_id);
    EXPECT_EQ(z.us_typokresu, "K");
    EXPECT_EQ(z.us_nrokresu, "03");
    EXPECT_EQ(z.us_rokokresu, "24");
    EXPECT_EQ(z.us_symbolformularza, "ZZ-99");
    EXPECT_EQ(z.us_typiduzup, "P");
    EXPECT_EQ(z.tytulem, "zachowany tytuł");
    EXPECT_EQ(z.rodzaj_przelewu, kPrzelewPodatkowy);
    EXPECT_EQ(wierszy(), 1);
}

TEST_F(FormularzUsZus, TaxPrintHandsTheUnsavedRecordOverAndRemembersTheDateBox) {
    nasza_firma();
    Tformularz_podatki_frm f(services, dzien(2026, 3, 10));
    f.set_przelew_data(nowy_przelew());
    ASSERT_TRUE(test::show_offscreen(f));
    f.odbiorca_nazwa_edt->setFocus();
    test::press(Qt::Key_F8);
    ASSERT_EQ(screens.opened.size(), 1u);
    EXPECT_EQ(screens.opened[0].class_name, "zlx::app::Tdrukuj_frm");
    EXPECT_EQ(f.get_przelew_data().rodzaj_przelewu, kPrzelewPodatkowy);
    f.w.drukujdate_chbox->setChecked(true);
    f.reject();
    EXPECT_EQ(wierszy(), 0) << "printing stores nothing";
    EXPECT_EQ(czytaj_ini(kPrzelIni, "lokalne", "drukuj_date_podatki", ""), "1");
}

TEST_F(FormularzUsZus, NewZusTransferDeclarationAndIdentifiers) {
    nasza_firma();
    struct Case {
        TDateTime dzis;
        QString miesiac, rok;
    };
    // The previous calendar month, also on the first days of a month that follows a short one.
    for (const Case& c : {Case{dzien(2026, 3, 15), "02", "2026"}, Case{dzien(2026, 1, 2), "12", "2025"},
                          Case{dzien(2026, 3, 1), "02", "2026"}, Case{dzien(2026, 5, 1), "04", "2026"}}) {
        SCOPED_TRACE(c.dzis.to_text());
        Tformularz_zus_frm f(services, c.dzis);
        f.set_przelew_data(nowy_przelew());
        ASSERT_TRUE(test::show_offscreen(f));
        EXPECT_EQ(f.windowTitle(), "Zus");
        EXPECT_EQ(f.zus_deklaracja2_cmb->currentText(), c.miesiac);
        EXPECT_EQ(f.zus_deklaracja1_cmb->currentText(), c.rok);
        EXPECT_EQ(f.zus_deklaracja1_cmb->itemText(f.zus_deklaracja1_cmb->count() - 1), "2028");
        EXPECT_EQ(f.zus_nrdeklaracji_edt->text(), "01");
        EXPECT_EQ(f.zus_iduzup_cmb->currentText(), "R-Regon");
        EXPECT_EQ(f.zus_numeriduzup_edt->text(), "012100784");
        EXPECT_EQ(f.Nip_edt->text(), "5261040828");
        EXPECT_EQ(f.wyst_nazwacd_edt->text(), "Długa 5 00-950 Warszawa");
        EXPECT_EQ(f.w.uwagi_tekst->text(), "") << "notes are copied only when the setting says so";
    }
}

TEST_F(FormularzUsZus, ZusAccountPaymentTypeAndIdentifierAreStoredAndShownAgain) {
    nasza_firma();
    std::vector<TKontaZus> konta;
    ASSERT_GE(get_konta_zus_list(db.ds, konta), 3);
    Tformularz_zus_frm f(services, dzien(2026, 3, 15));
    f.set_przelew_data(nowy_przelew());
    ASSERT_TRUE(test::show_offscreen(f));
    wybierz(f.zus_iduzup_cmb, 0);  // N-NUSP
    EXPECT_EQ(f.zus_numeriduzup_edt->text(), "5261040828");
    wybierz(f.zus_iduzup_cmb, 3);  // 1-Dowód odobisty
    EXPECT_EQ(f.zus_numeriduzup_edt->text(), "");
    f.zus_numeriduzup_edt->setText(QStringLiteral(" ABC123456 "));
    wybierz(f.konta_zus_cmb, 2);
    wybierz(f.zus_typwplaty_cmb, 7);
    EXPECT_EQ(f.zus_typwplaty_cmb->currentText(), "B-Dodatkowa opłata ");
    f.w.kwota_edt->setText(QStringLiteral("1 234,56"));
    f.zapisz_btnClick();
    ASSERT_EQ(f.result(), QDialog::Accepted);

    const TKontaZus trzecie = get_konto_zus(db.ds, 2);
    const TPrzelew z = load_przelew(db.ds, f.get_przelew_data().nr_id);
    EXPECT_EQ(z.rodzaj_przelewu, kPrzelewZus);
    EXPECT_EQ(z.zus_cel, 2);
    EXPECT_EQ(z.dost_konto, trzecie.konto_zus);
    EXPECT_FALSE(z.dost_konto.empty());
    EXPECT_EQ(z.tytulem, trzecie.opis_konta);
    EXPECT_EQ(z.dost_nazwa, "Zakład Ubezpieczeń Społecznych");
    EXPECT_EQ(z.zus_typwplaty, "B");
    EXPECT_EQ(z.zus_iduzup, "1");
    EXPECT_EQ(z.zus_numeriduzup, "ABC123456");
    EXPECT_EQ(z.zus_deklaracja2, "02");
    EXPECT_EQ(z.zus_deklaracja1, "2026");
    EXPECT_EQ(z.id_my, 0) << "the ZUS screen leaves the party keys alone";
    EXPECT_EQ(z.kwota_money, Currency::from_grosze(123456));

    Tformularz_zus_frm g(services, dzien(2026, 5, 20));
    g.set_przelew_data(z);
    ASSERT_TRUE(test::show_offscreen(g));
    EXPECT_EQ(g.konta_zus_cmb->currentIndex(), 2);
    EXPECT_EQ(g.zus_typwplaty_cmb->currentIndex(), 7);
    EXPECT_EQ(g.zus_iduzup_cmb->currentText(), "1-Dowód odobisty");
    EXPECT_EQ(g.zus_numeriduzup_edt->text(), "ABC123456");
    EXPECT_EQ(g.zus_deklaracja2_cmb->currentText(), "02") << "a stored declaration wins over today's";
    EXPECT_EQ(g.zus_deklaracja1_cmb->currentText(), "2026");
}

TEST_F(FormularzUsZus, PickedCompanyNotesReplaceTypedNotesWhenSet) {
    nasza_firma();
    zapisz_ini(kUstPrzelewIni, "opcje_wydrukow", "przenos_uwagi_do_zus", "1");
    Tformularz_zus_frm f(services, dzien(2026, 3, 15));
    f.set_przelew_data(nowy_przelew());
    ASSERT_TRUE(test::show_offscreen(f));
    EXPECT_EQ(f.w.uwagi_tekst->text(), "Płatnik składek od 2019");
    f.w.uwagi_tekst->setText(QStringLiteral("wpisane"));
    f.zus_numeriduzup_edt->clear();
    screens.on_show = [](QDialog& d) {
        dynamic_cast<TfrmFirmaMaster&>(d).uzyj_btnClick();
        return d.result();
    };
    f.lista_firm_wlasnych_btnClick();
    EXPECT_EQ(f.w.uwagi_tekst->text(), "Płatnik składek od 2019");
    EXPECT_EQ(f.zus_numeriduzup_edt->text(), "012100784") << "box 08 follows the picked company";
}

TEST_F(FormularzUsZus, ListAddsAndEditsByKindAndStartModesOpenTheScreens) {
    nasza_firma();
    TPrzelewListMaster_frm lista(services);
    screens.on_show = [](QDialog& d) {
        if (auto* zus = dynamic_cast<Tformularz_zus_frm*>(&d)) zus->zapisz_btnClick();
        if (auto* us = dynamic_cast<Tformularz_podatki_frm*>(&d)) us->zapisz_btnClick();
        return d.result();
    };
    test::button(lista, "ZUS")->click();
    const std::int32_t zus = lista.biezacy_klucz();
    EXPECT_EQ(load_przelew(db.ds, zus).rodzaj_przelewu, kPrzelewZus);
    test::button(lista, "Podatki")->click();
    const std::int32_t us = lista.biezacy_klucz();
    EXPECT_EQ(load_przelew(db.ds, us).rodzaj_przelewu, kPrzelewPodatkowy);
    ASSERT_EQ(screens.opened.size(), 2u);
    EXPECT_EQ(screens.opened[0].caption, "Zus");
    EXPECT_EQ(screens.opened[1].caption, "Podatki");

    screens.on_show = [](QDialog&) { return int(QDialog::Rejected); };
    ASSERT_TRUE(lista.lokalizuj(zus));
    lista.edytuj_btnClick();
    ASSERT_TRUE(lista.lokalizuj(us));
    lista.edytuj_btnClick();
    ASSERT_EQ(screens.opened.size(), 4u);
    EXPECT_EQ(screens.opened[2].class_name, "zlx::app::Tformularz_zus_frm");
    EXPECT_EQ(screens.opened[3].class_name, "zlx::app::Tformularz_podatki_frm");

    for (const auto& [tryb, klasa] :
         {std::pair{2, "zlx::app::Tformularz_zus_frm"}, std::pair{3, "zlx::app::Tformularz_podatki_frm"}}) {
        screens.opened.clear();
        TPrzelewListMaster_frm start(services);
        start.set_tryb_startu(tryb);
        ASSERT_TRUE(test::show_offscreen(start));
        ASSERT_TRUE(QTest::qWaitFor([&] { return !screens.opened.empty(); })) << tryb;
        ASSERT_EQ(screens.opened.size(), 1u) << tryb;
        EXPECT_EQ(screens.opened[0].class_name, klasa);
    }
}

}  // namespace
}  // namespace zlx::app
