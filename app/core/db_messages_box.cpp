#include "app/core/db_messages_box.h"

#include <QApplication>

#include "app/core/dialogs.h"

namespace zlx::app {

namespace {

// The window the user is working in, so the box comes up over it.
QWidget* current_window() {
    QWidget* modal = QApplication::activeModalWidget();
    return modal ? modal : QApplication::activeWindow();
}

}  // namespace

void DbMessagesBox::message(const std::string& text) {
    dialogs_.information(current_window(), QString::fromStdString(text));
}

void DbMessagesBox::sql_error(const std::string& statement, const std::string& detail) {
    QString text = QString::fromStdString(statement);
    dialogs_.error(current_window(), text, QString::fromStdString(detail));
    dialogs_.set_clipboard(text);
}

void DbMessagesBox::database_busy(bool waiting) {
    // The window does not repaint while the statement waits; the cursor does change.
    if (waiting)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

}  // namespace zlx::app
