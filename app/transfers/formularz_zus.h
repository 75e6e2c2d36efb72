#pragma once

// The ZUS transfer entry screen "Zus": the payee is always ZUS, its account chosen from the ZUS
// account list (item i is the account with nr_id i); the payer is an own company. Besides the bank
// screen's controls it holds the boxes of the ZUS payment order: payer NIP, second identifier, payment
// type, declaration number and period, decision number. Nothing typed is checked. The declaration
// default is counted from the day handed in.

#include <QDialog>

#include "app/core/services.h"
#include "app/transfers/formularz_wspolne.h"
#include "core/datetime.h"
#include "registers/przkth.h"
#include "transfers/formularz.h"
#include "transfers/formularz_zus.h"
#include "transfers/przelew.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace zlx {
class TGlAdoDs_mod;
}

namespace zlx::app {

class Tformularz_zus_frm : public QDialog {
    Q_OBJECT
  public:
    explicit Tformularz_zus_frm(const Services& services, QWidget* owner = nullptr);
    Tformularz_zus_frm(const Services& services, TDateTime dzis, QWidget* owner = nullptr);

    // Hands in the record; no party block is read.
    void set_przelew_data(const TPrzelew& p) { przelew_ = p; }
    const TPrzelew& get_przelew_data() const { return przelew_; }

    void dsp_data();
    void dsp_wystawiajacy();
    void dsp_id_uzup();
    void save_data();
    void zapisz_btnClick();
    void do_cyklicznych_btnClick();
    void drukuj_btnClick();
    void lista_firm_wlasnych_btnClick();

    const TPrzKth& blok_wystawiajacego() const { return my_; }

    KontrolkiPrzelewu w;
    QComboBox* konta_zus_cmb;
    QLineEdit* wyst_rachunek_edt;
    QLineEdit* wyst_nazwa_edt;
    QLineEdit* wyst_nazwacd_edt;
    QLineEdit* wyst_lk_edt;
    QLineEdit* wyst_bank_edt;
    QLineEdit* Nip_edt;
    QComboBox* zus_iduzup_cmb;
    QLineEdit* zus_numeriduzup_edt;
    QComboBox* zus_typwplaty_cmb;
    QLineEdit* zus_nrdeklaracji_edt;
    QComboBox* zus_deklaracja2_cmb;
    QComboBox* zus_deklaracja1_cmb;
    QLineEdit* zus_nrdecyzji_edt;

  protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

  private:
    void zbuduj();
    PolaFormularza czytaj_pola() const;
    PolaZus czytaj_pola_zus() const;
    bool zapisz(RodzajZapisu rodzaj);

    Services services_;
    TGlAdoDs_mod& ds_;
    const TDateTime dzis_;
    TPrzelew przelew_;
    TPrzKth my_;
    QPushButton* zapisz_btn_;
    bool pokazany_ = false;
};

}  // namespace zlx::app
