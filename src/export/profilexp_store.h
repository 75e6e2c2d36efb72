#pragma once

// The store of export profiles: table tb_profilexp, one row per TProfilExp. Saving a profile with
// prof_id 0 inserts it under a new key and writes the key back; otherwise it updates every column but
// the key.

#include <cstdint>

#include "export/profilexp.h"

namespace zlx {

class TGlAdoDs_mod;

// Returns the stored profile, or the defaults of init_profilexp when there is no such row or the
// query fails.
TProfilExp get_profilexp(TGlAdoDs_mod& ds, std::int32_t id);

// Stores the profile; returns false when a statement failed (reported by exec_sql). A failed insert
// leaves prof_id at 0.
bool save_profilexp(TGlAdoDs_mod& ds, TProfilExp& p);

bool del_profilexp(TGlAdoDs_mod& ds, std::int32_t id);

}  // namespace zlx
