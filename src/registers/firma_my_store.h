#pragma once

// Data access of the own companies: table `my`, the counterparty columns prefixed "m", held in a
// TPrzKth (`mskrot` in `skrot` and so on). One company may be the default (`mdomyslnafirma` 1): new
// transfers start with it as payer. Readers give a cleared record when no row matches.

#include <cstdint>
#include <span>
#include <string>

#include "registers/kolumny.h"
#include "registers/przkth.h"

namespace zlx {

// Returns the columns of `my` bound to the fields of TPrzKth, in the order the statements write them.
std::span<const Kolumna<TPrzKth>> kolumny_my();

class TGlAdoDs_mod;

// Modes of get_firma_my.
inline constexpr int kFirmaWgKlucza = 0;
inline constexpr int kFirmaDomyslna = 1;

// Mode 1 reads the default company, any other mode the company with the key; the last row read wins.
TPrzKth get_firma_my(TGlAdoDs_mod& ds, std::int32_t key, int mode);
// Reads with the caller's clause after "FROM my ".
TPrzKth get_firma_my_where(TGlAdoDs_mod& ds, const std::string& clause);
// Inserts (`ID1` 0, the new key is written back) or updates; returns false when the statement failed,
// and a failed insert leaves `ID1` at 0.
bool save_firma_my(TGlAdoDs_mod& ds, TPrzKth& rec);
bool del_firma_my(TGlAdoDs_mod& ds, std::int32_t key);
// Makes the company the only default one.
bool set_domyslna_firma(TGlAdoDs_mod& ds, std::int32_t key);

}  // namespace zlx
