#include "app/core/screen_factory.h"

#include <QDialog>

namespace zlx::app {

int ScreenFactory::show_modal(QDialog& screen) {
    return screen.exec();
}

}  // namespace zlx::app
