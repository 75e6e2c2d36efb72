#include "payments/mikrorachunek.h"

#include "core/text.h"
#include "payments/identyfikatory.h"
#include "payments/rachunek.h"

namespace zlx {

std::string mikrorachunek(char typ_identyfikatora, std::string_view identyfikator) {
    std::string reszta;
    if (typ_identyfikatora == 'N' || typ_identyfikatora == 'n') {
        const Sprawdzenie nip = sprawdz_nip(identyfikator);
        if (!nip.poprawny) return {};
        reszta = "2" + nip.numer + "00";
    } else if (typ_identyfikatora == 'P' || typ_identyfikatora == 'p') {
        const Sprawdzenie pesel = sprawdz_pesel(identyfikator);
        if (!pesel.poprawny) return {};
        reszta = "1" + pesel.numer + "0";
    } else {
        return {};
    }
    return nrb_z_cyframi_kontrolnymi("10100071222" + reszta);
}

bool symbol_na_mikrorachunek(std::string_view symbol) {
    // The income taxes and VAT by their family, each form of it ("PIT-36L", "VAT-9M", "CIT-8").
    static constexpr std::string_view kRodziny[] = {"PIT", "CIT", "VAT"};
    // Payments named by a symbol of their own: the flat-rate and lump-sum income tax advances, and the
    // other taxes the micro-account takes.
    static constexpr std::string_view kSymbole[] = {"PPL", "PPE", "PSD", "KOP", "POG", "GHD",
                                                    "DSF", "ALK", "CUK", "DRA", "WRO"};
    const std::string s = upper_pl(trim(symbol));
    for (std::string_view r : kRodziny)
        if (s == r || (s.starts_with(r) && s.size() > r.size() &&
                       (s[r.size()] == '-' || (s[r.size()] >= '0' && s[r.size()] <= '9'))))
            return true;
    for (std::string_view k : kSymbole)
        if (s == k) return true;
    return false;
}

}  // namespace zlx
