#pragma once

// The first-run check, made before the connection exists: on the first start the database wizard
// runs, so the path it writes is the one the connection then opens. Whatever the wizard returned, the
// next start shows it no more.

namespace zlx::app {

class Dialogs;
class ScreenFactory;

class TDataModuleWersja2010 {
  public:
    // Runs the check at once, as the module's creation handler does.
    TDataModuleWersja2010(Dialogs& dialogs, ScreenFactory& screens);
};

}  // namespace zlx::app
