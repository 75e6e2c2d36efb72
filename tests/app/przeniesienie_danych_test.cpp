#include "app/db/przeniesienie_danych_form.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "app/core/db_messages_box.h"
#include "app/core/services.h"
#include "core/settings.h"
#include "core/text.h"
#include "db/gl_ado_cn.h"
#include "db/gl_ado_ds.h"
#include "tests/app/support/screen_test.h"
#include "tests/app/support/scripted_dialogs.h"
#include "tests/support/fixtures.h"
#include "tests/support/temp_folder.h"

namespace zlx::app {
namespace {

std::string fixture(const std::string& name) {
    return test::mdb_fixture(name);
}

// An Access file with a counterparty table of the older version's name: no tool here writes Access
// files, so a table of the Jet 3 fixture is renamed in place (names of the same length, so nothing
// moves): Shippers becomes kontrach, its Phone column nazwa. The file has no table `my`.
std::string older_file_with_kontrach(const test::TempFolder& folder) {
    std::ifstream in(fixture("nwind.mdb"), std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    bytes = replace_all(replace_all(bytes, "Shippers", "kontrach"), "Phone", "nazwa");
    const std::string path = folder.file("przelewy.mdb");
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

const QString kQuestion = QStringLiteral("Czy na pewno chcesz wczytać dane ?");
const QString kGotowe = QStringLiteral("Gotowe");

class Przeniesienie : public ::testing::Test {
  protected:
    test::TempProgramFolder folder;
    test::ScriptedDialogs dialogs;
    test::ScriptedScreens screens;
    DbMessagesBox messages{dialogs};
    TGlAdoCn_mod cn{messages};
    TGlAdoDs_mod ds{cn, messages};
    Services services{dialogs, screens, cn, ds};

    int kontrahenci() { return ds.open_sql("SELECT count(*) AS n FROM kontrach")->int_value("n"); }
    int firmy() { return ds.open_sql("SELECT count(*) AS n FROM my")->int_value("n"); }
    static QCheckBox& box(TfrmPrzeniesienieDanych& s, const char* name) {
        return *s.findChild<QCheckBox*>(QString::fromUtf8(name));
    }
    static QLineEdit& file_box(TfrmPrzeniesienieDanych& s) {
        return *s.findChild<QLineEdit*>(QStringLiteral("plik_edt"));
    }
};

TEST_F(Przeniesienie, OpensWithTheOlderFileSuggestedAndBothBoxesTicked) {
    TfrmPrzeniesienieDanych screen(services);
    ASSERT_TRUE(test::show_offscreen(screen));
    EXPECT_EQ(screen.windowTitle(), QStringLiteral("Przeniesienie danych"));
    EXPECT_EQ(screen.findChild<QLabel*>()->text(),
              QStringLiteral("Wskaż plik bazy danych programu Zlecenix 1"));
    EXPECT_EQ(file_box(screen).text(), QStringLiteral("C:\\Zlecenix\\dane\\przelewy.mdb"));
    EXPECT_EQ(box(screen, "kontrahenci_chk").text(), QStringLiteral("Przenieś kontrahentów"));
    EXPECT_EQ(box(screen, "firmy_chk").text(), QStringLiteral("Przenieś kartoteki firm własnych"));
    EXPECT_TRUE(box(screen, "kontrahenci_chk").isChecked());
    EXPECT_TRUE(box(screen, "firmy_chk").isChecked());

    QAbstractButton* dzialaj = test::button(screen, QStringLiteral("Działaj"));
    box(screen, "kontrahenci_chk").click();
    EXPECT_TRUE(dzialaj->isEnabled());
    box(screen, "firmy_chk").click();
    EXPECT_FALSE(dzialaj->isEnabled()) << "nothing ticked, nothing to do";
    box(screen, "firmy_chk").click();
    EXPECT_TRUE(dzialaj->isEnabled());

    dialogs.files = {QStringLiteral("/dane/stare.mdb"), QString()};
    test::button(screen, QStringLiteral("...."))->click();
    test::button(screen, QStringLiteral("...."))->click();
    EXPECT_EQ(file_box(screen).text(), QStringLiteral("/dane/stare.mdb"));
}

TEST_F(Przeniesienie, GotoweOnlyWhenTheOlderFileWasRead) {
    const std::string older = older_file_with_kontrach(folder);
    test::write_text(folder.file("zla.mdb"), std::string(5000, 'z'));
    struct Case {
        const char* name;
        std::string path;
        bool yes;
        bool firmy;         // "Przenieś kartoteki firm własnych" ticked
        QStringList shown;  // every box after the question; "*x" stands for a text containing x
        int new_kontrahenci;
    };
    const Case cases[] = {
        {"answered No", older, false, true, {}, 0},
        {"empty path",
         "   ",
         true,
         true,
         {QStringLiteral("Wybrano niewłaściwą bazę programu Zlecenix 1")},
         0},
        {"unreadable file", folder.file("zla.mdb"), true, true, {QStringLiteral("*zla.mdb")}, 0},
        {"missing file", folder.file("brak.mdb"), true, true, {QStringLiteral("*brak.mdb")}, 0},
        {"Access file without the tables",
         fixture("nwind.mdb"),
         true,
         true,
         {QStringLiteral("*kontrach")},
         0},
        {"counterparties only", older, true, false, {kGotowe}, 3},
        {"own companies missing", older, true, true, {QStringLiteral("*Przeniesiono kontrahentów: 3")}, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const int before = kontrahenci();
        dialogs.shown.clear();
        dialogs.answers = {c.yes};
        TfrmPrzeniesienieDanych screen(services);
        ASSERT_TRUE(test::show_offscreen(screen));
        file_box(screen).setText(QString::fromStdString(c.path));
        box(screen, "firmy_chk").setChecked(c.firmy);
        test::button(screen, QStringLiteral("Działaj"))->click();

        ASSERT_FALSE(dialogs.shown.empty());
        EXPECT_EQ(dialogs.shown[0].title, QStringLiteral("Wczytanie danych Zlecenix"));
        EXPECT_EQ(dialogs.shown[0].text, kQuestion);
        ASSERT_EQ(dialogs.shown.size(), static_cast<std::size_t>(c.shown.size()) + 1);
        for (qsizetype i = 0; i < c.shown.size(); ++i) {
            const auto& got = dialogs.shown[static_cast<std::size_t>(i) + 1];
            if (c.shown[i].startsWith(QLatin1Char('*'))) {
                EXPECT_EQ(got.kind, QStringLiteral("warning"));
                EXPECT_TRUE(got.text.contains(c.shown[i].mid(1))) << got.text.toStdString();
            } else {
                EXPECT_EQ(got.kind, QStringLiteral("information"));
                EXPECT_EQ(got.text, c.shown[i]);
            }
        }
        EXPECT_EQ(kontrahenci() - before, c.new_kontrahenci);
        EXPECT_TRUE(screen.isVisible());
    }
    EXPECT_EQ(firmy(), 0);
    // Each run added the rows again, with their data.
    EXPECT_EQ(ds.open_sql("SELECT ID1 FROM kontrach WHERE nazwa='(503) 555-9831'")->record_count(), 2u);
}

TEST_F(Przeniesienie, UnconnectedSaysSoOnce) {
    cn.disconnect_db();
    TfrmPrzeniesienieDanych screen(services);
    ASSERT_TRUE(test::show_offscreen(screen));
    file_box(screen).setText(QString::fromStdString(older_file_with_kontrach(folder)));
    dialogs.answers = {true};
    test::button(screen, QStringLiteral("Działaj"))->click();
    EXPECT_EQ(dialogs.texts(), (QStringList{kQuestion, QString::fromUtf8(kBrakPolaczenia)}));
}

}  // namespace
}  // namespace zlx::app
