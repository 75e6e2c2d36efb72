#pragma once

// The archive of the database file: a zip in the chosen folder, made while this program's connection
// is closed, read back and verified before it is reported as written.

#include <QDialog>

#include "app/core/services.h"

class QLineEdit;

namespace zlx::app {

inline constexpr const char* kArchiwumZapisano = "Koniec - zapisano jako: ";
inline constexpr const char* kArchiwumBlad =
    "Błąd - zobaczy czy program nie jest uruchomiony na innych stanowiskach";

class TfrmArchiwum : public QDialog {
    Q_OBJECT
  public:
    TfrmArchiwum(const Services& services, QWidget* owner = nullptr);

    void wybierz_btnClick();
    void archiwizuj_btnClick();

    // Every way of closing comes here: the archive folder in the box is saved.
    void done(int result) override;

  private:
    void FormCreate();

    Services services_;
    QLineEdit* sciezka_edt_;
};

}  // namespace zlx::app
