#pragma once

// Brings an Access database of the older version into a new database of ours: every table with every
// column and row, the invoicing tables too (kept, unread), Jet types mapped (text, memo, integers,
// byte, currency exactly, date-time, double, single, yes/no, binary), the primary keys the file
// declares. The schema upgrade then brings the new file to the current version, as it would at the
// first start. Nothing is made when the file cannot be read: the rows are written into a temporary
// file that replaces nothing and is renamed into place only when complete.

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "db/db_messages.h"

namespace zlx {

struct RaportImportu {
    std::string sciezka;                                      // the new database
    std::vector<std::pair<std::string, std::size_t>> tabele;  // table and its row count, in file order
    int wersja_przed = 0;  // the schema version the file had (0: none recorded)
    int wersja_po = 0;
};

// Imports the Access file into a new database at target. Throws MdbError when the Access file cannot
// be read, std::runtime_error when the target exists already or cannot be written. The upgrade's
// failing statements go to messages, as at start; the database path of the settings is left as it was.
RaportImportu importuj_baze_access(const std::string& mdb_path, const std::string& target,
                                   DbMessages& messages);

}  // namespace zlx
