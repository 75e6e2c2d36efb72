#pragma once

// Screens are modal and made per call: the caller builds the screen with the shared Services, hands
// it its records (set_…), runs it through the ScreenFactory and reads it back (get_…) before it goes.
// Tests replace the factory to see which screen a command opened, with which records, and to script
// its result without a modal loop.

class QDialog;

namespace zlx::app {

class ScreenFactory {
  public:
    virtual ~ScreenFactory() = default;
    // Shows the screen modally, at the size and place it had last time (uklad_okien.h); returns
    // QDialog::Accepted or QDialog::Rejected.
    virtual int show_modal(QDialog& screen);
};

}  // namespace zlx::app
