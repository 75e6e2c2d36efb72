#pragma once

// The selection of the transfer list: the rows ticked in its tick-box column, held by key, so that
// a re-query keeps the ticks of the rows still listed. A tick belongs to a row of the list's query
// whether or not the quick filter shows it: "Zaznacz wszystkie" and "Odznacz wszystkie" act on every
// row of the query, and every action on ticked rows (delete, clone, markers, collective printing,
// export, "Zaznaczone" of the collective order and the statement) and the totals take these same
// rows. The filter only hides rows; the count of ticked rows it hides is shown wherever the ticks
// are used, so the user sees them.

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <set>
#include <vector>

namespace zlx {

class ResultSet;

class Zaznaczenie {
  public:
    Zaznaczenie() = default;
    Zaznaczenie(std::initializer_list<std::int32_t> klucze) : klucze_(klucze) {}

    bool zaznaczony(std::int32_t nr_id) const { return klucze_.contains(nr_id); }
    bool pusty() const { return klucze_.empty(); }
    void zaznacz(std::int32_t nr_id, bool tak);
    // Ticks or unticks every row of the set, the rows the filter hides included.
    void zaznacz_wszystkie(const ResultSet& rows, bool tak);
    // Drops the ticks of keys the set no longer holds (after a re-query or a delete).
    void zostaw_w_zbiorze(const ResultSet& rows);

    // Returns the ticked keys in the order of the set's rows, hidden rows included.
    std::vector<std::int32_t> klucze(const ResultSet& rows) const;
    // Returns the row ids (for ResultSet::copy_rows) of the ticked rows, in order.
    std::vector<std::size_t> wiersze(const ResultSet& rows) const;
    // Returns how many ticked rows the set's filter hides.
    std::size_t ukryte(const ResultSet& rows) const;

  private:
    std::set<std::int32_t> klucze_;
};

// Returns the keys an action on rows works on: the ticked rows, or the current row when none is
// ticked (nothing when the current key is 0 either).
std::vector<std::int32_t> cele_akcji(const ResultSet& rows, const Zaznaczenie& z, std::int32_t biezacy);

}  // namespace zlx
