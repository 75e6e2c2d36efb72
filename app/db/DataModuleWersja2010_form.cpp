#include "app/db/DataModuleWersja2010_form.h"

#include "app/core/dialogs.h"
#include "app/core/screen_factory.h"
#include "app/db/kreator_bazy_form.h"
#include "core/ini.h"
#include "core/settings.h"

namespace zlx::app {

TDataModuleWersja2010::TDataModuleWersja2010(Dialogs& dialogs, ScreenFactory& screens) {
    if (!pierwsze_uruchomienie()) return;
    {
        TfrmKreatorBazy2010 wizard(dialogs);
        screens.show_modal(wizard);
    }
    try {
        zapisz_firsttime(0);
    } catch (const IniWriteError& e) {
        dialogs.warning(nullptr, QStringLiteral("Baza danych"), QString::fromUtf8(e.what()));
    }
}

}  // namespace zlx::app
