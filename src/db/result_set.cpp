#include "db/result_set.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "core/text.h"
#include "db/polish_text.h"
#include "db/sql_error.h"

namespace zlx {

namespace {

std::string lower_ascii(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

std::uint64_t bits_of(double v) {
    std::uint64_t b = 0;
    std::memcpy(&b, &v, sizeof b);
    return b;
}

std::string double_text(double v) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.15g", v);
    std::string s = buf;
    for (char& c : s)
        if (c == '.') c = ',';
    return s;
}

std::int64_t round_to_int64(double v) {
    return static_cast<std::int64_t>(std::llround(v));
}

}  // namespace

ResultSet::ResultSet(std::vector<Column> columns) : columns_(std::move(columns)) {
    for (std::size_t i = 0; i < columns_.size(); ++i)
        index_.emplace(lower_ascii(columns_[i].name), i);
}

std::size_t ResultSet::field_index(std::string_view name) const {
    auto it = index_.find(lower_ascii(name));
    if (it != index_.end()) return it->second;
    for (std::size_t i = 0; i < columns_.size(); ++i)
        if (equals_ci(columns_[i].name, name)) return i;
    throw SqlError("Brak kolumny w wyniku zapytania: " + std::string(name));
}

bool ResultSet::has_field(std::string_view name) const {
    if (index_.count(lower_ascii(name))) return true;
    for (const Column& c : columns_)
        if (equals_ci(c.name, name)) return true;
    return false;
}

void ResultSet::end_cell() {
    if (++filled_ == columns_.size()) {
        filled_ = 0;
        ++rows_;
    }
}

void ResultSet::add_null() {
    cells_.push_back(0);
    types_.push_back(static_cast<std::uint8_t>(CellType::null));
    end_cell();
}

void ResultSet::add_integer(std::int64_t v) {
    cells_.push_back(static_cast<std::uint64_t>(v));
    types_.push_back(static_cast<std::uint8_t>(CellType::integer));
    end_cell();
}

void ResultSet::add_double(double v) {
    cells_.push_back(bits_of(v));
    types_.push_back(static_cast<std::uint8_t>(CellType::floating));
    end_cell();
}

void ResultSet::add_text(std::string_view v) {
    cells_.push_back(arena_.add(v));
    types_.push_back(static_cast<std::uint8_t>(CellType::text));
    end_cell();
}

std::int64_t ResultSet::cell_integer(std::size_t row_id, std::size_t column) const {
    return static_cast<std::int64_t>(cells_[row_id * columns_.size() + column]);
}

double ResultSet::cell_double(std::size_t row_id, std::size_t column) const {
    double v = 0;
    std::uint64_t bits = cells_[row_id * columns_.size() + column];
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

std::string_view ResultSet::cell_text(std::size_t row_id, std::size_t column) const {
    return arena_.view(cells_[row_id * columns_.size() + column]);
}

namespace {
constexpr unsigned kSizeBits = 28;
constexpr std::uint64_t kMaxSize = (std::uint64_t{1} << kSizeBits) - 1;
constexpr std::uint64_t kMaxOffset = (std::uint64_t{1} << (64 - kSizeBits)) - 1;
}  // namespace

std::uint64_t ResultSet::TextArena::add(std::string_view v) {
    if (v.empty()) return 0;
    std::size_t slot = end_ / kChunk, pos = end_ % kChunk;
    if (pos != 0 && pos + v.size() > kChunk) {
        ++slot;
        pos = 0;
    }
    std::uint64_t offset = slot * kChunk + pos;
    if (v.size() > kMaxSize || offset > kMaxOffset) throw SqlError("Wynik zapytania jest zbyt duży");
    if (slot >= chunks_.size()) {
        chunks_.resize(slot + 1);
        if (slot > 0) chunks_[slot].reserve(std::max(kChunk, v.size()));
    }
    chunks_[slot].append(v);
    end_ = offset + v.size();
    // A text longer than a chunk takes whole chunks of its own.
    if (v.size() >= kChunk) end_ = (end_ + kChunk - 1) / kChunk * kChunk;
    return offset << kSizeBits | v.size();
}

std::string_view ResultSet::TextArena::view(std::uint64_t cell) const {
    std::size_t size = static_cast<std::size_t>(cell & kMaxSize);
    if (size == 0) return {};
    std::size_t offset = static_cast<std::size_t>(cell >> kSizeBits);
    return std::string_view(chunks_[offset / kChunk]).substr(offset % kChunk, size);
}

Row ResultSet::current() const {
    if (eof()) throw SqlError("Brak bieżącego rekordu");
    return Row(*this, row_id_at(pos_));
}

void ResultSet::set_prefix_filter(std::string_view column, std::string_view prefix) {
    std::size_t col = field_index(column);
    std::u32string p = fold_case(prefix);
    visible_.clear();
    for (std::size_t r = 0; r < rows_; ++r) {
        std::u32string v = fold_case(row(r).text(col));
        if (v.compare(0, p.size(), p) == 0) visible_.push_back(r);
    }
    filtered_ = true;
    pos_ = 0;
}

void ResultSet::clear_filter() {
    filtered_ = false;
    visible_.clear();
    pos_ = 0;
}

bool ResultSet::locate(std::string_view column, std::int64_t key) {
    std::size_t col = field_index(column);
    for (std::size_t k = 0; k < visible_count(); ++k) {
        Row r = row(row_id_at(k));
        if (!r.is_null(col) && r.int64_value(col) == key) {
            pos_ = k;
            return true;
        }
    }
    return false;
}

bool ResultSet::locate(std::string_view column, std::string_view value) {
    std::size_t col = field_index(column);
    std::u32string v = fold_case(value);
    for (std::size_t k = 0; k < visible_count(); ++k) {
        if (fold_case(row(row_id_at(k)).text(col)) == v) {
            pos_ = k;
            return true;
        }
    }
    return false;
}

void ResultSet::copy_cell(const ResultSet& from, std::size_t row_id, std::size_t column) {
    switch (from.cell_type(row_id, column)) {
        case CellType::null:
            add_null();
            break;
        case CellType::integer:
            add_integer(from.cell_integer(row_id, column));
            break;
        case CellType::floating:
            add_double(from.cell_double(row_id, column));
            break;
        case CellType::text:
            add_text(from.cell_text(row_id, column));
            break;
    }
}

std::unique_ptr<ResultSet> ResultSet::copy_rows(const std::vector<std::size_t>& row_ids) const {
    auto out = std::make_unique<ResultSet>(columns_);
    for (std::size_t id : row_ids) {
        if (id >= rows_) throw SqlError("Brak rekordu o numerze " + std::to_string(id));
        for (std::size_t c = 0; c < columns_.size(); ++c)
            out->copy_cell(*this, id, c);
    }
    return out;
}

// Row

bool Row::is_null(std::string_view column) const {
    return is_null(set_->field_index(column));
}
std::string Row::text(std::string_view column) const {
    return text(set_->field_index(column));
}
std::int64_t Row::int64_value(std::string_view column) const {
    return int64_value(set_->field_index(column));
}
int Row::int_value(std::string_view column) const {
    return static_cast<int>(int64_value(column));
}
double Row::double_value(std::string_view column) const {
    return double_value(set_->field_index(column));
}
Currency Row::currency(std::string_view column) const {
    return currency(set_->field_index(column));
}
TDateTime Row::date(std::string_view column) const {
    return date(set_->field_index(column));
}

bool Row::is_null(std::size_t column) const {
    return set_->cell_type(row_, column) == ResultSet::CellType::null;
}

std::string Row::text(std::size_t column) const {
    ColumnKind kind = set_->field(column).kind;
    switch (set_->cell_type(row_, column)) {
        case ResultSet::CellType::null:
            return {};
        case ResultSet::CellType::integer:
            if (kind == ColumnKind::money)
                return Currency::from_raw(set_->cell_integer(row_, column)).to_text();
            return std::to_string(set_->cell_integer(row_, column));
        case ResultSet::CellType::floating:
            return double_text(set_->cell_double(row_, column));
        case ResultSet::CellType::text:
            return std::string(set_->cell_text(row_, column));
    }
    return {};
}

std::int64_t Row::int64_value(std::size_t column) const {
    switch (set_->cell_type(row_, column)) {
        case ResultSet::CellType::null:
            return 0;
        case ResultSet::CellType::integer:
            if (set_->field(column).kind == ColumnKind::money)
                return Currency::from_raw(set_->cell_integer(row_, column)).grosze() / 100;
            return set_->cell_integer(row_, column);
        case ResultSet::CellType::floating:
            return round_to_int64(set_->cell_double(row_, column));
        case ResultSet::CellType::text:
            return to_int(set_->cell_text(row_, column), 0);
    }
    return 0;
}

double Row::double_value(std::size_t column) const {
    switch (set_->cell_type(row_, column)) {
        case ResultSet::CellType::null:
            return 0;
        case ResultSet::CellType::integer:
            if (set_->field(column).kind == ColumnKind::money)
                return Currency::from_raw(set_->cell_integer(row_, column)).to_double();
            return static_cast<double>(set_->cell_integer(row_, column));
        case ResultSet::CellType::floating:
            return set_->cell_double(row_, column);
        case ResultSet::CellType::text: {
            std::optional<Currency> c = Currency::parse(set_->cell_text(row_, column));
            return c ? c->to_double() : 0;
        }
    }
    return 0;
}

Currency Row::currency(std::size_t column) const {
    ColumnKind kind = set_->field(column).kind;
    switch (set_->cell_type(row_, column)) {
        case ResultSet::CellType::null:
            return {};
        case ResultSet::CellType::integer: {
            // Money columns, and sums over them (no declared type), hold 1/10000 złoty.
            std::int64_t v = set_->cell_integer(row_, column);
            return kind == ColumnKind::money || kind == ColumnKind::other ? Currency::from_raw(v)
                                                                          : Currency::from_zloty(v);
        }
        case ResultSet::CellType::floating:
            return Currency::from_raw(round_to_int64(set_->cell_double(row_, column) * Currency::kScale));
        case ResultSet::CellType::text:
            return Currency::parse(set_->cell_text(row_, column)).value_or(Currency());
    }
    return {};
}

TDateTime Row::date(std::size_t column) const {
    switch (set_->cell_type(row_, column)) {
        case ResultSet::CellType::null:
            return {};
        case ResultSet::CellType::integer:
            return TDateTime(static_cast<double>(set_->cell_integer(row_, column)));
        case ResultSet::CellType::floating:
            return TDateTime(set_->cell_double(row_, column));
        case ResultSet::CellType::text:
            return TDateTime::parse(set_->cell_text(row_, column)).value_or(TDateTime());
    }
    return {};
}

}  // namespace zlx
