#pragma once

// Habits every screen shares.

#include <QKeySequence>

#include <functional>

class QDialog;
class QWidget;

namespace zlx::app {

// Stops Enter from clicking a button the user did not choose: in a dialog every push button is
// otherwise a candidate default button.
void no_default_buttons(QDialog& screen);

// Runs the action when the key is pressed anywhere in the window, before its controls see it.
void on_key(QWidget& window, const QKeySequence& key, std::function<void()> action);

// Ctrl+Enter on either Enter key.
void on_ctrl_enter(QWidget& window, const std::function<void()>& action);

// Shows the busy cursor while a long step runs, the normal one again when it ends (also by an error).
class BusyCursor {
  public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace zlx::app
