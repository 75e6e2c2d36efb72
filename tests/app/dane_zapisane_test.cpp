// Stored values longer than a screen's limits, or not fitting its postcode mask, come back from an
// open + save byte for byte; what the user types still stops at the limits and the mask.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "app/core/services.h"
#include "app/export/ProfilExp_detail_form.h"
#include "app/registers/frmSlownikTytulemMaster_form.h"
#include "app/registers/kthprz_detail_form.h"
#include "app/registers/kthprz_master_form.h"
#include "app/registers/nasza_firma_uni.h"
#include "app/transfers/formularz_form.h"
#include "app/transfers/formularz_podatki.h"
#include "app/transfers/formularz_zus.h"
#include "core/text.h"
#include "export/profilexp_store.h"
#include "registers/firma_my_store.h"
#include "registers/kontrah_store.h"
#include "registers/slowniki.h"
#include "tests/app/support/screen_test.h"
#include "tests/app/support/scripted_dialogs.h"
#include "tests/db/db_fixture.h"
#include "transfers/przelew_store.h"

namespace zlx::app {
namespace {

// Returns n characters of Polish text (two bytes for some of them), so that a cut by bytes shows too.
std::string dlugi(std::size_t n) {
    const QString wzor = QStringLiteral("Zażółć gęślą jaźń 0123456789 ");
    QString t;
    while (static_cast<std::size_t>(t.size()) < n)
        t += wzor;
    return t.left(static_cast<qsizetype>(n)).toStdString();
}

QLineEdit& edit(QWidget& w, const char* nazwa) {
    auto* e = w.findChild<QLineEdit*>(QString::fromLatin1(nazwa));
    EXPECT_TRUE(e) << nazwa;
    return *e;
}

// Puts the cursor at the end of the edit and types there.
void dopisz(QLineEdit& e, const QString& tekst) {
    e.setFocus();
    e.end(false);
    test::type_text(tekst);
}

class DaneZapisane : public ::testing::Test {
  protected:
    test::NewDatabase db;
    test::ScriptedDialogs dialogs;
    test::ScriptedScreens screens;
    Services services{dialogs, screens, db.cn, db.ds};

    // Opens the counterparty through the register's "Edytuj [F4]" and saves the card untouched.
    TPrzKth otworz_i_zapisz_kontrahenta(const TPrzKth& k) {
        Tkthprz_master_frm rejestr(services);
        rejestr.set_nazwa_szukana(k.nazwa);
        EXPECT_TRUE(test::show_offscreen(rejestr));
        screens.on_show = [](QDialog& d) {
            test::button(d, QStringLiteral("Zapisz [CTRL+ENTER]"))->click();
            return d.result();
        };
        test::press(Qt::Key_F4);
        EXPECT_EQ(screens.opened.size(), 1u);
        return get_kontrah(db.ds, k.ID1);
    }
};

TEST_F(DaneZapisane, CounterpartyCardKeepsLongStoredValuesAndStopsTypingAtTheLimit) {
    TPrzKth k;
    k.skrot = dlugi(130);
    k.nazwa = dlugi(152);
    k.ulica = dlugi(120);
    k.nip = "PL 725-18-44-310 / UE 1";
    ASSERT_TRUE(save_kontrah(db.ds, k));
    const TPrzKth po = otworz_i_zapisz_kontrahenta(k);
    EXPECT_EQ(po.skrot, k.skrot);
    EXPECT_EQ(po.nazwa, k.nazwa);
    EXPECT_EQ(po.ulica, k.ulica);
    EXPECT_EQ(po.nip, k.nip);

    Tkthprz_detail_frm karta(services);
    karta.set_kth(po);
    ASSERT_TRUE(test::show_offscreen(karta));
    QLineEdit& nazwa = edit(karta, "nazwa_edt");
    EXPECT_EQ(nazwa.text().toStdString(), k.nazwa) << "shown whole";
    dopisz(nazwa, QStringLiteral("x"));
    EXPECT_EQ(nazwa.text().toStdString(), k.nazwa) << "a longer text cannot grow";
    test::press(Qt::Key_Backspace);
    test::press(Qt::Key_Backspace);
    test::press(Qt::Key_Backspace);
    test::type_text(QStringLiteral("abc"));
    EXPECT_EQ(nazwa.text().size(), 150) << "typing stops at the limit once it is shorter";

    QLineEdit& nip = edit(karta, "nip_edt");
    nip.clear();
    dopisz(nip, QStringLiteral("PL 725-18-44-310 / UE 1"));
    EXPECT_EQ(nip.text(), QStringLiteral("PL 725-18-44-310 / ")) << "19 characters typed";
}

TEST_F(DaneZapisane, PostcodeThatDoesNotFitTheMaskIsKeptUntilTheUserEditsIt) {
    int n = 0;
    for (const char* kod : {"D-10115", "00950", "00-950", ""}) {
        SCOPED_TRACE(kod);
        TPrzKth k;
        k.skrot = "K";
        k.nazwa = "Firma " + std::to_string(++n);
        k.kod = kod;
        ASSERT_TRUE(save_kontrah(db.ds, k));
        screens.opened.clear();
        EXPECT_EQ(otworz_i_zapisz_kontrahenta(k).kod, kod);

        Tkthprz_detail_frm karta(services);
        karta.set_kth(k);
        ASSERT_TRUE(test::show_offscreen(karta));
        QLineEdit& pole = edit(karta, "kodpoczt_edt");
        if (*kod) {
            EXPECT_EQ(pole.text().toStdString(), kod) << "shown as stored";
        }
    }

    // Once the user types, the mask applies.
    TPrzKth k;
    k.ID1 = 99;
    k.skrot = "K";
    k.kod = "D-10115";
    Tkthprz_detail_frm karta(services);
    karta.set_kth(k);
    ASSERT_TRUE(test::show_offscreen(karta));
    QLineEdit& pole = edit(karta, "kodpoczt_edt");
    pole.setFocus();
    pole.selectAll();
    test::type_text(QStringLiteral("30001"));
    EXPECT_FALSE(pole.inputMask().isEmpty());
    test::button(karta, QStringLiteral("Zapisz [CTRL+ENTER]"))->click();
    EXPECT_EQ(karta.get_kth().kod, "30-001");
}

TEST_F(DaneZapisane, OwnCompanyCardKeepsLongStoredValuesAndStopsTypingAtTheLimit) {
    TPrzKth f;
    f.nazwa = dlugi(260);
    f.kod = "D-10115";
    f.nip = "PL 725-18-44-310 / UE 1";
    f.Miejscowosc = dlugi(60);
    f.Rachunek1 = "PL61 1090 1014 0000 0712 1981 2874 (główne, od 2019 roku w oddziale)";
    f.notatki = dlugi(456);
    ASSERT_TRUE(save_firma_my(db.ds, f));
    {
        Tnasza_firma_frm karta(services);
        karta.set_sel_item(get_firma_my(db.ds, f.ID1, 0));
        ASSERT_TRUE(test::show_offscreen(karta));
        test::button(karta, QStringLiteral("Zapisz [F10]"))->click();
        EXPECT_EQ(karta.result(), QDialog::Accepted);
    }
    const TPrzKth po = get_firma_my(db.ds, f.ID1, 0);
    EXPECT_EQ(po.nazwa, f.nazwa);
    EXPECT_EQ(po.kod, f.kod);
    EXPECT_EQ(po.nip, f.nip);
    EXPECT_EQ(po.Miejscowosc, f.Miejscowosc);
    EXPECT_EQ(po.Rachunek1, f.Rachunek1);
    EXPECT_EQ(po.notatki, f.notatki);

    // The notes memo: a longer stored text cannot grow; a shorter one stops at 400.
    Tnasza_firma_frm karta(services);
    karta.set_sel_item(po);
    ASSERT_TRUE(test::show_offscreen(karta));
    auto* uwagi = karta.findChild<QPlainTextEdit*>(QStringLiteral("firma_uwagi_mem"));
    ASSERT_TRUE(uwagi);
    uwagi->setFocus();
    uwagi->moveCursor(QTextCursor::End);
    test::type_text(QStringLiteral("xyz"));
    EXPECT_EQ(uwagi->toPlainText().toStdString(), f.notatki);
    uwagi->setPlainText(QString::fromStdString(dlugi(398)));
    uwagi->moveCursor(QTextCursor::End);
    test::type_text(QStringLiteral("xyz"));
    EXPECT_EQ(uwagi->toPlainText().size(), 400);
    EXPECT_TRUE(uwagi->toPlainText().endsWith(QStringLiteral("xy")));
}

TEST_F(DaneZapisane, TitleDictionaryCardKeepsLongStoredTitles) {
    TSlowTyt t{0, dlugi(140), dlugi(120), "", ""};
    ASSERT_TRUE(save_slowtyt(db.ds, t));
    TfrmSlownikTytulemDetail karta(services);
    karta.set_sel_item(get_slowtyt(db.ds, t.slow_id));
    ASSERT_TRUE(test::show_offscreen(karta));
    test::button(karta, QStringLiteral("Zapisz [CTRL+ENTER]"))->click();
    EXPECT_EQ(get_slowtyt(db.ds, t.slow_id), t);
}

TEST_F(DaneZapisane, ExportProfileCardKeepsAStoredFileLimitItCannotShow) {
    TProfilExp p = nowy_profilexp();
    p.prof_nazwa = "Bank";
    p.prof_maks_w_pliku = "1000000";
    ASSERT_TRUE(save_profilexp(db.ds, p));
    TProfilExp_detail_frm karta(services);
    karta.set_profil(get_profilexp(db.ds, p.prof_id));
    ASSERT_TRUE(test::show_offscreen(karta));
    karta.zapisz_btnClick();
    EXPECT_EQ(get_profilexp(db.ds, p.prof_id).prof_maks_w_pliku, "1000000");
}

// Opens the stored transfer on its entry screen and saves it untouched; returns the stored notes.
template <class Ekran>
std::string zapisz_bez_zmian(const Services& services, TGlAdoDs_mod& ds, std::int32_t nr_id) {
    Ekran ekran(services);
    ekran.set_przelew_data(load_przelew(ds, nr_id));
    EXPECT_TRUE(test::show_offscreen(ekran));
    QLineEdit& uwagi = edit(ekran, "uwagi_tekst");
    dopisz(uwagi, QStringLiteral("x"));
    ekran.zapisz_btnClick();
    EXPECT_EQ(ekran.result(), QDialog::Accepted);
    return load_przelew(ds, nr_id).uwagi_tekst;
}

TEST_F(DaneZapisane, EntryScreensKeepLongStoredNotes) {
    struct Case {
        int rodzaj;
        std::string (*zapisz)(const Services&, TGlAdoDs_mod&, std::int32_t);
    };
    const Case cases[] = {
        {kPrzelewBankowy, &zapisz_bez_zmian<Tformularz_frm>},
        {kPrzelewZus, &zapisz_bez_zmian<Tformularz_zus_frm>},
        {kPrzelewPodatkowy, &zapisz_bez_zmian<Tformularz_podatki_frm>},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rodzaj);
        TPrzelew p = nowy_przelew();
        p.rodzaj_przelewu = c.rodzaj;
        p.uwagi_tekst = dlugi(300);
        ASSERT_TRUE(save_przelew(db.ds, p));
        EXPECT_EQ(c.zapisz(services, db.ds, p.nr_id), p.uwagi_tekst);
    }
}

}  // namespace
}  // namespace zlx::app
