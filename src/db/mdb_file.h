#pragma once

// Read-only access to an Access (Jet 3 or Jet 4) database file through libmdb: the user tables, their
// columns and their rows, each value in an exact form (money as Currency, dates as the day count,
// numbers as stored). Used to bring the older version's files into our database.

#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/currency.h"
#include "core/datetime.h"

namespace zlx {

// Thrown when the file cannot be opened or read; what() is a Polish message naming the file.
class MdbError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

enum class MdbKind {
    boolean,
    byte,
    integer,
    long_integer,
    money,
    single,
    real,
    datetime,
    binary,
    text,
    ole,
    memo,
    guid,
    numeric
};

struct MdbColumnDef {
    std::string name;
    MdbKind kind = MdbKind::text;
    int size = 0;  // the declared width of a text column, in characters
};

// One value of a row. Which member holds it follows the column's kind: integer for boolean, byte,
// integer and long_integer; money; real for single and real; date; text for text, memo, guid and
// numeric (a numeric keeps its decimal text); bytes for binary and ole.
struct MdbValue {
    bool is_null = true;
    std::int64_t integer = 0;
    Currency money;
    double real = 0.0;
    TDateTime date;
    std::string text;
    std::string bytes;
};

class MdbFile {
  public:
    // Opens the file; throws MdbError when libmdb cannot read it. Jet 3 texts are read in the code
    // page named by MDB_JET3_CHARSET, Windows-1250 when unset.
    explicit MdbFile(const std::string& path);
    ~MdbFile();
    MdbFile(const MdbFile&) = delete;
    MdbFile& operator=(const MdbFile&) = delete;

    // Returns "JET3", "JET4" or the newer format's name.
    std::string version() const;
    // Returns the user tables in catalog order.
    std::vector<std::string> table_names() const;
    // Returns the table's columns in their order; throws MdbError for an unknown table.
    std::vector<MdbColumnDef> columns(const std::string& table) const;
    // Returns the columns of the table's primary key, in key order (none when it has no primary key).
    std::vector<std::string> primary_key(const std::string& table) const;
    // Calls row once per row, in file order, with the values in column order.
    void read_rows(const std::string& table,
                   const std::function<void(const std::vector<MdbValue>&)>& row) const;

  private:
    struct Handle;
    std::unique_ptr<Handle> handle_;
    std::string path_;
};

}  // namespace zlx
