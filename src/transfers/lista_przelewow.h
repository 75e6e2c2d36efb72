#pragma once

// What the transfer list does with its rows, apart from the screen: the totals, and the actions on
// the ticked rows (or the current row when none is ticked). Ticked rows are held by key (`nr_id`), so
// a re-query keeps the ticks of the rows that are still listed.

#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "core/currency.h"
#include "core/datetime.h"

namespace zlx {

class ResultSet;
class TGlAdoDs_mod;

inline constexpr const char* kZaznaczJakies = "Zaznacz jakieś przelewy";

using Zaznaczenie = std::set<std::int32_t>;

struct Podsumowanie {
    Currency wszystkie;   // every row of the set, rows hidden by the quick filter included
    Currency zaznaczone;  // the ticked rows
    std::size_t ile_zaznaczonych = 0;
};

// Sums `kwota_money` over a `kartoteka` result set.
Podsumowanie podsumuj(const ResultSet& rows, const Zaznaczenie& zaznaczone);
// Returns "Podsumowania", or "Podsumowania zaznaczono: " + the count when rows are ticked.
std::string etykieta_podsumowania(std::size_t ile_zaznaczonych);

// Returns the ticked keys in the order of the rows in the set; ticks of keys the set no longer holds
// are dropped.
std::vector<std::int32_t> zaznaczone_w_kolejnosci(const ResultSet& rows, const Zaznaczenie& zaznaczone);
// Returns the ticks of the keys the set still holds.
Zaznaczenie zaznaczenie_w_zbiorze(const ResultSet& rows, const Zaznaczenie& zaznaczone);

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
