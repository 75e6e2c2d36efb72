#pragma once

// The counterparty register: the groups tree, the list of the chosen group with its quick filter, the
// search with "*" forms and markers, markers and groups for the ticked rows, and the card. Opened for
// maintenance or as a picker: the caller may hand in the name to find (set_nazwa_szukana) and, after
// an OK result, takes the chosen counterparty back (ret_wyb_kth; ID1 0 when nothing was chosen).

#include <QDialog>

#include <cstdint>
#include <string>
#include <vector>

#include "app/core/services.h"
#include "registers/drzewo_grup.h"
#include "registers/przkth.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QTableView;
class QTreeWidget;
class QTreeWidgetItem;

namespace zlx {
class TGlAdoDs_mod;
}

namespace zlx::app {

class ListaModel;

inline constexpr const char* kTabelaGrup = "tb_kanaltree";

class Tkthprz_master_frm : public QDialog {
    Q_OBJECT
  public:
    Tkthprz_master_frm(const Services& services, QWidget* owner = nullptr);

    void set_nazwa_szukana(const std::string& nazwa) { nazwa_szukana_ = nazwa; }
    const TPrzKth& ret_wyb_kth() const { return wybrany_; }

    // The key of the group shown (1 = every counterparty) and the statement of the list.
    std::int32_t id_grupy() const { return id_grupy_; }
    const std::string& sql_listy() const;

    void FormShow();
    void kanalTreeClick(QTreeWidgetItem* wezel);
    void kanalTreeDragDrop(QTreeWidgetItem* wezel);
    void szukaj_btnClick();
    void nowy_btnClick();
    void edytuj_btnClick();
    void usun_btnClick();
    void uzyj_btnClick();
    // Opens the bank transfer wizard for the ticked counterparties.
    void generuj_bankowy_btnClick();
    void ustaw_znacznik(int nr);
    void dodaj_grupe();
    void zmien_nazwe_grupy();
    void usun_grupe();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void zbuduj();
    void wczytaj_drzewo();
    QTreeWidgetItem* wezel_klucza(std::int32_t klucz) const;
    void zastosuj_grupe(std::int32_t klucz);
    void otworz(const std::string& sql);
    void filtruj();
    void sortuj(const QString& pola);
    int biezacy_wiersz() const;
    std::int32_t biezacy_klucz() const;
    void ustaw_kursor(std::int32_t klucz);
    void pokaz_biezacy();
    // Opens the card until its record is stored or the user leaves it; returns whether it was stored.
    bool karta(TPrzKth& kth);

    Services services_;
    TGlAdoDs_mod& ds_;
    TPrzKth wybrany_;
    std::string nazwa_szukana_;
    std::int32_t id_grupy_ = 1;
    std::string order_;
    std::vector<WezelGrupy> drzewo_;
    bool pokazany_ = false;

    ListaModel* model_;
    QTreeWidget* kanalTree_;
    QMenu* kanal_pm_;
    QMenu* znaczniki_pm_;
    QTableView* siatka_;
    QLineEdit* filtr_edt_;
    QComboBox* filtr_cmb_;
    QComboBox* szukaj_cmb_;
    QLineEdit* szukaj_edt_;
    QComboBox* znacznik_cmb_;
    QLabel* nazwa_lbl_;
    QLabel* adres_lbl_;
    QLabel* kod_lbl_;
    QLabel* miejscowosc_lbl_;
    QLabel* konto1_lbl_;
    QLabel* konto2_lbl_;
};

}  // namespace zlx::app
