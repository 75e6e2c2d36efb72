#pragma once

// The own companies: the payers of transfers, one of them the default ("Aktywna"). Opened for
// maintenance from the main window and as the payer picker of the transfer screens, which may hand in
// the name to find (set_nazwa_szukana) and take get_sel_firma after an OK result.

#include <string>

#include "app/registers/slownik_master.h"
#include "registers/przkth.h"

class QLabel;

namespace zlx::app {

class TfrmFirmaMaster : public SlownikMaster {
    Q_OBJECT
  public:
    TfrmFirmaMaster(const Services& services, QWidget* owner = nullptr);

    void set_nazwa_szukana(const std::string& nazwa) { nazwa_szukana_ = nazwa; }
    const TPrzKth& get_sel_firma() const { return wybrana_; }

    void FormShow() override;
    // Asks, then makes the current company the only default one.
    void aktywna_btnClick();

  protected:
    std::int32_t karta(std::int32_t klucz) override;
    void usun(std::int32_t klucz) override;
    void wybierz(std::int32_t klucz) override;
    void pokaz_biezacy() override;

  private:
    TPrzKth wybrana_;
    std::string nazwa_szukana_;
    QLabel* konto1_lbl_;
    QLabel* konto2_lbl_;
};

}  // namespace zlx::app
