#include "db/keys.h"

#include "db/sql_format.h"

namespace zlx {

int nowy_klucz(TGlAdoDs_mod& ds, const std::string& name) {
    if (!ds.connection().is_connected()) throw SqlError(kBrakPolaczenia);
    // The write lock is taken before the read, so no other instance reads the same counter meanwhile.
    WriteTransaction lock(ds.connection());
    auto rs = ds.open_sql(" SELECT tb_nr FROM tb_key WHERE tb_nazwa = " + sql_str(name));
    int key = 1;
    std::string statement;
    if (!rs->eof()) {
        key = rs->int_value("tb_nr");
        statement = " UPDATE tb_key SET tb_nr=" + sql_int(static_cast<long long>(key) + 1) +
                    " WHERE tb_nazwa = " + sql_str(name);
    } else {
        statement = "INSERT INTO tb_key(tb_nazwa ,tb_nr) VALUES (" + sql_str(name) + ", 2 )";
    }
    ds.connection().execute(statement);
    lock.commit();
    return key;
}

}  // namespace zlx
