#pragma once

#include <functional>
#include <string>
#include <vector>

#include "db/db_messages.h"
#include "db/gl_ado_cn.h"
#include "db/gl_ado_ds.h"
#include "tests/support/temp_folder.h"

struct sqlite3;

namespace zlx::test {

// Records what the database layer would show the user.
struct RecordingMessages : DbMessages {
    struct SqlFailure {
        std::string statement, detail;
    };
    std::vector<std::string> messages;
    std::vector<SqlFailure> errors;
    std::vector<bool> busy;             // each database_busy call
    std::function<void(bool)> on_busy;  // runs at each, for a test to act while a statement waits
    void message(const std::string& text) override { messages.push_back(text); }
    void database_busy(bool waiting) override {
        busy.push_back(waiting);
        if (on_busy) on_busy(waiting);
    }
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

// A database as the oldest version left it: no tb_verdb, narrow names, no keys on kartoteka and
// kontrach, none of the later columns and tables, ZUS accounts 0 to 2; one order, two counterparties
// and one own company.
struct OldDatabase : EmptyDatabase {
    RecordingMessages msgs;
    TGlAdoCn_mod cn{msgs};
    TGlAdoDs_mod ds{cn, msgs};

    OldDatabase();
    // Brings the file to version n as the older version's steps did, quietly.
    void at_version(int n);
    bool has_table(const char* t) { return cn.table_schema(t) != nullptr; }
    bool has_key(const char* t, const char* c) { return cn.table_schema(t)->find(c)->primary_key == 1; }
};

// Another instance in the middle of a save: a second connection to the file holding its write lock
// from construction until release() or destruction.
class HeldWriteLock {
  public:
    explicit HeldWriteLock(const std::string& path);
    ~HeldWriteLock();
    HeldWriteLock(const HeldWriteLock&) = delete;
    HeldWriteLock& operator=(const HeldWriteLock&) = delete;
    void release();

  private:
    sqlite3* db_ = nullptr;
};

}  // namespace zlx::test
