#include <iostream>
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
    bool jest_numer = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--nip" && i + 1 < args.size()) {
            nip = args[++i];
        } else if (typ.empty()) {
            typ = args[i];
        } else {
            numer += (jest_numer ? " " : "") + args[i];
            jest_numer = true;
        }
    }
    Sprawdzenie s;
    std::string nazwa;
    if (!jest_numer || (!nip.empty() && typ != "nrs")) {
        std::cerr << kUsage << "\n";
        return 2;
    }
    if (typ == "rachunek") {
        s = sprawdz_rachunek(numer);
        nazwa = "Rachunek";
    } else if (typ == "nip") {
        s = sprawdz_nip(numer);
        nazwa = "NIP";
    } else if (typ == "regon") {
        s = sprawdz_regon(numer);
        nazwa = "REGON";
    } else if (typ == "pesel") {
        s = sprawdz_pesel(numer);
        nazwa = "PESEL";
    } else if (typ == "nrs") {
        s = sprawdz_nrs(numer, nip);
        nazwa = "NRS";
    } else if (typ == "ksef") {
        s = sprawdz_ksef(numer);
        nazwa = "Numer KSeF";
    } else {
        std::cerr << kUsage << "\n";
        return 2;
    }
    std::cout << nazwa << " " << (s.numer.empty() ? "\"" + numer + "\"" : s.numer)
              << (s.poprawny ? " jest poprawny" : " jest błędny") << (s.opis.empty() ? "" : ": " + s.opis);
    if (typ == "nrs" && s.poprawny && nip.empty())
        std::cout << " (zgodności z NIP-em płatnika nie sprawdzono)";
    std::cout << "\n";
    return s.poprawny ? 0 : 1;
}

}  // namespace zlx::cli
