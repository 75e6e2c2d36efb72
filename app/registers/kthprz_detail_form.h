#pragma once

// The counterparty card: four pages over one TPrzKth. It edits the record only; the register stores
// it after an OK result. Fields without a control are carried through unchanged.

#include <QDialog>

#include <functional>

#include "app/core/services.h"
#include "registers/przkth.h"

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class QTabWidget;
class QUrl;

namespace zlx::app {

class Tkthprz_detail_frm : public QDialog {
    Q_OBJECT
  public:
    explicit Tkthprz_detail_frm(const Services& services, QWidget* owner = nullptr);

    // Hands in the record; a stored one (ID1 not 0) is shown, a new one leaves the controls empty.
    void set_kth(const TPrzKth& kth);
    // Returns the edited record after an OK result.
    const TPrzKth& get_kth() const { return kth_; }

    // Replaces the way "Pokaż na mapie" opens its address (tests); it returns whether something opened it.
    void set_otworz_adres(std::function<bool(const QUrl&)> otworz) { otworz_adres_ = std::move(otworz); }

    void dsp_data();
    void save_data();
    bool kontrola();
    void zapisz_btnClick();
    void mapa_btnClick();

  private:
    // Shows the stored postcode in the mask, or as stored when the mask does not fit it.
    void pokaz_kod();
    void kodpoczt_edtEdited(const QString& tekst);
    // An edit without a limit unless one is given.
    QLineEdit* edit(const char* nazwa, int max = 0);

    Services services_;
    TPrzKth kth_;
    std::function<bool(const QUrl&)> otworz_adres_;
    // A postcode the user has not edited is stored back as it came.
    bool kod_edytowany_ = false;
    QTabWidget* strony_;
    QLineEdit* skrot_edt_;
    QLineEdit* nazwa_edt_;
    QLineEdit* kodpoczt_edt_;
    QLineEdit* miasto_edt_;
    QLineEdit* adres_edt_;
    QLineEdit* nip_edt_;
    QLineEdit* regon_edt_;
    QCheckBox* platnik_vat_chk_;
    QLineEdit* rabat_edt_;
    QLineEdit* bank1_edt_;
    QLineEdit* konto1_edt_;
    QRadioButton* domyslne1_rb_;
    QLineEdit* bank2_edt_;
    QLineEdit* konto2_edt_;
    QRadioButton* domyslne2_rb_;
    QLineEdit* telefon1_edt_;
    QLineEdit* telefon2_edt_;
    QLineEdit* fax_edt_;
    QLineEdit* email_edt_;
    QLineEdit* www_edt_;
    QLineEdit* osoba1_edt_;
    QLineEdit* telosoba1_edt_;
    QLineEdit* emailosoba1_edt_;
    QLineEdit* osoba2_edt_;
    QLineEdit* telosoba2_edt_;
    QLineEdit* emailosoba2_edt_;
    QPlainTextEdit* notatki_mem_;
};

}  // namespace zlx::app
