#pragma once

// "Drukuj zbiorczo": prints the ticked transfers of the list, one kind per run. The rows' transfers
// are loaded when the dialog is shown, split by kind and counted; "Drukuj  [F8]" sets both print
// flags of the chosen kind's transfers from the check boxes and opens the print dialog on them.

#include <QDialog>
#include <vector>

#include "app/core/services.h"
#include "printing/sterowanie.h"

class QButtonGroup;
class QCheckBox;
class QPlainTextEdit;

namespace zlx {
class ResultSet;
}  // namespace zlx

namespace zlx::app {

class WyjscieWydruku;

class TfrmDrukujZbiorczo : public QDialog {
    Q_OBJECT
  public:
    // `wyjscie` goes on to the print dialog (tests); nullptr uses Qt's printer and preview.
    explicit TfrmDrukujZbiorczo(const Services& services, WyjscieWydruku* wyjscie = nullptr,
                                QWidget* owner = nullptr);

    // The rows to print, by their column "nr_id"; read when the dialog is shown.
    void set_lista_przelewow(ResultSet& rows);
    void FormShow();
    void drukuj_btnClick();

    const PrzelewyZbiorczo& przelewy() const { return przelewy_; }

  protected:
    void showEvent(QShowEvent* e) override;

  private:
    Services services_;
    WyjscieWydruku* wyjscie_;
    ResultSet* rows_ = nullptr;
    PrzelewyZbiorczo przelewy_;
    QPlainTextEdit* opis_;
    QButtonGroup* rodzaj_;
    QCheckBox* kwoty_;
    QCheckBox* daty_;
};

}  // namespace zlx::app
