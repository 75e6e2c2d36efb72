#pragma once

// What the transfer list does with its rows, apart from the screen: the totals, and the actions on
// the ticked rows (zaznaczenie.h) or the current row when none is ticked.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/currency.h"
#include "core/datetime.h"
#include "transfers/zaznaczenie.h"

namespace zlx {

class ResultSet;
class TGlAdoDs_mod;

inline constexpr const char* kZaznaczJakies = "Zaznacz jakieś przelewy";

struct Podsumowanie {
    Currency wszystkie;   // every row of the set, rows hidden by the quick filter included
    Currency zaznaczone;  // the ticked rows
    std::size_t ile_zaznaczonych = 0;
    std::size_t ukrytych_zaznaczonych = 0;  // of them, the rows the quick filter hides
};

// Sums `kwota_money` over a `kartoteka` result set.
Podsumowanie podsumuj(const ResultSet& rows, const Zaznaczenie& zaznaczone);
// Returns "Podsumowania", or "Podsumowania zaznaczono: " + the count when rows are ticked, followed
// by how many of them the filter hides when it hides some.
std::string etykieta_podsumowania(const Podsumowanie& s);
// Returns the question of "Usuń [CTRL+DEL]"; when ticked rows are hidden by the filter it says so.
std::string pytanie_usuniecia(const Podsumowanie& s);

// Stores a copy of each order, in order, under a new key; with `nowa_data` the copies get that date,
// otherwise they keep the source's. Every other field is copied unchanged. An order that is gone
// meanwhile is skipped; a failed insert stops the run. Returns the key of the last copy (0: none).
std::int32_t klonuj_przelewy(TGlAdoDs_mod& ds, const std::vector<std::int32_t>& ids, bool nowa_data,
                             TDateTime data);

// Sets the marker of each order; stops at the first failed statement and returns false then.
bool zmien_znacznik_dla_zaznaczonych(TGlAdoDs_mod& ds, const std::vector<std::int32_t>& ids, int znacznik);

// Deletes each order; stops at the first failed statement and returns false then.
bool usun_przelewy(TGlAdoDs_mod& ds, const std::vector<std::int32_t>& ids);

}  // namespace zlx
