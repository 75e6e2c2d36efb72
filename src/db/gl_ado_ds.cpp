#include "db/gl_ado_ds.h"

namespace zlx {

bool TGlAdoDs_mod::exec_sql(const std::string& statement) {
    try {
        cn_.execute(statement);
        return true;
    } catch (const SqlError& e) {
        messages_.sql_error(statement, e.what());
        return false;
    }
}

std::unique_ptr<ResultSet> TGlAdoDs_mod::open_sql(const std::string& statement) {
    if (!cn_.is_connected()) return nullptr;
    return cn_.query(statement);
}

}  // namespace zlx
