#include <gtest/gtest.h>

#include <QComboBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QTest>

#include <filesystem>

#include "app/core/services.h"
#include "app/export/ProfilExp_detail_form.h"
#include "app/export/frmListaProfiliExportu_form.h"
#include "db/result_set.h"
#include "export/lista_profili.h"
#include "export/profilexp_store.h"
#include "tests/app/support/screen_test.h"
#include "tests/app/support/scripted_dialogs.h"
#include "tests/db/db_fixture.h"
#include "tests/export/przelewy.h"
#include "transfers/przelew_store.h"

namespace zlx::app {
namespace {

template <class W>
W* child(QWidget& screen, const char* name) {
    W* w = screen.findChild<W*>(QString::fromLatin1(name));
    if (!w) ADD_FAILURE() << "no control " << name;
    return w;
}

QString text(QWidget& screen, const char* name) {
    return child<QLineEdit>(screen, name)->text();
}

class ExportScreens : public ::testing::Test {
  protected:
    TProfilExp profil(const std::string& nazwa) {
        TProfilExp p = nowy_profilexp();
        p.prof_nazwa = nazwa;
        p.prof_katalog_out = db.file("out/");
        p.prof_nazwa_stala = "przelewy.txt";
        p.prof_rodzaj_formatu = 3;
        p.prof_rodzaj_kodowania = 1;
        EXPECT_TRUE(save_profilexp(db.ds, p));
        return p;
    }

    test::NewDatabase db;
    test::ScriptedDialogs dialogs;
    test::ScriptedScreens screens;
    Services services{dialogs, screens, db.cn, db.ds};
};

TEST_F(ExportScreens, CardShowsTheProfileAndStoresTheControls) {
    TProfilExp p = profil("PKO");
    p.prof_opis = "opis";
    p.prof_rodzaj_nazwy_pliku = 1;
    p.prof_nazwa_gen_rozsz = "pli";
    p.prof_rodzaj_kodowania = 2;
    p.prof_rodzaj_formatu = 1;
    p.prof_maks_w_pliku = "250";
    p.prof_rodzaj_daty = 1;
    p.prof_data_do_wczytania = TDateTime::from_ymd(2026, 4, 1);
    p.prof_katalog_arch = "/archiwum/";  // carried through untouched
    TProfilExp_detail_frm card(services);
    card.set_profil(p);
    ASSERT_TRUE(test::show_offscreen(card));
    EXPECT_EQ(text(card, "nazwa_edt"), QStringLiteral("PKO"));
    EXPECT_EQ(text(card, "katalog_edt").toStdString(), db.file("out/"));
    EXPECT_TRUE(child<QRadioButton>(card, "generowana_rb")->isChecked());
    EXPECT_EQ(child<QComboBox>(card, "kodowanie_cb")->currentText(), QStringLiteral("ISO 8859-2"));
    EXPECT_EQ(child<QComboBox>(card, "bank_cb")->currentText(), QStringLiteral("Bank Śląski"));
    EXPECT_EQ(child<QSpinBox>(card, "maks_sed")->value(), 250);
    EXPECT_TRUE(child<QRadioButton>(card, "data_wystawienia_rb")->isChecked());
    EXPECT_EQ(child<QDateEdit>(card, "data_dtp")->date(), QDate(2026, 4, 1));

    child<QLineEdit>(card, "nazwa_edt")->setFocus();
    test::press(Qt::Key_A, Qt::ControlModifier);
    test::type_text(QStringLiteral(" Bank Śląski "));
    child<QComboBox>(card, "bank_cb")->setCurrentIndex(2);
    child<QComboBox>(card, "kodowanie_cb")->setCurrentIndex(3);
    child<QRadioButton>(card, "stala_rb")->setChecked(true);
    child<QRadioButton>(card, "ustaw_date_rb")->setChecked(true);
    child<QSpinBox>(card, "maks_sed")->setValue(0);
    test::press(Qt::Key_Return, Qt::ControlModifier);

    EXPECT_EQ(card.result(), QDialog::Accepted);
    const TProfilExp stored = get_profilexp(db.ds, p.prof_id);
    EXPECT_EQ(stored.prof_nazwa, " Bank Śląski ");  // untrimmed
    EXPECT_EQ(stored.prof_rodzaj_formatu, 2);
    EXPECT_EQ(stored.prof_rodzaj_kodowania, 3);
    EXPECT_EQ(stored.prof_rodzaj_nazwy_pliku, 0);
    EXPECT_EQ(stored.prof_rodzaj_daty, 0);
    EXPECT_EQ(stored.prof_maks_w_pliku, "0");
    EXPECT_EQ(stored.prof_nazwa_gen_rozsz, "pli");
    EXPECT_EQ(stored.prof_katalog_arch, "/archiwum/");
    EXPECT_EQ(stored.prof_data_do_wczytania, TDateTime::from_ymd(2026, 4, 1));
    EXPECT_EQ(card.get_profil().prof_nazwa, stored.prof_nazwa);
}

TEST_F(ExportScreens, CardRefusesABlankNameAndKeepsTheUsersDataOnAFailedSave) {
    TProfilExp_detail_frm card(services);
    ASSERT_TRUE(test::show_offscreen(card));
    EXPECT_EQ(child<QComboBox>(card, "kodowanie_cb")->currentText(), QStringLiteral("Windows 1250 (ANSI)"));
    EXPECT_EQ(child<QComboBox>(card, "bank_cb")->currentText(), QStringLiteral("PKOBP"));
    EXPECT_TRUE(child<QRadioButton>(card, "ustaw_date_rb")->isChecked());
    test::type_text(QStringLiteral("   "));
    test::button(card, QStringLiteral("Zapisz [CTRL+ENTER]"))->click();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, QStringLiteral("warning"));
    EXPECT_EQ(dialogs.shown[0].title, QStringLiteral("Nie można zapisać - błędne dane :"));
    EXPECT_EQ(dialogs.shown[0].text, QStringLiteral("Nazwa profilu nie może być pusta"));
    EXPECT_TRUE(card.isVisible());
    EXPECT_EQ(get_profilexp(db.ds, 1).prof_id, 0);

    ASSERT_TRUE(db.ds.exec_sql("DROP TABLE tb_profilexp"));
    test::type_text(QStringLiteral("Nowy"));
    test::button(card, QStringLiteral("Zapisz [CTRL+ENTER]"))->click();
    EXPECT_EQ(db.msgs.errors.size(), 1u);
    EXPECT_TRUE(card.isVisible());
    EXPECT_EQ(text(card, "nazwa_edt"), QStringLiteral("   Nowy"));

    test::press(Qt::Key_Escape);
    EXPECT_EQ(card.result(), QDialog::Rejected);
}

TEST_F(ExportScreens, CardFolderChooser) {
    TProfilExp_detail_frm card(services);
    ASSERT_TRUE(test::show_offscreen(card));
    dialogs.folders = {QStringLiteral(" /home/ala/banki "), QString()};
    test::button(card, QStringLiteral("..."))->click();
    EXPECT_EQ(text(card, "katalog_edt"), QStringLiteral("/home/ala/banki/"));
    test::button(card, QStringLiteral("..."))->click();  // cancelled
    EXPECT_EQ(text(card, "katalog_edt"), QStringLiteral("/home/ala/banki/"));
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[0].title, QStringLiteral("Wybierz katalog"));
}

TEST_F(ExportScreens, ListRemembersTheLastProfileByName) {
    profil("PKO");
    profil("Bank Śląski");
    profil("MBank");
    zapisz_domyslny_profil("BANK śląski");
    {
        TfrmListaProfiliExportu list(services);
        EXPECT_EQ(list.windowTitle(), QStringLiteral("Profile eksportu"));
        ASSERT_TRUE(test::show_offscreen(list));
        EXPECT_EQ(list.biezacy_prof_id(), 2);
        QTableView* grid = child<QTableView>(list, "lista");
        EXPECT_EQ(grid->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Nazwa profilu"));
        EXPECT_EQ(grid->model()->data(grid->model()->index(2, 0)).toInt(), 3);
        EXPECT_EQ(grid->model()->data(grid->model()->index(2, 2)).toString().toStdString(), db.file("out/"));
        grid->selectRow(2);
        test::press(Qt::Key_Escape);
    }
    EXPECT_EQ(domyslny_profil(), "MBank");
    TfrmListaProfiliExportu again(services);
    ASSERT_TRUE(test::show_offscreen(again));
    EXPECT_EQ(again.biezacy_prof_id(), 3);
}

TEST_F(ExportScreens, ListAddsEditsAndDeletesThroughTheCard) {
    profil("PKO");
    TfrmListaProfiliExportu list(services);
    ASSERT_TRUE(test::show_offscreen(list));
    QString nowa_nazwa = QStringLiteral("Nowy");
    screens.on_show = [&](QDialog& d) {
        auto& card = dynamic_cast<TProfilExp_detail_frm&>(d);
        card.findChild<QLineEdit*>(QStringLiteral("nazwa_edt"))->setText(nowa_nazwa);
        card.zapisz_btnClick();
        return card.result();
    };
    test::press(Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(list.biezacy_prof_id(), 2);
    EXPECT_EQ(get_profilexp(db.ds, 2).prof_nazwa, "Nowy");

    ASSERT_TRUE(test::show_offscreen(list));  // the card had the focus
    child<QTableView>(list, "lista")->selectRow(0);
    nowa_nazwa = QStringLiteral("PKO BP");
    test::press(Qt::Key_F4);
    EXPECT_EQ(list.biezacy_prof_id(), 1);
    EXPECT_EQ(get_profilexp(db.ds, 1).prof_nazwa, "PKO BP");
    EXPECT_EQ(get_profilexp(db.ds, 1).prof_katalog_out, db.file("out/"));  // the card got the stored profile
    ASSERT_EQ(screens.opened.size(), 2u);

    ASSERT_TRUE(test::show_offscreen(list));
    dialogs.answers = {false, true};
    test::press(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(get_profilexp(db.ds, 1).prof_id, 1);
    test::press(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(get_profilexp(db.ds, 1).prof_id, 0);
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[1].title, QStringLiteral("Usuwanie kartoteki"));
    EXPECT_EQ(dialogs.shown[1].text, QStringLiteral("Czy na pewno chcesz usunąć kartotekę ?"));
    EXPECT_EQ(list.biezacy_prof_id(), 2);
}

TEST_F(ExportScreens, EmptyListDoesNothing) {
    TfrmListaProfiliExportu list(services);
    ASSERT_TRUE(test::show_offscreen(list));
    test::press(Qt::Key_F4);
    test::press(Qt::Key_Delete, Qt::ControlModifier);
    test::button(list, QStringLiteral("Eksportuj [CTRL+INS]"))->click();
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_TRUE(screens.opened.empty());
}

TEST_F(ExportScreens, ExportRunsWithTheScreensDateAndShowsBadAccounts) {
    std::filesystem::create_directory(db.file("out"));
    profil("MBank");
    TPrzelew a = test::przelew_bankowy(), b = test::przelew_bankowy();
    a.nr_id = b.nr_id = 0;
    b.dost_konto = "";
    b.data = TDateTime::from_ymd(2026, 2, 28);
    ASSERT_TRUE(save_przelew(db.ds, a));
    ASSERT_TRUE(save_przelew(db.ds, b));

    TfrmListaProfiliExportu list(services);
    list.set_przelewy_eksportu(db.ds.open_sql("SELECT * FROM kartoteka ORDER BY nr_id"));
    ASSERT_TRUE(test::show_offscreen(list));
    EXPECT_TRUE(child<QRadioButton>(list, "ustaw_date_rb")->isChecked());
    EXPECT_EQ(child<QDateEdit>(list, "data_dtp")->date(), QDate::currentDate());
    child<QDateEdit>(list, "data_dtp")->setDate(QDate(2026, 4, 1));
    test::button(list, QStringLiteral("Eksportuj [CTRL+INS]"))->click();

    std::string file = test::read_text(db.file("out/przelewy.txt"));
    EXPECT_TRUE(file.starts_with("110,20260401,")) << file;
    EXPECT_NE(file.find("\r\n110,20260401,"), std::string::npos);
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[0].text, QStringLiteral("Zapisano"));
    EXPECT_EQ(dialogs.shown[1].kind, QStringLiteral("warning"));
    EXPECT_EQ(dialogs.shown[1].text,
              QStringLiteral("Przelew dla: Jan Kowalski na kwotę: 12,50 BŁĘDNE KONTO ODBIORCY"));

    child<QRadioButton>(list, "data_wystawienia_rb")->setChecked(true);
    test::button(list, QStringLiteral("Eksportuj [CTRL+INS]"))->click();
    file = test::read_text(db.file("out/przelewy.txt"));
    EXPECT_TRUE(file.starts_with("110,20260315,")) << file;
    EXPECT_NE(file.find("\r\n110,20260228,"), std::string::npos);
}

TEST_F(ExportScreens, UnwritableFileIsReportedInsteadOfZapisano) {
    profil("MBank");  // its folder does not exist
    TfrmListaProfiliExportu list(services);
    ASSERT_TRUE(test::show_offscreen(list));
    test::button(list, QStringLiteral("Eksportuj [CTRL+INS]"))->click();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, QStringLiteral("warning"));
    EXPECT_TRUE(dialogs.shown[0].text.startsWith(
        QString::fromStdString("Nie można zapisać pliku " + db.file("out/przelewy.txt"))))
        << dialogs.shown[0].text.toStdString();
}

}  // namespace
}  // namespace zlx::app
