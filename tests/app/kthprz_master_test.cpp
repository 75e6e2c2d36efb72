// The counterparty register driven as a user drives it, on a real database.

#include "app/registers/kthprz_master_form.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include "app/core/services.h"
#include "app/registers/kthprz_detail_form.h"
#include "app/registers/lista_model.h"
#include "app/registers/nowagrupa_form.h"
#include "registers/kanal_tree.h"
#include "registers/kontrah_store.h"
#include "registers/znaczniki.h"
#include "tests/app/support/screen_test.h"
#include "tests/app/support/scripted_dialogs.h"
#include "tests/db/db_fixture.h"

namespace zlx::app {
namespace {

class Rejestr : public ::testing::Test {
  protected:
    test::NewDatabase db;
    test::ScriptedDialogs dialogs;
    test::ScriptedScreens screens;
    Services services{dialogs, screens, db.cn, db.ds};
    std::int32_t dostawcy = 0;

    void SetUp() override {
        TKanalTree g{0, "Dostawcy", 2, 1, 0};
        ASSERT_TRUE(save_kanal_tree(db.ds, g, kTabelaGrup));
        dostawcy = g.kanal_id;
    }

    std::int32_t kth(const std::string& skrot, const std::string& nazwa, std::int32_t grupa = 1,
                     int znacznik = 0) {
        TPrzKth k;
        k.skrot = skrot;
        k.nazwa = nazwa;
        k.grupa = grupa;
        k.znacznik = znacznik;
        k.ulica = "ul. " + skrot;
        EXPECT_TRUE(save_kontrah(db.ds, k));
        return k.ID1;
    }

    static QTableView& siatka(QWidget& w) { return *w.findChild<QTableView*>(QStringLiteral("siatka")); }
    static QTreeWidget& drzewo(QWidget& w) { return *w.findChild<QTreeWidget*>(QStringLiteral("kanalTree")); }
    static ListaModel& model(QWidget& w) { return *static_cast<ListaModel*>(siatka(w).model()); }

    // Returns the names in the grid, top to bottom.
    static QStringList nazwy(QWidget& w) {
        QStringList out;
        for (int r = 0; r < model(w).rowCount(); ++r)
            out << model(w).tekst(r, "nazwa");
        return out;
    }
    static QString biezaca(QWidget& w) { return model(w).tekst(siatka(w).currentIndex().row(), "nazwa"); }

    static QTreeWidgetItem* wezel(QWidget& w, const QString& tekst) {
        auto found = drzewo(w).findItems(tekst, Qt::MatchExactly | Qt::MatchRecursive);
        return found.isEmpty() ? nullptr : found.first();
    }
    static void kliknij(QWidget& w, const QString& tekst) {
        QTreeWidgetItem* item = wezel(w, tekst);
        ASSERT_NE(item, nullptr) << tekst.toStdString();
        QTreeWidget& t = drzewo(w);
        t.scrollToItem(item);
        QTest::mouseClick(t.viewport(), Qt::LeftButton, {}, t.visualItemRect(item).center());
    }
    static void zaznacz(QWidget& w, const QString& nazwa) {
        for (int r = 0; r < model(w).rowCount(); ++r)
            if (model(w).tekst(r, "nazwa") == nazwa)
                model(w).setData(model(w).index(r, 1), Qt::Checked, Qt::CheckStateRole);
    }
    // Drops the rows dragged from the grid on the node.
    static void upusc(QWidget& w, const QString& tekst,
                      const QString& mime = QString::fromLatin1(kMimeKontrahenci)) {
        QTreeWidget& t = drzewo(w);
        QMimeData data;
        data.setData(mime, "1");
        const QPoint p = t.visualItemRect(wezel(w, tekst)).center();
        // The drop goes to the widget that accepted the drag's entry, as in a real drag.
        QDragEnterEvent enter(p, Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(t.viewport(), &enter);
        QDropEvent drop(QPointF(p), Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(t.viewport(), &drop);
    }
    static void wpisz(QWidget& w, const char* edit, const QString& tekst) {
        auto* e = w.findChild<QLineEdit*>(QString::fromLatin1(edit));
        e->setFocus();
        e->selectAll();
        test::type_text(tekst);
    }
};

TEST_F(Rejestr, OpensOnTheRootWithEveryGroupAndTheNameToFind) {
    kth("A", "Alfa", dostawcy);
    kth("B", "Beta");
    kth("C", "Gamma", 999);  // a group that no longer exists
    Tkthprz_master_frm screen(services);
    screen.set_nazwa_szukana("  beta  ");
    ASSERT_TRUE(test::show_offscreen(screen));
    EXPECT_EQ(screen.windowTitle(), QStringLiteral("Kartoteki kontrahentow"));
    EXPECT_EQ(screen.id_grupy(), 1);
    EXPECT_EQ(nazwy(screen), (QStringList{"Alfa", "Beta", "Gamma"}));
    EXPECT_EQ(biezaca(screen), QStringLiteral("Beta"));
    EXPECT_TRUE(wezel(screen, QStringLiteral("Dostawcy"))->parent() != nullptr)
        << "groups sit under the root";
    QStringList titles;
    for (int c = 0; c < model(screen).columnCount(); ++c)
        titles << model(screen).headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
    EXPECT_EQ(titles, (QStringList{"Lp.", "", "Z", "Skrót", "Nazwa", "Nip", "Miejscowość", "Adres"}));
    EXPECT_EQ(model(screen).data(model(screen).index(1, 7), Qt::DisplayRole).toString(),
              QStringLiteral("ul. B"))
        << "the Adres column shows the street address";

    kliknij(screen, QStringLiteral("Dostawcy"));
    EXPECT_EQ(nazwy(screen), QStringList{"Alfa"});
}

TEST_F(Rejestr, AddInAGroupRefusesABlankShortNameAndLandsOnTheNewRow) {
    kth("Z", "Zeta", dostawcy);
    Tkthprz_master_frm screen(services);
    ASSERT_TRUE(test::show_offscreen(screen));
    kliknij(screen, QStringLiteral("Dostawcy"));

    int pokazy = 0;
    screens.on_show = [&](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Kontrahent -  karta"));
        if (pokazy++ == 0) {
            wpisz(d, "nazwa_edt", QStringLiteral("Żółw O'Neil"));
            test::press(Qt::Key_Return, Qt::ControlModifier);  // short name still blank: refused
            EXPECT_TRUE(d.isVisible());
            wpisz(d, "skrot_edt", QStringLiteral("ŻÓŁW"));
            test::button(d, QStringLiteral("Zapisz [CTRL+ENTER]"))->click();
        }
        return d.result();
    };
    test::press(Qt::Key_Insert);

    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, QStringLiteral("warning"));
    EXPECT_EQ(dialogs.shown[0].title, QStringLiteral("Nie można zapisać - błędne dane :"));
    EXPECT_EQ(dialogs.shown[0].text, QStringLiteral("Pole Skrót musi byc wypelnione"));
    EXPECT_EQ(nazwy(screen), (QStringList{"Zeta", "Żółw O'Neil"}));
    EXPECT_EQ(biezaca(screen), QStringLiteral("Żółw O'Neil"));
    const TPrzKth zapis = get_kontrah(db.ds, model(screen).klucz(siatka(screen).currentIndex().row()));
    EXPECT_EQ(zapis.skrot, "ŻÓŁW");
    EXPECT_EQ(zapis.grupa, dostawcy);
    EXPECT_EQ(zapis.kod, "") << "an empty postcode is stored empty, not as the mask";
    EXPECT_TRUE(db.msgs.errors.empty());
}

TEST_F(Rejestr, EditShowsTheRowAndPutsTheCursorBackOnIt) {
    kth("A", "Alfa");
    const std::int32_t b = kth("B", "Beta");
    kth("C", "Celina");
    Tkthprz_master_frm screen(services);
    screen.set_nazwa_szukana("Beta");
    ASSERT_TRUE(test::show_offscreen(screen));
    screens.on_show = [&](QDialog& d) {
        EXPECT_EQ(d.findChild<QLineEdit*>(QStringLiteral("nazwa_edt"))->text(), QStringLiteral("Beta"));
        wpisz(d, "nazwa_edt", QStringLiteral("Zmieniona"));
        test::press(Qt::Key_Enter, Qt::ControlModifier);
        return d.result();
    };
    test::press(Qt::Key_F4);
    EXPECT_EQ(get_kontrah(db.ds, b).nazwa, "Zmieniona");
    EXPECT_EQ(get_kontrah(db.ds, b).ulica, "ul. B") << "fields the card does not change stay";
    EXPECT_EQ(biezaca(screen), QStringLiteral("Zmieniona"));
}

TEST_F(Rejestr, DeleteAsksAndNoKeepsTheRow) {
    kth("A", "Alfa");
    kth("B", "Beta");
    Tkthprz_master_frm screen(services);
    ASSERT_TRUE(test::show_offscreen(screen));
    dialogs.answers = {false, true};
    test::button(screen, QStringLiteral("Usuń [DEL]"))->click();
    EXPECT_EQ(nazwy(screen), (QStringList{"Alfa", "Beta"}));
    siatka(screen).setFocus();
    test::press(Qt::Key_Delete);
    EXPECT_EQ(nazwy(screen), QStringList{"Beta"});
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[0].title, QStringLiteral("Usuwanie kontrahenta"));
    EXPECT_EQ(dialogs.shown[0].text, QStringLiteral("Czy na pewno chcesz usunąć kontrahenta  ?"));
}

TEST_F(Rejestr, SearchFormsAndMarkers) {
    kth("1", "ab", dostawcy);
    kth("2", "xab", 1, 5);
    kth("3", "abc", 1, 5);
    kth("4", "O'Neil");
    kth("5", "100% pewny");
    kth("6", "100 procent");
    Tkthprz_master_frm screen(services);
    ASSERT_TRUE(test::show_offscreen(screen));
    kliknij(screen, QStringLiteral("Dostawcy"));
    auto* wg = screen.findChild<QComboBox*>(QStringLiteral("szukaj_cmb"));
    auto* znacznik = screen.findChild<QComboBox*>(QStringLiteral("znacznik_cmb"));
    EXPECT_EQ(znacznik->currentIndex(), -1) << "no marker chosen at first";

    struct Przypadek {
        int wg;
        QString tekst;
        int znacznik;
        QStringList nazwy;
    };
    const Przypadek przypadki[] = {
        {2, "ab", -1, {"ab"}},  // a search ignores the group shown
        {2, "*ab", -1, {"ab", "xab"}}, {2, "ab*", -1, {"ab", "abc"}}, {2, "a*b", -1, {"ab", "abc"}},
        {2, "O'Neil", -1, {"O'Neil"}}, {2, "*'Neil", -1, {"O'Neil"}}, {2, "100%*", -1, {"100% pewny"}},
        {0, "ab", 5, {"xab", "abc"}},  {2, "*ab", 5, {"xab"}},        {2, "*ab", 0, {"ab", "xab"}},
    };
    for (const auto& p : przypadki) {
        wg->setCurrentIndex(p.wg);
        screen.findChild<QLineEdit*>(QStringLiteral("szukaj_edt"))->setText(p.tekst);
        znacznik->setCurrentIndex(p.znacznik);
        test::button(screen, QStringLiteral("Szukaj"))->click();
        EXPECT_EQ(nazwy(screen), p.nazwy) << p.tekst.toStdString() << " / " << screen.sql_listy();
    }
    EXPECT_TRUE(db.msgs.errors.empty());
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(Rejestr, QuickFilterAndTitleClickSorting) {
    kth("BB", "Beta");
    kth("AA", "Zeta");
    kth("CC", "Alfa");
    Tkthprz_master_frm screen(services);
    ASSERT_TRUE(test::show_offscreen(screen));
    screen.findChild<QComboBox*>(QStringLiteral("filtr_cmb"))->setCurrentIndex(1);  // Wg.Nazwy
    wpisz(screen, "filtr_edt", QStringLiteral(" ze"));
    EXPECT_EQ(nazwy(screen), QStringList{"Zeta"});
    wpisz(screen, "filtr_edt", QString());
    screen.findChild<QLineEdit*>(QStringLiteral("filtr_edt"))->clear();
    EXPECT_EQ(nazwy(screen).size(), 3);

    siatka(screen).setCurrentIndex(model(screen).index(0, 3));  // Beta
    QHeaderView* header = siatka(screen).horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(4) + 10, header->height() / 2));
    EXPECT_EQ(nazwy(screen), (QStringList{"Alfa", "Beta", "Zeta"}));
    EXPECT_EQ(biezaca(screen), QStringLiteral("Beta")) << "the cursor stays on its row";
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(4) + 10, header->height() / 2));
    EXPECT_EQ(nazwy(screen), (QStringList{"Zeta", "Beta", "Alfa"}));
}

TEST_F(Rejestr, MarkersGoToTickedRowsOnly) {
    const std::int32_t a = kth("A", "Alfa");
    const std::int32_t b = kth("B", "Beta");
    const std::int32_t c = kth("C", "Celina");
    Tkthprz_master_frm screen(services);
    ASSERT_TRUE(test::show_offscreen(screen));
    QMenu& menu = *screen.findChild<QMenu*>(QStringLiteral("znaczniki_pm"));
    ASSERT_EQ(menu.actions().size(), static_cast<qsizetype>(get_opis_znacznikow(db.ds, 0).size()))
        << "one item per marker description";
    QAction* trzy = nullptr;
    for (QAction* act : menu.actions())
        if (act->data().toInt() == 3) trzy = act;
    ASSERT_NE(trzy, nullptr);

    trzy->trigger();
    EXPECT_EQ(dialogs.texts(), QStringList{"Zaznacz jakiś kontrahentów"});

    zaznacz(screen, QStringLiteral("Alfa"));
    zaznacz(screen, QStringLiteral("Celina"));
    trzy->trigger();
    EXPECT_EQ(get_kontrah(db.ds, a).znacznik, 3);
    EXPECT_EQ(get_kontrah(db.ds, b).znacznik, 0);
    EXPECT_EQ(get_kontrah(db.ds, c).znacznik, 3);
    EXPECT_FALSE(model(screen).data(model(screen).index(0, 2), Qt::DecorationRole).value<QIcon>().isNull())
        << "the grid shows the new marker";

    const auto zaznacz_wszystkie = screen.findChildren<QToolButton*>();
    for (QToolButton* t : zaznacz_wszystkie)
        if (t->toolTip() == QStringLiteral("Zaznacz wszystkie pozycje")) t->click();
    EXPECT_EQ(model(screen).zaznaczone(), (std::vector<std::int32_t>{a, b, c}));
    for (QToolButton* t : zaznacz_wszystkie)
        if (t->toolTip() == QStringLiteral("Odznacz wszystkie pozycje")) t->click();
    EXPECT_TRUE(model(screen).zaznaczone().empty());
}

TEST_F(Rejestr, DroppingMovesTickedRowsOrTheCurrentOne) {
    const std::int32_t a = kth("A", "Alfa");
    const std::int32_t b = kth("B", "Beta");
    const std::int32_t c = kth("C", "Celina");
    const std::int32_t d = kth("D", "Delta");
    Tkthprz_master_frm screen(services);
    ASSERT_TRUE(test::show_offscreen(screen));

    upusc(screen, QStringLiteral("Dostawcy"), QStringLiteral("text/plain"));
    EXPECT_EQ(get_kontrah(db.ds, a).grupa, 1) << "only rows from the grid are taken";

    zaznacz(screen, QStringLiteral("Alfa"));
    zaznacz(screen, QStringLiteral("Beta"));
    zaznacz(screen, QStringLiteral("Delta"));
    upusc(screen, QStringLiteral("Dostawcy"));
    EXPECT_EQ(get_kontrah(db.ds, a).grupa, dostawcy);
    EXPECT_EQ(get_kontrah(db.ds, b).grupa, dostawcy);
    EXPECT_EQ(get_kontrah(db.ds, c).grupa, 1);
    EXPECT_EQ(get_kontrah(db.ds, d).grupa, dostawcy);
    EXPECT_EQ(screen.id_grupy(), dostawcy) << "the node is applied";
    EXPECT_EQ(drzewo(screen).currentItem(), wezel(screen, QStringLiteral("Dostawcy")));
    EXPECT_EQ(nazwy(screen), (QStringList{"Alfa", "Beta", "Delta"}));

    kliknij(screen, drzewo(screen).topLevelItem(0)->text(0));
    siatka(screen).setCurrentIndex(model(screen).index(2, 3));  // Celina, nothing ticked
    EXPECT_TRUE(model(screen).zaznaczone().empty()) << "a new statement clears the ticks";
    upusc(screen, QStringLiteral("Dostawcy"));
    EXPECT_EQ(get_kontrah(db.ds, c).grupa, dostawcy);
}

TEST_F(Rejestr, GroupsAddRenameAndDeleteSparingTheRoot) {
    const std::int32_t a = kth("A", "Alfa", dostawcy);
    Tkthprz_master_frm screen(services);
    ASSERT_TRUE(test::show_offscreen(screen));
    const QString korzen = drzewo(screen).topLevelItem(0)->text(0);

    // Add under Dostawcy: a blank name is refused, then the new node is chosen.
    kliknij(screen, QStringLiteral("Dostawcy"));
    int pokazy = 0;
    screens.on_show = [&](QDialog& dlg) {
        EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Katalog "));
        ++pokazy;
        auto* e = dlg.findChild<QLineEdit*>(QStringLiteral("nazwa_edt"));
        e->setFocus();
        test::type_text(QStringLiteral("   "));
        test::button(dlg, QStringLiteral("Zapisz [CTRL+ENTER]"))->click();
        EXPECT_TRUE(dlg.isVisible());
        e->setText(QStringLiteral("  Krajowi "));
        test::press(Qt::Key_Return, Qt::ControlModifier);
        return dlg.result();
    };
    screen.findChild<QMenu*>(QStringLiteral("kanal_pm"))->actions().at(0)->trigger();  // Dodaj katalog
    EXPECT_EQ(pokazy, 1);
    EXPECT_EQ(dialogs.texts(), QStringList{"Nazwa grupy nie może być pusta"});
    QTreeWidgetItem* krajowi = wezel(screen, QStringLiteral("Krajowi"));
    ASSERT_NE(krajowi, nullptr);
    EXPECT_EQ(krajowi->parent(), wezel(screen, QStringLiteral("Dostawcy")));
    EXPECT_EQ(drzewo(screen).currentItem(), krajowi);
    EXPECT_EQ(screen.id_grupy(), krajowi->data(0, Qt::UserRole).toInt());
    EXPECT_TRUE(nazwy(screen).isEmpty());

    // Rename Dostawcy.
    kliknij(screen, QStringLiteral("Dostawcy"));
    screens.on_show = [&](QDialog& dlg) {
        auto* e = dlg.findChild<QLineEdit*>(QStringLiteral("nazwa_edt"));
        EXPECT_EQ(e->text(), QStringLiteral("Dostawcy"));
        e->setText(QStringLiteral("Hurtownie"));
        test::button(dlg, QStringLiteral("Zapisz [CTRL+ENTER]"))->click();
        return dlg.result();
    };
    for (QToolButton* t : screen.findChildren<QToolButton*>())
        if (t->toolTip() == QStringLiteral("Zmień nazwę grupy")) t->click();
    ASSERT_NE(wezel(screen, QStringLiteral("Hurtownie")), nullptr);
    EXPECT_EQ(get_kanal_tree(db.ds, dostawcy, kTabelaGrup).kanal_nazwa, "Hurtownie");

    // The root stays, even after Yes.
    dialogs.shown.clear();
    dialogs.answers = {true, true};
    kliknij(screen, korzen);
    test::button(screen, QStringLiteral("Usuń grupę"))->click();
    EXPECT_EQ(dialogs.shown.at(0).title, QStringLiteral("Usuwanie grupy"));
    EXPECT_EQ(dialogs.shown.at(0).text, QStringLiteral("Czy na pewno chcesz usunąć grupę ?"));
    EXPECT_NE(wezel(screen, korzen), nullptr);
    EXPECT_EQ(get_kanal_tree(db.ds, 1, kTabelaGrup).kanal_id, 1);

    // Deleting Hurtownie hides its sub-group; its counterparty shows under the root only.
    kliknij(screen, QStringLiteral("Hurtownie"));
    test::button(screen, QStringLiteral("Usuń grupę"))->click();
    EXPECT_EQ(wezel(screen, QStringLiteral("Hurtownie")), nullptr);
    EXPECT_EQ(wezel(screen, QStringLiteral("Krajowi")), nullptr);
    EXPECT_EQ(get_kontrah(db.ds, a).grupa, dostawcy);
    EXPECT_EQ(screen.id_grupy(), 1);
    EXPECT_EQ(nazwy(screen), QStringList{"Alfa"});
}

TEST_F(Rejestr, GroupCommandsNeedANode) {
    Tkthprz_master_frm screen(services);
    ASSERT_TRUE(test::show_offscreen(screen));
    drzewo(screen).setCurrentItem(nullptr);
    screen.dodaj_grupe();
    screen.zmien_nazwe_grupy();
    EXPECT_EQ(dialogs.texts(),
              (QStringList{"Zaznacz jakąś gałąź w drzewku", "Zaznacz jakąś gałąź w drzewku"}));
    EXPECT_TRUE(screens.opened.empty());
}

TEST_F(Rejestr, PickerHandsBackTheCurrentRowOrAClearedRecord) {
    kth("A", "Alfa");
    const std::int32_t b = kth("B", "Beta");
    {
        Tkthprz_master_frm screen(services);
        screen.set_nazwa_szukana("BETA");
        ASSERT_TRUE(test::show_offscreen(screen));
        test::press(Qt::Key_Return, Qt::ControlModifier);
        EXPECT_EQ(screen.result(), QDialog::Accepted);
        EXPECT_EQ(screen.ret_wyb_kth().ID1, b);
        EXPECT_EQ(screen.ret_wyb_kth().ulica, "ul. B");
    }
    Tkthprz_master_frm screen(services);
    ASSERT_TRUE(test::show_offscreen(screen));
    kliknij(screen, QStringLiteral("Dostawcy"));
    ASSERT_TRUE(nazwy(screen).isEmpty());
    test::button(screen, QStringLiteral("Użyj [CTRL+ENTER]"))->click();
    EXPECT_EQ(screen.result(), QDialog::Accepted);
    EXPECT_EQ(screen.ret_wyb_kth(), TPrzKth{});
}

TEST_F(Rejestr, ARefusedSaveBringsTheCardBackWithWhatWasTyped) {
    Tkthprz_master_frm screen(services);
    ASSERT_TRUE(test::show_offscreen(screen));
    db.cn.execute_native("DROP TABLE kontrach");
    int pokazy = 0;
    screens.on_show = [&](QDialog& d) {
        auto* skrot = d.findChild<QLineEdit*>(QStringLiteral("skrot_edt"));
        if (pokazy++ == 0) {
            skrot->setText(QStringLiteral("Nowy"));
            test::button(d, QStringLiteral("Zapisz [CTRL+ENTER]"))->click();
            return d.result();
        }
        EXPECT_EQ(skrot->text(), QStringLiteral("Nowy"));
        return int(QDialog::Rejected);
    };
    test::press(Qt::Key_Insert);
    EXPECT_EQ(pokazy, 2);
    EXPECT_FALSE(db.msgs.errors.empty());
}

}  // namespace
}  // namespace zlx::app
