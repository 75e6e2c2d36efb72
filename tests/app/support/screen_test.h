#pragma once

// Drives screens offscreen: the scripted screen factory, showing a screen without a modal loop,
// typing and pressing keys as a user would, finding controls by caption.

#include <QDialog>
#include <QString>

#include <functional>
#include <vector>

#include "app/core/screen_factory.h"
#include "tests/app/support/qt_print.h"

class QAbstractButton;
class QWidget;

namespace zlx::test {

// A ScreenFactory that never blocks: records each screen shown and lets the test drive it.
class ScriptedScreens : public app::ScreenFactory {
  public:
    struct Opened {
        QString class_name;  // as moc spells it, e.g. "zlx::app::TfrmAbout"
        QString caption;
    };

    std::vector<Opened> opened;
    // Called with each screen while it is shown (offscreen); its return is the screen's result.
    // Unset: the screen is closed with Rejected.
    std::function<int(QDialog&)> on_show;

    int show_modal(QDialog& screen) override;
};

// Shows the window offscreen, active, as the user would see it. Returns false when it did not come up.
bool show_offscreen(QWidget& window);

// Types the text into the focused control, one key at a time; Polish letters included.
void type_text(const QString& text);
// Presses a key (with modifiers) on the focused control.
void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// Returns the button of the window with exactly this caption; fails the test and returns nullptr
// when there is none.
QAbstractButton* button(QWidget& window, const QString& caption);

}  // namespace zlx::test
