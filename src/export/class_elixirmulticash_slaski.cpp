#include "export/class_elixirmulticash_slaski.h"

#include "core/fitting.h"
#include "core/text.h"

namespace zlx {

std::string TElixirSlaski::konto_nadawcy(const TPrzelew& p) {
    const std::string d = tylko_cyfry(trim(p.my_konto));
    if (d.size() != 26) return {};
    return d.substr(2, 8) + "-" + d.substr(10, 16);
}

}  // namespace zlx
