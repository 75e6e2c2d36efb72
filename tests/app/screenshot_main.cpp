// Saves pictures of the main window as a user sees it on a 1366×768 screen (its work area below a
// panel, on the new empty database: with the first-steps note), the same with its first menu open, the
// about box with the program folder, and the database screens (selection, wizard, archive, data
// transfer): zlecenix_screenshot FOLDER. Runs offscreen with a fresh program folder, past its
// first run.

#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QTemporaryDir>

#include <cstdio>

#include "app/core/about_frm.h"
#include "app/core/dialogs.h"
#include "app/core/screen_factory.h"
#include "app/core/startup.h"
#include "app/db/archiwum_form.h"
#include "app/db/baza_danych_form.h"
#include "app/db/kreator_bazy_form.h"
#include "app/db/przeniesienie_danych_form.h"
#include "core/folder.h"
#include "core/settings.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: zlecenix_screenshot FOLDER\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    zlx::app::ustaw_formaty();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zlecenix 2010"));
    QTemporaryDir folder;
    zlx::set_program_folder(QDir(folder.path()).absolutePath().toStdString() + "/");
    zlx::zapisz_firsttime(0);  // the wizard would wait for a user

    zlx::app::QtDialogs dialogs;
    zlx::app::ScreenFactory screens;
    zlx::app::Program program(dialogs, screens);
    zlx::app::Tmain_frm& main = program.main_frm();
    main.resize(1366, 728);
    main.show();
    QApplication::processEvents();
    QDir out(QString::fromLocal8Bit(argv[1]));
    bool saved = main.grab().save(out.filePath(QStringLiteral("main_frm.png")));

    // The window again with its first menu open, drawn where the menu pops up.
    QMenu* plik = main.menuBar()->actions().front()->menu();
    plik->popup(
        main.mapToGlobal(main.menuBar()->actionGeometry(main.menuBar()->actions().front()).bottomLeft()));
    QApplication::processEvents();
    QPixmap with_menu = main.grab();
    QPainter painter(&with_menu);
    painter.drawPixmap(main.mapFromGlobal(plik->pos()), plik->grab());
    painter.end();
    plik->hide();
    saved = with_menu.save(out.filePath(QStringLiteral("main_frm_menu.png"))) && saved;

    zlx::app::TfrmBazaDanych baza(main.services(), &main);
    baza.show();
    QApplication::processEvents();
    saved = baza.grab().save(out.filePath(QStringLiteral("baza_danych.png"))) && saved;

    zlx::app::TfrmKreatorBazy2010 kreator(dialogs, &main);
    kreator.show();
    QApplication::processEvents();
    saved = kreator.grab().save(out.filePath(QStringLiteral("kreator_bazy.png"))) && saved;

    zlx::app::TfrmArchiwum archiwum(main.services(), &main);
    archiwum.show();
    QApplication::processEvents();
    saved = archiwum.grab().save(out.filePath(QStringLiteral("archiwum.png"))) && saved;

    zlx::app::TfrmPrzeniesienieDanych przeniesienie(main.services(), &main);
    przeniesienie.show();
    QApplication::processEvents();
    saved = przeniesienie.grab().save(out.filePath(QStringLiteral("przeniesienie_danych.png"))) && saved;
    zlx::app::TfrmAbout about(QString::fromStdString(zlx::program_folder()),
                              QString::fromStdString(main.services().cn.sciezka()), &main);
    about.show();
    QApplication::processEvents();
    saved = about.grab().save(out.filePath(QStringLiteral("o_programie.png"))) && saved;
    if (!saved) {
        std::fprintf(stderr, "cannot write into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
