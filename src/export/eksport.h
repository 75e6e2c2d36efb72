#pragma once

// The export run: the transfers handed over by the transfer list, one line each from the writer of the
// profile's bank format, written to the profile's file in the profile's encoding. Lines are built in
// memory; the files are written only once every line is there.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/datetime.h"
#include "export/plik_eksportu.h"
#include "export/profilexp.h"
#include "transfers/przelew.h"

namespace zlx {

// One transfer's line and the messages its writer collected.
struct LiniaEksportu {
    std::string linia;
    std::string blad;                 // the writer's messages joined by a line feed
    std::vector<std::string> powody;  // their distinct reasons
};

// Returns the line of the transfer in the profile's format (an empty line for an unknown format).
LiniaEksportu zapisz_linie_eksportu(const TPrzelew& przelew, const TProfilExp& profil);

// Returns "Przelew dla: <payee> na kwotę: <amount>" and the reasons of the line, or "" without any.
std::string opis_bledow(const TPrzelew& przelew, const LiniaEksportu& linia);

// The date choice of the screen: kind 0 one date for all transfers, 1 each transfer's own date.
struct WyborDaty {
    int rodzaj = 0;
    TDateTime data;
};

struct WynikEksportu {
    std::vector<std::string> pliki;  // the files written, in order
    std::vector<std::string> bledy;  // one line per transfer with a bad account
    std::string blad_zapisu;         // why the files could not be written; then none is left behind
    bool zapisano() const { return blad_zapisu.empty(); }
};

// Gives the next transfer to export, or nothing at the end.
using ZrodloPrzelewow = std::function<std::optional<TPrzelew>()>;

// Runs the export of the transfers with the profile and the screen's date choice; `teraz` names a
// generated file. With the profile's limit above 0 the transfers go into files of at most that many
// (a BZ WBK file repeats its header line), named by nazwa_kolejnego_pliku. The files are written with
// zapisz_pliki_eksportu: all of them or none; `po_pliku` follows the writing.
WynikEksportu exportuj(const TProfilExp& profil, const ZrodloPrzelewow& przelewy, const WyborDaty& data,
                       TDateTime teraz, const PoZapisaniuPliku& po_pliku = {});

// Returns a source over the vector's transfers, in order.
ZrodloPrzelewow z_listy(const std::vector<TPrzelew>& przelewy);

class ResultSet;
// Returns a source over the handed-over kartoteka rows, from the first on, each read in full by its
// nr_id (load_przelew_from_rows). The rows must outlive the source.
ZrodloPrzelewow z_wierszy(ResultSet& wiersze);

}  // namespace zlx
