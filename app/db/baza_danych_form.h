#pragma once

#include <QDialog>

#include "app/core/services.h"

class QLineEdit;

namespace zlx::app {

// Changes the database path in the settings; the new path takes effect at the next connect.
class TfrmBazaDanych : public QDialog {
    Q_OBJECT
  public:
    TfrmBazaDanych(const Services& services, QWidget* owner = nullptr);

    void FormCreate();
    void wybierz_btnClick();
    void zapisz_btnClick();

  private:
    Services services_;
    QLineEdit* sciezka_edt_;
};

}  // namespace zlx::app
