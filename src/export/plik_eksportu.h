#pragma once

// The names and the writing of the bank import files of a run. The files of a run are written under
// temporary names and renamed into place only when all are written, so the output folder shows a run
// whole or not at all, whether a write fails or the program is killed.

#include <cstddef>
#include <functional>
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

// One file of a run: its path and its lines, without line ends.
struct PlikEksportu {
    std::string path;
    std::vector<std::string> lines;
};

// Called after each file of a run is written under its temporary name, with the count so far.
using PoZapisaniuPliku = std::function<void(std::size_t)>;

// Writes the files of a run (all in one folder), each line followed by CR LF in the encoding code of
// kNazwyKodowan, replacing files of those names. Runs in one folder take turns on its lock file
// ".zlecenix-eksport.lock"; each first finishes the renames of a run killed while renaming and removes
// the temporary files of runs killed while writing. Throws BladZapisuEksportu; then no file of the run
// is left in the folder.
void zapisz_pliki_eksportu(const std::vector<PlikEksportu>& pliki, int kodowanie,
                           const PoZapisaniuPliku& po_pliku = {});

}  // namespace zlx
