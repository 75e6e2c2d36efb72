#include "export/class_elixirmulticash_slaski.h"

#include "payments/rachunek.h"

namespace zlx {

std::string TElixirSlaski::konto_nadawcy(const TPrzelew& p) {
    const std::string d = cyfry_poprawnego_rachunku(p.my_konto);
    if (d.empty()) return {};
    return d.substr(2, 8) + "-" + d.substr(10, 16);
}

}  // namespace zlx
