#pragma once

// Brings a database made by an older version up to the current schema (17). The file's version is
// ver_nbint of row 1 of tb_verdb; every numbered step above it runs in order and records its own
// number when done. A failing statement of a step is reported (exec_sql) and the step goes on; a
// failing catalog step (primary key, zero-length permission) ends the run silently, leaving the
// earlier steps recorded, so the next start continues there. A settings file that refuses a step's
// write is told once and the upgrade goes on. A file at the current version (or later) then gets
// every table and column the current schema has and it lacks (older versions made some tables
// without columns the program uses now). Then, at any version, the tax form symbol dictionary gets
// the delivered symbols it lacks (db/symbole_us.h).

#include <string>

#include "db/gl_ado_ds.h"

namespace zlx {

// Returns the version: ver_nbint of the last row read, -2 when no row (or no result set) comes back,
// 0 when the query cannot be opened (no tb_verdb).
int wersja_bazy(TGlAdoDs_mod& ds);
// The whole upgrade, as the main window runs it at start. Does nothing when not connected. Returns ""
// when the run went through, otherwise why it ended (the failing catalog step's message). An import
// passes false for the last argument: its file is not the program's database (yet).
std::string aktualizuj_baze(TGlAdoDs_mod& ds, bool zapisz_sciezke_bazy = true);
// Runs step n (1 .. 17; other numbers do nothing). Throws when a catalog operation fails.
void krok_aktualizacji(TGlAdoDs_mod& ds, int n);
// Step 6 alone: the repair offered by the main menu (it records version 6, so the next start runs the
// later steps again). Returns false, doing nothing, when not connected.
bool napraw_baze_2008(TGlAdoDs_mod& ds);
// Makes every table of the current schema (db/schema.h) the file lacks and adds every column a table
// lacks, empty in the rows already there; drops, narrows and retypes nothing. A failing statement is
// reported with the engine's message and the rest goes on.
void uzupelnij_tabele(TGlAdoDs_mod& ds);

}  // namespace zlx
