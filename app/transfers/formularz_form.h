#pragma once

// The bank transfer entry screen: one working TPrzelew shown in the controls, a payee block picked
// from the counterparty register and a payer block from the own companies. Nothing typed is checked;
// "Zapisz [F10]" and "Do cyklicznych" store the record, "Wyjście [ESC]" discards it. A save whose
// statement fails keeps the screen open with everything typed.

#include <QDialog>

#include <cstdint>
#include <optional>
#include <vector>

#include "app/core/services.h"
#include "registers/przkth.h"
#include "transfers/dekoduj_adres.h"
#include "transfers/formularz.h"
#include "transfers/przelew.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace zlx {
class TGlAdoDs_mod;
}

namespace zlx::app {

class Tformularz_frm : public QDialog {
    Q_OBJECT
  public:
    explicit Tformularz_frm(const Services& services, QWidget* owner = nullptr);

    // Hands in the record; a stored one (nr_id not 0) also reads its payee and payer blocks.
    void set_przelew_data(const TPrzelew& p);
    const TPrzelew& get_przelew_data() const { return przelew_; }

    void dsp_data();
    void dsp_kth();
    void dsp_wystawiajacy();
    void save_data();
    void zapisz_btnClick();
    void drukuj_btnClick();
    void do_cyklicznych_btnClick();
    void zamien_konta_btnClick();
    void lista_kth_btnClick();
    void lista_firm_wlasnych_btnClick();
    void slownik_tytulow_btnClick();
    void dodaj_do_slownika_btnClick();
    void kalkulator_btnClick();
    void znaczniki_btnClick();
    void dekoduj_adres_odb_btnClick();
    void dekoduj_adres_wyst_btnClick();

    const TPrzKth& blok_odbiorcy() const { return kth_; }
    const TPrzKth& blok_wystawiajacego() const { return my_; }

    // The controls, for the screen tests.
    QLineEdit* odbiorca_nazwa_edt;
    QLineEdit* odbiorca_nazwacd_edt;
    QLineEdit* odbiorca_rachunek_edt;
    QLineEdit* odb_adres_edt;
    QLineEdit* odbiorca_kodpocz_edt;
    QLineEdit* odb_miejscowosc;
    QLineEdit* odb_skrot_edt;
    QLineEdit* wyst_nazwa_edt;
    QLineEdit* wyst_nazwacd_edt;
    QLineEdit* wyst_rachunek_edt;
    QLineEdit* wyst_adres_edt;
    QLineEdit* wyst_kodp_edt;
    QLineEdit* wyst_miejscowosc_edt;
    QLineEdit* wyst_skrot_edt;
    QLineEdit* tytulem_edt;
    QLineEdit* tytulemcd_edt;
    QLineEdit* kwota_edt;
    QLineEdit* uwagi_tekst;
    QDateEdit* data_edt;
    QRadioButton* przelew_rbtn;
    QRadioButton* wplata_rbtn;
    QComboBox* waluta_cmb;
    QCheckBox* drukujdate_chbox;
    QCheckBox* drukuj_kwote_cmb;
    QCheckBox* zatwierdz_check;
    QCheckBox* zapisz_jako_nowe_check;
    QComboBox* znacznik_cmb;

  protected:
    // The wizard shares every control; `kreator` leaves out what it has not.
    Tformularz_frm(const Services& services, bool kreator, QWidget* owner);

    void showEvent(QShowEvent* event) override;
    void done(int result) override;
    virtual void FormShow();

    PolaFormularza czytaj_pola() const;
    void pokaz_pola(const PolaFormularza& pola);
    // Opens the decoder; returns its edits after OK.
    std::optional<DekodowanyAdres> dekoduj();
    void kalkulator();

    Services services_;
    TGlAdoDs_mod& ds_;
    const bool kreator_;
    TPrzelew przelew_;
    TPrzKth kth_;
    TPrzKth my_;
    QPushButton* zapisz_btn_;
    QPushButton* do_cyklicznych_btn_ = nullptr;

  private:
    void zbuduj();
    QGroupBox* grupa_strony(const QString& tytul, bool odbiorca);
    bool zapisz(RodzajZapisu rodzaj);
    bool pokazany_ = false;
};

}  // namespace zlx::app
