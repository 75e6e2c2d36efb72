#include "app/core/startup.h"

#include <QLocale>

#include <cfenv>

namespace zlx::app {

QString folder_argument(const QStringList& arguments) {
    int i = static_cast<int>(arguments.indexOf(QStringLiteral("--folder")));
    return i >= 0 && i + 1 < arguments.size() ? arguments.at(i + 1) : QString();
}

void ustaw_formaty() {
    // The default environment masks every floating-point exception and rounds to nearest.
    std::fesetenv(FE_DFL_ENV);
    // Number widgets follow the default locale: Polish gives the decimal comma. Dates are formatted
    // "yyyy-MM-dd" explicitly wherever they are shown.
    QLocale polish(QLocale::Polish, QLocale::Poland);
    polish.setNumberOptions(QLocale::OmitGroupSeparator);
    QLocale::setDefault(polish);
}

Program::Program(Dialogs& dialogs, ScreenFactory& screens)
    : messages_(dialogs),
      wersja2010_(dialogs, screens),
      cn_(messages_),
      ds_(cn_, messages_),
      services_{dialogs, screens, cn_, ds_},
      main_frm_(services_) {}

}  // namespace zlx::app
