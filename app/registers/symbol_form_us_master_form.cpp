#include "app/registers/symbol_form_us_master_form.h"

#include <QLineEdit>

#include "app/core/screen_factory.h"

namespace zlx::app {

TfrmSymbolFormUsMaster::TfrmSymbolFormUsMaster(const Services& services, QWidget* owner)
    : SlownikMaster(services, slownik_symboli_us(), CtrlEnter::edytuje, owner) {
    ukryj_wg();
}

std::int32_t TfrmSymbolFormUsMaster::karta(std::int32_t klucz) {
    TfrmSymbolFormUsDetail card(services_, this);
    card.set_sel_item(klucz == 0 ? TSymbolFormularzaUs{} : get_symbol_us(ds_, klucz));
    if (services_.screens.show_modal(card) != QDialog::Accepted) return 0;
    return card.get_sel_item().nr_id;
}

void TfrmSymbolFormUsMaster::usun(std::int32_t klucz) {
    del_symbol_us(ds_, klucz);
}

void TfrmSymbolFormUsMaster::wybierz(std::int32_t klucz) {
    wybrany_ = klucz == 0 ? TSymbolFormularzaUs{} : get_symbol_us(ds_, klucz);
}

TfrmSymbolFormUsDetail::TfrmSymbolFormUsDetail(const Services& services, QWidget* owner)
    : KartaSlownika(services, slownik_symboli_us(), {{"Symbol", "symbol_edt", 150}}, "Symbol formularza",
                    owner) {}

void TfrmSymbolFormUsDetail::set_sel_item(const TSymbolFormularzaUs& item) {
    item_ = item;
    if (item_.nr_id != 0) edit(0).setText(QString::fromStdString(item_.symbol));
}

bool TfrmSymbolFormUsDetail::zapisz() {
    TSymbolFormularzaUs zapis = item_;
    zapis.symbol = edit(0).text().toStdString();
    if (!save_symbol_us(ds_, zapis)) return false;
    item_ = zapis;
    return true;
}

}  // namespace zlx::app
