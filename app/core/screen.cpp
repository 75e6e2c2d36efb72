#include "app/core/screen.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QShortcut>

namespace zlx::app {

void no_default_buttons(QDialog& screen) {
    for (QPushButton* button : screen.findChildren<QPushButton*>()) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
}

void on_key(QWidget& window, const QKeySequence& key, std::function<void()> action) {
    auto* shortcut = new QShortcut(key, &window);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, &window, std::move(action));
}

void on_ctrl_enter(QWidget& window, const std::function<void()>& action) {
    on_key(window, QKeySequence(Qt::CTRL | Qt::Key_Return), action);
    on_key(window, QKeySequence(Qt::CTRL | Qt::Key_Enter), action);
}

BusyCursor::BusyCursor() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

BusyCursor::~BusyCursor() {
    QApplication::restoreOverrideCursor();
}

}  // namespace zlx::app
