#include "app/core/startup.h"

#include <QLocale>

namespace zlx::app {

QString folder_argument(const QStringList& arguments) {
    int i = static_cast<int>(arguments.indexOf(QStringLiteral("--folder")));
    return i >= 0 && i + 1 < arguments.size() ? arguments.at(i + 1) : QString();
}

void ustaw_formaty() {
    // Number and date widgets follow the default locale: Polish gives the decimal comma; dates are
    // formatted "yyyy-MM-dd" explicitly wherever they are shown.
    QLocale polish(QLocale::Polish, QLocale::Poland);
    polish.setNumberOptions(QLocale::OmitGroupSeparator);
    QLocale::setDefault(polish);
}

}  // namespace zlx::app
