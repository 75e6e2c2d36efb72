#include "app/core/main_commands.h"

#include "app/core/about_frm.h"
#include "app/core/dialogs.h"
#include "app/core/main_frm.h"
#include "app/core/screen_factory.h"
#include "app/db/archiwum_form.h"
#include "app/db/baza_danych_form.h"
#include "app/db/kreator_bazy_form.h"
#include "app/db/przeniesienie_danych_form.h"
#include "app/printing/ustawienia_przelew_form.h"
#include "app/registers/frmFirmaMaster_form.h"
#include "app/registers/frmSlownikTytulemMaster_form.h"
#include "app/registers/kthprz_master_form.h"
#include "app/transfers/przelew_list_master.h"
#include "core/folder.h"
#include "core/settings.h"
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

void przeniesienie_danych(Tmain_frm& main) {
    TfrmPrzeniesienieDanych screen(main.services(), &main);
    main.services().screens.show_modal(screen);
}

// The wizard writes only the path; connecting again makes its choice take effect at once.
void kreator_zmiany_wersji(Tmain_frm& main) {
    const Services& s = main.services();
    s.cn.disconnect_db();
    {
        TfrmKreatorBazy2010 screen(s.dialogs, &main);
        s.screens.show_modal(screen);
    }
    s.cn.connect_db();
}

void archiwizacja(Tmain_frm& main) {
    TfrmArchiwum screen(main.services(), &main);
    main.services().screens.show_modal(screen);
}

void ustawienia_przelewy(Tmain_frm& main) {
    TUstawieniaPrzelew_frm screen(main.services(), &main);
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

void lista_przelewow(Tmain_frm& main, int tryb) {
    TPrzelewListMaster_frm screen(main.services(), &main);
    screen.set_tryb_startu(tryb);
    main.services().screens.show_modal(screen);
}

void bankowy_wystaw(Tmain_frm& main) {
    lista_przelewow(main, 1);
}
void zus_wystaw(Tmain_frm& main) {
    lista_przelewow(main, 2);
}
void podatkowy_wystaw(Tmain_frm& main) {
    lista_przelewow(main, 3);
}
void lista_przelewow_przegladaj(Tmain_frm& main) {
    lista_przelewow(main, 0);
}

// The registers are opened for maintenance; what they choose is not used here.
void kontrahenci(Tmain_frm& main) {
    Tkthprz_master_frm screen(main.services(), &main);
    main.services().screens.show_modal(screen);
}

void firmy_wlasne(Tmain_frm& main) {
    TfrmFirmaMaster screen(main.services(), &main);
    main.services().screens.show_modal(screen);
}

void slownik_tytulem(Tmain_frm& main) {
    TfrmSlownikTytulemMaster screen(main.services(), &main);
    main.services().screens.show_modal(screen);
}

void o_programie(Tmain_frm& main) {
    const Services& s = main.services();
    // The database in use: the connected one, or the configured one that did not open.
    const std::string baza = s.cn.is_connected() ? s.cn.sciezka() : sciezka_bazy();
    TfrmAbout screen(QString::fromStdString(program_folder()), QString::fromStdString(baza), &main);
    main.services().screens.show_modal(screen);
}

const PrzyciskPanelu kPrzyciski[] = {
    {"Przelewy", "Bankowy - wystaw", "Wystaw nowy przelew bankowy", bankowy_wystaw},
    {"Przelewy", "Zus -  wystaw", "Wystaw nowy przelew ZUS", zus_wystaw},
    {"Przelewy", "Podatkowy - wystaw", "Wystaw nowy przelew podatkowy", podatkowy_wystaw},
    {"Przelewy", "Lista przelewów", "Przeglądaj listę przelewów", lista_przelewow_przegladaj},
    {"Kartoteki", "Kontrahenci", "Wejdź do kartoteki kontrahentów", kontrahenci},
    {"Kartoteki", "Firmy własne", "Wejdź do kartoteki firm własnych", firmy_wlasne},
    {"Kartoteki", "Słownik Tytułem", "", slownik_tytulem},
    {"Ustawienia", "Przeniesienie danych", "Przeniesienie danych z Programu Zlecenix 1",
     przeniesienie_danych},
    {"Ustawienia", "Ustawienia Przelewy", "Opcje przelewów", ustawienia_przelewy},
    {"Ustawienia", "Baza danych", "", baza_danych},
};

const PozycjaMenu kPozycje[] = {
    {"Plik", "Zakończ", false, "Ctrl+Q", zakoncz},
    {"Przelewy", "Bankowy - wystaw", false, "Ctrl+B", bankowy_wystaw},
    {"Przelewy", "Zus - wystaw", false, "Ctrl+Z", zus_wystaw},
    {"Przelewy", "Podatkowy - wystaw", false, "Ctrl+P", podatkowy_wystaw},
    {"Przelewy", "Lista przelewów", true, "Ctrl+L", lista_przelewow_przegladaj},
    {"Kartoteki", "Kontrahenci", false, "Ctrl+K", kontrahenci},
    {"Kartoteki", "Firmy własne", false, "Ctrl+F", firmy_wlasne},
    {"Ustawienia", "Ustawienia przelewów", false, "Ctrl+U", ustawienia_przelewy},
    {"Ustawienia", "Przeniesienie danych z Zlecenix 1", false, "Ctrl+Shift+D", przeniesienie_danych},
    {"Ustawienia", "Baza danych", true, "Ctrl+D", baza_danych},
    {"Ustawienia", "Kreator zmiany wersji", true, "Ctrl+Shift+K", kreator_zmiany_wersji},
    {"Ustawienia", "Naprawa bazy 2008", false, "Ctrl+Shift+N", naprawa_bazy_2008},
    {"Archiwizacja", nullptr, false, "Ctrl+A", archiwizacja},
    {"Pomoc", "O programie", false, "F1", o_programie},
};

}  // namespace

std::span<const PrzyciskPanelu> przyciski_panelu() {
    return kPrzyciski;
}
std::span<const PozycjaMenu> pozycje_menu() {
    return kPozycje;
}

}  // namespace zlx::app
