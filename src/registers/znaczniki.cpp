#include "registers/znaczniki.h"

#include <exception>
#include <memory>

#include "db/gl_ado_ds.h"
#include "db/result_set.h"
#include "db/sql_format.h"

namespace zlx {

std::string sql_opis_znacznikow(int kategoria) {
    return "SELECT * FROM opis_znacznikow WHERE kategoria_znacznika=" + sql_int(kategoria) +
           "  ORDER BY nr_znacznika ASC";
}

std::vector<OpisZnacznika> get_opis_znacznikow(TGlAdoDs_mod& ds, int kategoria) {
    std::vector<OpisZnacznika> out;
    try {
        std::unique_ptr<ResultSet> rs = ds.open_sql(sql_opis_znacznikow(kategoria));
        if (rs)
            for (; !rs->eof(); rs->next())
                out.push_back({rs->int_value("nr_znacznika"), rs->text("opis_znacznika")});
    } catch (const std::exception&) {
        out.clear();
    }
    return out;
}

}  // namespace zlx
