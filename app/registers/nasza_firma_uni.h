#pragma once

// The card of an own company. It stores the record itself ("Zapisz [F10]") and stays open when the
// database refuses, so nothing typed is lost. The default-company flag is not edited here.

#include <QDialog>

#include "app/core/services.h"
#include "registers/przkth.h"

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

namespace zlx {
class TGlAdoDs_mod;
}

namespace zlx::app {

class Tnasza_firma_frm : public QDialog {
    Q_OBJECT
  public:
    Tnasza_firma_frm(const Services& services, QWidget* owner = nullptr);

    // Hands in the record and shows it, also a new one.
    void set_sel_item(const TPrzKth& firma);
    // The stored record, with its new key after an insert.
    const TPrzKth& get_sel_item() const { return firma_; }

    void dsp_data();
    void save_data(TPrzKth& firma) const;
    void zapisz_btnClick();

  private:
    QLineEdit* edit(const char* nazwa, int max);

    Services services_;
    TGlAdoDs_mod& ds_;
    TPrzKth firma_;
    QLineEdit* nazwa_;
    QLineEdit* skrot_;
    QLineEdit* miejscowosc_;
    QLineEdit* kodp_;
    QLineEdit* adres_;
    QLineEdit* regon_;
    QLineEdit* pesel_;
    QLineEdit* nip_;
    QCheckBox* platnik_vat_;
    QLineEdit* nazwabank1_;
    QLineEdit* konto1_;
    QLineEdit* lk1_;
    QLineEdit* bank1_;
    QRadioButton* domyslne1_;
    QLineEdit* nazwabank2_;
    QLineEdit* konto2_;
    QLineEdit* lk2_;
    QLineEdit* bank2_;
    QRadioButton* domyslne2_;
    QLineEdit* www_;
    QLineEdit* email_;
    QPlainTextEdit* uwagi_;
};

}  // namespace zlx::app
