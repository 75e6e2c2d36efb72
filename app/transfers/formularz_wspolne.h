#pragma once

// The controls and commands the tax and ZUS entry screens share: the top row (date, "Przelew" /
// "Wpłata", currency, print and approval boxes, marker), the amount and the notes, read into and shown
// from PolaFormularza as the bank screen does.

#include <QString>

#include "app/core/services.h"
#include "transfers/formularz.h"
#include "transfers/przelew.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QHBoxLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace zlx::app {

QLineEdit* pole_edycji(const char* nazwa, const char* podpowiedz = "");
QPushButton* przycisk_formularza(const char* tekst, const char* podpowiedz = "");
// "Uwagi": at most 250 characters typed; longer stored notes stay whole.
QLineEdit* pole_uwag();

struct KontrolkiPrzelewu {
    QDateEdit* data_edt;
    QRadioButton* przelew_rbtn;
    QRadioButton* wplata_rbtn;
    QComboBox* waluta_cmb;
    QCheckBox* drukujdate_chbox;
    QCheckBox* drukuj_kwote_cmb;
    QCheckBox* zatwierdz_check;
    QCheckBox* zapisz_jako_nowe_check;
    QComboBox* znacznik_cmb;
    QPushButton* znaczniki_btn;  // "z"
    QLineEdit* kwota_edt;
    QLineEdit* uwagi_tekst;

    explicit KontrolkiPrzelewu(QWidget* owner);
    // The top row, in the bank screen's order.
    QHBoxLayout* gorny_pasek() const;
    // Fills the currency list and selects the default currency.
    void wypelnij_waluty(TGlAdoDs_mod& ds) const;
    // The common fields only; the party fields are left as they are.
    void czytaj(PolaFormularza& f) const;
    void pokaz(const PolaFormularza& f) const;
};

// "Kalkulator [F5]": starts the first desktop calculator found.
void uruchom_kalkulator(const Services& services, QWidget* owner);
// "z": the marker descriptions of the transfers.
void pokaz_opisy_znacznikow(const Services& services, QWidget* owner);

}  // namespace zlx::app
