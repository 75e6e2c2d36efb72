#pragma once

// The address decoder: the user pastes a block of text and "Dekoduj adres" splits it line by line into
// seven edits, which can be corrected by hand before OK.

#include <QDialog>

#include "transfers/dekoduj_adres.h"

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;

namespace zlx::app {

class TfrmDekodujAdres : public QDialog {
    Q_OBJECT
  public:
    explicit TfrmDekodujAdres(QWidget* owner = nullptr);

    void dekoduj_btnClick();
    // The seven edits as they stand.
    DekodowanyAdres pola() const;

    QPlainTextEdit* tekst_memo;
    QCheckBox* allegro_chbox;
    QLineEdit* odbiorca_nazwa_edt;
    QLineEdit* odb_adres_edt;
    QLineEdit* odbiorca_kodpocz_edt;
    QLineEdit* odb_miejscowosc;
    QLineEdit* odbiorca_rachunek_edt;
    QLineEdit* tytulem_edt;
    QLineEdit* tytulemcd_edt;
};

}  // namespace zlx::app
