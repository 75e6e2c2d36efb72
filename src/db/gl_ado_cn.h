#pragma once

// The one database connection. The database is an SQLite file at sciezka_bazy (default: the program
// folder + "data/przDB.sqlite"), read on every connect and used unchanged. The default database is
// created at the current schema when missing; a path the user set that does not exist is not
// created, so a mistyped path never looks like an empty database. Several program instances may
// share the file: a busy database is waited for (up to 15 s, told to the messages' database_busy once
// the wait lasts), the rollback journal works on network folders, and nothing holds a read open
// between statements, so other instances' writes show at the next query.
//
// Statements are written in the Jet dialect the whole program uses and translated on the way in
// (db/jet_sql.h). Text compares and sorts on this connection without regard to letter case and in
// Polish order; LIKE ignores letter case, Polish letters included.

#include <chrono>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "db/db_messages.h"
#include "db/result_set.h"
#include "db/table_schema.h"

struct sqlite3;

namespace zlx {

inline constexpr const char* kNieMoznaPolaczyc =
    "Nie można się połączyć z bazą danych - zobacz czy ścieżka do bazy jest prawidłowa";
inline constexpr const char* kBazaAccess =
    "Wskazany plik jest bazą danych Access starszej wersji programu. Tej bazy nie można otworzyć "
    "bezpośrednio - należy ją zaimportować.";
inline constexpr const char* kBrakPolaczenia = "Brak połączenia z bazą danych";
// Put before the engine's message when a statement gave up waiting for another instance's write.
inline constexpr const char* kBazaZajeta =
    "Baza danych jest zajęta przez inny program - spróbuj ponownie za chwilę";

class TGlAdoCn_mod {
  public:
    // Connects at once, as the module's creation handler does.
    explicit TGlAdoCn_mod(DbMessages& messages);
    // Connects at once to the given file instead of sciezka_bazy (the import uses it).
    TGlAdoCn_mod(DbMessages& messages, const std::string& path);
    ~TGlAdoCn_mod();
    TGlAdoCn_mod(const TGlAdoCn_mod&) = delete;
    TGlAdoCn_mod& operator=(const TGlAdoCn_mod&) = delete;

    // Closes any open connection, reads the path and opens it. On failure shows kNieMoznaPolaczyc
    // (or kBazaAccess for an Access file) and stays closed. Returns is_connected().
    bool connect_db();
    // Connects as connect_db does, to the given file instead of sciezka_bazy (the import uses it).
    bool connect_db_at(const std::string& path);
    void disconnect_db();
    bool is_connected() const { return db_ != nullptr; }
    // Returns the open SQLite handle, nullptr when closed.
    sqlite3* get_glCn() const { return db_; }
    // Returns "Data Source=" + path of the last connect.
    const std::string& get_string_polaczenia() const { return connection_string_; }
    // Returns the database path of the last connect.
    const std::string& sciezka() const { return path_; }

    // Runs one Jet statement. Throws SqlError with the engine's message (kBrakPolaczenia unconnected).
    void execute(std::string_view jet_sql);
    // Runs one Jet query and fetches every row. Throws SqlError as execute does.
    std::unique_ptr<ResultSet> query(std::string_view jet_sql);

    // Returns the columns of a table as the file declares them (nullptr when there is no such table).
    const TableSchema* table_schema(std::string_view table);

    // Runs SQLite's own text (no translation); for the few steps Jet has no words for.
    void execute_native(const std::string& sql);

    // Sets how long a statement waits for a busy database before it fails (tests shorten it).
    void set_busy_timeout(std::chrono::milliseconds timeout) { busy_timeout_ = timeout; }

  private:
    class WaitNotice;
    static int on_busy(void* self, int count);
    bool open(bool create);
    void refresh_schema_cache();

    DbMessages& messages_;
    std::chrono::milliseconds busy_timeout_{15000};
    std::chrono::steady_clock::time_point busy_since_;
    bool busy_shown_ = false;
    int depth_ = 0;
    sqlite3* db_ = nullptr;
    std::string path_;
    std::string connection_string_;
    long long schema_version_ = -1;
    std::map<std::string, std::unique_ptr<TableSchema>> schemas_;
};

// Holds the database's write lock from construction (waiting while another instance writes) until
// commit; rolls back when destroyed uncommitted. Throws SqlError when the lock cannot be taken.
// Inside a transaction already open on the connection it does nothing: the outer one decides.
class WriteTransaction {
  public:
    explicit WriteTransaction(TGlAdoCn_mod& cn);
    ~WriteTransaction();
    WriteTransaction(const WriteTransaction&) = delete;
    WriteTransaction& operator=(const WriteTransaction&) = delete;
    void commit();

  private:
    TGlAdoCn_mod& cn_;
    bool open_ = true;
};

}  // namespace zlx
