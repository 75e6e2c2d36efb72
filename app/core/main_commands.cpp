#include "app/core/main_commands.h"

#include "app/core/about_frm.h"
#include "app/core/dialogs.h"
#include "app/core/main_frm.h"
#include "app/core/screen_factory.h"
#include "app/db/baza_danych_form.h"
#include "db/gl_ado_cn.h"
#include "db/upgrade.h"

namespace zlx::app {

namespace {

void zakoncz(Tmain_frm& main) {
    main.close();
}

void baza_danych(Tmain_frm& main) {
    TfrmBazaDanych screen(main.services(), &main);
    main.services().screens.show_modal(screen);
}

void naprawa_bazy_2008(Tmain_frm& main) {
    const Services& s = main.services();
    if (!s.dialogs.question(
            &main, QStringLiteral("Czy użyć funkcji naprawczej ?"),
            QStringLiteral("Funkcji należy użyć tylko wtedy kiedy po przeniesieniu  bazy z wersji "
                           "2008 na 2010 nastepują problemy z zapisaniem przelewów")))
        return;
    // Without a connection every statement of the repair would fail: say so once instead of
    // showing each failure and then "Naprawiono".
    if (!s.cn.is_connected()) {
        s.dialogs.information(&main, QString::fromUtf8(kBrakPolaczenia));
        return;
    }
    try {
        napraw_baze_2008(s.ds);
    } catch (const std::exception&) {
        return;  // a failed repair shows nothing more than its statements' own error boxes
    }
    s.dialogs.information(&main, QStringLiteral("Naprawiono"));
}

void o_programie(Tmain_frm& main) {
    TfrmAbout screen(&main);
    main.services().screens.show_modal(screen);
}

const PrzyciskPanelu kPrzyciski[] = {
    {"Ustawienia", "Baza danych", "", baza_danych},
};

const PozycjaMenu kPozycje[] = {
    {"&Plik", "Zakończ", false, zakoncz},
    {"&Ustawienia", "Baza danych", true, baza_danych},
    {"&Ustawienia", "Naprawa bazy 2008", false, naprawa_bazy_2008},
    {"P&omoc", "O programie", false, o_programie},
};

}  // namespace

std::span<const PrzyciskPanelu> przyciski_panelu() {
    return kPrzyciski;
}
std::span<const PozycjaMenu> pozycje_menu() {
    return kPozycje;
}

}  // namespace zlx::app
