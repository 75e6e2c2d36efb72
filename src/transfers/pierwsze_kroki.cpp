#include "transfers/pierwsze_kroki.h"

#include "db/gl_ado_cn.h"
#include "db/gl_ado_ds.h"
#include "db/result_set.h"
#include "db/sql_error.h"

namespace zlx {

bool pokaz_pierwsze_kroki(TGlAdoDs_mod& ds) {
    if (!ds.connection().is_connected()) return false;
    try {
        std::unique_ptr<ResultSet> rs = ds.open_sql("SELECT count(*) AS n FROM kartoteka");
        return rs && rs->int_value("n") == 0;
    } catch (const SqlError&) {
        return false;
    }
}

}  // namespace zlx
