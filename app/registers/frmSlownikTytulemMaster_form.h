#pragma once

// The title dictionary: ready-made texts for the two title lines of a transfer. Opened for maintenance
// from the main window, and as a picker by the bank transfer screen, which takes get_sel_slowtyt after
// an OK result.

#include "app/registers/slownik_master.h"
#include "registers/slowniki.h"

namespace zlx::app {

class TfrmSlownikTytulemMaster : public SlownikMaster {
    Q_OBJECT
  public:
    TfrmSlownikTytulemMaster(const Services& services, QWidget* owner = nullptr);

    // The chosen title; a cleared one (key 0) when the list was empty.
    const TSlowTyt& get_sel_slowtyt() const { return wybrany_; }

  protected:
    std::int32_t karta(std::int32_t klucz) override;
    void usun(std::int32_t klucz) override;
    void wybierz(std::int32_t klucz) override;

  private:
    TSlowTyt wybrany_;
};

class TfrmSlownikTytulemDetail : public KartaSlownika {
    Q_OBJECT
  public:
    TfrmSlownikTytulemDetail(const Services& services, QWidget* owner = nullptr);

    // Hands in the record; a stored one (key not 0) is shown.
    void set_sel_item(const TSlowTyt& item);
    // The stored record, with its new key after an insert.
    const TSlowTyt& get_sel_item() const { return item_; }

  protected:
    bool zapisz() override;

  private:
    TSlowTyt item_;
};

}  // namespace zlx::app
