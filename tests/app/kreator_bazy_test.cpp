#include "app/db/kreator_bazy_form.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>

#include <cstdlib>
#include <filesystem>

#include "app/core/startup.h"
#include "core/ini.h"
#include "core/settings.h"
#include "db/gl_ado_cn.h"
#include "tests/app/support/screen_test.h"
#include "tests/app/support/scripted_dialogs.h"
#include "tests/support/fixtures.h"
#include "tests/support/temp_folder.h"

namespace zlx::app {
namespace {

namespace fs = std::filesystem;

std::string fixture(const std::string& name) {
    return test::mdb_fixture(name);
}

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

// Makes a database of this program at path, away from the default one (which is left missing).
void make_database(const std::string& path) {
    {
        test::ScriptedDialogs quiet;
        DbMessagesBox messages(quiet);
        TGlAdoCn_mod cn(messages);
    }
    fs::rename(domyslna_sciezka_bazy(), path);
}

QAction* menu_item(Tmain_frm& main, const QString& caption) {
    for (QAction* top : main.menuBar()->actions())
        if (top->menu())
            for (QAction* item : top->menu()->actions())
                if (item->text() == caption) return item;
    ADD_FAILURE() << "no menu item " << caption.toStdString();
    return nullptr;
}

class Kreator : public ::testing::Test {
  protected:
    test::TempProgramFolder folder;
    test::ScriptedDialogs dialogs;

    static QLineEdit& box(QDialog& screen, const char* name) {
        return *screen.findChild<QLineEdit*>(QString::fromUtf8(name));
    }
    static void choose(QDialog& screen, const char* option) {
        screen.findChild<QRadioButton*>(QString::fromUtf8(option))->click();
    }
    static void set_path(QDialog& screen, const char* name, const std::string& path) {
        box(screen, name).setText(q(path));
    }
    bool settings_written() const { return fs::exists(folder.file(kUstPrzelewIni)); }
};

TEST_F(Kreator, OpensWithTheThirdOptionAndTellsOfTheOlderVersionOnlyWhenItsDatabaseIsThere) {
    // The older version's Windows path is, here, a file name relative to the working folder.
    const QString working = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(q(folder.path())));
    for (const bool older : {false, true}) {
        SCOPED_TRACE(older ? "older database there" : "no older database");
        if (older) test::write_text(folder.file(kStaraBaza2008), "");
        TfrmKreatorBazy2010 screen(dialogs);
        ASSERT_TRUE(test::show_offscreen(screen));
        EXPECT_EQ(screen.windowTitle(), QStringLiteral("Baza danych"));
        const QString opis = screen.findChild<QLabel*>(QStringLiteral("opis_lbl"))->text();
        const QString wykryto =
            QStringLiteral("Wykryto poprzednią wersję programu Zlecenix (Zlecenix 2008).\n");
        EXPECT_EQ(opis.startsWith(wykryto + QStringLiteral("Masz do wyboru 3 opcje:")), older)
            << opis.toStdString();
        EXPECT_EQ(opis.startsWith(QStringLiteral("Masz do wyboru 3 opcje:")), !older) << opis.toStdString();
        EXPECT_EQ(box(screen, "stara_baza_edt").text(), older ? QString::fromUtf8(kStaraBaza2008) : QString())
            << "the import's file is suggested only when it exists, otherwise chosen";
        EXPECT_EQ(screen.findChild<QGroupBox*>()->title(), QStringLiteral("Wybierz co chcesz zrobić"));

        QStringList captions;
        QRadioButton* checked = nullptr;
        for (QRadioButton* option : screen.findChildren<QRadioButton*>()) {
            captions << option->text();
            if (option->isChecked()) checked = option;
        }
        EXPECT_EQ(captions,
                  (QStringList{QStringLiteral("1. Skopiuj bazę z wersji 2008 do 2010"),
                               QStringLiteral("2. Podłącz się do istniejącej bazy (plik .sqlite)"),
                               QStringLiteral("3. Załóz nową, czystą bazę dla programu Zlecenix 2010")}));
        ASSERT_NE(checked, nullptr);
        EXPECT_EQ(checked->objectName(), QStringLiteral("opcja3_rb"));
        EXPECT_EQ(box(screen, "baza_edt").text(), q(domyslna_sciezka_bazy()));
        EXPECT_FALSE(box(screen, "stara_baza_edt").isEnabled())
            << "only the chosen option's path is editable";
        choose(screen, "opcja1_rb");
        EXPECT_TRUE(box(screen, "stara_baza_edt").isEnabled());
        EXPECT_FALSE(box(screen, "baza_edt").isEnabled());
    }
    QDir::setCurrent(working);
}

TEST_F(Kreator, ThirdOptionAndEscChangeNothing) {
    {
        TfrmKreatorBazy2010 screen(dialogs);
        ASSERT_TRUE(test::show_offscreen(screen));
        test::button(screen, QStringLiteral("Dalej"))->click();
        EXPECT_EQ(screen.result(), QDialog::Accepted);
    }
    {
        TfrmKreatorBazy2010 screen(dialogs);
        ASSERT_TRUE(test::show_offscreen(screen));
        choose(screen, "opcja2_rb");
        test::press(Qt::Key_Escape);
        EXPECT_FALSE(screen.isVisible());
        EXPECT_EQ(screen.result(), QDialog::Rejected);
    }
    EXPECT_FALSE(settings_written());
    EXPECT_TRUE(fs::is_empty(folder.file("data")));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(Kreator, FirstOptionImportsTheChosenFileAndUsesIt) {
    TfrmKreatorBazy2010 screen(dialogs);
    ASSERT_TRUE(test::show_offscreen(screen));
    choose(screen, "opcja1_rb");
    dialogs.files = {q(fixture("nwind.mdb"))};
    test::button(screen, QStringLiteral("..."))->click();
    EXPECT_EQ(box(screen, "stara_baza_edt").text(), q(fixture("nwind.mdb")));
    test::button(screen, QStringLiteral("Dalej"))->click();

    const std::string target = folder.file("data/przDB.sqlite");
    EXPECT_EQ(screen.result(), QDialog::Accepted);
    EXPECT_EQ(sciezka_bazy(), target);
    // One box: the report, with the failures of the upgrade (this file is not the older version's).
    ASSERT_EQ(dialogs.shown.size(), 2u) << dialogs.texts().join('|').toStdString();
    EXPECT_EQ(dialogs.shown[1].kind, QStringLiteral("warning"));
    const QString report = dialogs.shown[1].text;
    EXPECT_TRUE(report.startsWith(QStringLiteral("Zaimportowano do: ") + q(target))) << report.toStdString();
    EXPECT_TRUE(report.contains(QStringLiteral("\nShippers: 3\n"))) << report.toStdString();
    EXPECT_TRUE(report.contains(
        QStringLiteral("\n\nBłędy aktualizacji bazy:\nALTER TABLE my  ALTER COLUMN [mnazwa]")))
        << report.toStdString();

    test::ScriptedDialogs quiet;
    DbMessagesBox messages(quiet);
    TGlAdoCn_mod cn(messages);
    ASSERT_TRUE(cn.is_connected());
    EXPECT_EQ(cn.query("SELECT count(*) AS n FROM Shippers")->int_value("n"), 3);
}

TEST_F(Kreator, FirstOptionNeverReplacesADatabaseInTheDataFolder) {
    {
        test::ScriptedDialogs quiet;
        DbMessagesBox messages(quiet);
        TGlAdoCn_mod cn(messages);
        cn.execute("INSERT INTO kontrach (ID1, nazwa) VALUES (900, 'Zostaję')");
    }
    const std::string existing = test::read_text(domyslna_sciezka_bazy());
    for (const char* expected : {"data/przDB_2.sqlite", "data/przDB_3.sqlite"}) {
        SCOPED_TRACE(expected);
        TfrmKreatorBazy2010 screen(dialogs);
        ASSERT_TRUE(test::show_offscreen(screen));
        choose(screen, "opcja1_rb");
        set_path(screen, "stara_baza_edt", fixture("DateTestDatabase.mdb"));
        test::button(screen, QStringLiteral("Dalej"))->click();
        EXPECT_EQ(screen.result(), QDialog::Accepted);
        EXPECT_EQ(sciezka_bazy(), folder.file(expected));
        EXPECT_TRUE(fs::exists(folder.file(expected)));
    }
    EXPECT_EQ(test::read_text(folder.file("data/przDB.sqlite")), existing);
}

TEST_F(Kreator, FirstOptionWithAnUnreadableFileSaysSoAndMakesNothing) {
    test::write_text(folder.file("zla.mdb"), std::string(5000, 'z'));
    TfrmKreatorBazy2010 screen(dialogs);
    ASSERT_TRUE(test::show_offscreen(screen));
    choose(screen, "opcja1_rb");
    set_path(screen, "stara_baza_edt", folder.file("zla.mdb"));
    test::button(screen, QStringLiteral("Dalej"))->click();

    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, QStringLiteral("warning"));
    EXPECT_TRUE(dialogs.shown[0].text.contains(q(folder.file("zla.mdb"))))
        << dialogs.shown[0].text.toStdString();
    EXPECT_TRUE(screen.isVisible()) << "the user may pick another file or option";
    EXPECT_TRUE(fs::is_empty(folder.file("data")));
    EXPECT_FALSE(settings_written());
}

TEST_F(Kreator, SecondOptionUsesOnlyADatabaseOfThisProgram) {
    make_database(folder.file("wspolna.sqlite"));
    test::write_text(folder.file("tekst.sqlite"), "to nie jest baza");
    struct Case {
        std::string path;
        QString message;  // "" when the path is taken
    };
    const Case cases[] = {
        {folder.file("brak.sqlite"), QString::fromUtf8(kNieMoznaPolaczyc)},
        {folder.file("tekst.sqlite"), QString::fromUtf8(kNieMoznaPolaczyc)},
        {fixture("nwind.mdb"), QString::fromUtf8(kBazaAccess)},
        {"", QString::fromUtf8(kNieMoznaPolaczyc)},
        {folder.file("wspolna.sqlite"), ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        dialogs.shown.clear();
        TfrmKreatorBazy2010 screen(dialogs);
        ASSERT_TRUE(test::show_offscreen(screen));
        choose(screen, "opcja2_rb");
        set_path(screen, "baza_edt", "  " + c.path + "  ");
        test::button(screen, QStringLiteral("Dalej"))->click();
        if (c.message.isEmpty()) {
            EXPECT_TRUE(dialogs.shown.empty()) << dialogs.texts().join('|').toStdString();
            EXPECT_EQ(screen.result(), QDialog::Accepted);
            EXPECT_EQ(sciezka_bazy(), c.path);
        } else {
            EXPECT_EQ(dialogs.texts(), QStringList{c.message});
            EXPECT_TRUE(screen.isVisible());
            EXPECT_FALSE(settings_written());
        }
    }
}

TEST_F(Kreator, SecondOptionRefusesAnSqliteFileOfAnotherProgram) {
    {
        test::ScriptedDialogs quiet;
        DbMessagesBox messages(quiet);
        // An empty file opens as an SQLite database with no tables.
        test::write_text(folder.file("obca.sqlite"), "");
        TGlAdoCn_mod other(messages, folder.file("obca.sqlite"));
        ASSERT_TRUE(other.is_connected());
        other.execute_native("CREATE TABLE faktury (id INTEGER)");
    }
    TfrmKreatorBazy2010 screen(dialogs);
    ASSERT_TRUE(test::show_offscreen(screen));
    choose(screen, "opcja2_rb");
    set_path(screen, "baza_edt", folder.file("obca.sqlite"));
    test::button(screen, QStringLiteral("Dalej"))->click();
    EXPECT_EQ(dialogs.texts(),
              QStringList{QStringLiteral("Wskazany plik nie jest bazą danych programu Zlecenix 2010")});
    EXPECT_TRUE(screen.isVisible());
    EXPECT_FALSE(settings_written());
}

class FirstRun : public Kreator {
  protected:
    test::ScriptedScreens screens;
};

TEST_F(FirstRun, WizardRunsBeforeTheConnectionOnlyWhileFirsttimeIsOne) {
    struct Case {
        const char* firsttime;  // nullptr: the key is missing
        bool wizard;
        int result;
    };
    const Case cases[] = {
        {nullptr, true, QDialog::Rejected},
        {"1", true, QDialog::Accepted},
        {"1", true, QDialog::Rejected},
        {"0", false, 0},
        {"2", false, 0},
        {"tak", false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.firsttime ? c.firsttime : "(missing)");
        test::TempProgramFolder run;
        if (c.firsttime) zapisz_ini(kUstPrzelewIni, "2010", "firsttime", c.firsttime);
        screens.opened.clear();
        bool database_existed = true;
        screens.on_show = [&](QDialog&) {
            database_existed = fs::exists(domyslna_sciezka_bazy());
            return c.result;
        };
        {
            Program program(dialogs, screens);
            EXPECT_TRUE(program.services().cn.is_connected());
        }
        if (c.wizard) {
            ASSERT_EQ(screens.opened.size(), 1u);
            EXPECT_EQ(screens.opened[0].class_name, QStringLiteral("zlx::app::TfrmKreatorBazy2010"));
            EXPECT_FALSE(database_existed) << "shown before the connection made the database";
            EXPECT_EQ(czytaj_ini(kUstPrzelewIni, "2010", "firsttime", ""), "0");
        } else {
            EXPECT_TRUE(screens.opened.empty());
            EXPECT_EQ(czytaj_ini(kUstPrzelewIni, "2010", "firsttime", ""), c.firsttime) << "left as it was";
        }
        // The next start shows no wizard.
        screens.opened.clear();
        Program again(dialogs, screens);
        EXPECT_TRUE(screens.opened.empty());
    }
}

TEST_F(FirstRun, ConnectionOpensThePathTheWizardChose) {
    make_database(folder.file("wspolna.sqlite"));
    screens.on_show = [&](QDialog& wizard) {
        choose(wizard, "opcja2_rb");
        set_path(wizard, "baza_edt", folder.file("wspolna.sqlite"));
        test::button(wizard, QStringLiteral("Dalej"))->click();
        return wizard.result();
    };
    Program program(dialogs, screens);
    EXPECT_TRUE(program.services().cn.is_connected());
    EXPECT_EQ(program.services().cn.sciezka(), folder.file("wspolna.sqlite"));
    EXPECT_FALSE(fs::exists(domyslna_sciezka_bazy())) << "the default database was never made";
}

TEST_F(FirstRun, MenuWizardRunsUnconnectedAndItsChoiceTakesEffectAtOnce) {
    zapisz_firsttime(0);
    make_database(folder.file("wspolna.sqlite"));
    Program program(dialogs, screens);
    const Services& s = program.services();
    ASSERT_EQ(s.cn.sciezka(), domyslna_sciezka_bazy());

    struct Case {
        const char* name;
        bool accept;
        std::string expected;
    };
    const Case cases[] = {{"cancelled", false, domyslna_sciezka_bazy()},
                          {"second option", true, folder.file("wspolna.sqlite")}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        bool connected_while_shown = true;
        screens.on_show = [&](QDialog& wizard) {
            connected_while_shown = s.cn.is_connected();
            if (!c.accept) return static_cast<int>(QDialog::Rejected);
            choose(wizard, "opcja2_rb");
            set_path(wizard, "baza_edt", c.expected);
            test::button(wizard, QStringLiteral("Dalej"))->click();
            return wizard.result();
        };
        menu_item(program.main_frm(), QStringLiteral("Kreator zmiany wersji"))->trigger();
        EXPECT_FALSE(connected_while_shown);
        EXPECT_TRUE(s.cn.is_connected());
        EXPECT_EQ(s.cn.sciezka(), c.expected);
    }
}

}  // namespace
}  // namespace zlx::app
