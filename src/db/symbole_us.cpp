#include "db/symbole_us.h"

#include <set>
#include <string>

#include "core/text.h"
#include "db/keys.h"
#include "db/sql_format.h"

namespace zlx {

namespace {

const char* const kSymbole[] = {
    "CIT-2", "CIT-8", "PIT-4", "PIT-4R", "PIT-5", "PIT-5L", "PIT-8A", "PIT-8AR", "PIT-28", "PIT-36",
    "PIT-36L", "PIT-37", "PIT-38", "PPL", "PPE", "VAT-7", "VAT-7K", "VAT-8", "VAT-9M", "PCC-3", "SD-3",
    "AKC-4", "IFT-1R", "CIT-10Z",
    // Added with the micro-account (2020): the payment symbols it takes besides PIT, CIT and VAT.
    "CIT", "PSD", "KOP", "POG", "GHD", "DSF", "ALK", "CUK", "DRA", "WRO"};

}  // namespace

std::span<const char* const> symbole_us_dostarczane() {
    return kSymbole;
}

void uzupelnij_symbole_us(TGlAdoDs_mod& ds) {
    if (!ds.connection().table_schema("symbolformularzaus")) return;
    std::unique_ptr<ResultSet> rs = ds.open_sql("SELECT nr_id,symbol FROM symbolformularzaus");
    if (!rs) return;
    std::set<std::string> sa;
    for (; !rs->eof(); rs->next())
        sa.insert(upper_pl(trim(rs->text("symbol"))));
    for (const char* s : kSymbole) {
        if (sa.contains(s)) continue;
        ds.exec_sql(" INSERT INTO symbolformularzaus(nr_id,symbol) VALUES ( " +
                    sql_int(nowy_klucz(ds, "symbolformularzaus")) + "," + sql_str(s) + ")");
    }
}

}  // namespace zlx
