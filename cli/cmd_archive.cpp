#include <iostream>

#include "cli/commands.h"
#include "core/settings.h"
#include "db/archive.h"

namespace zlx::cli {

// Zips the current database into the archive folder of the settings (or --to DIR).
int run_archive(const Args& args) {
    std::string folder = option_value(args, "--to");
    if (folder.empty()) folder = sciezka_archiwum();
    try {
        std::cout << archiwizuj_baze(sciezka_bazy(), folder, TDateTime::today()) << "\n";
        return 0;
    } catch (const ArchiveError& e) {
        std::cerr << "Błąd - " << e.what() << "\n";
        return 1;
    }
}

}  // namespace zlx::cli
