#pragma once

#include <QDialog>

#include <memory>

#include "app/core/services.h"
#include "export/profilexp.h"

class QDateEdit;
class QRadioButton;
class QTableView;

namespace zlx {
class ResultSet;
}

namespace zlx::app {

class ProfileListModel;

// The export profiles: the list with its card, the remembered profile, and the export run of the
// transfers the transfer list handed over.
class TfrmListaProfiliExportu : public QDialog {
    Q_OBJECT
  public:
    explicit TfrmListaProfiliExportu(const Services& services, QWidget* owner = nullptr);
    ~TfrmListaProfiliExportu() override;

    // The transfers to export (kartoteka rows with every column), handed over before the screen shows.
    void set_przelewy_eksportu(std::unique_ptr<ResultSet> przelewy);
    const ResultSet* przelewy_eksportu() const { return przelewy_.get(); }

    void FormCreate();
    void FormShow();
    void FormClose();
    void dodaj_btnClick();
    void edytuj_btnClick();
    void usun_btnClick();
    void eksportuj_btnClick();

    // Returns the key of the current row, 0 on an empty list.
    int biezacy_prof_id() const;

  protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

  private:
    // Re-runs the list's query and puts the cursor on the profile with that key (or the first row).
    void otworz_liste(int prof_id);
    // Runs the card on the profile; returns its key after OK, 0 after Cancel.
    int karta(const TProfilExp& profil);

    Services services_;
    std::unique_ptr<ResultSet> przelewy_;
    ProfileListModel* model_;
    QTableView* lista_;
    QRadioButton* ustaw_date_rb_;
    QRadioButton* data_wystawienia_rb_;
    QDateEdit* data_dtp_;
    bool pokazany_ = false;
};

}  // namespace zlx::app
