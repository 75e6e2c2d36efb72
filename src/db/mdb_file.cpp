#include "db/mdb_file.h"

#include <mdbtools.h>

#include <cstdlib>
#include <cstring>

namespace zlx {

namespace {

constexpr std::size_t kBindSize = 1 << 20;  // long memo texts come through whole

MdbKind kind_of(int type) {
    switch (type) {
        case MDB_BOOL:
            return MdbKind::boolean;
        case MDB_BYTE:
            return MdbKind::byte;
        case MDB_INT:
            return MdbKind::integer;
        case MDB_LONGINT:
            return MdbKind::long_integer;
        case MDB_MONEY:
            return MdbKind::money;
        case MDB_FLOAT:
            return MdbKind::single;
        case MDB_DOUBLE:
            return MdbKind::real;
        case MDB_DATETIME:
            return MdbKind::datetime;
        case MDB_BINARY:
            return MdbKind::binary;
        case MDB_OLE:
            return MdbKind::ole;
        case MDB_MEMO:
            return MdbKind::memo;
        case MDB_REPID:
            return MdbKind::guid;
        case MDB_NUMERIC:
            return MdbKind::numeric;
        default:
            return MdbKind::text;
    }
}

MdbColumn* column_at(MdbTableDef* table, unsigned i) {
    return static_cast<MdbColumn*>(g_ptr_array_index(table->columns, i));
}

struct TableCloser {
    void operator()(MdbTableDef* t) const { mdb_free_tabledef(t); }
};
using TablePtr = std::unique_ptr<MdbTableDef, TableCloser>;

}  // namespace

struct MdbFile::Handle {
    MdbHandle* mdb = nullptr;
    ~Handle() {
        if (mdb) mdb_close(mdb);
    }
};

MdbFile::MdbFile(const std::string& path) : handle_(std::make_unique<Handle>()), path_(path) {
    if (std::getenv("MDB_JET3_CHARSET") == nullptr) setenv("MDB_JET3_CHARSET", "CP1250", 0);
    handle_->mdb = mdb_open(path.c_str(), MDB_NOFLAGS);
    if (!handle_->mdb) throw MdbError("Nie można odczytać pliku bazy Access: " + path);
    if (!mdb_read_catalog(handle_->mdb, MDB_TABLE)) {
        throw MdbError("Plik " + path + " nie jest czytelną bazą Access (brak katalogu tabel)");
    }
    mdb_set_bind_size(handle_->mdb, kBindSize);
}

MdbFile::~MdbFile() = default;

std::string MdbFile::version() const {
    switch (handle_->mdb->f->jet_version) {
        case MDB_VER_JET3:
            return "JET3";
        case MDB_VER_JET4:
            return "JET4";
        default:
            return "ACE";
    }
}

std::vector<std::string> MdbFile::table_names() const {
    std::vector<std::string> names;
    MdbHandle* mdb = handle_->mdb;
    for (unsigned i = 0; i < mdb->num_catalog; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(mdb->catalog, i));
        if (entry->object_type == MDB_TABLE && mdb_is_user_table(entry))
            names.emplace_back(entry->object_name);
    }
    return names;
}

namespace {

TablePtr open_table(MdbHandle* mdb, const std::string& name, const std::string& path) {
    std::string copy = name;
    TablePtr table(mdb_read_table_by_name(mdb, copy.data(), MDB_TABLE));
    if (!table || !mdb_read_columns(table.get()))
        throw MdbError("Nie można odczytać tabeli " + name + " z pliku " + path);
    return table;
}

}  // namespace

std::vector<MdbColumnDef> MdbFile::columns(const std::string& name) const {
    TablePtr table = open_table(handle_->mdb, name, path_);
    std::vector<MdbColumnDef> out;
    for (unsigned i = 0; i < table->num_cols; ++i) {
        MdbColumn* col = column_at(table.get(), i);
        int size = col->col_size;
        // Jet 4 and later keep texts in two bytes a character and give their widths in bytes.
        if (col->col_type == MDB_TEXT && handle_->mdb->f->jet_version != MDB_VER_JET3) size /= 2;
        out.push_back({col->name, kind_of(col->col_type), size});
    }
    return out;
}

std::vector<std::string> MdbFile::primary_key(const std::string& name) const {
    TablePtr table = open_table(handle_->mdb, name, path_);
    std::vector<std::string> key;
    if (!mdb_read_indices(table.get())) return key;
    for (unsigned i = 0; i < table->num_idxs; ++i) {
        auto* idx = static_cast<MdbIndex*>(g_ptr_array_index(table->indices, i));
        if (idx->index_type != 1) continue;  // 1 marks the primary key
        for (unsigned k = 0; k < idx->num_keys; ++k) {
            int col = idx->key_col_num[k];
            if (col >= 1 && static_cast<unsigned>(col) <= table->num_cols)
                key.emplace_back(column_at(table.get(), static_cast<unsigned>(col - 1))->name);
        }
        break;
    }
    return key;
}

void MdbFile::read_rows(const std::string& name,
                        const std::function<void(const std::vector<MdbValue>&)>& row) const {
    MdbHandle* mdb = handle_->mdb;
    TablePtr table = open_table(mdb, name, path_);
    const unsigned n = table->num_cols;
    std::vector<std::vector<char>> buffers(n, std::vector<char>(kBindSize));
    std::vector<int> lengths(n, 0);
    for (unsigned i = 0; i < n; ++i)
        mdb_bind_column(table.get(), static_cast<int>(i + 1), buffers[i].data(), &lengths[i]);
    mdb_rewind_table(table.get());
    std::vector<MdbValue> values(n);
    while (mdb_fetch_row(table.get())) {
        for (unsigned i = 0; i < n; ++i) {
            MdbColumn* col = column_at(table.get(), i);
            MdbValue v;
            const MdbKind kind = kind_of(col->col_type);
            const char* bound = buffers[i].data();
            const bool present = lengths[i] > 0 || col->cur_value_len > 0;
            switch (kind) {
                case MdbKind::boolean:
                    // A yes/no value lives in the null bit: it is never null.
                    v.is_null = false;
                    v.integer = std::strtoll(bound, nullptr, 10) != 0 ? 1 : 0;
                    break;
                case MdbKind::byte:
                case MdbKind::integer:
                case MdbKind::long_integer:
                    v.is_null = !present;
                    if (present) v.integer = std::strtoll(bound, nullptr, 10);
                    break;
                case MdbKind::money:
                    v.is_null = !present;
                    if (present) {
                        auto m = Currency::parse(bound);
                        if (!m) throw MdbError("Nieczytelna kwota w tabeli " + name + ": " + bound);
                        v.money = *m;
                    }
                    break;
                case MdbKind::single:
                    v.is_null = col->cur_value_len != 4;
                    if (!v.is_null)
                        v.real = static_cast<double>(mdb_pg_get_single(mdb, col->cur_value_start));
                    break;
                case MdbKind::real:
                    v.is_null = col->cur_value_len != 8;
                    if (!v.is_null) v.real = mdb_pg_get_double(mdb, col->cur_value_start);
                    break;
                case MdbKind::datetime:
                    v.is_null = col->cur_value_len != 8;
                    if (!v.is_null) v.date = TDateTime(mdb_pg_get_double(mdb, col->cur_value_start));
                    break;
                case MdbKind::binary:
                    v.is_null = col->cur_value_len <= 0;
                    if (!v.is_null)
                        v.bytes.assign(reinterpret_cast<const char*>(mdb->pg_buf) + col->cur_value_start,
                                       static_cast<std::size_t>(col->cur_value_len));
                    break;
                case MdbKind::ole: {
                    v.is_null = col->cur_value_len <= 0;
                    if (!v.is_null) {
                        std::size_t size = 0;
                        void* data = mdb_ole_read_full(mdb, col, &size);
                        if (data) {
                            v.bytes.assign(static_cast<const char*>(data), size);
                            std::free(data);
                        }
                    }
                    break;
                }
                case MdbKind::text:
                case MdbKind::memo:
                case MdbKind::guid:
                case MdbKind::numeric:
                    v.is_null = !present;
                    v.text.assign(bound, static_cast<std::size_t>(lengths[i]));
                    break;
            }
            values[i] = std::move(v);
        }
        row(values);
    }
}

}  // namespace zlx
