#include "app/transfers/wybory_rejestrow.h"

#include "app/core/screen_factory.h"
#include "app/registers/frmFirmaMaster_form.h"
#include "app/registers/frmSlownikTytulemMaster_form.h"
#include "app/registers/kthprz_master_form.h"

namespace zlx::app {

// A register closed with OK but without a row (an empty list) chose nothing.

std::optional<TPrzKth> wybierz_kontrahenta(const Services& services, QWidget* owner,
                                           const std::string& nazwa) {
    Tkthprz_master_frm screen(services, owner);
    screen.set_nazwa_szukana(nazwa);
    if (services.screens.show_modal(screen) != QDialog::Accepted || screen.ret_wyb_kth().ID1 == 0)
        return std::nullopt;
    return screen.ret_wyb_kth();
}

std::optional<TPrzKth> wybierz_firme(const Services& services, QWidget* owner, const std::string& nazwa) {
    TfrmFirmaMaster screen(services, owner);
    screen.set_nazwa_szukana(nazwa);
    if (services.screens.show_modal(screen) != QDialog::Accepted || screen.get_sel_firma().ID1 == 0)
        return std::nullopt;
    return screen.get_sel_firma();
}

std::optional<TSlowTyt> wybierz_tytul(const Services& services, QWidget* owner) {
    TfrmSlownikTytulemMaster screen(services, owner);
    if (services.screens.show_modal(screen) != QDialog::Accepted || screen.get_sel_slowtyt().slow_id == 0)
        return std::nullopt;
    return screen.get_sel_slowtyt();
}

}  // namespace zlx::app
