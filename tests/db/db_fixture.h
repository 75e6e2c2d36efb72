#pragma once

#include <string>
#include <vector>

#include "db/db_messages.h"
#include "db/gl_ado_cn.h"
#include "db/gl_ado_ds.h"
#include "tests/support/temp_folder.h"

namespace zlx::test {

// Records what the database layer would show the user.
struct RecordingMessages : DbMessages {
    struct SqlFailure {
        std::string statement, detail;
    };
    std::vector<std::string> messages;
    std::vector<SqlFailure> errors;
    void message(const std::string& text) override { messages.push_back(text); }
    void sql_error(const std::string& statement, const std::string& detail) override {
        errors.push_back({statement, detail});
    }
};

// A program folder with a new default database, connected.
struct NewDatabase : TempProgramFolder {
    RecordingMessages msgs;
    TGlAdoCn_mod cn{msgs};
    TGlAdoDs_mod ds{cn, msgs};
};

// A program folder whose database path points to an empty SQLite file, for tests that build their
// own (older) shapes. Connect with connect().
struct EmptyDatabase : TempProgramFolder {
    EmptyDatabase();
    std::string path;
};

}  // namespace zlx::test
