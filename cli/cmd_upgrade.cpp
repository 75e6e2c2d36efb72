#include <iostream>

#include "cli/commands.h"
#include "cli/stderr_messages.h"
#include "db/upgrade.h"

namespace zlx::cli {

int run_upgrade(const Args& args) {
    if (!args.empty()) {
        std::cerr << "użycie: zlecenix-cli upgrade\n";
        return 2;
    }
    StderrMessages msgs;
    TGlAdoCn_mod cn(msgs);
    if (!cn.is_connected()) return 1;
    TGlAdoDs_mod ds(cn, msgs);
    std::cout << "wersja bazy przed aktualizacją: " << wersja_bazy(ds) << "\n";
    aktualizuj_baze(ds);
    std::cout << "wersja bazy po aktualizacji: " << wersja_bazy(ds) << "\n";
    return 0;
}

}  // namespace zlx::cli
