#pragma once

// The collective order "Zbiorcze polecenie przelewu": one payment order covering a set of transfers
// from one payer account, printed with the list of their amounts. The screen works on its own copy of
// the set handed in. The payer starts as the default own company; "Rachunek" may be edited for the
// printout without changing the company.

#include <QDialog>

#include "app/core/services.h"
#include "printing/wiersze_raportow.h"
#include "registers/przkth.h"

class QDateEdit;
class QLineEdit;
class QTableView;

namespace zlx {
class ResultSet;
}

namespace zlx::app {

class PrzelewListModel;

class Tzbiorowka_frm : public QDialog {
    Q_OBJECT
  public:
    explicit Tzbiorowka_frm(const Services& services, QWidget* owner = nullptr);
    ~Tzbiorowka_frm() override;

    // Takes a copy of the transfers (rows with the columns of `kartoteka`).
    void set_ado_zbiorowka(const ResultSet& przelewy);

    void FormShow();
    // "Lista [F3]": the own companies; the chosen one becomes the payer.
    void lista_btnClick();
    // "Drukuj [F8]": the rows and parameters to the print dialog.
    void drukuj_btnClick();
    // The rows and parameters "Drukuj [F8]" hands to the print dialog.
    std::vector<WierszZbiorowki> przygotuj(TParZbiorowka& par) const;

    const TPrzKth& wystawiajacy() const { return my_; }

  protected:
    void showEvent(QShowEvent* e) override;

  private:
    void dsp_wystawiajacy();

    Services services_;
    TPrzKth my_;
    bool pokazany_ = false;
    PrzelewListModel* model_;
    QTableView* grid_;
    QDateEdit* data_zbiorowki_dtp;
    QLineEdit* nazwa_edt;
    QLineEdit* adres_edt;
    QLineEdit* rachunek_edt;
};

}  // namespace zlx::app
