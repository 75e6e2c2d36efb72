#pragma once

// The currencies offered on the transfer screens, one of them the default ("Domyślna"). Opened for
// maintenance from the print settings.

#include "app/registers/slownik_master.h"
#include "registers/slowniki.h"

namespace zlx::app {

class TfrmWalutaMaster : public SlownikMaster {
    Q_OBJECT
  public:
    TfrmWalutaMaster(const Services& services, QWidget* owner = nullptr);

    const TWaluta& get_sel_waluta() const { return wybrany_; }

    // Makes the current currency the only default one, without a question.
    void domyslna_btnClick();

  protected:
    std::int32_t karta(std::int32_t klucz) override;
    void usun(std::int32_t klucz) override;
    void wybierz(std::int32_t klucz) override;

  private:
    TWaluta wybrany_;
};

class TfrmWalutaDetail : public KartaSlownika {
    Q_OBJECT
  public:
    TfrmWalutaDetail(const Services& services, QWidget* owner = nullptr);

    void set_sel_item(const TWaluta& item);
    const TWaluta& get_sel_item() const { return item_; }

  protected:
    bool zapisz() override;

  private:
    TWaluta item_;
};

}  // namespace zlx::app
