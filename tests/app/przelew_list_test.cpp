#include "app/transfers/przelew_list_master.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>

#include "app/core/services.h"
#include "app/export/frmListaProfiliExportu_form.h"
#include "app/printing/frm_drukuj_zbiorczo_form.h"
#include "app/transfers/formularz_form.h"
#include "app/transfers/frmDialogDataKlonuj_form.h"
#include "app/transfers/przelew_list_model.h"
#include "tests/app/support/screen_test.h"
#include "tests/app/support/scripted_dialogs.h"
#include "tests/db/db_fixture.h"
#include "transfers/opis_znacznikow.h"
#include "transfers/przelew_store.h"

namespace zlx::app {
namespace {

class PrzelewList : public ::testing::Test {
  protected:
    test::NewDatabase db;
    test::ScriptedDialogs dialogs;
    test::ScriptedScreens screens;
    Services services{dialogs, screens, db.cn, db.ds};
    const TDateTime dzis = TDateTime::today();

    std::int32_t dodaj(const std::string& nazwa, std::int64_t grosze, int dni_temu = 0, int rodzaj = 0,
                       int bufor = 0) {
        TPrzelew p = nowy_przelew();
        p.dost_nazwa = nazwa;
        p.tytulem = "Tytuł " + nazwa;
        p.kwota_money = Currency::from_grosze(grosze);
        p.data = dzis.add_days(-dni_temu);
        p.rodzaj_przelewu = rodzaj;
        p.bufor = bufor;
        EXPECT_TRUE(save_przelew(db.ds, p));
        return p.nr_id;
    }

    QString tekst(TPrzelewListMaster_frm& lista, int wiersz, int kolumna) {
        return lista.model().data(lista.model().index(wiersz, kolumna), Qt::DisplayRole).toString();
    }
    QStringList nazwy(TPrzelewListMaster_frm& lista) {
        QStringList out;
        for (int r = 0; r < lista.model().rowCount(); ++r)
            out << tekst(lista, r, PrzelewListModel::kKontrahent);
        return out;
    }
    QString etykieta(QWidget& w, const char* nazwa) {
        return w.findChild<QLabel*>(QString::fromUtf8(nazwa))->text();
    }
    template <class T>
    T* kontrolka(QWidget& w, const char* nazwa) {
        return w.findChild<T*>(QString::fromUtf8(nazwa));
    }
};

TEST_F(PrzelewList, OpensOnTheLastWeekWithItsColumnsAndTotals) {
    dodaj("Starszy", 100, 8);
    dodaj("Tydzień temu", 1050, 7);
    dodaj("Dzisiejszy", 123456, 0, 1, 1);
    TPrzelewListMaster_frm lista(services);
    EXPECT_EQ(lista.windowTitle(), "Lista przelewów");
    EXPECT_EQ(kontrolka<QComboBox>(lista, "schemat_okres_cmb")->currentText(), "Ostatni tydzień");
    EXPECT_EQ(kontrolka<QDateEdit>(lista, "od_dtp")->date(), QDate::currentDate().addDays(-7));
    EXPECT_EQ(kontrolka<QComboBox>(lista, "wszystkiezuspodatki_cmb")->currentText(), "Wszystkie");
    EXPECT_EQ(kontrolka<QComboBox>(lista, "szukaj_kolumna_cmb")->currentText(), "Nie wyszukuj");

    QStringList tytuly;
    for (int k = 0; k < lista.model().columnCount(); ++k)
        tytuly << lista.model().headerData(k, Qt::Horizontal, Qt::DisplayRole).toString();
    EXPECT_EQ(tytuly, (QStringList{"Lp.", "", "", "Zatw.", "Z", "Data", "Kontrahent", "Kwota", "Tytułem",
                                   "Firma własna", "Uwagi", "Nr dec/um/Tyt.(ZUS)", "Ident. Zobow.(US)"}));
    EXPECT_GE(lista.siatka().columnWidth(PrzelewListModel::kKontrahent), 250);
    EXPECT_EQ(lista.siatka().horizontalHeader()->sortIndicatorSection(), PrzelewListModel::kData);
    EXPECT_EQ(lista.siatka().horizontalHeader()->sortIndicatorOrder(), Qt::AscendingOrder);

    EXPECT_EQ(nazwy(lista), (QStringList{"Tydzień temu", "Dzisiejszy"}));
    EXPECT_EQ(tekst(lista, 1, PrzelewListModel::kLp), "2");
    EXPECT_EQ(tekst(lista, 1, PrzelewListModel::kKwota), "1 234,56");
    EXPECT_EQ(tekst(lista, 1, PrzelewListModel::kData), QString::fromStdString(dzis.to_text()));
    const auto idx = [&](int k) { return lista.model().index(1, k); };
    EXPECT_FALSE(
        lista.model().data(idx(PrzelewListModel::kRodzaj), Qt::DecorationRole).value<QIcon>().isNull());
    EXPECT_EQ(lista.model().data(idx(PrzelewListModel::kRodzaj), Qt::ToolTipRole).toString(), "ZUS");
    EXPECT_EQ(lista.model().data(idx(PrzelewListModel::kBufor), Qt::ToolTipRole).toString(),
              "Niezatwierdzony");
    EXPECT_EQ(lista.model().data(idx(PrzelewListModel::kKwota), Qt::BackgroundRole).value<QColor>(),
              QColor(248, 227, 184));
    EXPECT_EQ(etykieta(lista, "podsumowania_lbl"), "Podsumowania");
    EXPECT_EQ(etykieta(lista, "wszystkie_lbl"), "1245,06");
    EXPECT_EQ(etykieta(lista, "zaznaczone_lbl"), "0,00");
    EXPECT_LE(lista.minimumSizeHint().width(), 1366) << "every control fits a 1366-pixel screen";

    kontrolka<QComboBox>(lista, "schemat_okres_cmb")->setCurrentIndex(0);  // "Dzisiaj"
    EXPECT_EQ(nazwy(lista), (QStringList{"Dzisiejszy"}));
    kontrolka<QComboBox>(lista, "wszystkiezuspodatki_cmb")->setCurrentIndex(1);  // "Bankowe"
    EXPECT_EQ(nazwy(lista), QStringList{});
}

TEST_F(PrzelewList, TicksColourRowsAndFeedTheTotals) {
    dodaj("A", 1000);
    dodaj("B", 250);
    dodaj("C", 5);
    TPrzelewListMaster_frm lista(services);
    auto& m = lista.model();
    ASSERT_TRUE(m.setData(m.index(0, PrzelewListModel::kZaznaczenie), Qt::Checked, Qt::CheckStateRole));
    m.setData(m.index(2, PrzelewListModel::kZaznaczenie), Qt::Checked, Qt::CheckStateRole);
    EXPECT_EQ(m.data(m.index(0, PrzelewListModel::kKontrahent), Qt::BackgroundRole).value<QColor>(),
              QColor(250, 159, 116));
    EXPECT_EQ(etykieta(lista, "podsumowania_lbl"), "Podsumowania zaznaczono: 2");
    EXPECT_EQ(etykieta(lista, "zaznaczone_lbl"), "10,05");
    test::button(lista, "Zaznacz wszystkie")->click();
    EXPECT_EQ(etykieta(lista, "zaznaczone_lbl"), "12,55");
    test::button(lista, "Odznacz wszystkie")->click();
    EXPECT_EQ(etykieta(lista, "podsumowania_lbl"), "Podsumowania");
}

TEST_F(PrzelewList, CollectivePrintingAndExportTakeTheTickedRows) {
    const std::int32_t bankowy = dodaj("Bankowy", 1000);
    dodaj("Pominięty", 2000);
    const std::int32_t podatek = dodaj("Urząd", 300, 0, 2);
    TPrzelewListMaster_frm lista(services);
    ASSERT_EQ(lista.model().rowCount(), 3);
    test::button(lista, "Drukuj  Zbiorczo")->click();
    test::button(lista, "Elektroniczny Zlecenix")->click();
    EXPECT_EQ(dialogs.texts(), (QStringList{"Zaznacz jakieś przelewy", "Zaznacz jakieś przelewy"}));
    EXPECT_TRUE(screens.opened.empty());

    auto& m = lista.model();
    m.setData(m.index(0, PrzelewListModel::kZaznaczenie), Qt::Checked, Qt::CheckStateRole);
    m.setData(m.index(2, PrzelewListModel::kZaznaczenie), Qt::Checked, Qt::CheckStateRole);
    std::vector<std::int32_t> bank_ids, us_ids, export_ids;
    screens.on_show = [&](QDialog& d) {
        if (auto* z = dynamic_cast<TfrmDrukujZbiorczo*>(&d)) {
            for (const TPrzelew& t : z->przelewy().bankowe)
                bank_ids.push_back(t.nr_id);
            for (const TPrzelew& t : z->przelewy().us)
                us_ids.push_back(t.nr_id);
        }
        if (auto* e = dynamic_cast<TfrmListaProfiliExportu*>(&d)) {
            const ResultSet* rs = e->przelewy_eksportu();
            for (std::size_t i = 0; rs && i < rs->total_count(); ++i)
                export_ids.push_back(rs->row(i).int_value("nr_id"));
        }
        return static_cast<int>(QDialog::Rejected);
    };
    test::button(lista, "Drukuj  Zbiorczo")->click();
    test::button(lista, "Elektroniczny Zlecenix")->click();
    ASSERT_EQ(screens.opened.size(), 2u);
    EXPECT_EQ(screens.opened[0].class_name, "zlx::app::TfrmDrukujZbiorczo");
    EXPECT_EQ(screens.opened[1].class_name, "zlx::app::TfrmListaProfiliExportu");
    EXPECT_EQ(bank_ids, std::vector<std::int32_t>{bankowy});
    EXPECT_EQ(us_ids, std::vector<std::int32_t>{podatek});
    EXPECT_EQ(export_ids, (std::vector<std::int32_t>{bankowy, podatek}));
}

// A tick stays with its row while the quick filter hides it, and every action on ticked rows takes
// the same rows: the totals label and the delete question say how many of them are hidden.
TEST_F(PrzelewList, HiddenTicksAreOneSelectionForEveryAction) {
    const std::int32_t a = dodaj("Alfa", 1000);
    const std::int32_t b = dodaj("Beta", 250);
    TPrzelewListMaster_frm lista(services);
    auto& m = lista.model();
    auto* filtr = kontrolka<QLineEdit>(lista, "Edit3");

    // Tick A, hide it, untick all, delete the one visible row B: B goes, A stays.
    m.zaznacz(m.wiersz(a), true);
    filtr->setText(QStringLiteral("Be"));
    ASSERT_EQ(nazwy(lista), QStringList{"Beta"});
    EXPECT_EQ(etykieta(lista, "podsumowania_lbl"), "Podsumowania zaznaczono: 1 (ukryte przez filtr: 1)");
    test::button(lista, "Odznacz wszystkie")->click();
    EXPECT_EQ(etykieta(lista, "podsumowania_lbl"), "Podsumowania");
    ASSERT_TRUE(lista.lokalizuj(b));
    dialogs.answers = {true};
    test::button(lista, "Usuń [CTRL+DEL]")->click();
    EXPECT_EQ(load_przelew(db.ds, a).nr_id, a);
    EXPECT_EQ(load_przelew(db.ds, b).nr_id, 0);
    EXPECT_EQ(dialogs.texts(), QStringList{"Czy na pewno chcesz usunąć kartoteki ?"});

    // "Zaznacz wszystkie" ticks the hidden rows too; print, export and delete see the same rows.
    const std::int32_t c = dodaj("Beta 2", 5);
    filtr->clear();
    lista.init_sql_przelew_wszystkie();
    filtr->setText(QStringLiteral("Be"));
    test::button(lista, "Zaznacz wszystkie")->click();
    EXPECT_EQ(etykieta(lista, "podsumowania_lbl"), "Podsumowania zaznaczono: 2 (ukryte przez filtr: 1)");
    EXPECT_EQ(etykieta(lista, "zaznaczone_lbl"), "10,05");
    std::vector<std::int32_t> drukowane, eksportowane;
    screens.on_show = [&](QDialog& d) {
        if (auto* z = dynamic_cast<TfrmDrukujZbiorczo*>(&d))
            for (const TPrzelew& t : z->przelewy().bankowe)
                drukowane.push_back(t.nr_id);
        if (auto* e = dynamic_cast<TfrmListaProfiliExportu*>(&d)) {
            const ResultSet* rs = e->przelewy_eksportu();
            for (std::size_t i = 0; rs && i < rs->total_count(); ++i)
                eksportowane.push_back(rs->row(i).int_value("nr_id"));
        }
        return static_cast<int>(QDialog::Rejected);
    };
    test::button(lista, "Drukuj  Zbiorczo")->click();
    test::button(lista, "Elektroniczny Zlecenix")->click();
    EXPECT_EQ(drukowane, (std::vector<std::int32_t>{a, c}));
    EXPECT_EQ(eksportowane, (std::vector<std::int32_t>{a, c}));
    dialogs.shown.clear();
    dialogs.answers = {false};
    test::button(lista, "Usuń [CTRL+DEL]")->click();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text,
              "Czy na pewno chcesz usunąć kartoteki ?\n\nZaznaczone: 2, w tym ukryte przez filtr: 1");

    // A clone leaves the ticks on the rows the user ticked, none on the copies; a delete leaves none.
    screens.on_show = [](QDialog& d) {
        dynamic_cast<TfrmDialogDataKlonuj&>(d).zrodlowa_rbtn->setChecked(true);
        return int(QDialog::Accepted);
    };
    test::button(lista, "Klonuj ")->click();
    EXPECT_EQ(m.zaznaczone(), (std::vector<std::int32_t>{a, c}));
    EXPECT_EQ(m.rowCount(), 2) << "the filter shows Beta 2 and its copy";
    dialogs.answers = {true};
    test::button(lista, "Usuń [CTRL+DEL]")->click();
    EXPECT_TRUE(m.zaznaczone().empty());
    filtr->clear();
    EXPECT_EQ(nazwy(lista), (QStringList{"Alfa", "Beta 2"})) << "the copies are left";
    EXPECT_EQ(etykieta(lista, "podsumowania_lbl"), "Podsumowania");
}

TEST_F(PrzelewList, QuickFilterHidesRowsButNotFromTheTotal) {
    dodaj("Kowalski", 100);
    dodaj("Nowak", 200);
    dodaj("kowalczyk", 300);
    TPrzelewListMaster_frm lista(services);
    kontrolka<QLineEdit>(lista, "Edit3")->setText(QStringLiteral(" kowal "));
    EXPECT_EQ(nazwy(lista), (QStringList{"Kowalski", "kowalczyk"}));
    EXPECT_EQ(etykieta(lista, "wszystkie_lbl"), "6,00");
    kontrolka<QComboBox>(lista, "filtr_kolumna_cmb")->setCurrentIndex(1);  // by title
    EXPECT_EQ(nazwy(lista), QStringList{});
    kontrolka<QLineEdit>(lista, "Edit3")->setText(QStringLiteral("  "));
    EXPECT_EQ(nazwy(lista).size(), 3);
}

TEST_F(PrzelewList, TitleClicksSortOrRefuse) {
    dodaj("drogi", 900);
    dodaj("tani", 100);
    dodaj("średni", 500);
    TPrzelewListMaster_frm lista(services);
    QHeaderView* h = lista.siatka().horizontalHeader();
    ASSERT_TRUE(test::show_offscreen(lista));

    QTest::mouseClick(h->viewport(), Qt::LeftButton, {},
                      QPoint(h->sectionViewportPosition(PrzelewListModel::kKwota) + 10, h->height() / 2));
    EXPECT_EQ(lista.sortowanie().order(), " order by  kwota_money ASC ,nr_id");
    EXPECT_EQ(nazwy(lista), (QStringList{"tani", "średni", "drogi"}));
    EXPECT_EQ(h->sortIndicatorSection(), PrzelewListModel::kKwota);
    EXPECT_EQ(h->sortIndicatorOrder(), Qt::AscendingOrder);

    lista.gridWszystkieTitleClick(PrzelewListModel::kKwota);
    EXPECT_EQ(nazwy(lista), (QStringList{"drogi", "średni", "tani"}));
    EXPECT_EQ(h->sortIndicatorOrder(), Qt::DescendingOrder);

    QTest::mouseClick(h->viewport(), Qt::LeftButton, {},
                      QPoint(h->sectionViewportPosition(PrzelewListModel::kUwagi) + 10, h->height() / 2));
    EXPECT_EQ(dialogs.texts(), QStringList{"Sortowanie wg. tej kolumny jest niemożliwe"});
    EXPECT_EQ(h->sortIndicatorSection(), PrzelewListModel::kKwota);
    EXPECT_EQ(h->sortIndicatorOrder(), Qt::DescendingOrder);
    EXPECT_EQ(nazwy(lista), (QStringList{"drogi", "średni", "tani"}));
}

TEST_F(PrzelewList, SearchAndMarkerQueries) {
    dodaj("Kowalski", 100, 400);  // outside every period preset but the search finds it
    dodaj("O'Brien", 100);
    const std::int32_t z = dodaj("Znaczony", 100);
    set_znacznik(db.ds, z, 3);
    TPrzelewListMaster_frm lista(services);
    auto* szukaj = kontrolka<QPushButton>(lista, "szukaj_btn");
    szukaj->click();
    EXPECT_EQ(dialogs.texts().last(), "Wpisz jakieś słowo wyszukiwania");
    kontrolka<QLineEdit>(lista, "szukaj_edt")->setText(QStringLiteral("kow*"));
    szukaj->click();
    EXPECT_EQ(dialogs.texts().last(), "Wybrano \"Nie wyszukuj\" - zmień kryteria");
    kontrolka<QComboBox>(lista, "szukaj_kolumna_cmb")->setCurrentIndex(1);
    szukaj->click();
    EXPECT_EQ(nazwy(lista), QStringList{"Kowalski"});
    kontrolka<QLineEdit>(lista, "szukaj_edt")->setText(QStringLiteral("o'brien"));
    szukaj->click();
    EXPECT_EQ(nazwy(lista), QStringList{"O'Brien"});

    kontrolka<QComboBox>(lista, "znacznik_cmb")->setCurrentIndex(3);
    kontrolka<QPushButton>(lista, "szukaj_znacznik_btn")->click();
    EXPECT_EQ(nazwy(lista), QStringList{"Znaczony"});
}

TEST_F(PrzelewList, MarkersForTickedRowsAndForTheCurrentRow) {
    ASSERT_TRUE(zapisz_opis_znacznika(db.ds, 1, 2, "Do zapłaty"));
    const std::int32_t a = dodaj("A", 100), b = dodaj("B", 100), c = dodaj("C", 100);
    TPrzelewListMaster_frm lista(services);
    QMenu* menu = nullptr;
    for (QPushButton* pb : lista.findChildren<QPushButton*>())
        if (pb->text() == "Ustaw Znacznik") menu = pb->menu();
    ASSERT_TRUE(menu);
    QAction* opis = nullptr;
    for (QAction* act : menu->actions())
        if (act->data().toInt() == 2) opis = act;
    ASSERT_TRUE(opis);
    EXPECT_EQ(opis->text(), "Do zapłaty");

    opis->trigger();
    EXPECT_EQ(dialogs.texts(), QStringList{"Zaznacz jakieś przelewy"});
    auto& m = lista.model();
    m.zaznacz(m.wiersz(a), true);
    m.zaznacz(m.wiersz(c), true);
    opis->trigger();
    EXPECT_EQ(load_przelew(db.ds, a).znacznik, 2);
    EXPECT_EQ(load_przelew(db.ds, b).znacznik, 0);
    EXPECT_EQ(load_przelew(db.ds, c).znacznik, 2);
    EXPECT_EQ(m.zaznaczone(), (std::vector<std::int32_t>{a, c}));  // the ticks stay for the next action

    ASSERT_TRUE(lista.lokalizuj(b));
    lista.N11Click(20);
    EXPECT_EQ(load_przelew(db.ds, b).znacznik, 20);
    EXPECT_EQ(lista.biezacy_klucz(), b);
    lista.N11Click(0);  // "brak"
    EXPECT_EQ(load_przelew(db.ds, b).znacznik, 0);
}

TEST_F(PrzelewList, DeleteAsksAndTakesTheTickedRowsOrTheCurrentOne) {
    const std::int32_t a = dodaj("A", 100), b = dodaj("B", 100), c = dodaj("C", 100);
    TPrzelewListMaster_frm lista(services);
    ASSERT_TRUE(lista.lokalizuj(b));
    dialogs.answers = {false};
    test::button(lista, "Usuń [CTRL+DEL]")->click();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].title, "Usuwanie kartoteki");
    EXPECT_EQ(dialogs.shown[0].text, "Czy na pewno chcesz usunąć kartoteki ?");
    EXPECT_EQ(nazwy(lista).size(), 3);

    dialogs.answers = {true};
    test::button(lista, "Usuń [CTRL+DEL]")->click();
    EXPECT_EQ(nazwy(lista), (QStringList{"A", "C"}));

    lista.model().zaznacz(lista.model().wiersz(a), true);
    lista.model().zaznacz(lista.model().wiersz(c), true);
    dialogs.answers = {true};
    test::button(lista, "Usuń [CTRL+DEL]")->click();
    EXPECT_EQ(nazwy(lista), QStringList{});
    dialogs.shown.clear();
    test::button(lista, "Usuń [CTRL+DEL]")->click();  // an empty list asks nothing
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(PrzelewList, CloneAsksForTheDate) {
    const std::int32_t a = dodaj("A", 100, 3), b = dodaj("B", 200, 2);
    TPrzelewListMaster_frm lista(services);
    lista.model().zaznacz(lista.model().wiersz(a), true);
    lista.model().zaznacz(lista.model().wiersz(b), true);

    screens.on_show = [](QDialog& d) {
        auto& dialog = dynamic_cast<TfrmDialogDataKlonuj&>(d);
        EXPECT_EQ(dialog.windowTitle(), "Data");
        EXPECT_TRUE(dialog.nowadata_rbtn->isChecked());
        EXPECT_EQ(dialog.nowadata_dtp->date(), QDate::currentDate());
        dialog.zrodlowa_rbtn->setChecked(true);
        return int(QDialog::Accepted);
    };
    test::button(lista, "Klonuj ")->click();
    EXPECT_EQ(nazwy(lista), (QStringList{"A", "A", "B", "B"}));
    const std::int32_t ostatni = lista.biezacy_klucz();
    EXPECT_GT(ostatni, b);
    EXPECT_EQ(load_przelew(db.ds, ostatni).dost_nazwa, "B");
    EXPECT_EQ(load_przelew(db.ds, ostatni).data, dzis.add_days(-2));

    screens.on_show = [](QDialog& d) {
        dynamic_cast<TfrmDialogDataKlonuj&>(d).nowadata_dtp->setDate(QDate::currentDate().addDays(-1));
        return int(QDialog::Accepted);
    };
    lista.model().zaznacz_wszystkie(false);
    ASSERT_TRUE(lista.lokalizuj(a));
    test::button(lista, "Klonuj ")->click();
    EXPECT_EQ(load_przelew(db.ds, lista.biezacy_klucz()).data, dzis.add_days(-1));
    EXPECT_EQ(load_przelew(db.ds, lista.biezacy_klucz()).dost_nazwa, "A");

    screens.on_show = [](QDialog&) { return int(QDialog::Rejected); };
    test::button(lista, "Klonuj ")->click();
    EXPECT_EQ(nazwy(lista).size(), 5);
}

TEST_F(PrzelewList, AddAndEditOpenTheEntryScreenOfTheKind) {
    const std::int32_t zus = dodaj("ZUS", 100, 0, 1);
    const std::int32_t bank = dodaj("Bank", 100);
    TPrzelewListMaster_frm lista(services);
    screens.on_show = [](QDialog& d) {
        auto& f = dynamic_cast<Tformularz_frm&>(d);
        f.odbiorca_nazwa_edt->setText(QStringLiteral("Nowy odbiorca"));
        f.kwota_edt->setText(QStringLiteral("12,50"));
        f.zapisz_btnClick();
        return f.result();
    };
    test::button(lista, "Bankowy")->click();
    ASSERT_EQ(screens.opened.size(), 1u);
    EXPECT_EQ(screens.opened[0].class_name, "zlx::app::Tformularz_frm");
    const std::int32_t nowy = lista.biezacy_klucz();
    EXPECT_GT(nowy, bank);
    EXPECT_EQ(tekst(lista, lista.model().wiersz(nowy), PrzelewListModel::kKwota), "12,50");

    screens.on_show = [](QDialog& d) {
        auto& f = dynamic_cast<Tformularz_frm&>(d);
        EXPECT_EQ(f.odbiorca_nazwa_edt->text(), "Bank");
        f.tytulem_edt->setText(QStringLiteral("Poprawiony"));
        f.zapisz_btnClick();
        return f.result();
    };
    ASSERT_TRUE(lista.lokalizuj(bank));
    lista.edytuj_btnClick();
    EXPECT_EQ(load_przelew(db.ds, bank).tytulem, "Poprawiony");
    EXPECT_EQ(lista.biezacy_klucz(), bank);

    screens.on_show = [](QDialog&) { return int(QDialog::Rejected); };
    ASSERT_TRUE(lista.lokalizuj(zus));
    lista.edytuj_btnClick();
    EXPECT_EQ(screens.opened.back().class_name, "zlx::app::Tformularz_zus_frm");
}

TEST_F(PrzelewList, StartModeOneOpensTheBankScreenOnceShown) {
    TPrzelewListMaster_frm lista(services);
    lista.set_tryb_startu(1);
    ASSERT_TRUE(test::show_offscreen(lista));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !screens.opened.empty(); }));
    ASSERT_EQ(screens.opened.size(), 1u);
    EXPECT_EQ(screens.opened[0].class_name, "zlx::app::Tformularz_frm");
    EXPECT_EQ(screens.opened[0].caption, "Przelew / Wpłata bankowa");
    lista.hide();
    ASSERT_TRUE(test::show_offscreen(lista));
    QTest::qWait(20);  // the time the timer would need: a second showing must not start it
    EXPECT_EQ(screens.opened.size(), 1u);
}

TEST_F(PrzelewList, KeysOfTheList) {
    const std::int32_t a = dodaj("A", 100);
    dodaj("B", 100);
    TPrzelewListMaster_frm lista(services);
    ASSERT_TRUE(test::show_offscreen(lista));
    lista.siatka().setFocus();
    ASSERT_TRUE(lista.lokalizuj(a));
    test::press(Qt::Key_Space);
    EXPECT_EQ(lista.model().zaznaczone(), std::vector<std::int32_t>{a});
    test::press(Qt::Key_Return, Qt::ControlModifier);
    test::press(Qt::Key_F4);
    ASSERT_EQ(screens.opened.size(), 2u);
    EXPECT_EQ(screens.opened[1].class_name, "zlx::app::Tformularz_frm");
    dialogs.answers = {false};
    test::press(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(dialogs.texts(), QStringList{"Czy na pewno chcesz usunąć kartoteki ?"});

    auto* szukaj = kontrolka<QLineEdit>(lista, "szukaj_edt");
    szukaj->setFocus();
    test::type_text(QStringLiteral("a b"));
    EXPECT_EQ(szukaj->text(), "a b");  // a blank typed in an edit does not tick a row
    EXPECT_EQ(lista.model().zaznaczone(), std::vector<std::int32_t>{a});
}

TEST_F(PrzelewList, EscCloses) {
    TPrzelewListMaster_frm lista(services);
    ASSERT_TRUE(test::show_offscreen(lista));
    test::press(Qt::Key_Escape);
    EXPECT_FALSE(lista.isVisible());
    EXPECT_EQ(lista.result(), QDialog::Rejected);
}

}  // namespace
}  // namespace zlx::app
