// Saves pictures of the registers' screens on the demo data set: the counterparty register with two
// rows ticked (kthprz_master.png), a counterparty's card (kthprz_detail.png, its accounts page
// kthprz_detail_bank.png), the own companies (firma_master.png) and the title dictionary
// (slownik_tytulem.png): registers_screenshot FOLDER.
// Runs offscreen with a fresh program folder.

#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>

#include <cstdio>

#include "app/core/dialogs.h"
#include "app/core/screen_factory.h"
#include "app/core/startup.h"
#include "app/registers/frmFirmaMaster_form.h"
#include "app/registers/frmSlownikTytulemMaster_form.h"
#include "app/registers/kthprz_detail_form.h"
#include "app/registers/kthprz_master_form.h"
#include "app/registers/lista_model.h"
#include "core/folder.h"
#include "registers/kontrah_store.h"
#include "transfers/demo.h"

namespace {

bool zapisz(QWidget& w, const QDir& out, const char* nazwa) {
    w.show();
    QApplication::processEvents();
    return w.grab().save(out.filePath(QString::fromLatin1(nazwa)));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: registers_screenshot FOLDER\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    zlx::app::ustaw_formaty();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zlecenix 2010"));
    QTemporaryDir folder;
    zlx::set_program_folder(QDir(folder.path()).absolutePath().toStdString() + "/");

    zlx::app::QtDialogs dialogs;
    zlx::app::ScreenFactory screens;
    zlx::app::Program program(dialogs, screens);
    const zlx::app::Services& services = program.services();
    zlx::wypelnij_demo(services.ds, zlx::TDateTime::today());
    QDir out(QString::fromLocal8Bit(argv[1]));

    zlx::app::Tkthprz_master_frm rejestr(services);
    rejestr.show();
    QApplication::processEvents();
    auto* siatka = rejestr.findChild<QTableView*>(QStringLiteral("siatka"));
    auto* model = static_cast<zlx::app::ListaModel*>(siatka->model());
    model->zaznacz(1, true);
    model->zaznacz(3, true);
    siatka->setCurrentIndex(model->index(3, 3));
    bool saved = zapisz(rejestr, out, "kthprz_master.png");

    zlx::app::Tkthprz_detail_frm karta(services, &rejestr);
    karta.set_kth(zlx::get_kontrah(services.ds, model->klucz(3)));
    saved = zapisz(karta, out, "kthprz_detail.png") && saved;
    karta.findChild<QTabWidget*>(QStringLiteral("strony"))->setCurrentIndex(1);
    saved = zapisz(karta, out, "kthprz_detail_bank.png") && saved;

    zlx::app::TfrmFirmaMaster firmy(services);
    saved = zapisz(firmy, out, "firma_master.png") && saved;

    zlx::app::TfrmSlownikTytulemMaster tytuly(services);
    saved = zapisz(tytuly, out, "slownik_tytulem.png") && saved;
    if (!saved) {
        std::fprintf(stderr, "cannot write into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
