#include <iostream>
#include <string>

#include "cli/commands.h"
#include "cli/stderr_messages.h"
#include "core/folder.h"
#include "db/mdb_file.h"
#include "db/mdb_import.h"

namespace zlx::cli {

// Imports an Access file of the older version into a new database (default: data/przDB.sqlite). Any
// Access file is imported whole; one that holds no database of the older version, or whose upgrade
// stops short of the current version, ends with the reason on stderr and a non-zero status.
int run_import_mdb(const Args& args) {
    if (args.empty() || args[0].rfind("--", 0) == 0) {
        std::cerr << "użycie: zlecenix-cli import-mdb PLIK.mdb [--to ŚCIEŻKA]\n";
        return 2;
    }
    std::string target = option_value(args, "--to");
    if (target.empty()) target = program_file("data/przDB.sqlite");
    StderrMessages messages;
    try {
        RaportImportu r = importuj_baze_access(args[0], target, messages);
        std::cout << "Zaimportowano do: " << r.sciezka << "\n";
        for (const auto& [table, rows] : r.tabele)
            std::cout << table << "\t" << rows << "\n";
        std::cout << "Wersja bazy: " << r.wersja_przed << " -> " << r.wersja_po << "\n";
        // The file stays imported whole; a script must still learn it is no usable database.
        if (std::string why = blad_importu(r, args[0]); !why.empty()) {
            std::cerr << why << "\n";
            return 1;
        }
        return 0;
    } catch (const std::exception& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
}

}  // namespace zlx::cli
