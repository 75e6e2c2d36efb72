#pragma once

// Data access of the counterparty register: table `kontrach`, one row per TPrzKth. Readers give a
// cleared record (`ID1` 0) when no row matches or the query fails, so `ID1` 0 means "not found".

#include <cstdint>
#include <span>
#include <string>

#include "registers/kolumny.h"
#include "registers/przkth.h"

namespace zlx {

// Returns the columns of `kontrach` bound to the fields of TPrzKth, in the order the statements write them.
std::span<const Kolumna<TPrzKth>> kolumny_kontrach();

class TGlAdoDs_mod;

TPrzKth get_kontrah(TGlAdoDs_mod& ds, std::int32_t key);
// Reads with the caller's clause after "FROM kontrach " (" where nazwa='...'"); when several rows
// match, the last one read wins.
TPrzKth get_kontrah_where(TGlAdoDs_mod& ds, const std::string& clause);
// Inserts (`ID1` 0, the new key is written back) or updates; returns false when the statement failed,
// and a failed insert leaves `ID1` at 0.
bool save_kontrah(TGlAdoDs_mod& ds, TPrzKth& rec);
bool del_kontrah(TGlAdoDs_mod& ds, std::int32_t key);
bool set_kontrah_grupa(TGlAdoDs_mod& ds, std::int32_t key, std::int32_t grupa);
bool set_kontrah_znacznik(TGlAdoDs_mod& ds, std::int32_t key, std::int32_t znacznik);

}  // namespace zlx
