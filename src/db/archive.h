#pragma once

// Archives of the database file: a zip in the archive folder named after the day and four random
// digits (20100531_4073.zip), holding the file under its own name. An archive is read back and compared
// with the database before it counts as written; an existing archive is never overwritten.

#include <functional>
#include <stdexcept>
#include <string>

#include "core/datetime.h"

namespace zlx {

class ArchiveError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Returns a digit from 0 to 8 (the archive name draws four of them).
using LosujCyfre = std::function<int()>;
int losuj_cyfre_archiwum();

// Returns folder (a '/' appended when missing) + "YYYYMMDD_dddd.zip".
std::string nazwa_archiwum(const std::string& folder, TDateTime day, const LosujCyfre& cyfra);

// Zips the database file into a new archive in the folder and verifies it; returns the archive's
// path. Throws ArchiveError (the archive removed) when the folder is empty or missing, the file cannot
// be read, or the written archive does not hold the file as it is.
std::string archiwizuj_baze(const std::string& sciezka_bazy, const std::string& folder, TDateTime day,
                            const LosujCyfre& cyfra = losuj_cyfre_archiwum);

}  // namespace zlx
