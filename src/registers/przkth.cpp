#include "registers/przkth.h"

#include "core/settings.h"

namespace zlx {

TKonto konto_kth(const TPrzKth& party) {
    switch (party.domyslnekonto) {
        case 0:
            return {party.lk, party.Rachunek1, party.nr_banku};
        case 1:
            return {party.lk2, party.Rachunek2, party.nr_banku2};
        default:
            return {};
    }
}

std::string sklej_adres(const std::string& ulica, const std::string& kodp, const std::string& miejscowosc) {
    if (adres_kod_najpierw()) return kodp + " " + miejscowosc + " " + ulica;
    return ulica + " " + kodp + " " + miejscowosc;
}

std::string sklej_adres_kth(const TPrzKth& party) {
    return sklej_adres(party.ulica, party.kod, party.Miejscowosc);
}

}  // namespace zlx
