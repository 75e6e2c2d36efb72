#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTranslator>

#include <cstdio>
#include <exception>

#include "app/core/dialogs.h"
#include "app/core/screen_factory.h"
#include "app/core/startup.h"
#include "app/core/uklad_okien.h"
#include "core/folder.h"

namespace {

QStringList argumenty(int argc, char** argv) {
    QStringList list;
    for (int i = 1; i < argc; ++i)
        list << QString::fromLocal8Bit(argv[i]);
    return list;
}

}  // namespace

int main(int argc, char** argv) {
    // Answered before the application exists, so they need no display.
    if (const QString tekst = zlx::app::odpowiedz_na_opcje(argumenty(argc, argv)); !tekst.isEmpty()) {
        std::fputs(tekst.toLocal8Bit().constData(), stdout);
        return 0;
    }
    zlx::app::ustaw_formaty();
    QApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("Zlecenix 2010"));
    application.setDesktopFileName(QStringLiteral("zlecenix"));
    application.setWindowIcon(QIcon(QStringLiteral(":/zlecenix.png")));
    // Polish texts in Qt's own dialogs (file chooser) when the translations are installed.
    QTranslator qt_polish;
    if (qt_polish.load(QLocale(QLocale::Polish), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qt_polish);
    try {
        zlx::set_program_folder(
            zlx::choose_program_folder(zlx::app::folder_argument(application.arguments()).toStdString()));
    } catch (const std::exception& e) {
        QMessageBox::critical(nullptr, QStringLiteral("Zlecenix 2010"), QString::fromUtf8(e.what()));
        return 1;
    }
    zlx::app::QtDialogs dialogs;
    zlx::app::ScreenFactory screens;
    zlx::app::Program program(dialogs, screens);
    // Opens maximised the first time, then where the user left it.
    if (zlx::app::przywroc_uklad(program.main_frm()))
        program.main_frm().show();
    else
        program.main_frm().showMaximized();
    return application.exec();
}
