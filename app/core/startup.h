#pragma once

// Start-up: the process-wide formats, then the long-lived modules in their order of creation. They
// live until the program ends and go in the reverse order.

#include <QStringList>

#include "app/core/db_messages_box.h"
#include "app/core/main_frm.h"
#include "app/core/services.h"
#include "app/db/DataModuleWersja2010_form.h"
#include "db/gl_ado_cn.h"
#include "db/gl_ado_ds.h"

namespace zlx::app {

// Reads "--folder DIR" from the program's arguments ("" when absent).
QString folder_argument(const QStringList& arguments);

// Answers --help and --version without a window: returns the text to print, "" when neither is asked.
QString odpowiedz_na_opcje(const QStringList& arguments);

// Fixes the process-wide formats: the decimal comma, "yyyy-mm-dd" dates, and floating-point
// arithmetic that never traps (division by zero gives an infinity).
void ustaw_formaty();

// The modules of a running program, created in their order once the program folder is set: the
// first-run check (the database wizard on the first start), the connection (a failure shows its
// message once and the program goes on unconnected), the data module, the main window (which brings
// the schema up to date and reconnects).
class Program {
  public:
    Program(Dialogs& dialogs, ScreenFactory& screens);

    Tmain_frm& main_frm() { return main_frm_; }
    const Services& services() const { return services_; }

  private:
    DbMessagesBox messages_;
    TDataModuleWersja2010 wersja2010_;
    TGlAdoCn_mod cn_;
    TGlAdoDs_mod ds_;
    Services services_;
    Tmain_frm main_frm_;
};

}  // namespace zlx::app
