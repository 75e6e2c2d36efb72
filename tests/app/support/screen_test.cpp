#include "tests/app/support/screen_test.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QTest>

namespace zlx::test {

int ScriptedScreens::show_modal(QDialog& screen) {
    opened.push_back({QString::fromUtf8(screen.metaObject()->className()), screen.windowTitle()});
    if (!on_show) return QDialog::Rejected;
    if (!show_offscreen(screen))
        ADD_FAILURE() << "screen did not come up: " << screen.windowTitle().toStdString();
    int result = on_show(screen);
    screen.hide();
    return result;
}

bool show_offscreen(QWidget& window) {
    window.show();
    window.activateWindow();
    QApplication::setActiveWindow(&window);
    return QTest::qWaitForWindowActive(&window);
}

namespace {

QWidget* focused() {
    QWidget* w = QApplication::focusWidget();
    if (!w) w = QApplication::activeWindow();
    return w;
}

}  // namespace

void type_text(const QString& text) {
    // QTest::keyClicks maps characters through an ASCII table and aborts on a Polish letter.
    for (QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, focused(), Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

void press(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QWidget* w = focused();
    if (!w) {
        ADD_FAILURE() << "no window to press a key in";
        return;
    }
    QTest::keyClick(w, key, modifiers);
}

QAbstractButton* button(QWidget& window, const QString& caption) {
    for (QAbstractButton* b : window.findChildren<QAbstractButton*>())
        if (b->text() == caption) return b;
    ADD_FAILURE() << "no button \"" << caption.toStdString() << "\"";
    return nullptr;
}

}  // namespace zlx::test
