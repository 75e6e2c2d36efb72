#include "app/core/startup.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QMenuBar>
#include <QToolBox>

#include "core/settings.h"
#include "db/upgrade.h"
#include "tests/app/support/screen_test.h"
#include "tests/app/support/scripted_dialogs.h"
#include "tests/support/temp_folder.h"

namespace zlx::app {
namespace {

const QString kRepairTitle = QStringLiteral("Czy użyć funkcji naprawczej ?");

class Startup : public ::testing::Test {
  protected:
    test::TempProgramFolder folder;
    test::ScriptedDialogs dialogs;
    test::ScriptedScreens screens;
};

QAction* menu_item(Tmain_frm& main, const QString& caption) {
    for (QAction* top : main.menuBar()->actions())
        if (top->menu())
            for (QAction* item : top->menu()->actions())
                if (item->text() == caption) return item;
    ADD_FAILURE() << "no menu item " << caption.toStdString();
    return nullptr;
}

TEST_F(Startup, NewDatabaseOpensAtTheCurrentVersionWithoutAMessage) {
    Program program(dialogs, screens);
    EXPECT_TRUE(program.services().cn.is_connected());
    EXPECT_EQ(wersja_bazy(program.services().ds), 17);
    EXPECT_TRUE(dialogs.shown.empty()) << dialogs.texts().join('|').toStdString();
}

TEST_F(Startup, OlderDatabaseIsUpgradedAtStart) {
    {
        test::ScriptedDialogs quiet;
        DbMessagesBox messages(quiet);
        TGlAdoCn_mod cn(messages);
        TGlAdoDs_mod ds(cn, messages);
        ASSERT_TRUE(ds.exec_sql("UPDATE  tb_verdb set  ver_nbint=16 where ver_id=1"));
    }
    Program program(dialogs, screens);
    EXPECT_TRUE(program.services().cn.is_connected());
    EXPECT_EQ(wersja_bazy(program.services().ds), 17);
    EXPECT_TRUE(dialogs.shown.empty()) << dialogs.texts().join('|').toStdString();
}

TEST_F(Startup, DatabaseThatDoesNotOpenStillGivesTheWindowAndItsCommands) {
    zapisz_sciezka_bazy(folder.file("brak/przDB.sqlite"));
    Program program(dialogs, screens);
    Tmain_frm& main = program.main_frm();
    EXPECT_EQ(dialogs.texts(), QStringList{QString::fromUtf8(kNieMoznaPolaczyc)}) << "shown once";
    EXPECT_FALSE(program.services().cn.is_connected());

    ASSERT_TRUE(test::show_offscreen(main));
    auto& pane = *main.findChild<QToolBox*>(QStringLiteral("nawigacja"));
    EXPECT_GT(pane.count(), 0);
    screens.opened.clear();  // the first-run wizard
    test::button(main, QStringLiteral("Baza danych"))->click();
    ASSERT_EQ(screens.opened.size(), 1u);
    EXPECT_EQ(screens.opened[0].class_name, QStringLiteral("zlx::app::TfrmBazaDanych"));

    // The repair says once that there is no connection instead of failing statement by statement.
    dialogs.shown.clear();
    dialogs.answers = {true};
    menu_item(main, QStringLiteral("Naprawa bazy 2008"))->trigger();
    EXPECT_EQ(dialogs.texts(),
              (QStringList{QStringLiteral("Funkcji należy użyć tylko wtedy kiedy po przeniesieniu  "
                                          "bazy z wersji 2008 na 2010 nastepują problemy z "
                                          "zapisaniem przelewów"),
                           QString::fromUtf8(kBrakPolaczenia)}));
    EXPECT_EQ(dialogs.shown[0].title, kRepairTitle);
}

TEST_F(Startup, FailingStatementShowsItselfAndGoesToTheClipboard) {
    struct Case {
        const char* name;
        bool connected;
    };
    for (Case c : {Case{"connected", true}, Case{"unconnected", false}}) {
        SCOPED_TRACE(c.name);
        zapisz_sciezka_bazy(c.connected ? domyslna_sciezka_bazy() : folder.file("brak/przDB.sqlite"));
        Program program(dialogs, screens);
        dialogs.shown.clear();
        dialogs.clipboard.clear();
        const std::string statement = "UPDATE kontrach SET nazwa='Żółć' WHERE brak_kolumny=1";
        EXPECT_FALSE(program.services().ds.exec_sql(statement));
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0].kind, QStringLiteral("error"));
        EXPECT_EQ(dialogs.shown[0].text.toStdString(), statement);
        EXPECT_FALSE(dialogs.shown[0].detail.isEmpty()) << "the engine's message is the detail";
        EXPECT_EQ(dialogs.clipboard.toStdString(), statement);
    }
}

TEST_F(Startup, RepairAsksAndSaysRepairedOnlyAfterYes) {
    Program program(dialogs, screens);
    Tmain_frm& main = program.main_frm();
    dialogs.answers = {false};
    menu_item(main, QStringLiteral("Naprawa bazy 2008"))->trigger();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].title, kRepairTitle);
    EXPECT_EQ(wersja_bazy(program.services().ds), 17) << "No runs nothing";

    dialogs.shown.clear();
    dialogs.answers = {true};
    menu_item(main, QStringLiteral("Naprawa bazy 2008"))->trigger();
    ASSERT_FALSE(dialogs.shown.empty());
    EXPECT_EQ(dialogs.shown.back().kind, QStringLiteral("information"));
    EXPECT_EQ(dialogs.shown.back().text, QStringLiteral("Naprawiono"));
    EXPECT_EQ(wersja_bazy(program.services().ds), 17) << "the repair keeps the later version";
}

TEST_F(Startup, ClosingTheMainWindowClosesTheConnection) {
    Program program(dialogs, screens);
    ASSERT_TRUE(test::show_offscreen(program.main_frm()));
    ASSERT_TRUE(program.services().cn.is_connected());
    program.main_frm().close();
    EXPECT_FALSE(program.services().cn.is_connected());
}

}  // namespace
}  // namespace zlx::app
