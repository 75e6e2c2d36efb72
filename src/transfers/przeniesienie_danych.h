#pragma once

// The data transfer from the older version's Access file: its counterparties (`kontrach`) and own
// companies (`my`) become new rows of ours. The older split accounts (check digits, bank number,
// account) are joined and grouped, and the house and flat numbers join the street. Each run adds every
// row again; nothing is matched against rows already here.

#include <string>
#include <vector>

#include "db/gl_ado_ds.h"
#include "db/mdb_file.h"
#include "registers/przkth.h"

namespace zlx {

// Returns a party filled from one row of the older file (own companies: prefix "m"); columns the
// older file lacks leave their fields at the defaults.
TPrzKth kth_z_wiersza_starej_bazy(const std::vector<MdbColumnDef>& columns, const std::vector<MdbValue>& row,
                                  bool firma_wlasna);

// Applies the transfer's rules to a party read from the older file: accounts joined and grouped,
// the street followed by the house and flat numbers, the old key kept in `id_old` (counterparties) and
// the key cleared so the party is stored as new.
void przygotuj_do_przeniesienia(TPrzKth& kth, bool firma_wlasna);

// Reads and prepares every counterparty (`kontrach`) or own company (`my`) of the older file. Throws
// MdbError, naming the file, when the file cannot be read or lacks the table.
std::vector<TPrzKth> wczytaj_ze_starej_bazy(const std::string& path, bool firma_wlasna);

// Stores every counterparty of the older file as a new one; returns how many were stored. Throws
// MdbError as wczytaj_ze_starej_bazy does, before anything is stored. A row the database refuses is
// reported by exec_sql and the next one follows.
int przenies_kontrahentow(TGlAdoDs_mod& ds, const std::string& path);
// The same for the own companies.
int przenies_firmy(TGlAdoDs_mod& ds, const std::string& path);

}  // namespace zlx
