#pragma once

// Brings an Access database of the older version into a new database of ours: every table with every
// column and row, the invoicing tables too (kept, unread), Jet types mapped (text, memo, integers,
// byte, currency exactly, date-time, double, single, yes/no, binary), the primary keys the file
// declares. The schema upgrade then brings the new file to the current version, as it would at the
// first start. Rows and upgrade go into a temporary file that is renamed into place only when both
// are done, so an import that fails or is killed leaves nothing under the final name; the database
// setting is never touched (the caller switches it when it wants the new database).

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "db/db_messages.h"
#include "db/mdb_file.h"

namespace zlx {

struct RaportImportu {
    std::string sciezka;                                      // the new database
    std::vector<std::pair<std::string, std::size_t>> tabele;  // table and its row count, in file order
    int wersja_przed = 0;  // the schema version the file had (0: none recorded)
    int wersja_po = 0;
    bool stara_baza = false;  // the file holds the older version's tables (kontrach, kartoteka)
    std::string przerwa;      // why the upgrade stopped before the current version, when it says
};

// Whether the Access file holds the older version's database: its tables kontrach and kartoteka.
bool jest_baza_starej_wersji(const MdbFile& file);
// The message for an Access file that is not the older version's database, naming the file.
std::string nie_stara_baza(const std::string& mdb_path);

// Returns "" when the import brought a database of the older version to the current version,
// otherwise why not, in Polish, naming the file.
std::string blad_importu(const RaportImportu& r, const std::string& mdb_path);

// Imports the whole Access file, whatever it holds, into a new database at target. Throws MdbError
// when the Access file cannot be read, std::runtime_error when the target exists already or cannot be
// written. The upgrade's failing statements go to messages, as at start.
RaportImportu importuj_baze_access(const std::string& mdb_path, const std::string& target,
                                   DbMessages& messages);

}  // namespace zlx
