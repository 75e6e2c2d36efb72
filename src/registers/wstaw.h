#pragma once

// The insert half of every save: a new key from tb_key, written into the record, then the INSERT, both
// under one write lock, so a failed INSERT gives its key back. When either step fails the record's key
// goes back to 0, so a later save inserts again instead of updating a row that was never stored (or,
// worse, another row that holds that key), and the failure reaches the user with its statement and
// the engine's message, once, after the lock is let go (a message box must not hold other instances).

#include <cstdint>
#include <string>

#include "db/gl_ado_ds.h"
#include "db/keys.h"

namespace zlx {

// Returns whether the row was stored; `insert` builds the statement once the key is in place.
template <class F>
bool wstaw_z_kluczem(TGlAdoDs_mod& ds, const std::string& nazwa_klucza, std::int32_t& klucz, F&& insert) {
    if (!ds.connection().is_connected()) {
        ds.messages().message(kBrakPolaczenia);
        klucz = 0;
        return false;
    }
    try {
        WriteTransaction lock(ds.connection());
        klucz = nowy_klucz(ds, nazwa_klucza);
        ds.connection().execute(insert());
        lock.commit();
        return true;
    } catch (const SqlError& e) {
        klucz = 0;
        if (e.statement().empty())
            ds.messages().message(e.what());
        else
            ds.messages().sql_error(e.statement(), e.what());
        return false;
    }
}

}  // namespace zlx
