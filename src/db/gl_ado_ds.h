#pragma once

// The two ways every other part talks to the data: exec_sql for statements, open_sql for queries.
// Statements are Jet-dialect text built from fixed fragments and the formatters of db/sql_format.h.

#include <memory>
#include <string>

#include "db/db_messages.h"
#include "db/gl_ado_cn.h"
#include "db/result_set.h"
#include "db/sql_error.h"

namespace zlx {

class TGlAdoDs_mod {
  public:
    TGlAdoDs_mod(TGlAdoCn_mod& cn, DbMessages& messages) : cn_(cn), messages_(messages) {}

    // Runs the statement. A failure (also: no connection) goes to the error sink with the statement
    // and the engine's message; returns whether the statement succeeded.
    bool exec_sql(const std::string& statement);
    // Runs the query and returns every row in a set the caller owns; nullptr when not connected.
    // Throws SqlError with the engine's message when the query cannot be opened.
    std::unique_ptr<ResultSet> open_sql(const std::string& statement);

    TGlAdoCn_mod& connection() { return cn_; }
    DbMessages& messages() { return messages_; }

  private:
    TGlAdoCn_mod& cn_;
    DbMessages& messages_;
};

}  // namespace zlx
