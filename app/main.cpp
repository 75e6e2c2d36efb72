#include <QApplication>
#include <QMessageBox>

#include <exception>

#include "core/folder.h"
#include "app/core/main_frm.h"
#include "app/core/startup.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    zlx::app::ustaw_formaty();
    application.setApplicationName(QStringLiteral("Zlecenix 2010"));
    try {
        zlx::set_program_folder(
            zlx::choose_program_folder(zlx::app::folder_argument(application.arguments()).toStdString()));
    } catch (const std::exception& e) {
        QMessageBox::critical(nullptr, QStringLiteral("Zlecenix 2010"), QString::fromUtf8(e.what()));
        return 1;
    }
    zlx::app::Tmain_frm window;
    window.showMaximized();
    return application.exec();
}
