#pragma once

// Asks which date the clones made by the transfer list get: a new one, or the source's.

#include <QDialog>

#include "core/datetime.h"

class QDateEdit;
class QRadioButton;

namespace zlx::app {

class TfrmDialogDataKlonuj : public QDialog {
    Q_OBJECT
  public:
    explicit TfrmDialogDataKlonuj(QWidget* owner = nullptr);

    // After OK: true when "Nowa data:" is checked, and the date of its picker.
    bool nowa_data() const;
    TDateTime data() const;

    QRadioButton* nowadata_rbtn;
    QRadioButton* zrodlowa_rbtn;
    QDateEdit* nowadata_dtp;
};

}  // namespace zlx::app
