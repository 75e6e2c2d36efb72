#include "app/registers/WalutaMaster_form.h"

#include <QBoxLayout>
#include <QLineEdit>
#include <QPushButton>

#include "app/core/screen_factory.h"
#include "app/registers/lista_model.h"

namespace zlx::app {

TfrmWalutaMaster::TfrmWalutaMaster(const Services& services, QWidget* owner)
    : SlownikMaster(services, slownik_walut(), CtrlEnter::edytuje, owner) {
    ukryj_wg();
    auto* domyslna = new QPushButton(QStringLiteral("Domyślna"));
    domyslna->setAutoDefault(false);
    przyciski().insertWidget(3, domyslna);
    connect(domyslna, &QPushButton::clicked, this, &TfrmWalutaMaster::domyslna_btnClick);
}

void TfrmWalutaMaster::domyslna_btnClick() {
    if (model().rowCount() == 0) return;
    const std::int32_t klucz = biezacy_klucz();
    set_domyslna_waluta(ds_, klucz);
    otworz();
    ustaw_kursor(klucz);
}

std::int32_t TfrmWalutaMaster::karta(std::int32_t klucz) {
    TfrmWalutaDetail card(services_, this);
    card.set_sel_item(klucz == 0 ? TWaluta{} : get_waluta(ds_, klucz));
    if (services_.screens.show_modal(card) != QDialog::Accepted) return 0;
    return card.get_sel_item().nr_id;
}

void TfrmWalutaMaster::usun(std::int32_t klucz) {
    del_waluta(ds_, klucz);
}

void TfrmWalutaMaster::wybierz(std::int32_t klucz) {
    wybrany_ = klucz == 0 ? TWaluta{} : get_waluta(ds_, klucz);
}

TfrmWalutaDetail::TfrmWalutaDetail(const Services& services, QWidget* owner)
    : KartaSlownika(services, slownik_walut(), {{"Waluta", "waluta_edt", 150}}, nullptr, owner) {}

void TfrmWalutaDetail::set_sel_item(const TWaluta& item) {
    item_ = item;
    if (item_.nr_id != 0) edit(0).setText(QString::fromStdString(item_.symbol));
}

bool TfrmWalutaDetail::zapisz() {
    TWaluta zapis = item_;
    zapis.symbol = edit(0).text().toStdString();
    if (!save_waluta(ds_, zapis)) return false;
    item_ = zapis;
    return true;
}

}  // namespace zlx::app
