// Saves pictures of the tax and ZUS entry screens on orders of the demo data:
// zlecenix_screenshot_us_zus FOLDER. Runs offscreen with a fresh program folder and database.

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <string>

#include "app/core/dialogs.h"
#include "app/core/screen_factory.h"
#include "app/core/startup.h"
#include "app/transfers/formularz_podatki.h"
#include "app/transfers/formularz_zus.h"
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
        std::fprintf(stderr, "usage: zlecenix_screenshot_us_zus FOLDER\n");
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
    // The latest order of each kind.
    const auto ostatni = [&ds](int rodzaj) {
        auto rs = ds.open_sql("select nr_id from kartoteka where rodzaj_przelewu=" + std::to_string(rodzaj) +
                              " order by nr_id desc");
        return rs->eof() ? 0 : static_cast<std::int32_t>(rs->int_value("nr_id"));
    };
    zlx::app::Tformularz_podatki_frm podatki(services);
    podatki.set_przelew_data(zlx::load_przelew(ds, ostatni(zlx::kPrzelewPodatkowy)));
    podatki.show();
    QApplication::processEvents();
    bool saved = podatki.grab().save(out.filePath(QStringLiteral("formularz_podatki.png")));

    zlx::app::Tformularz_zus_frm zus(services);
    zus.set_przelew_data(zlx::load_przelew(ds, ostatni(zlx::kPrzelewZus)));
    zus.show();
    QApplication::processEvents();
    saved = zus.grab().save(out.filePath(QStringLiteral("formularz_zus.png"))) && saved;
    if (!saved) {
        std::fprintf(stderr, "cannot write into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
