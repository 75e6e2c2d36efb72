// Saves pictures of the transfer list over the demo data and of the bank entry screen on one of its
// orders, as a user sees them on a 1366×768 screen: zlecenix_screenshot_przelewy FOLDER. Runs
// offscreen with a fresh program folder and database.

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QTemporaryDir>

#include <cstdio>
#include <string>

#include "app/core/dialogs.h"
#include "app/core/screen_factory.h"
#include "app/core/startup.h"
#include "app/transfers/formularz_form.h"
#include "app/transfers/przelew_list_master.h"
#include "app/transfers/przelew_list_model.h"
#include "core/folder.h"
#include "db/gl_ado_cn.h"
#include "db/gl_ado_ds.h"
#include "transfers/demo.h"
#include "transfers/przelew_store.h"

namespace {

struct StderrMessages : zlx::DbMessages {
    void message(const std::string& text) override { std::fprintf(stderr, "%s\n", text.c_str()); }
    void sql_error(const std::string& statement, const std::string& detail) override {
        std::fprintf(stderr, "%s\n%s\n", statement.c_str(), detail.c_str());
    }
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: zlecenix_screenshot_przelewy FOLDER\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    zlx::app::ustaw_formaty();
    QApplication application(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Zlecenix 2010"));
    QTemporaryDir folder;
    zlx::set_program_folder(QDir(folder.path()).absolutePath().toStdString() + "/");

    StderrMessages messages;
    zlx::TGlAdoCn_mod cn(messages);
    zlx::TGlAdoDs_mod ds(cn, messages);
    zlx::wypelnij_demo(ds, zlx::TDateTime::today());
    zlx::app::QtDialogs dialogs;
    zlx::app::ScreenFactory screens;
    zlx::app::Services services{dialogs, screens, cn, ds};

    QDir out(QString::fromLocal8Bit(argv[1]));
    zlx::app::TPrzelewListMaster_frm lista(services);
    lista.setWindowState(Qt::WindowNoState);
    lista.resize(1366, 728);
    lista.show();
    // This year's orders, two of them ticked.
    lista.findChild<QComboBox*>(QStringLiteral("schemat_okres_cmb"))->setCurrentIndex(5);
    lista.model().zaznacz(1, true);
    lista.model().zaznacz(3, true);
    QApplication::processEvents();
    bool saved = lista.grab().save(out.filePath(QStringLiteral("przelew_list_master.png")));

    zlx::app::Tformularz_frm formularz(services, &lista);
    formularz.set_przelew_data(zlx::load_przelew(ds, lista.model().klucz(0)));
    formularz.show();
    QApplication::processEvents();
    saved = formularz.grab().save(out.filePath(QStringLiteral("formularz.png"))) && saved;
    if (!saved) {
        std::fprintf(stderr, "cannot write into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
