#include <QApplication>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTranslator>

#include <exception>

#include "app/core/dialogs.h"
#include "app/core/screen_factory.h"
#include "app/core/startup.h"
#include "core/folder.h"

int main(int argc, char** argv) {
    zlx::app::ustaw_formaty();
    QApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("Zlecenix 2010"));
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
    program.main_frm().showMaximized();
    return application.exec();
}
