#pragma once

// The statements of the transfer list. The list is one query " select * from kartoteka " + a WHERE
// part + an ORDER part; the screen keeps the two parts as texts and rebuilds the statement from them.
// The main query filters by period, cyclic state and kind; the marker query and the search ignore
// those filters. Values enter the text only through the formatters of db/sql_format.h.

#include <string>
#include <string_view>
#include <vector>

#include "core/datetime.h"

namespace zlx {

inline constexpr std::string_view kSqlKartoteka = " select * from kartoteka ";
inline constexpr std::string_view kDomyslnySortListy = " order by data,nr_id  asc";

inline constexpr std::string_view kWpiszSlowo = "Wpisz jakieś słowo wyszukiwania";
inline constexpr std::string_view kNieWyszukujKomunikat = "Wybrano \"Nie wyszukuj\" - zmień kryteria";
inline constexpr std::string_view kSortowanieNiemozliwe = "Sortowanie wg. tej kolumny jest niemożliwe";

// Items of the kind list, in order; the position is the filter.
std::vector<std::string> pozycje_rodzaju();
inline constexpr int kRodzajWszystkie = 0;
inline constexpr int kRodzajBankowe = 1;
inline constexpr int kRodzajZus = 2;
inline constexpr int kRodzajPodatki = 3;

// Items of the quick filter's column list ("Wg"): payee, title, own company.
std::vector<std::string> pozycje_filtru();
// Items of the search column list: "Nie wyszukuj" first, then the three columns.
std::vector<std::string> pozycje_wyszukiwania();
// Items of the marker lists: "brak", "1" … "20"; the position is the marker number.
std::vector<std::string> pozycje_znacznikow();

// What the main query filters by.
struct FiltrListy {
    bool cykliczne = false;  // "Cykliczne" checked: every template, no period
    TDateTime od;
    TDateTime do_;
    int rodzaj = kRodzajWszystkie;  // position in the kind list
};

// Returns the WHERE part of the main query.
std::string where_listy(const FiltrListy& filtr);
// Returns the WHERE part of the marker query.
std::string where_znacznika(int znacznik);
// Returns the whole statement from its two parts.
std::string sql_listy(std::string_view where, std::string_view order);

enum class TrybSzukania { rowne, konczy_sie, zaczyna_sie, zawiera };

// Returns how a search text with "*" matches: "*x*" contains, "*x" ends with, "x*" or "x*y" begins with,
// no "*" equals.
TrybSzukania tryb_szukania(std::string_view tekst);

// A search statement, or the message that replaces it when the search cannot run.
struct Wyszukiwanie {
    std::string sql;
    std::string komunikat;
};

// Builds the search over the column at that position of the search column list (0 "Nie wyszukuj").
Wyszukiwanie sql_wyszukiwania(std::string_view tekst, int pozycja_kolumny, std::string_view order);

// Returns the column the quick filter tests at that position of its column list ("" outside it).
std::string_view kolumna_filtru(int pozycja);

enum class ZnakSortu { brak, rosnaco, malejaco };

// The sort state of the grid: which column carries a mark and the ORDER part it gives. Only the
// columns 4 to 9 (marker, date, payee, amount, title, own company) sort; one column is marked at a
// time, and each click on it moves its mark on: none, ascending, descending, none…
class SortowanieListy {
  public:
    // Grid column of the date, marked ascending at start.
    static constexpr int kKolumnaDaty = 5;

    SortowanieListy() = default;

    // Returns the column name the grid column sorts by, "" when it cannot sort.
    static std::string_view kolumna(int kolumna_siatki);

    // Moves the mark of the clicked column on and rebuilds the ORDER part. Returns false, changing
    // nothing, for a column that cannot sort.
    bool klik(int kolumna_siatki);

    ZnakSortu znak(int kolumna_siatki) const {
        return kolumna_siatki == oznaczona_ ? znak_ : ZnakSortu::brak;
    }
    int oznaczona() const { return oznaczona_; }
    const std::string& order() const { return order_; }

  private:
    int oznaczona_ = kKolumnaDaty;
    ZnakSortu znak_ = ZnakSortu::rosnaco;
    std::string order_{kDomyslnySortListy};
};

}  // namespace zlx
