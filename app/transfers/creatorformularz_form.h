#pragma once

// The bank transfer wizard: the entry screen's controls, generating one bank transfer per counterparty
// chosen in the register. The payee shows "<firma z listy>": each counterparty of the list takes its
// place in turn (or the payer's, after "Zamień konta").

#include <cstdint>
#include <vector>

#include "app/transfers/formularz_form.h"

namespace zlx::app {

class Tcreatorformularz_frm : public Tformularz_frm {
    Q_OBJECT
  public:
    explicit Tcreatorformularz_frm(const Services& services, QWidget* owner = nullptr);

    // The counterparty keys in the order of the register's rows.
    void set_lista_kth(std::vector<std::int32_t> klucze) { klucze_ = std::move(klucze); }

    void generuj_btnClick();

  protected:
    void FormShow() override;

  private:
    std::vector<std::int32_t> klucze_;
};

}  // namespace zlx::app
