#include <algorithm>
#include <functional>
#include <iostream>
#include <iterator>
#include <string>

#include "cli/commands.h"
#include "payments/identyfikatory.h"
#include "payments/ksef.h"
#include "payments/nrs.h"
#include "payments/rachunek.h"

namespace zlx::cli {

namespace {

constexpr const char* kUsage =
    "użycie: zlecenix-cli sprawdz rachunek|nip|regon|pesel|nrs|ksef NUMER [--nip NIP_PŁATNIKA]";

}  // namespace

int run_sprawdz(const Args& args) {
    // The number may come as several arguments when typed with blanks unquoted.
    std::string typ, numer, nip;
    bool jest_numer = false, bez_nipu = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--nip") {
            bez_nipu = i + 1 == args.size();
            if (!bez_nipu) nip = args[++i];
        } else if (typ.empty()) {
            typ = args[i];
        } else {
            numer += (jest_numer ? " " : "") + args[i];
            jest_numer = true;
        }
    }
    if (!jest_numer || bez_nipu || (!nip.empty() && typ != "nrs")) {
        std::cerr << kUsage << "\n";
        return 2;
    }
    const auto nrs = [&](std::string_view n) { return sprawdz_nrs(n, nip); };
    const struct {
        const char* typ;
        const char* nazwa;
        std::function<Sprawdzenie(std::string_view)> sprawdz;
    } kRodzaje[] = {
        {"rachunek", "Rachunek", sprawdz_rachunek},
        {"nip", "NIP", sprawdz_nip},
        {"regon", "REGON", sprawdz_regon},
        {"pesel", "PESEL", sprawdz_pesel},
        {"nrs", "NRS", nrs},
        {"ksef", "Numer KSeF", sprawdz_ksef},
    };
    const auto* rodzaj =
        std::find_if(std::begin(kRodzaje), std::end(kRodzaje), [&](const auto& r) { return typ == r.typ; });
    if (rodzaj == std::end(kRodzaje)) {
        std::cerr << kUsage << "\n";
        return 2;
    }
    const Sprawdzenie s = rodzaj->sprawdz(numer);
    std::cout << rodzaj->nazwa << " " << (s.numer.empty() ? "\"" + numer + "\"" : s.numer)
              << (s.poprawny ? " jest poprawny" : " jest błędny") << (s.opis.empty() ? "" : ": " + s.opis);
    if (typ == "nrs" && s.poprawny && nip.empty())
        std::cout << " (zgodności z NIP-em płatnika nie sprawdzono)";
    std::cout << "\n";
    return s.poprawny ? 0 : 1;
}

}  // namespace zlx::cli
