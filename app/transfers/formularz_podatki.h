#pragma once

// The tax transfer entry screen "Podatki": the bank screen's working record, payee block (the tax
// office, from the counterparty register) and payer block (an own company), plus the boxes of the tax
// payment order: identifier type and value, period year, type and number, form symbol and liability.
// Nothing typed is checked. The year and period defaults are counted from the day handed in.

#include <QDialog>

#include "app/core/services.h"
#include "app/transfers/formularz_wspolne.h"
#include "core/datetime.h"
#include "registers/przkth.h"
#include "transfers/formularz.h"
#include "transfers/formularz_us.h"
#include "transfers/przelew.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zlx {
class TGlAdoDs_mod;
}

namespace zlx::app {

class Tformularz_podatki_frm : public QDialog {
    Q_OBJECT
  public:
    explicit Tformularz_podatki_frm(const Services& services, QWidget* owner = nullptr);
    Tformularz_podatki_frm(const Services& services, TDateTime dzis, QWidget* owner = nullptr);

    // Hands in the record; a stored one (nr_id not 0) also reads its payee and payer blocks.
    void set_przelew_data(const TPrzelew& p);
    const TPrzelew& get_przelew_data() const { return przelew_; }

    void dsp_data();
    void dsp_kth();
    void dsp_wystawiajacy();
    void dsp_id_dodatkowy();
    void ladujNrOkresu();
    void save_data();
    void zapisz_btnClick();
    void do_cyklicznych_btnClick();
    void drukuj_btnClick();
    void lista_kth_btnClick();
    void lista_firm_wlasnych_btnClick();

    const TPrzKth& blok_odbiorcy() const { return kth_; }
    const TPrzKth& blok_wystawiajacego() const { return my_; }

    KontrolkiPrzelewu w;
    QLineEdit* odbiorca_nazwa_edt;
    QLineEdit* odbiorca_nazwacd_edt;
    QLineEdit* odbiorca_rachunek_edt;
    QLineEdit* odbiorca_kodpocz_edt;
    QLineEdit* odb_miejscowosc;
    QLineEdit* wyst_rachunek_edt;
    QLineEdit* wyst_nazwa_edt;
    QLineEdit* wyst_nazwacd_edt;
    QLineEdit* wyst_kodp_edt;
    QLineEdit* wyst_miejscowosc_edt;
    QLineEdit* Nip_edt;
    QLineEdit* identyfikator_edt;
    QComboBox* identyfikator_uzup_cmb;
    QComboBox* symbol_formularza_cmb;
    QLineEdit* identyfikacja_zobowiazania_edt;
    QComboBox* rok_okres_edt;
    QComboBox* typ_okresu_cmb;
    QComboBox* nr_okresu_edt;
    QLabel* nr_okresu_lbl;

  protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

  private:
    void zbuduj();
    PolaFormularza czytaj_pola() const;
    void pokaz_pola(const PolaFormularza& f);
    PolaUs czytaj_pola_us() const;
    bool zapisz(RodzajZapisu rodzaj);

    Services services_;
    TGlAdoDs_mod& ds_;
    TPrzelew przelew_;
    TPrzKth kth_;
    TPrzKth my_;
    QPushButton* zapisz_btn_;
    bool pokazany_ = false;
};

}  // namespace zlx::app
