#include <iostream>
#include <string>

#include "cli/commands.h"
#include "core/text.h"
#include "payments/identyfikatory.h"
#include "payments/mikrorachunek.h"
#include "transfers/derivations.h"

namespace zlx::cli {

int run_mikrorachunek(const Args& args) {
    if (args.size() != 1) {
        std::cerr << "użycie: zlecenix-cli mikrorachunek NIP|PESEL\n";
        return 2;
    }
    // A NIP has 10 digits, a PESEL 11.
    const std::string numer = normalizuj_numer(args[0]);
    const bool pesel = numer.size() == 11;
    const Sprawdzenie s = pesel ? sprawdz_pesel(numer) : sprawdz_nip(numer);
    if (!s.poprawny) {
        std::cerr << (pesel ? "PESEL " : "NIP ") << (s.numer.empty() ? "\"" + args[0] + "\"" : s.numer)
                  << " jest błędny: " << s.opis << "\n";
        return 1;
    }
    std::cout << trim(formatuj_konto(mikrorachunek(pesel ? 'P' : 'N', numer), 0)) << "\n";
    return 0;
}

}  // namespace zlx::cli
