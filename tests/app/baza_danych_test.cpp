#include "app/db/baza_danych_form.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLineEdit>
#include <QTest>

#include <filesystem>

#include "app/core/db_messages_box.h"
#include "app/core/services.h"
#include "core/settings.h"
#include "db/gl_ado_cn.h"
#include "db/gl_ado_ds.h"
#include "tests/app/support/screen_test.h"
#include "tests/app/support/scripted_dialogs.h"
#include "tests/support/temp_folder.h"

namespace zlx::app {
namespace {

const QString kRestart =
    QStringLiteral("Jeśli zmieniłeś ustawienia bazy danych pamiętaj aby zrestartować program");

// Returns the text after "key=" on the key's line, exactly as it stands in the file.
std::string raw_value(const std::string& file, const std::string& key) {
    std::string text = test::read_text(file);
    std::size_t at = text.find(key + "=");
    if (at == std::string::npos) return "(missing)";
    std::size_t begin = at + key.size() + 1;
    return text.substr(begin, text.find_first_of("\r\n", begin) - begin);
}

class BazaDanych : public ::testing::Test {
  protected:
    test::TempProgramFolder folder;
    test::ScriptedDialogs dialogs;
    test::ScriptedScreens screens;
    DbMessagesBox messages{dialogs};
    TGlAdoCn_mod cn{messages};
    TGlAdoDs_mod ds{cn, messages};
    Services services{dialogs, screens, cn, ds};

    QString box(TfrmBazaDanych& screen) {
        return screen.findChild<QLineEdit*>(QStringLiteral("sciezka_edt"))->text();
    }
};

TEST_F(BazaDanych, ShowsTheSavedPathOrTheDefault) {
    {
        TfrmBazaDanych screen(services);
        EXPECT_EQ(screen.windowTitle(), QStringLiteral("Baza danych"));
        EXPECT_EQ(box(screen).toStdString(), domyslna_sciezka_bazy());
    }
    zapisz_sciezka_bazy("/dane/Łódź/przDB.sqlite");
    TfrmBazaDanych screen(services);
    EXPECT_EQ(box(screen), QStringLiteral("/dane/Łódź/przDB.sqlite"));
}

TEST_F(BazaDanych, ChooserPutsTheChosenFileIntoTheBoxAndCancelKeepsIt) {
    TfrmBazaDanych screen(services);
    ASSERT_TRUE(test::show_offscreen(screen));
    dialogs.files = {QStringLiteral("/inna/baza.sqlite"), QString()};
    test::button(screen, QStringLiteral("......"))->click();
    EXPECT_EQ(box(screen), QStringLiteral("/inna/baza.sqlite"));
    test::button(screen, QStringLiteral("......"))->click();
    EXPECT_EQ(box(screen), QStringLiteral("/inna/baza.sqlite"));
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[1].text, QStringLiteral("/inna"))
        << "starts in the folder of the path in the box";
}

TEST_F(BazaDanych, CtrlEnterWritesTheTrimmedPathAndRemindsOfTheRestart) {
    TfrmBazaDanych screen(services);
    ASSERT_TRUE(test::show_offscreen(screen));
    test::press(Qt::Key_A, Qt::ControlModifier);
    test::type_text(QStringLiteral("  /dane/żółw baza.sqlite  "));
    test::press(Qt::Key_Return, Qt::ControlModifier);

    // Read back raw: reading a key trims it, so only the file shows what was written.
    EXPECT_EQ(raw_value(folder.file(kUstPrzelewIni), "sciezka_bazy"), "/dane/żółw baza.sqlite");
    EXPECT_EQ(dialogs.texts(), QStringList{kRestart});
    EXPECT_EQ(screen.result(), QDialog::Accepted);
    EXPECT_FALSE(screen.isVisible());
}

TEST_F(BazaDanych, EscClosesWithoutWriting) {
    TfrmBazaDanych screen(services);
    ASSERT_TRUE(test::show_offscreen(screen));
    test::press(Qt::Key_A, Qt::ControlModifier);
    test::type_text(QStringLiteral("/gdzie/indziej.sqlite"));
    test::press(Qt::Key_Escape);

    EXPECT_FALSE(screen.isVisible());
    EXPECT_EQ(screen.result(), QDialog::Rejected);
    EXPECT_FALSE(std::filesystem::exists(folder.file(kUstPrzelewIni)));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(BazaDanych, RefusedWriteIsReportedAndTheScreenStaysOpen) {
    // A folder where the settings file should be: the system refuses to replace it.
    std::filesystem::create_directory(folder.file(kUstPrzelewIni));
    TfrmBazaDanych screen(services);
    ASSERT_TRUE(test::show_offscreen(screen));
    test::button(screen, QStringLiteral("Zapisz [CTRL+ENTER]"))->click();

    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, QStringLiteral("warning"));
    EXPECT_TRUE(dialogs.shown[0].text.contains(QStringLiteral("ust_przelew.ini")))
        << dialogs.shown[0].text.toStdString();
    EXPECT_TRUE(screen.isVisible());
}

}  // namespace
}  // namespace zlx::app
