#pragma once

// The long-lived modules every screen is built with. They outlive every screen.

namespace zlx {
class TGlAdoCn_mod;
class TGlAdoDs_mod;
}  // namespace zlx

namespace zlx::app {

class Dialogs;
class ScreenFactory;

struct Services {
    Dialogs& dialogs;
    ScreenFactory& screens;
    TGlAdoCn_mod& cn;  // the one connection; may be closed
    TGlAdoDs_mod& ds;  // exec_sql and open_sql
};

}  // namespace zlx::app
