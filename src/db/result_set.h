#pragma once

// A client-side result set: every row is fetched when the query opens, so the caller may keep it as
// long as it likes and the database is free meanwhile. The caller owns it (open_sql hands out a
// unique_ptr). Columns are found by name without regard to letter case; an unknown name throws
// SqlError. A filter hides rows without a new query; row ids stay the same under any filter.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/currency.h"
#include "core/datetime.h"
#include "db/column_kind.h"

namespace zlx {

class ResultSet;

// One row, read by column name or index. Null reads as "", 0 or an empty date.
class Row {
  public:
    Row(const ResultSet& set, std::size_t row_id) : set_(&set), row_(row_id) {}

    bool is_null(std::string_view column) const;
    // Returns the value as text: amounts as "1234,50", dates as stored ("yyyy-mm-dd"), numbers in
    // digits with the decimal comma.
    std::string text(std::string_view column) const;
    int int_value(std::string_view column) const;
    std::int64_t int64_value(std::string_view column) const;
    double double_value(std::string_view column) const;
    Currency currency(std::string_view column) const;
    TDateTime date(std::string_view column) const;

    bool is_null(std::size_t column) const;
    std::string text(std::size_t column) const;
    std::int64_t int64_value(std::size_t column) const;
    double double_value(std::size_t column) const;
    Currency currency(std::size_t column) const;
    TDateTime date(std::size_t column) const;

    std::size_t row_id() const { return row_; }

  private:
    const ResultSet* set_;
    std::size_t row_;
};

class ResultSet {
  public:
    enum class CellType : std::uint8_t { null, integer, floating, text };

    struct Column {
        std::string name;
        ColumnKind kind = ColumnKind::other;
    };

    explicit ResultSet(std::vector<Column> columns);

    // Building (used by the query that fills the set).
    void add_null();
    void add_integer(std::int64_t v);
    void add_double(double v);
    void add_text(std::string_view v);

    std::size_t field_count() const { return columns_.size(); }
    const Column& field(std::size_t index) const { return columns_[index]; }
    // Returns the index of the column, or throws SqlError naming it.
    std::size_t field_index(std::string_view name) const;
    bool has_field(std::string_view name) const;

    // The cursor moves over the rows the filter lets through.
    bool eof() const { return pos_ >= visible_count(); }
    bool bof() const { return visible_count() == 0 || pos_ == 0; }
    void first() { pos_ = 0; }
    void last() { pos_ = visible_count() == 0 ? 0 : visible_count() - 1; }
    void next() {
        if (pos_ < visible_count()) ++pos_;
    }
    void prior() {
        if (pos_ > 0) --pos_;
    }
    // The number of rows the filter lets through, and the position among them (0-based).
    std::size_t record_count() const { return visible_count(); }
    std::size_t recno() const { return pos_; }
    void move_to(std::size_t recno) { pos_ = recno < visible_count() ? recno : visible_count(); }

    // The current row; throws SqlError at eof.
    Row current() const;
    // Any row by id, hidden or not (0 .. total_count()-1).
    Row row(std::size_t row_id) const { return Row(*this, row_id); }
    // Returns the id of the visible row at recno.
    std::size_t row_id_at(std::size_t recno) const { return filtered_ ? visible_[recno] : recno; }
    std::size_t total_count() const { return rows_; }

    bool is_null(std::string_view column) const { return current().is_null(column); }
    std::string text(std::string_view column) const { return current().text(column); }
    int int_value(std::string_view column) const { return current().int_value(column); }
    Currency currency(std::string_view column) const { return current().currency(column); }
    TDateTime date(std::string_view column) const { return current().date(column); }

    // Shows only rows whose column begins with the prefix, letter case ignored (Polish letters
    // included), as a filter "column like 'prefix%'" does. The cursor goes to the first row.
    void set_prefix_filter(std::string_view column, std::string_view prefix);
    void clear_filter();
    bool filtered() const { return filtered_; }

    // Moves to the first visible row whose column equals the key; false leaves the cursor.
    bool locate(std::string_view column, std::int64_t key);
    // Text variant: letter case ignored.
    bool locate(std::string_view column, std::string_view value);

    // Returns a new in-memory set with the same columns and the given rows in the given order.
    std::unique_ptr<ResultSet> copy_rows(const std::vector<std::size_t>& row_ids) const;

    // Cell access for Row.
    CellType cell_type(std::size_t row_id, std::size_t column) const {
        return static_cast<CellType>(types_[row_id * columns_.size() + column]);
    }
    std::int64_t cell_integer(std::size_t row_id, std::size_t column) const;
    double cell_double(std::size_t row_id, std::size_t column) const;
    std::string_view cell_text(std::size_t row_id, std::size_t column) const;

  private:
    std::size_t visible_count() const { return filtered_ ? visible_.size() : rows_; }
    void end_cell();
    void copy_cell(const ResultSet& from, std::size_t row_id, std::size_t column);

    // Grows in fixed blocks, so growing never copies what is stored (the first block grows as a
    // vector does, so small sets stay small).
    template <class T>
    class Blocks {
      public:
        static constexpr std::size_t kBlock = std::size_t{1} << 16;
        void push_back(T v) {
            if (blocks_.empty() || blocks_.back().size() == kBlock) {
                blocks_.emplace_back();
                if (blocks_.size() > 1) blocks_.back().reserve(kBlock);
            }
            blocks_.back().push_back(v);
        }
        T operator[](std::size_t i) const { return blocks_[i / kBlock][i % kBlock]; }

      private:
        std::vector<std::vector<T>> blocks_;
    };

    // Texts in chunks of a megabyte; a text never straddles two chunks.
    class TextArena {
      public:
        // Returns the cell for the text: offset and size.
        std::uint64_t add(std::string_view v);
        std::string_view view(std::uint64_t cell) const;

      private:
        static constexpr std::size_t kChunk = std::size_t{1} << 20;
        std::vector<std::string> chunks_;
        std::size_t end_ = 0;
    };

    std::vector<Column> columns_;
    std::unordered_map<std::string, std::size_t> index_;
    // Cells row by row: integers and doubles inline, texts as (offset, size) into the arena.
    Blocks<std::uint64_t> cells_;
    Blocks<std::uint8_t> types_;
    TextArena arena_;
    std::size_t rows_ = 0;
    std::size_t filled_ = 0;  // cells of the row being added
    bool filtered_ = false;
    std::vector<std::size_t> visible_;
    std::size_t pos_ = 0;
};

}  // namespace zlx
