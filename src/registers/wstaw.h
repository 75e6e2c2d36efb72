#pragma once

// The insert half of every save: a new key from tb_key, written into the record, then the INSERT.
// When either step fails the record's key goes back to 0, so a later save inserts again instead of
// updating a row that was never stored (or, worse, another row that holds that key), and the failure
// reaches the user once, with its statement and the engine's message. A key drawn for an INSERT that
// then fails stays used: a counter behind rows stored without it moves past them that way.

#include <cstdint>
#include <string>

#include "db/gl_ado_ds.h"
#include "db/keys.h"

namespace zlx {

// Returns whether the row was stored; `insert` builds the statement once the key is in place.
template <class F>
bool wstaw_z_kluczem(TGlAdoDs_mod& ds, const std::string& nazwa_klucza, std::int32_t& klucz, F&& insert) {
    try {
        klucz = nowy_klucz(ds, nazwa_klucza);
    } catch (const SqlError& e) {
        if (e.statement().empty())
            ds.messages().message(e.what());
        else
            ds.messages().sql_error(e.statement(), e.what());
        klucz = 0;
        return false;
    }
    if (ds.exec_sql(insert())) return true;
    klucz = 0;
    return false;
}

}  // namespace zlx
