#include "transfers/opis_znacznikow.h"

#include "db/gl_ado_ds.h"
#include "db/sql_format.h"

namespace zlx {

std::string sql_zapisz_opis_znacznika(int kategoria, int nr, const std::string& opis) {
    return " UPDATE opis_znacznikow set opis_znacznika=" + sql_str(opis) +
           " WHERE kategoria_znacznika=" + sql_int(kategoria) + " AND nr_znacznika=" + sql_int(nr);
}

bool zapisz_opis_znacznika(TGlAdoDs_mod& ds, int kategoria, int nr, const std::string& opis) {
    return ds.exec_sql(sql_zapisz_opis_znacznika(kategoria, nr, opis));
}

}  // namespace zlx
