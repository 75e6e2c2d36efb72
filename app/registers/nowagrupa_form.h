#pragma once

// The group dialog of the counterparty register, for a new group and for a new name: one edit; a
// blank name is refused and the dialog stays open.

#include <QDialog>

#include "app/core/services.h"
#include "registers/kanal_tree.h"

class QLineEdit;

namespace zlx::app {

class Tnowagrupa_frm : public QDialog {
    Q_OBJECT
  public:
    explicit Tnowagrupa_frm(const Services& services, QWidget* owner = nullptr);

    // Hands in the group: a new one under its parent (key 0), or the one to rename.
    void set_grupa(const TKanalTree& grupa);
    // Returns the group with the trimmed name typed, kind 2, key, parent and order kept.
    TKanalTree get_grupa() const;

    void zapisz_btnClick();

  private:
    Services services_;
    TKanalTree grupa_;
    QLineEdit* nazwa_edt_;
};

}  // namespace zlx::app
