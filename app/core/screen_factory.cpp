#include "app/core/screen_factory.h"

#include <QDialog>

#include "app/core/uklad_okien.h"

namespace zlx::app {

int ScreenFactory::show_modal(QDialog& screen) {
    przywroc_uklad(screen);
    const int result = screen.exec();
    zapisz_uklad(screen);
    return result;
}

}  // namespace zlx::app
