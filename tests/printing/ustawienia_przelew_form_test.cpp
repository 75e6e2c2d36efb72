#include "app/printing/ustawienia_przelew_form.h"

#include <gtest/gtest.h>

#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QLineEdit>
#include <QRadioButton>
#include <filesystem>

#include "core/ini.h"
#include "core/settings.h"
#include "tests/app/support/screen_test.h"
#include "tests/app/support/scripted_dialogs.h"
#include "tests/db/db_fixture.h"
#include "tests/support/temp_folder.h"

namespace zlx::app {
namespace {

class UstawieniaForm : public ::testing::Test {
  protected:
    template <class T>
    static T& kontrolka(QWidget& f, const char* nazwa) {
        T* w = f.findChild<T*>(QString::fromUtf8(nazwa));
        EXPECT_NE(w, nullptr) << nazwa;
        return *w;
    }
    static QColor probka(QWidget& f, const char* wiersz) {
        return kontrolka<QFrame>(f, (std::string("probka_") + wiersz).c_str())
            .palette()
            .color(QPalette::Window);
    }
    test::TempProgramFolder folder;
    test::ScriptedDialogs dialogs;
    test::ScriptedScreens screens;
    test::RecordingMessages messages;
    TGlAdoCn_mod cn{messages};
    TGlAdoDs_mod ds{cn, messages};
    Services services{dialogs, screens, cn, ds};
};

// The dialog shows what printing would use, and saving it unchanged changes no printout: the font
// printing reads without a key, and margins with which every layout prints.
TEST_F(UstawieniaForm, FreshInstallShowsWhatPrintingUsesAndSavingStoresThem) {
    TUstawieniaPrzelew_frm f(services);
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Ustawienia"));
    EXPECT_EQ(kontrolka<QLineEdit>(f, "font_name").text(), QStringLiteral("ARIAL"));
    EXPECT_EQ(kontrolka<QLineEdit>(f, "pocztowy_wydruk_top").text(), QStringLiteral("4"));
    EXPECT_EQ(kontrolka<QLineEdit>(f, "us_wydruk_left").text(), QStringLiteral("20"));
    EXPECT_EQ(kontrolka<QLineEdit>(f, "bankowy_nadruk_top").text(), QStringLiteral("4"));
    EXPECT_TRUE(kontrolka<QCheckBox>(f, "zamieniajwielkie").isChecked());
    EXPECT_EQ(kontrolka<QButtonGroup>(f, "kratki").checkedId(), 0);
    EXPECT_EQ(kontrolka<QButtonGroup>(f, "jaknazwacd").checkedId(), 0);
    EXPECT_EQ(probka(f, "kolorlinie1"), QColor(236, 149, 147));
    ASSERT_TRUE(test::show_offscreen(f));
    test::press(Qt::Key_Return, Qt::ControlModifier);
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(czytaj_ini(kUstPrzelewIni, "font", "font_name", ""), "ARIAL");
    EXPECT_EQ(czytaj_ini(kUstPrzelewIni, "opcje_wydrukow", "kratki", "x"), "0");
    EXPECT_EQ(czytaj_ini(kUstPrzelewIni, "marginesy", "bankowy_nadruk_top", "x"), "4");
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(UstawieniaForm, FontChooserOpensOnTheStoredFamilyAndKeepsTheNameWhenUnchanged) {
    TUstawieniaPrzelew_frm f(services);
    QString otwarta;
    f.wybierz_czcionke = [&](const QFont& obecna, QWidget*) -> std::optional<QFont> {
        otwarta = obecna.family();
        QFont wynik = obecna;
        wynik.setPointSize(12);
        return wynik;
    };
    f.czcionka_btnClick();
    EXPECT_EQ(otwarta, QStringLiteral("Liberation Sans"));  // what "ARIAL" prints in here
    EXPECT_EQ(kontrolka<QLineEdit>(f, "font_name").text(), QStringLiteral("ARIAL"));
    EXPECT_EQ(kontrolka<QLineEdit>(f, "font_size").text(), QStringLiteral("12"));

    kontrolka<QLineEdit>(f, "font_name").setText(QStringLiteral("Courier NEW"));
    f.czcionka_btnClick();
    EXPECT_EQ(otwarta, QStringLiteral("Liberation Mono"));
}

TEST_F(UstawieniaForm, EditedControlsLandInTheirKeys) {
    zapisz_ini(kUstPrzelewIni, "opcje_wydrukow", "kratki", "2");
    TUstawieniaPrzelew_frm f(services);
    EXPECT_EQ(kontrolka<QButtonGroup>(f, "kratki").checkedId(), 2);  // the hidden third choice
    kontrolka<QButtonGroup>(f, "kratki").button(1)->setChecked(true);
    kontrolka<QLineEdit>(f, "us_nadruk_odstep").setText(QStringLiteral("-2,5"));
    kontrolka<QCheckBox>(f, "pionowe_napisy").setChecked(false);
    kontrolka<QButtonGroup>(f, "jaknazwacd").button(1)->setChecked(true);
    f.wybierz_czcionke = [](const QFont&, QWidget*) -> std::optional<QFont> {
        QFont font(QStringLiteral("Liberation Serif"));
        font.setPointSize(11);
        return font;
    };
    f.czcionka_btnClick();
    f.wybierz_kolor = [](const QColor&, QWidget*) -> std::optional<QColor> { return QColor(10, 20, 30); };
    f.ustaw_kolor("kolorfontnapiszus2");
    EXPECT_EQ(probka(f, "kolorfontnapiszus2"), QColor(10, 20, 30));
    f.zapisz_btnClick();
    const TUstPrzelew u = wczytaj_ust_przelew();
    EXPECT_EQ(u.kratki, "1");
    EXPECT_EQ(u.us_nadruk_odstep, "-2,5");
    EXPECT_EQ(u.pionowe_napisy, "0");
    EXPECT_EQ(u.jaknazwacd, "1");
    EXPECT_EQ(u.font_name, "Liberation Serif");
    EXPECT_EQ(u.font_size, "11");
    EXPECT_EQ(u.kolorfontnapiszus2_r, "10");
    EXPECT_EQ(u.kolorfontnapiszus2_g, "20");
    EXPECT_EQ(u.kolorfontnapiszus2_b, "30");
    EXPECT_EQ(u.kolorfontnapiszus1_r, "251");
}

TEST_F(UstawieniaForm, EscapeAfterChoosingAColourChangesNothing) {
    TUstawieniaPrzelew_frm f(services);
    f.wybierz_kolor = [](const QColor&, QWidget*) -> std::optional<QColor> { return QColor(1, 2, 3); };
    f.ustaw_kolor("kolortlo1");
    ASSERT_TRUE(test::show_offscreen(f));
    test::press(Qt::Key_Escape);
    EXPECT_FALSE(f.isVisible());
    EXPECT_FALSE(std::filesystem::exists(folder.file(kUstPrzelewIni)));
}

TEST_F(UstawieniaForm, BadColourNumberIsToldOncePerRowAndPaintsWhatItCouldRead) {
    zapisz_ini(kUstPrzelewIni, "kolory", "kolortlo1_g", "zielony");
    zapisz_ini(kUstPrzelewIni, "kolory", "kolortlo1_b", "x");
    zapisz_ini(kUstPrzelewIni, "kolory", "kolorlinie2_r", "?");
    TUstawieniaPrzelew_frm f(services);
    EXPECT_EQ(dialogs.texts(), QStringList({QStringLiteral("Nieprawidłowe numery kolorów"),
                                            QStringLiteral("Nieprawidłowe numery kolorów")}));
    EXPECT_EQ(probka(f, "kolortlo1"), QColor(245, 0, 0));
}

TEST_F(UstawieniaForm, WalutyAndSymbolFormularzaOpenTheirLists) {
    TUstawieniaPrzelew_frm f(services);
    test::button(f, QStringLiteral("Waluty"))->click();
    test::button(f, QStringLiteral("Symbol formularza (podatki)"))->click();
    ASSERT_EQ(screens.opened.size(), 2u);
    EXPECT_EQ(screens.opened[0].class_name, QStringLiteral("zlx::app::TfrmWalutaMaster"));
    EXPECT_EQ(screens.opened[0].caption, QStringLiteral("Waluty"));
    EXPECT_EQ(screens.opened[1].class_name, QStringLiteral("zlx::app::TfrmSymbolFormUsMaster"));
    EXPECT_EQ(screens.opened[1].caption, QStringLiteral("Symbol formularza Podatki"));
}

}  // namespace
}  // namespace zlx::app
