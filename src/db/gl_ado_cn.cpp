#include "db/gl_ado_cn.h"

#include <sqlite3.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "core/settings.h"
#include "db/jet_sql.h"
#include "db/polish_text.h"
#include "db/schema.h"
#include "db/sql_error.h"
#include "db/table_rebuild.h"

namespace zlx {

namespace {

// A wait shorter than this goes unnoticed; a longer one is shown as waiting.
constexpr std::chrono::milliseconds kChwila{400};

// Returns the engine's message for the last failure, naming the cause when it was a busy database.
std::string engine_message(sqlite3* db, const char* message) {
    std::string msg = message ? message : sqlite3_errmsg(db);
    if ((sqlite3_extended_errcode(db) & 0xff) == SQLITE_BUSY)
        return std::string(kBazaZajeta) + " (" + msg + ")";
    return msg;
}

std::string lower_ascii(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

// Tells whether the file starts as a Jet/ACE (Access) database does.
bool is_access_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    char head[20] = {};
    in.read(head, sizeof head);
    std::string_view h(head, static_cast<std::size_t>(in.gcount()));
    return h.size() >= 19 && (h.substr(4, 15) == "Standard Jet DB" || h.substr(4, 15) == "Standard ACE DB");
}

class Statement {
  public:
    Statement(sqlite3* db, const std::string& sql, const std::string& original) {
        const char* tail = nullptr;
        int rc = sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size()), &stmt_, &tail);
        if (rc != SQLITE_OK) throw SqlError(engine_message(db, nullptr), original);
        // One statement only, whatever follows it.
        for (; tail && *tail; ++tail)
            if (*tail != ' ' && *tail != '\t' && *tail != '\r' && *tail != '\n' && *tail != ';') {
                sqlite3_finalize(stmt_);
                throw SqlError("Znaki po zakończeniu instrukcji SQL", original);
            }
    }
    ~Statement() { sqlite3_finalize(stmt_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    sqlite3_stmt* get() const { return stmt_; }

  private:
    sqlite3_stmt* stmt_ = nullptr;
};

void run_native(sqlite3* db, const std::string& sql, const std::string& original) {
    char* err = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &err) != SQLITE_OK) {
        std::string msg = engine_message(db, err);
        sqlite3_free(err);
        throw SqlError(msg, original);
    }
}

// Amounts are whole counts of 1/10000 złoty; a fractional number in their column (another tool wrote
// it) would read one way as text and another as money, so it is refused.
std::string not_an_amount(const std::string& column, double value) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.15g", value);
    return "Niezgodność typów danych: wartość " + std::string(buf) + " w kolumnie " + column +
           " nie jest kwotą (kwoty zapisuje się w 1/10000 zł jako liczby całkowite)";
}

}  // namespace

// Ends a shown wait when the outermost operation of the connection returns, by success or error.
class TGlAdoCn_mod::WaitNotice {
  public:
    explicit WaitNotice(TGlAdoCn_mod& cn) : cn_(cn) { ++cn_.depth_; }
    ~WaitNotice() {
        if (--cn_.depth_ > 0 || !cn_.busy_shown_) return;
        cn_.busy_shown_ = false;
        cn_.messages_.database_busy(false);
    }
    WaitNotice(const WaitNotice&) = delete;
    WaitNotice& operator=(const WaitNotice&) = delete;

  private:
    TGlAdoCn_mod& cn_;
};

int TGlAdoCn_mod::on_busy(void* self, int count) {
    auto& cn = *static_cast<TGlAdoCn_mod*>(self);
    const auto now = std::chrono::steady_clock::now();
    if (count == 0) cn.busy_since_ = now;
    const auto waited = now - cn.busy_since_;
    if (waited >= cn.busy_timeout_) return 0;
    if (!cn.busy_shown_ && waited >= kChwila) {
        cn.busy_shown_ = true;
        cn.messages_.database_busy(true);
    }
    sqlite3_sleep(count < 20 ? count + 1 : 20);
    return 1;
}

TGlAdoCn_mod::TGlAdoCn_mod(DbMessages& messages) : messages_(messages) {
    connect_db();
}

TGlAdoCn_mod::TGlAdoCn_mod(DbMessages& messages, const std::string& path) : messages_(messages) {
    connect_db_at(path);
}

TGlAdoCn_mod::~TGlAdoCn_mod() {
    disconnect_db();
}

bool TGlAdoCn_mod::connect_db() {
    return connect_db_at(sciezka_bazy());
}

bool TGlAdoCn_mod::connect_db_at(const std::string& path) {
    disconnect_db();
    path_ = path;
    connection_string_ = "Data Source=" + path_;
    std::error_code ec;
    bool exists = std::filesystem::exists(path_, ec);
    bool is_default = path_ == domyslna_sciezka_bazy();
    if (exists && is_access_file(path_)) {
        messages_.message(kBazaAccess);
        return false;
    }
    if ((!exists && !is_default) || !open(!exists)) {
        disconnect_db();
        messages_.message(kNieMoznaPolaczyc);
        return false;
    }
    return true;
}

bool TGlAdoCn_mod::open(bool create) {
    int flags = SQLITE_OPEN_READWRITE | (create ? SQLITE_OPEN_CREATE : 0);
    if (sqlite3_open_v2(path_.c_str(), &db_, flags, nullptr) != SQLITE_OK) return false;
    sqlite3_busy_handler(db_, &TGlAdoCn_mod::on_busy, this);
    WaitNotice notice(*this);
    if (register_polish_text(db_) != SQLITE_OK) return false;
    try {
        // The rollback journal, unlike WAL, works on network folders.
        run_native(db_, "PRAGMA journal_mode=DELETE", {});
        // Also proves the file is an SQLite database.
        auto tables = query("SELECT count(*) AS n FROM sqlite_master WHERE type='table'");
        if (tables->int_value("n") == 0 && path_ == domyslna_sciezka_bazy()) utworz_baze(*this);
    } catch (const SqlError&) {
        return false;
    }
    return true;
}

void TGlAdoCn_mod::disconnect_db() {
    if (db_) sqlite3_close_v2(db_);
    db_ = nullptr;
    schemas_.clear();
    schema_version_ = -1;
}

void TGlAdoCn_mod::refresh_schema_cache() {
    Statement st(db_, "PRAGMA schema_version", {});
    long long version = sqlite3_step(st.get()) == SQLITE_ROW ? sqlite3_column_int64(st.get(), 0) : -1;
    if (version != schema_version_) schemas_.clear();
    schema_version_ = version;
}

const TableSchema* TGlAdoCn_mod::table_schema(std::string_view table) {
    if (!db_) return nullptr;
    std::string key = lower_ascii(table);
    auto it = schemas_.find(key);
    if (it != schemas_.end()) return it->second.get();
    auto schema = read_table_schema(db_, table);
    const TableSchema* out = schema.get();
    schemas_[key] = std::move(schema);
    return out;
}

void TGlAdoCn_mod::execute(std::string_view jet_sql) {
    std::string original(jet_sql);
    if (!db_) throw SqlError(kBrakPolaczenia, original);
    WaitNotice notice(*this);
    refresh_schema_cache();
    JetStatement st = translate_jet(jet_sql, [this](std::string_view t) { return table_schema(t); });
    switch (st.kind) {
        case JetStatement::Kind::alter_column:
            zmien_typ_kolumny(*this, st.table, st.column, st.declared_type, original);
            break;
        case JetStatement::Kind::add_primary_key:
            dodaj_klucz_glowny(*this, st.table, st.column, st.constraint, original);
            break;
        case JetStatement::Kind::sql: {
            Statement stmt(db_, st.sql, original);
            int rc;
            while ((rc = sqlite3_step(stmt.get())) == SQLITE_ROW) {
            }
            if (rc != SQLITE_DONE) throw SqlError(engine_message(db_, nullptr), original);
            break;
        }
    }
    schemas_.clear();
}

std::unique_ptr<ResultSet> TGlAdoCn_mod::query(std::string_view jet_sql) {
    std::string original(jet_sql);
    if (!db_) throw SqlError(kBrakPolaczenia, original);
    WaitNotice notice(*this);
    refresh_schema_cache();
    JetStatement st = translate_jet(jet_sql, [this](std::string_view t) { return table_schema(t); });
    if (st.kind != JetStatement::Kind::sql) {
        execute(jet_sql);
        return std::make_unique<ResultSet>(std::vector<ResultSet::Column>{});
    }
    Statement stmt(db_, st.sql, original);
    sqlite3_stmt* s = stmt.get();
    int n = sqlite3_column_count(s);
    std::vector<ResultSet::Column> columns;
    for (int i = 0; i < n; ++i) {
        const char* decl = sqlite3_column_decltype(s, i);
        columns.push_back(
            {sqlite3_column_name(s, i), decl ? kind_of_declared_type(decl) : ColumnKind::other});
    }
    for (std::size_t i : st.money_results)
        if (i < columns.size()) columns[i].kind = ColumnKind::money;
    auto out = std::make_unique<ResultSet>(std::move(columns));
    int rc;
    while ((rc = sqlite3_step(s)) == SQLITE_ROW) {
        for (int i = 0; i < n; ++i) {
            switch (sqlite3_column_type(s, i)) {
                case SQLITE_INTEGER:
                    out->add_integer(sqlite3_column_int64(s, i));
                    break;
                case SQLITE_FLOAT:
                    if (out->field(static_cast<std::size_t>(i)).kind == ColumnKind::money)
                        throw SqlError(not_an_amount(out->field(static_cast<std::size_t>(i)).name,
                                                     sqlite3_column_double(s, i)),
                                       original);
                    out->add_double(sqlite3_column_double(s, i));
                    break;
                case SQLITE_NULL:
                    out->add_null();
                    break;
                default: {
                    const unsigned char* t = sqlite3_column_text(s, i);
                    out->add_text(std::string_view(reinterpret_cast<const char*>(t),
                                                   static_cast<std::size_t>(sqlite3_column_bytes(s, i))));
                }
            }
        }
    }
    if (rc != SQLITE_DONE) throw SqlError(engine_message(db_, nullptr), original);
    return out;
}

void TGlAdoCn_mod::execute_native(const std::string& sql) {
    if (!db_) throw SqlError(kBrakPolaczenia, sql);
    WaitNotice notice(*this);
    run_native(db_, sql, sql);
    schemas_.clear();
}

WriteTransaction::WriteTransaction(TGlAdoCn_mod& cn) : cn_(cn) {
    // Inside a caller's transaction the caller's commit decides.
    if (cn_.get_glCn() && sqlite3_get_autocommit(cn_.get_glCn()) == 0) {
        open_ = false;
        return;
    }
    cn_.execute_native("BEGIN IMMEDIATE");
}

WriteTransaction::~WriteTransaction() {
    if (!open_) return;
    try {
        cn_.execute_native("ROLLBACK");
    } catch (const SqlError&) {
        // Nothing left to undo (the connection closed meanwhile).
    }
}

void WriteTransaction::commit() {
    if (!open_) return;
    cn_.execute_native("COMMIT");
    open_ = false;
}

}  // namespace zlx
