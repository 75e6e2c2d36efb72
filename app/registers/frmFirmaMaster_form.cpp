#include "app/registers/frmFirmaMaster_form.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

#include "app/core/dialogs.h"
#include "app/core/screen_factory.h"
#include "app/registers/lista_model.h"
#include "app/registers/nasza_firma_uni.h"
#include "core/text.h"
#include "registers/firma_my_store.h"

namespace zlx::app {

TfrmFirmaMaster::TfrmFirmaMaster(const Services& services, QWidget* owner)
    : SlownikMaster(services, lista_firm(), CtrlEnter::edytuje, owner),
      konto1_lbl_(new QLabel),
      konto2_lbl_(new QLabel) {
    konto1_lbl_->setObjectName(QStringLiteral("konto1_lbl"));
    konto2_lbl_->setObjectName(QStringLiteral("konto2_lbl"));
    auto* panel = new QGridLayout;
    panel->addWidget(new QLabel(QStringLiteral("Konto 1:")), 0, 0);
    panel->addWidget(konto1_lbl_, 0, 1);
    panel->addWidget(new QLabel(QStringLiteral("Konto 2:")), 1, 0);
    panel->addWidget(konto2_lbl_, 1, 1);
    panel->setColumnStretch(1, 1);
    pod_siatka().addLayout(panel);
    auto* aktywna = new QPushButton(QStringLiteral("Aktywna"));
    aktywna->setAutoDefault(false);
    przyciski().insertWidget(3, aktywna);
    connect(aktywna, &QPushButton::clicked, this, &TfrmFirmaMaster::aktywna_btnClick);
    pokaz_biezacy();
}

void TfrmFirmaMaster::FormShow() {
    const std::string szukana = trim(nazwa_szukana_);
    if (!szukana.empty()) {
        for (int r = 0; r < model().rowCount(); ++r) {
            if (equals_ci(model().tekst(r, "mnazwa").toStdString(), szukana)) {
                ustaw_kursor(model().klucz(r));
                break;
            }
        }
    }
    SlownikMaster::FormShow();
}

void TfrmFirmaMaster::pokaz_biezacy() {
    const QModelIndex i = siatka().currentIndex();
    const int r = i.isValid() ? i.row() : -1;
    konto1_lbl_->setText(model().tekst(r, "mRachunek1"));
    konto2_lbl_->setText(model().tekst(r, "mRachunek2"));
}

void TfrmFirmaMaster::aktywna_btnClick() {
    if (model().rowCount() == 0) return;
    if (!services_.dialogs.question(this, QStringLiteral("Ustawienia"),
                                    QStringLiteral("Czy na pewno chcesz ustawić aktywną firmę ?")))
        return;
    const std::int32_t klucz = biezacy_klucz();
    set_domyslna_firma(ds_, klucz);
    otworz();
    ustaw_kursor(klucz);
}

std::int32_t TfrmFirmaMaster::karta(std::int32_t klucz) {
    Tnasza_firma_frm card(services_, this);
    card.set_sel_item(klucz == 0 ? TPrzKth{} : get_firma_my(ds_, klucz, kFirmaWgKlucza));
    if (services_.screens.show_modal(card) != QDialog::Accepted) return 0;
    return card.get_sel_item().ID1;
}

void TfrmFirmaMaster::usun(std::int32_t klucz) {
    del_firma_my(ds_, klucz);
}

void TfrmFirmaMaster::wybierz(std::int32_t klucz) {
    wybrana_ = klucz == 0 ? TPrzKth{} : get_firma_my(ds_, klucz, kFirmaWgKlucza);
}

}  // namespace zlx::app
