// The screen tests run in one QApplication, offscreen unless told otherwise.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>

#include "app/core/startup.h"

namespace {

QtMessageHandler qt_handler = nullptr;

// Drops the offscreen platform's notice about window size hints, printed for every window shown.
void quiet_offscreen(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QStringLiteral("propagateSizeHints"))) return;
    qt_handler(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        QString runtime = QDir::tempPath() + QStringLiteral("/zlx-test-runtime");
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
    }
    qt_handler = qInstallMessageHandler(quiet_offscreen);
    zlx::app::ustaw_formaty();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zlecenix 2010"));
    return RUN_ALL_TESTS();
}
