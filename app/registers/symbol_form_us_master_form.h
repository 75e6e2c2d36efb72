#pragma once

// The tax form symbols offered on the tax transfer screen. Opened for maintenance from the print
// settings.

#include "app/registers/slownik_master.h"
#include "registers/slowniki.h"

namespace zlx::app {

class TfrmSymbolFormUsMaster : public SlownikMaster {
    Q_OBJECT
  public:
    TfrmSymbolFormUsMaster(const Services& services, QWidget* owner = nullptr);

    const TSymbolFormularzaUs& get_sel_symbol() const { return wybrany_; }

  protected:
    std::int32_t karta(std::int32_t klucz) override;
    void usun(std::int32_t klucz) override;
    void wybierz(std::int32_t klucz) override;

  private:
    TSymbolFormularzaUs wybrany_;
};

class TfrmSymbolFormUsDetail : public KartaSlownika {
    Q_OBJECT
  public:
    TfrmSymbolFormUsDetail(const Services& services, QWidget* owner = nullptr);

    void set_sel_item(const TSymbolFormularzaUs& item);
    const TSymbolFormularzaUs& get_sel_item() const { return item_; }

  protected:
    bool zapisz() override;

  private:
    TSymbolFormularzaUs item_;
};

}  // namespace zlx::app
