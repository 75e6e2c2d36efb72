#pragma once

// Start-up: the process-wide formats, then the long-lived modules in their order of creation. They
// live until the program ends and go in the reverse order.

#include <QStringList>

#include "app/core/main_frm.h"
#include "app/core/services.h"

namespace zlx::app {

// Reads "--folder DIR" from the program's arguments ("" when absent).
QString folder_argument(const QStringList& arguments);

// Fixes the process-wide formats: the decimal comma, "yyyy-mm-dd" dates, and floating-point
// arithmetic that never traps (division by zero gives an infinity).
void ustaw_formaty();

// The modules of a running program, created in their order; the program folder is set before.
class Program {
  public:
    Program(Dialogs& dialogs, ScreenFactory& screens);

    Tmain_frm& main_frm() { return main_frm_; }

  private:
    Services services_;
    Tmain_frm main_frm_;
};

}  // namespace zlx::app
