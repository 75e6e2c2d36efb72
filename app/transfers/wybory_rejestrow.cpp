#include "app/transfers/wybory_rejestrow.h"

namespace zlx::app {

// The register screens bind here as they land; until then nothing is chosen.

std::optional<TPrzKth> wybierz_kontrahenta(const Services&, TGlAdoDs_mod&, QWidget*, const std::string&) {
    return std::nullopt;
}

std::optional<TPrzKth> wybierz_firme(const Services&, TGlAdoDs_mod&, QWidget*, const std::string&) {
    return std::nullopt;
}

std::optional<TSlowTyt> wybierz_tytul(const Services&, TGlAdoDs_mod&, QWidget*) {
    return std::nullopt;
}

}  // namespace zlx::app
