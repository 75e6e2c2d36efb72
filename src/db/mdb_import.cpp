#include "db/mdb_import.h"

#include <sqlite3.h>

#include <algorithm>
#include <filesystem>
#include <stdexcept>

#include "core/text.h"
#include "db/gl_ado_ds.h"
#include "db/jet_sql.h"
#include "db/mdb_file.h"
#include "db/schema.h"
#include "db/upgrade.h"

namespace zlx {

namespace {

std::string quoted(const std::string& name) {
    return "\"" + replace_all(name, "\"", "\"\"") + "\"";
}

std::string declared_type(const MdbColumnDef& c) {
    switch (c.kind) {
        case MdbKind::text:
            return declared_type_for_jet("TEXT", std::to_string(c.size > 0 ? c.size : 255));
        case MdbKind::memo:
            return declared_type_for_jet("MEMO", "");
        case MdbKind::guid:
        case MdbKind::numeric:
            // Kept as the digits the file holds, so nothing is rounded.
            return declared_type_for_jet("TEXT", "255");
        case MdbKind::byte:
            return declared_type_for_jet("BYTE", "");
        case MdbKind::integer:
            return declared_type_for_jet("SHORT", "");
        case MdbKind::long_integer:
            return declared_type_for_jet("LONG", "");
        case MdbKind::money:
            return declared_type_for_jet("MONEY", "");
        case MdbKind::single:
            return declared_type_for_jet("SINGLE", "");
        case MdbKind::real:
            return declared_type_for_jet("DOUBLE", "");
        case MdbKind::datetime:
            return declared_type_for_jet("DATETIME", "");
        case MdbKind::boolean:
            return declared_type_for_jet("BIT", "");
        case MdbKind::binary:
        case MdbKind::ole:
            return "BLOB";
    }
    return "BLOB";
}

// Dates are kept as the rest of the program writes them: the day alone, or with the time of day.
std::string date_text(TDateTime d) {
    return d.value() == d.date_only().value() ? d.to_text() : d.to_text_with_time();
}

class Sqlite {
  public:
    explicit Sqlite(const std::string& path) {
        if (sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
            SQLITE_OK)
            fail("Nie można utworzyć pliku bazy " + path);
    }
    ~Sqlite() { sqlite3_close_v2(db_); }
    Sqlite(const Sqlite&) = delete;
    Sqlite& operator=(const Sqlite&) = delete;

    void exec(const std::string& sql) {
        char* error = nullptr;
        if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
            std::string why = error ? error : "";
            sqlite3_free(error);
            throw std::runtime_error(sql + ": " + why);
        }
    }
    sqlite3_stmt* prepare(const std::string& sql) {
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &st, nullptr) != SQLITE_OK) fail(sql);
        return st;
    }
    [[noreturn]] void fail(const std::string& what) {
        throw std::runtime_error(what + ": " + (db_ ? sqlite3_errmsg(db_) : "out of memory"));
    }

  private:
    sqlite3* db_ = nullptr;
};

void bind(Sqlite& db, sqlite3_stmt* st, int i, const MdbColumnDef& c, const MdbValue& v) {
    int rc = SQLITE_OK;
    if (v.is_null) {
        rc = sqlite3_bind_null(st, i);
    } else {
        switch (c.kind) {
            case MdbKind::boolean:
            case MdbKind::byte:
            case MdbKind::integer:
            case MdbKind::long_integer:
                rc = sqlite3_bind_int64(st, i, v.integer);
                break;
            case MdbKind::money:
                rc = sqlite3_bind_int64(st, i, v.money.raw());
                break;
            case MdbKind::single:
            case MdbKind::real:
                rc = sqlite3_bind_double(st, i, v.real);
                break;
            case MdbKind::datetime: {
                const std::string t = date_text(v.date);
                rc = sqlite3_bind_text(st, i, t.c_str(), static_cast<int>(t.size()), SQLITE_TRANSIENT);
                break;
            }
            case MdbKind::binary:
            case MdbKind::ole:
                rc = sqlite3_bind_blob(st, i, v.bytes.data(), static_cast<int>(v.bytes.size()),
                                       SQLITE_TRANSIENT);
                break;
            default:
                rc = sqlite3_bind_text(st, i, v.text.data(), static_cast<int>(v.text.size()),
                                       SQLITE_TRANSIENT);
                break;
        }
    }
    if (rc != SQLITE_OK) db.fail("bind");
}

// Copies every table and row into the new file; returns the row count per table.
std::vector<std::pair<std::string, std::size_t>> copy_tables(const MdbFile& file, const std::string& path) {
    std::vector<std::pair<std::string, std::size_t>> counts;
    Sqlite db(path);
    db.exec("PRAGMA journal_mode=DELETE");
    db.exec("BEGIN");
    for (const std::string& table : file.table_names()) {
        const std::vector<MdbColumnDef> cols = file.columns(table);
        std::string create = "CREATE TABLE " + quoted(table) + " (";
        std::string insert = "INSERT INTO " + quoted(table) + " VALUES (";
        for (std::size_t i = 0; i < cols.size(); ++i) {
            create += (i ? ", " : "") + quoted(cols[i].name) + " " + declared_type(cols[i]);
            insert += i ? ",?" : "?";
        }
        const std::vector<std::string> key = file.primary_key(table);
        if (!key.empty()) {
            create += ", CONSTRAINT PrimaryKey PRIMARY KEY (";
            for (std::size_t i = 0; i < key.size(); ++i)
                create += (i ? ", " : "") + quoted(key[i]);
            create += ")";
        }
        db.exec(create + ")");
        sqlite3_stmt* st = db.prepare(insert + ")");
        std::size_t rows = 0;
        try {
            file.read_rows(table, [&](const std::vector<MdbValue>& row) {
                sqlite3_reset(st);
                for (std::size_t i = 0; i < cols.size(); ++i)
                    bind(db, st, static_cast<int>(i + 1), cols[i], row[i]);
                if (sqlite3_step(st) != SQLITE_DONE)
                    db.fail("Tabela " + table + ", wiersz " + std::to_string(rows + 1));
                ++rows;
            });
        } catch (...) {
            sqlite3_finalize(st);
            throw;
        }
        sqlite3_finalize(st);
        counts.emplace_back(table, rows);
    }
    db.exec("COMMIT");
    return counts;
}

}  // namespace

bool jest_baza_starej_wersji(const MdbFile& file) {
    bool kontrach = false, kartoteka = false;
    for (const std::string& t : file.table_names()) {
        kontrach = kontrach || equals_ci(t, "kontrach");
        kartoteka = kartoteka || equals_ci(t, "kartoteka");
    }
    return kontrach && kartoteka;
}

std::string nie_stara_baza(const std::string& mdb_path) {
    return "Plik " + mdb_path +
           " nie zawiera bazy danych programu Zlecenix 2008 (brak tabel kontrach i kartoteka)";
}

std::string blad_importu(const RaportImportu& r, const std::string& mdb_path) {
    if (!r.stara_baza) return nie_stara_baza(mdb_path);
    if (r.wersja_po >= kWersjaBazy) return {};
    std::string text = "Aktualizacja bazy " + r.sciezka + " zatrzymała się na wersji " +
                       std::to_string(r.wersja_po) + " (bieżąca wersja: " + std::to_string(kWersjaBazy) + ")";
    return r.przerwa.empty() ? text : text + ": " + r.przerwa;
}

RaportImportu importuj_baze_access(const std::string& mdb_path, const std::string& target,
                                   DbMessages& messages) {
    std::error_code ec;
    if (std::filesystem::exists(target, ec))
        throw std::runtime_error("Plik " + target + " już istnieje - import nie nadpisuje istniejącej bazy");
    MdbFile file(mdb_path);

    RaportImportu report;
    report.sciezka = target;
    report.stara_baza = jest_baza_starej_wersji(file);
    // Everything, the upgrade included, happens in the temporary file; only the finished database
    // takes the final name, so an import killed at any point leaves nothing under it.
    const std::string tmp = target + ".import";
    std::filesystem::remove(tmp, ec);
    try {
        report.tabele = copy_tables(file, tmp);
        TGlAdoCn_mod cn(messages, tmp);
        if (!cn.is_connected()) throw std::runtime_error("Nie można otworzyć zaimportowanej bazy " + target);
        TGlAdoDs_mod ds(cn, messages);
        report.wersja_przed = std::max(wersja_bazy(ds), 0);
        // The database setting is the caller's to switch, once the file is in place.
        report.przerwa = aktualizuj_baze(ds, false);
        report.wersja_po = std::max(wersja_bazy(ds), 0);
        // The transfer list filters by date: give an older file the index a new one has.
        if (cn.table_schema("kartoteka")) ds.exec_sql("CREATE INDEX kartoteka_data ON kartoteka (data)");
        cn.disconnect_db();
        std::filesystem::rename(tmp, target);
    } catch (const std::filesystem::filesystem_error& e) {
        std::filesystem::remove(tmp, ec);
        throw std::runtime_error("Nie można zapisać pliku bazy " + target + ": " + e.code().message());
    } catch (...) {
        std::filesystem::remove(tmp, ec);
        throw;
    }
    return report;
}

}  // namespace zlx
