#include "app/registers/frmSlownikTytulemMaster_form.h"

#include <QLineEdit>

#include "app/core/screen_factory.h"

namespace zlx::app {

TfrmSlownikTytulemMaster::TfrmSlownikTytulemMaster(const Services& services, QWidget* owner)
    : SlownikMaster(services, slownik_tytulow(), CtrlEnter::wybiera, owner) {
    ukryj_wg();
}

std::int32_t TfrmSlownikTytulemMaster::karta(std::int32_t klucz) {
    TfrmSlownikTytulemDetail card(services_, this);
    card.set_sel_item(klucz == 0 ? TSlowTyt{} : get_slowtyt(ds_, klucz));
    if (services_.screens.show_modal(card) != QDialog::Accepted) return 0;
    return card.get_sel_item().slow_id;
}

void TfrmSlownikTytulemMaster::usun(std::int32_t klucz) {
    del_slowtyt(ds_, klucz);
}

void TfrmSlownikTytulemMaster::wybierz(std::int32_t klucz) {
    wybrany_ = klucz == 0 ? TSlowTyt{} : get_slowtyt(ds_, klucz);
}

TfrmSlownikTytulemDetail::TfrmSlownikTytulemDetail(const Services& services, QWidget* owner)
    : KartaSlownika(services, slownik_tytulow(),
                    {{"Tytułem", "tytulem_edt", 100}, {"Tytułem cd.", "tytulemcd_edt", 100}}, nullptr,
                    owner) {}

void TfrmSlownikTytulemDetail::set_sel_item(const TSlowTyt& item) {
    item_ = item;
    if (item_.slow_id == 0) return;
    edit(0).setText(QString::fromStdString(item_.slow_tytulem));
    edit(1).setText(QString::fromStdString(item_.slow_tytulemcd));
}

bool TfrmSlownikTytulemDetail::zapisz() {
    TSlowTyt zapis = item_;
    zapis.slow_tytulem = edit(0).text().toStdString();
    zapis.slow_tytulemcd = edit(1).text().toStdString();
    if (!save_slowtyt(ds_, zapis)) return false;
    item_ = zapis;
    return true;
}

}  // namespace zlx::app
