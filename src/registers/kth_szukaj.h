#pragma once

// The statements of the counterparty register's list: the group shown, the order chosen by a click on a
// column title, the search with "*" forms and markers, and the quick filter's column. The search never
// lets typed text escape its quotes: an apostrophe is doubled and, in the "like" forms, "%" and "_" are
// escaped so they match themselves.

#include <string>
#include <string_view>

namespace zlx {

inline constexpr const char* kSqlKontrahenci = "SELECT * FROM kontrach";

// Items of the search-by combo, in order; the first searches nothing.
inline constexpr const char* kSzukajWg[] = {"Nie wyszukuj", "Wg. Skrótu", "Wg.Nazwy", "Wg. Miejscowości"};
// Items of the quick filter's combo, in order.
inline constexpr const char* kFiltrujKthWg[] = {"Wg. Skrótu", "Wg.Nazwy", "Wg. Nipu"};

// Returns the column searched for a search-by item: "" for "Nie wyszukuj" or an unknown item.
std::string kolumna_szukania(int wg);
// Returns the column of a quick-filter item; the first one for an unknown item.
std::string kolumna_filtru_kth(int wg);

// Returns the text for a "like" pattern that matches it literally: quotes doubled, "%", "_" and the
// escape character "\" preceded by "\" (the statement then says ESCAPE '\').
std::string tekst_wzorca_like(std::string_view text);

// Returns the condition after the column for the typed search text: "='ab'" for an exact match,
// " like '%ab'" when the text starts with "*", " like 'ab%'" when a "*" stands further on. The text is
// trimmed and only its first "*" is removed.
std::string warunek_szukania(std::string_view text);

// Returns the search statement: the base statement, the column condition when a column is chosen and the
// edit is not empty, the marker condition for markers 1 to 20 (0 and -1 mean none), then the order clause.
// The group shown does not restrict a search.
std::string sql_szukaj_kth(int wg, std::string_view text, int znacznik, std::string_view order);

// Returns the list statement of a group: every counterparty for the root group 1, else those with that
// `grupa`; then the order clause.
std::string sql_grupy_kth(int grupa, std::string_view order);

// Returns " order by " + " fields " for the grid's sort fields, or "" when they are blank.
std::string klauzula_sortowania(std::string_view fields);

}  // namespace zlx
