#pragma once

#include <QDialog>

#include "app/core/services.h"
#include "export/profilexp.h"

class QComboBox;
class QDateEdit;
class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace zlx::app {

// The card of one export profile. The caller hands the profile in with set_profil and, after an OK
// result, takes it back with get_profil; by then it is stored (a new one carries its new key).
class TProfilExp_detail_frm : public QDialog {
    Q_OBJECT
  public:
    explicit TProfilExp_detail_frm(const Services& services, QWidget* owner = nullptr);

    void set_profil(const TProfilExp& profil);
    const TProfilExp& get_profil() const { return profil_; }

    void dsp_data();
    void save_data();
    void katalog_btnClick();
    void zapisz_btnClick();

  private:
    Services services_;
    int maks_pokazany_ = 0;  // the file limit as the card showed it
    TProfilExp profil_;

    QLineEdit* nazwa_edt_;
    QLineEdit* opis_edt_;
    QLineEdit* katalog_edt_;
    QRadioButton* stala_rb_;
    QRadioButton* generowana_rb_;
    QLineEdit* nazwa_stala_edt_;
    QLineEdit* rozszerzenie_edt_;
    QComboBox* kodowanie_cb_;
    QComboBox* bank_cb_;
    QSpinBox* maks_sed_;
    QRadioButton* ustaw_date_rb_;
    QRadioButton* data_wystawienia_rb_;
    QDateEdit* data_dtp_;
};

// Conversions between the record's dates and the date pickers.
QDate do_qdate(TDateTime date);
TDateTime z_qdate(const QDate& date);

}  // namespace zlx::app
