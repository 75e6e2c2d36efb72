#include "app/db/archiwum_form.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLineEdit>
#include <QRegularExpression>

#include <filesystem>

#include "app/core/db_messages_box.h"
#include "app/core/services.h"
#include "core/ini.h"
#include "core/settings.h"
#include "db/gl_ado_cn.h"
#include "db/gl_ado_ds.h"
#include "tests/app/support/screen_test.h"
#include "tests/app/support/scripted_dialogs.h"
#include "tests/support/temp_folder.h"

namespace zlx::app {
namespace {

namespace fs = std::filesystem;

// Records whether the connection was open when each box came up.
class WatchingDialogs : public test::ScriptedDialogs {
  public:
    TGlAdoCn_mod* cn = nullptr;
    std::vector<bool> connected;
    void information(QWidget* parent, const QString& text) override {
        connected.push_back(cn->is_connected());
        ScriptedDialogs::information(parent, text);
    }
};

class Archiwum : public ::testing::Test {
  protected:
    test::TempProgramFolder folder;
    WatchingDialogs dialogs;
    test::ScriptedScreens screens;
    DbMessagesBox messages{dialogs};
    TGlAdoCn_mod cn{messages};
    TGlAdoDs_mod ds{cn, messages};
    Services services{dialogs, screens, cn, ds};

    Archiwum() { dialogs.cn = &cn; }

    static QLineEdit& box(TfrmArchiwum& screen) {
        return *screen.findChild<QLineEdit*>(QStringLiteral("sciezka_edt"));
    }
    static std::vector<fs::path> zips(const std::string& dir) {
        std::vector<fs::path> out;
        for (const auto& e : fs::directory_iterator(dir))
            if (e.path().extension() == ".zip") out.push_back(e.path());
        return out;
    }
};

TEST_F(Archiwum, ShowsTheSavedFolderAndSavesTheBoxHoweverItCloses) {
    {
        TfrmArchiwum screen(services);
        EXPECT_EQ(screen.windowTitle(), QStringLiteral("Archiwizacja"));
        EXPECT_EQ(box(screen).text().toStdString(), folder.file("tmp/"));
    }
    struct Case {
        const char* name;
        void (*close)(TfrmArchiwum&);
    };
    const Case cases[] = {
        {"Zamknij", [](TfrmArchiwum& s) { test::button(s, QStringLiteral("Zamknij"))->click(); }},
        {"Esc", [](TfrmArchiwum&) { test::press(Qt::Key_Escape); }},
        {"window", [](TfrmArchiwum& s) { s.close(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string chosen = folder.file(std::string("archiwa ") + c.name + "/");
        TfrmArchiwum screen(services);
        ASSERT_TRUE(test::show_offscreen(screen));
        box(screen).setText(QString::fromStdString("  " + chosen + "  "));
        c.close(screen);
        EXPECT_FALSE(screen.isVisible());
        EXPECT_EQ(sciezka_archiwum(), chosen);
        TfrmArchiwum again(services);
        EXPECT_EQ(box(again).text().toStdString(), chosen);
    }
}

TEST_F(Archiwum, ChosenFolderIsTrimmedAndEndsWithASlash) {
    TfrmArchiwum screen(services);
    ASSERT_TRUE(test::show_offscreen(screen));
    dialogs.folders = {QStringLiteral(" /dane/archiwa "), QStringLiteral("/dane/inne/"), QString()};
    QStringList seen;
    for (int i = 0; i < 3; ++i) {
        test::button(screen, QStringLiteral("..."))->click();
        seen << box(screen).text();
    }
    EXPECT_EQ(seen, (QStringList{QStringLiteral("/dane/archiwa/"), QStringLiteral("/dane/inne/"),
                                 QStringLiteral("/dane/inne/")}))
        << "a cancelled chooser keeps the box";
    ASSERT_EQ(dialogs.shown.size(), 3u);
    EXPECT_EQ(dialogs.shown[0].title, QStringLiteral("Wybierz katalog"));
}

TEST_F(Archiwum, ArchiveIsWrittenWithTheConnectionClosedAndReportedByName) {
    ASSERT_TRUE(ds.exec_sql("INSERT INTO kontrach (ID1, nazwa) VALUES (901, 'Archiwalny')"));
    TfrmArchiwum screen(services);
    ASSERT_TRUE(test::show_offscreen(screen));
    test::button(screen, QStringLiteral("Archiwizuj"))->click();

    std::vector<fs::path> written = zips(folder.file("tmp"));
    ASSERT_EQ(written.size(), 1u);
    const QString name = QString::fromStdString(written[0].filename().string());
    const TDateTime today = TDateTime::today();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^%1_[0-8]{4}\\.zip$")
                                       .arg(QString::fromStdString(today.to_text()).remove(QLatin1Char('-'))))
                    .match(name)
                    .hasMatch())
        << name.toStdString();
    EXPECT_EQ(dialogs.texts(), QStringList{QString::fromUtf8(kArchiwumZapisano) +
                                           QString::fromStdString(folder.file("tmp/")) + name});
    EXPECT_EQ(dialogs.connected, std::vector<bool>{false}) << "the file is released while zipped";
    EXPECT_TRUE(cn.is_connected()) << "connected again afterwards";
    EXPECT_TRUE(screen.isVisible());

    dialogs.shown.clear();
    test::button(screen, QStringLiteral("Archiwizuj"))->click();
    EXPECT_EQ(zips(folder.file("tmp")).size(), 2u) << "a second archive of the day gets its own name";
}

TEST_F(Archiwum, FailedArchiveShowsTheMessageWithTheReasonAndReconnects) {
    for (const char* dir : {"", "brak/"}) {
        SCOPED_TRACE(dir);
        dialogs.shown.clear();
        TfrmArchiwum screen(services);
        ASSERT_TRUE(test::show_offscreen(screen));
        box(screen).setText(QString::fromStdString(*dir ? folder.file(dir) : ""));
        test::button(screen, QStringLiteral("Archiwizuj"))->click();
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0].kind, QStringLiteral("error"));
        EXPECT_EQ(dialogs.shown[0].text, QString::fromUtf8(kArchiwumBlad));
        EXPECT_FALSE(dialogs.shown[0].detail.isEmpty());
        EXPECT_TRUE(cn.is_connected());
    }
    EXPECT_TRUE(zips(folder.file("tmp")).empty());
}

}  // namespace
}  // namespace zlx::app
