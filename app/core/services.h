#pragma once

// The long-lived services every screen is built with. They outlive every screen.

namespace zlx::app {

class Dialogs;
class ScreenFactory;

struct Services {
    Dialogs& dialogs;
    ScreenFactory& screens;
};

}  // namespace zlx::app
