#pragma once

// The name and the writing of a bank import file. A file is written in one step (a temporary name,
// then a rename), so a failed write never leaves a partial file behind.

#include <stdexcept>
#include <string>
#include <vector>

#include "core/datetime.h"
#include "export/profilexp.h"

namespace zlx {

// Thrown when an export file cannot be created or written; what() names the file and the reason.
class BladZapisuEksportu : public std::runtime_error {
  public:
    BladZapisuEksportu(const std::string& path, const std::string& reason);
    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

// Returns the file path of a run started at the given time: the output folder followed by the fixed
// name (kind 0) or by "yyyymmdd_hhnnss." and the extension (kind 1); any other kind gives the program
// folder + "plik_przelew.txt".
std::string nazwa_pliku_eksportu(const TProfilExp& p, TDateTime teraz);

// Returns the name of the k-th file (from 1) of a run split by the profile's limit: the first keeps the
// name, the further ones get "_k" before the extension ("przelewy.txt" → "przelewy_2.txt").
std::string nazwa_kolejnego_pliku(const std::string& path, int k);

// Writes each line followed by CR LF, in the encoding code of kNazwyKodowan, replacing an existing
// file of that name. Throws BladZapisuEksportu; then no file of that name is created or changed.
void zapisz_plik_eksportu(const std::vector<std::string>& lines, const std::string& path, int kodowanie);

}  // namespace zlx
