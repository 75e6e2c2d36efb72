#include "app/core/main_commands.h"

#include "app/core/about_frm.h"
#include "app/core/main_frm.h"
#include "app/core/screen_factory.h"
#include "app/db/baza_danych_form.h"
#include "app/printing/ustawienia_przelew_form.h"

namespace zlx::app {

namespace {

void zakoncz(Tmain_frm& main) {
    main.close();
}

void baza_danych(Tmain_frm& main) {
    TfrmBazaDanych screen(main.services(), &main);
    main.services().screens.show_modal(screen);
}

void ustawienia_przelewy(Tmain_frm& main) {
    TUstawieniaPrzelew_frm screen(main.services(), &main);
    main.services().screens.show_modal(screen);
}

void o_programie(Tmain_frm& main) {
    TfrmAbout screen(&main);
    main.services().screens.show_modal(screen);
}

const PrzyciskPanelu kPrzyciski[] = {
    {"Ustawienia", "Ustawienia Przelewy", "Opcje przelewów", ustawienia_przelewy},
    {"Ustawienia", "Baza danych", "", baza_danych},
};

const PozycjaMenu kPozycje[] = {
    {"&Plik", "Zakończ", false, zakoncz},
    {"&Ustawienia", "Ustawienia przelewów", false, ustawienia_przelewy},
    {"&Ustawienia", "Baza danych", true, baza_danych},
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
