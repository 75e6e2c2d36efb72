#pragma once

// The marker descriptions of one category (0 counterparties, 1 transfers): the marker's picture and
// its editable text. An edited description is written when its row is left and when the screen
// closes, so nothing typed is lost.

#include <QDialog>

#include <set>

#include "app/core/services.h"

class QTableWidget;

namespace zlx {
class TGlAdoDs_mod;
}

namespace zlx::app {

class TfrmOpisZnacznikow : public QDialog {
    Q_OBJECT
  public:
    explicit TfrmOpisZnacznikow(const Services& services, QWidget* owner = nullptr);

    void set_kategoria(int kategoria) { kategoria_ = kategoria; }
    void FormShow();

    QTableWidget* siatka;

  protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

  private:
    void zapisz_zmienione();

    TGlAdoDs_mod& ds_;
    int kategoria_ = 1;
    std::set<int> zmienione_;  // rows whose text was edited and not yet written
};

}  // namespace zlx::app
