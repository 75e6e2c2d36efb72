#pragma once

// Marker descriptions: rows of `opis_znacznikow`, one list per category. A marker is a number 0 to 20
// (0 = none) and also the index of its picture.

#include <cstdint>
#include <string>
#include <vector>

namespace zlx {

class TGlAdoDs_mod;

inline constexpr int kZnacznikiKontrahentow = 0;
inline constexpr int kZnacznikiPrzelewow = 1;

struct OpisZnacznika {
    std::int32_t nr_znacznika = 0;
    std::string opis_znacznika;

    bool operator==(const OpisZnacznika&) const = default;
};

// Returns the query of the descriptions of one category, ordered by marker number.
std::string sql_opis_znacznikow(int kategoria);
// Returns the descriptions of one category; none when the query fails.
std::vector<OpisZnacznika> get_opis_znacznikow(TGlAdoDs_mod& ds, int kategoria);

}  // namespace zlx
