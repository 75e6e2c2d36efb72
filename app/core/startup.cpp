#include "app/core/startup.h"

#include <QLocale>

#include <cfenv>

#include "core/version.h"

namespace zlx::app {

QString folder_argument(const QStringList& arguments) {
    int i = static_cast<int>(arguments.indexOf(QStringLiteral("--folder")));
    return i >= 0 && i + 1 < arguments.size() ? arguments.at(i + 1) : QString();
}

QString odpowiedz_na_opcje(const QStringList& arguments) {
    if (arguments.contains(QStringLiteral("--version")))
        return QStringLiteral("zlecenix ") + QString::fromUtf8(kVersion) + QLatin1Char('\n');
    if (!arguments.contains(QStringLiteral("--help")) && !arguments.contains(QStringLiteral("-h"))) return {};
    return QStringLiteral(
        "Użycie: zlecenix [--folder KATALOG]\n"
        "Polecenia przelewu: bankowe, podatkowe i ZUS.\n\n"
        "  --folder KATALOG  folder programu (pliki ustawień, data/, tmp/); domyślnie\n"
        "                    $XDG_DATA_HOME/zlecenix (~/.local/share/zlecenix), a przy pliku\n"
        "                    zlecenix.portable obok programu: folder programu\n"
        "  --help            wypisuje ten opis i kończy\n"
        "  --version         wypisuje wersję i kończy\n\n"
        "Bez okna: zlecenix-cli (zobacz: zlecenix-cli help).\n");
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
