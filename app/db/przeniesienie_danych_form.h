#pragma once

// The data transfer from the older version: its counterparties and own companies are added to this
// database. "Gotowe" is said only when the older file was read; a file that cannot be opened or lacks
// the table is named to the user instead.

#include <QDialog>

#include "app/core/services.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace zlx::app {

// The older version's database, suggested in the box.
inline constexpr const char* kPlikZlecenix1 = "C:\\Zlecenix\\dane\\przelewy.mdb";

class TfrmPrzeniesienieDanych : public QDialog {
    Q_OBJECT
  public:
    TfrmPrzeniesienieDanych(const Services& services, QWidget* owner = nullptr);

    void wybierz_btnClick();
    void dzialaj_btnClick();

  private:
    Services services_;
    QLineEdit* plik_edt_;
    QCheckBox* kontrahenci_chk_;
    QCheckBox* firmy_chk_;
    QPushButton* dzialaj_btn_;
};

}  // namespace zlx::app
