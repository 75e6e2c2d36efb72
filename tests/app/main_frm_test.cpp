#include "app/core/main_frm.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolBox>

#include <filesystem>

#include "app/core/about_frm.h"
#include "app/core/startup.h"
#include "app/core/uklad_okien.h"
#include "app/transfers/przelew_list_master.h"
#include "core/version.h"
#include "tests/app/support/screen_test.h"
#include "tests/app/support/scripted_dialogs.h"
#include "tests/support/temp_folder.h"

namespace zlx::app {
namespace {

const QString kVersionText = QStringLiteral("ver: ") + QString::fromUtf8(kVersion);

class MainFrm : public ::testing::Test {
  protected:
    test::TempProgramFolder folder;
    test::ScriptedDialogs dialogs;
    test::ScriptedScreens screens;
    Program program{dialogs, screens};
    Tmain_frm& main = program.main_frm();

    QToolBox& pane() { return *main.findChild<QToolBox*>(QStringLiteral("nawigacja")); }
    QString label(const char* name) { return main.findChild<QLabel*>(QString::fromUtf8(name))->text(); }
};

// What a command did: the class of the screen it opened, or what else happened.
QString target_of(test::ScriptedScreens& screens, test::ScriptedDialogs& dialogs, Tmain_frm& main) {
    if (!screens.opened.empty()) return screens.opened.back().class_name;
    if (!dialogs.shown.empty()) return QStringLiteral("question: ") + dialogs.shown.back().title;
    return main.isVisible() ? QStringLiteral("nothing") : QStringLiteral("closed");
}

TEST_F(MainFrm, PaneHoldsEveryCommandWithItsCaptionHintAndTarget) {
    struct Row {
        QString page, caption, hint, target;
    };
    const QString lista = QStringLiteral("zlx::app::TPrzelewListMaster_frm");
    const std::vector<Row> expected = {
        {"Przelewy", "Bankowy - wystaw", "Wystaw nowy przelew bankowy", lista},
        {"Przelewy", "Zus -  wystaw", "Wystaw nowy przelew ZUS", lista},
        {"Przelewy", "Podatkowy - wystaw", "Wystaw nowy przelew podatkowy", lista},
        {"Przelewy", "Lista przelewów", "Przeglądaj listę przelewów", lista},
        {"Kartoteki", "Kontrahenci", "Wejdź do kartoteki kontrahentów", "zlx::app::Tkthprz_master_frm"},
        {"Kartoteki", "Firmy własne", "Wejdź do kartoteki firm własnych", "zlx::app::TfrmFirmaMaster"},
        {"Kartoteki", "Słownik Tytułem", "", "zlx::app::TfrmSlownikTytulemMaster"},
        {"Ustawienia", "Przeniesienie danych", "Przeniesienie danych z Programu Zlecenix 1",
         "zlx::app::TfrmPrzeniesienieDanych"},
        {"Ustawienia", "Ustawienia Przelewy", "Opcje przelewów", "zlx::app::TUstawieniaPrzelew_frm"},
        {"Ustawienia", "Baza danych", "", "zlx::app::TfrmBazaDanych"},
    };
    ASSERT_TRUE(test::show_offscreen(main));
    EXPECT_EQ(pane().currentIndex(), 0) << "the first page is active at start";
    auto* start = qobject_cast<QPushButton*>(QApplication::focusWidget());
    ASSERT_NE(start, nullptr) << "the keyboard starts on a command";
    EXPECT_EQ(start->text(), expected.front().caption);

    std::vector<Row> actual;
    for (int page = 0; page < pane().count(); ++page) {
        // Each button is activated from the keyboard, so the pane works without a mouse.
        pane().setCurrentIndex(page);
        for (QPushButton* b : pane().widget(page)->findChildren<QPushButton*>()) {
            screens.opened.clear();
            dialogs.shown.clear();
            b->setFocus();
            test::press(Qt::Key_Space);
            actual.push_back(
                {pane().itemText(page), b->text(), b->toolTip(), target_of(screens, dialogs, main)});
        }
    }
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(expected[i].caption.toStdString());
        EXPECT_EQ(actual[i].page, expected[i].page);
        EXPECT_EQ(actual[i].caption, expected[i].caption);
        EXPECT_EQ(actual[i].hint, expected[i].hint);
        EXPECT_EQ(actual[i].target, expected[i].target);
    }
}

TEST_F(MainFrm, MenuHoldsEveryItemWithItsKeyAndTarget) {
    struct Row {
        QString menu, item, target, key;  // item "-" is a separator
    };
    const QString lista = QStringLiteral("zlx::app::TPrzelewListMaster_frm");
    const std::vector<Row> expected = {
        {"Plik", "Zakończ", "closed", "Ctrl+Q"},
        {"Przelewy", "Bankowy - wystaw", lista, "Ctrl+B"},
        {"Przelewy", "Zus - wystaw", lista, "Ctrl+Z"},
        {"Przelewy", "Podatkowy - wystaw", lista, "Ctrl+P"},
        {"Przelewy", "-", "", ""},
        {"Przelewy", "Lista przelewów", lista, "Ctrl+L"},
        {"Kartoteki", "Kontrahenci", "zlx::app::Tkthprz_master_frm", "Ctrl+K"},
        {"Kartoteki", "Firmy własne", "zlx::app::TfrmFirmaMaster", "Ctrl+F"},
        {"Ustawienia", "Ustawienia przelewów", "zlx::app::TUstawieniaPrzelew_frm", "Ctrl+U"},
        {"Ustawienia", "Przeniesienie danych z Zlecenix 1", "zlx::app::TfrmPrzeniesienieDanych",
         "Ctrl+Shift+D"},
        {"Ustawienia", "-", "", ""},
        {"Ustawienia", "Baza danych", "zlx::app::TfrmBazaDanych", "Ctrl+D"},
        {"Ustawienia", "-", "", ""},
        {"Ustawienia", "Kreator zmiany wersji", "zlx::app::TfrmKreatorBazy2010", "Ctrl+Shift+K"},
        {"Ustawienia", "Naprawa bazy 2008", "question: Czy użyć funkcji naprawczej ?", "Ctrl+Shift+N"},
        {"Archiwizacja", "", "zlx::app::TfrmArchiwum", "Ctrl+A"},
        {"Pomoc", "O programie", "zlx::app::TfrmAbout", "F1"},
    };
    ASSERT_TRUE(test::show_offscreen(main));
    std::vector<std::pair<Row, QAction*>> actual;
    for (QAction* top : main.menuBar()->actions()) {
        QString title = top->text().remove(QLatin1Char('&'));
        if (!top->menu()) {
            actual.push_back({{title, "", "", top->shortcut().toString()}, top});
            continue;
        }
        for (QAction* item : top->menu()->actions())
            actual.push_back(
                {{title, item->isSeparator() ? "-" : item->text(), "", item->shortcut().toString()}, item});
    }
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(expected[i].item.toStdString());
        EXPECT_EQ(actual[i].first.menu, expected[i].menu);
        EXPECT_EQ(actual[i].first.item, expected[i].item);
        EXPECT_EQ(actual[i].first.key, expected[i].key);
        if (expected[i].item == "-") continue;
        // The key does what the item does.
        screens.opened.clear();
        dialogs.shown.clear();
        dialogs.answers = {false};
        ASSERT_TRUE(main.isVisible() || test::show_offscreen(main));
        QTest::keySequence(&main, actual[i].second->shortcut());
        EXPECT_EQ(target_of(screens, dialogs, main), expected[i].target);
    }
}

TEST_F(MainFrm, EscAsksAndOnlyYesEndsTheProgram) {
    struct Case {
        bool yes;
        bool still_open;
    };
    for (Case c : {Case{false, true}, Case{true, false}}) {
        SCOPED_TRACE(c.yes ? "Yes" : "No");
        ASSERT_TRUE(test::show_offscreen(main));
        dialogs.shown.clear();
        dialogs.answers = {c.yes};
        test::press(Qt::Key_Escape);
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0].kind, QStringLiteral("question"));
        EXPECT_EQ(dialogs.shown[0].title, QStringLiteral("Koniec programu"));
        EXPECT_EQ(dialogs.shown[0].text, QStringLiteral("Czy na pewno chcesz wyjść z programu ?"));
        EXPECT_EQ(main.isVisible(), c.still_open);
    }
}

TEST_F(MainFrm, ShowsNameVersionEditionAndColours) {
    EXPECT_EQ(main.windowTitle(), QStringLiteral("Zlecenix 2010    "));
    EXPECT_EQ(label("status_lbl"), QStringLiteral("Zlecenix 2010    ") + kVersionText);
    EXPECT_EQ(label("podwersja_lbl"), QStringLiteral("Standard     "));

    const QColor blue(46, 92, 178);
    auto* name = main.findChild<QLabel*>(QStringLiteral("nazwa_lbl"));
    EXPECT_EQ(name->palette().color(QPalette::WindowText), blue);

    // The selected page's header, as drawn.
    ASSERT_TRUE(test::show_offscreen(main));
    auto headers = pane().findChildren<QAbstractButton*>(QStringLiteral("qt_toolbox_toolboxbutton"));
    ASSERT_FALSE(headers.isEmpty());
    QImage drawn = headers.front()->grab().toImage();
    EXPECT_EQ(drawn.pixelColor(drawn.width() - 4, drawn.height() / 2), blue);
}

TEST_F(MainFrm, AboutBoxShowsNameVersionProgramFolderAndDatabaseAndOkClosesIt) {
    QString product, version, where, database;
    screens.on_show = [&](QDialog& about) {
        EXPECT_EQ(about.windowTitle(), QStringLiteral("About"));
        product = about.findChild<QLabel*>(QStringLiteral("produkt_lbl"))->text();
        version = about.findChild<QLabel*>(QStringLiteral("wersja_lbl"))->text();
        where = about.findChild<QLabel*>(QStringLiteral("folder_lbl"))->text();
        database = about.findChild<QLabel*>(QStringLiteral("baza_lbl"))->text();
        test::press(Qt::Key_Return);
        EXPECT_FALSE(about.isVisible()) << "Enter presses OK";
        return about.result();
    };
    screens.opened.clear();  // the first-run wizard
    for (QAction* top : main.menuBar()->actions())
        if (top->menu())
            for (QAction* item : top->menu()->actions())
                if (item->text() == QStringLiteral("O programie")) item->trigger();
    ASSERT_EQ(screens.opened.size(), 1u);
    EXPECT_EQ(product, QStringLiteral("Zlecenix 2010    "));
    EXPECT_EQ(version, kVersionText);
    EXPECT_EQ(where, QString::fromStdString(folder.path()));
    EXPECT_EQ(database, QString::fromStdString(folder.file("data/przDB.sqlite")));
}

TEST_F(MainFrm, FirstStepsNoteStaysUntilTheFirstTransferIsStored) {
    ASSERT_TRUE(test::show_offscreen(main));
    auto* note = main.findChild<QLabel*>(QStringLiteral("pierwsze_kroki_lbl"));
    ASSERT_NE(note, nullptr);
    EXPECT_TRUE(note->isVisible());
    for (const char* step : {"Firmy własne", "Kontrahenci", "Bankowy - wystaw"})
        EXPECT_TRUE(note->text().contains(QString::fromUtf8(step))) << step;

    // The list command adds a transfer while its screen is open; the note goes when it closes.
    screens.on_show = [&](QDialog&) {
        EXPECT_TRUE(program.services().ds.exec_sql(
            "INSERT INTO kartoteka (nr_id, dost_nazwa) VALUES (1, 'Pierwszy')"));
        return int(QDialog::Rejected);
    };
    screens.opened.clear();
    QTest::keySequence(&main, QKeySequence(QStringLiteral("Ctrl+L")));
    ASSERT_EQ(screens.opened.size(), 1u);
    EXPECT_FALSE(note->isVisible());
}

TEST_F(MainFrm, WindowAndGridLayoutsAreRememberedInTheProgramFolder) {
    const QRect where(40, 30, 900, 600);
    {
        TPrzelewListMaster_frm list(program.services());
        list.setWindowState(Qt::WindowNoState);
        list.setGeometry(where);
        list.siatka().setColumnWidth(2, 333);
        zapisz_uklad(list);
    }
    EXPECT_TRUE(std::filesystem::exists(folder.file("okna.ini")));
    TPrzelewListMaster_frm again(program.services());
    EXPECT_NE(again.siatka().columnWidth(2), 333);
    ASSERT_TRUE(przywroc_uklad(again));
    EXPECT_EQ(again.siatka().columnWidth(2), 333);
    EXPECT_EQ(again.size(), where.size());
    EXPECT_FALSE(again.isMaximized());

    TfrmAbout never_seen{QString(), QString()};
    EXPECT_FALSE(przywroc_uklad(never_seen)) << "a window shown for the first time keeps its own layout";
}

}  // namespace
}  // namespace zlx::app
