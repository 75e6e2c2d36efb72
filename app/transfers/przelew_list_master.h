#pragma once

// The transfer list: the rows of `kartoteka` by period, kind and cyclic state, or found by marker or
// by a search text, with totals; adds, edits, deletes, marks and clones orders. Multi-row actions
// work on the ticked rows, or on the current row when none is ticked. The list re-runs its query
// after every change and puts the cursor back on the changed row.

#include <QDialog>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/core/services.h"
#include "printing/wiersze_raportow.h"
#include "transfers/lista_sql.h"

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QTableView;

namespace zlx {
class TGlAdoDs_mod;
}

namespace zlx::app {

class PrzelewListModel;

// The marker category of transfers in `opis_znacznikow`.
inline constexpr int kKategoriaZnacznikowPrzelewow = 1;

class TPrzelewListMaster_frm : public QDialog {
    Q_OBJECT
  public:
    explicit TPrzelewListMaster_frm(const Services& services, QWidget* owner = nullptr);

    // 0 list only; 1, 2, 3 list and add a bank, ZUS or tax transfer once the list is shown.
    void set_tryb_startu(int tryb) { tryb_startu_ = tryb; }

    void init_sql_przelew_wszystkie();
    void init_sql_przelew_wszystkie_wg_znacznika();
    void init_sql_przelew_wyszukiwanie();
    void Edit3Change();
    void gridWszystkieTitleClick(int kolumna);
    void schemat_okres_cmbChange();
    void bankowy_btnClick();
    void edytuj_btnClick();
    void usun_ze_wszystkich();
    void DowolnyZnacznik(int nr_znacznika);
    void N11Click(int znacznik);
    void btnKlonujClick();
    // The items of "Zbiorówka" and "Zestawienie": the chosen rows to the collective order screen, or
    // as statement rows to the print dialog.
    void drukujZbiorowke(ZakresWierszy zakres);
    // "Drukuj  Zbiorczo" and "Elektroniczny Zlecenix": the ticked rows to the collective printing
    // dialog or to the export profiles.
    void DrukujZbiorczePrzelewy();
    void exportuj_przelewy();
    void drukujZestawienie(ZakresWierszy zakres);

    PrzelewListModel& model() { return *model_; }
    QTableView& siatka() { return *grid_; }
    const std::string& sql() const { return sql_; }
    const SortowanieListy& sortowanie() const { return sortowanie_; }
    // The key of the current row, 0 on an empty list.
    std::int32_t biezacy_klucz() const;
    // Puts the cursor on the row with the key; false when the list does not show it.
    bool lokalizuj(std::int32_t klucz);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void FormCreate();
    QWidget* zbuduj_filtry();
    QWidget* zbuduj_przyciski();
    QWidget* zbuduj_przyciski_raportow();
    // Copies the rows an action hands on; nullptr (after "Zaznacz jakieś przelewy" when nothing is
    // ticked) when there are none.
    std::unique_ptr<ResultSet> wiersze_do_przekazania(ZakresWierszy zakres);
    QWidget* zbuduj_podsumowania();
    void pokaz_btn_znaczniki();
    void zbuduj_menu_kontekstowe(QWidget* akcje);
    void otworz(const std::string& sql);
    void przelicz_sumy();
    void pokaz_znak_sortu();
    // The ticked keys in list order, or the current row's key when nothing is ticked.
    std::vector<std::int32_t> cele() const;
    void dodaj(int rodzaj);
    void edytuj(std::int32_t klucz, int rodzaj);
    void uruchom_tryb_startu();

    Services services_;
    TGlAdoDs_mod& ds_;
    int tryb_startu_ = 0;
    bool tryb_uruchomiony_ = false;
    QMetaObject::Connection czekaj_na_aktywacje_;
    std::string where_;
    std::string sql_;
    SortowanieListy sortowanie_;

    PrzelewListModel* model_;
    QTableView* grid_;
    QDateEdit* od_dtp_;
    QDateEdit* do_dtp_;
    QComboBox* schemat_okres_cmb_;
    QRadioButton* przelewy_rbtn_;
    QRadioButton* cykliczne_rbtn_;
    QComboBox* wszystkiezuspodatki_cmb_;
    QLineEdit* Edit3_;
    QComboBox* filtr_kolumna_cmb_;
    QComboBox* znacznik_cmb_;
    QLineEdit* szukaj_edt_;
    QComboBox* szukaj_kolumna_cmb_;
    QPushButton* ustaw_znacznik_btn_;
    QMenu* znaczniki_menu_;
    QLabel* podsumowania_lbl_;
    QLabel* wszystkie_lbl_;
    QLabel* zaznaczone_lbl_;
};

}  // namespace zlx::app
