#include "app/transfers/creatorformularz_form.h"

#include <QLineEdit>
#include <QPushButton>

#include "app/core/dialogs.h"
#include "transfers/formularz.h"

namespace zlx::app {

Tcreatorformularz_frm::Tcreatorformularz_frm(const Services& services, QWidget* owner)
    : Tformularz_frm(services, true, owner) {
    connect(zapisz_btn_, &QPushButton::clicked, this, &Tcreatorformularz_frm::generuj_btnClick);
}

void Tcreatorformularz_frm::FormShow() {
    Tformularz_frm::FormShow();
    kth_ = TPrzKth{};
    kth_.nazwa = std::string(kFirmaZListy);
    dsp_kth();
}

void Tcreatorformularz_frm::generuj_btnClick() {
    int ile = 0;
    przelew_ = generuj_przelewy(ds_, czytaj_pola(), klucze_, my_.ID1, &ile);
    services_.dialogs.information(this,
                                  QString::fromUtf8(kKoniec.data(), static_cast<qsizetype>(kKoniec.size())));
}

}  // namespace zlx::app
