#pragma once

// The pattern shared by the dictionary lists and the own companies' list: a grid over the list's
// statement with a quick filter, "Dodaj", "Edytuj", "Usuń", the choose button and "Wyjdź". Each list
// says how its card opens, how a row is deleted and chosen; the list re-runs its statement after every
// change and puts the cursor back on the changed row. Also the one-record card of the dictionaries.

#include <QDialog>

#include <cstdint>
#include <string>
#include <vector>

#include "app/core/services.h"
#include "registers/ekrany_slownikow.h"

class QBoxLayout;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableView;

namespace zlx {
class TGlAdoDs_mod;
}

namespace zlx::app {

class ListaModel;

class SlownikMaster : public QDialog {
    Q_OBJECT
  public:
    // Which key chooses: Ctrl+Enter (then Ctrl+F4 edits) or none (then Ctrl+Enter edits).
    enum class CtrlEnter { wybiera, edytuje };

    SlownikMaster(const Services& services, const OpisSlownika& opis, CtrlEnter ctrl_enter, QWidget* owner);

    void dodaj_btnClick();
    void edytuj_btnClick();
    void usun_btnClick();
    void uzyj_btnClick();

    // The key of the current row, 0 when the list is empty.
    std::int32_t biezacy_klucz() const;

  protected:
    // Opens the card on the row with the key, or on a new record for 0; returns the stored key, or 0
    // when the card was left.
    virtual std::int32_t karta(std::int32_t klucz) = 0;
    virtual void usun(std::int32_t klucz) = 0;
    // Reads the row into the chosen record (a cleared one for key 0).
    virtual void wybierz(std::int32_t klucz) = 0;
    // Called when the current row changes.
    virtual void pokaz_biezacy() {}
    // Runs once, when the screen is first shown: the grid takes the focus.
    virtual void FormShow();
    void showEvent(QShowEvent* event) override;

    void otworz();
    void ustaw_kursor(std::int32_t klucz);
    void ukryj_wg();
    // The row of buttons, for a list's own buttons.
    QBoxLayout& przyciski() { return *przyciski_; }
    // The layout under the grid, for a list's panel of the current row.
    QBoxLayout& pod_siatka() { return *pod_siatka_; }
    ListaModel& model() { return *model_; }
    QTableView& siatka() { return *siatka_; }

    Services services_;
    TGlAdoDs_mod& ds_;

  private:
    void filtruj();

    const OpisSlownika& opis_;
    bool pokazany_ = false;
    ListaModel* model_;
    QTableView* siatka_;
    QLineEdit* filtr_edt_;
    QLabel* wg_lbl_;
    QComboBox* filtr_cmb_;
    QBoxLayout* przyciski_;
    QBoxLayout* pod_siatka_;
};

// The one-record card of a dictionary: its edits, "Zapisz [CTRL+ENTER]" and "Wyjdź [ESC]". The first
// edit must not be blank; the card stores its record itself and stays open when the database refuses.
class KartaSlownika : public QDialog {
    Q_OBJECT
  public:
    struct Pole {
        const char* etykieta;
        const char* nazwa;  // object name of the edit
        int max;
    };

    KartaSlownika(const Services& services, const OpisSlownika& opis, const std::vector<Pole>& pola,
                  const char* grupa, QWidget* owner);

    void zapisz_btnClick();

  protected:
    // Copies the edits into the record and stores it; false when the database refused.
    virtual bool zapisz() = 0;
    QLineEdit& edit(std::size_t i) { return *edity_[i]; }

    Services services_;
    TGlAdoDs_mod& ds_;

  private:
    const OpisSlownika& opis_;
    std::vector<QLineEdit*> edity_;
};

}  // namespace zlx::app
