#include "registers/kth_szukaj.h"

#include <array>
#include <string_view>

#include "core/text.h"
#include "db/sql_format.h"

namespace zlx {

std::string kolumna_szukania(int wg) {
    static constexpr std::array<const char*, 4> kolumny = {"", "Skrot", "nazwa", "miejscowosc"};
    if (wg < 0 || wg >= static_cast<int>(kolumny.size())) return "";
    return kolumny[static_cast<std::size_t>(wg)];
}

std::string kolumna_filtru_kth(int wg) {
    static constexpr std::array<const char*, 3> kolumny = {"skrot", "nazwa", "nip"};
    if (wg < 0 || wg >= static_cast<int>(kolumny.size())) return kolumny[0];
    return kolumny[static_cast<std::size_t>(wg)];
}

std::string tekst_wzorca_like(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == '\'') {
            out += "''";
            continue;
        }
        if (c == '%' || c == '_' || c == '\\') out += '\\';
        out += c;
    }
    return out;
}

std::string warunek_szukania(std::string_view text) {
    std::string t = trim(text);
    const std::size_t gwiazdka = t.find('*');
    if (gwiazdka == std::string::npos) return "=" + sql_str(t);
    t.erase(gwiazdka, 1);
    // Ordinary text keeps the plain form; an escape clause only where a character needs it.
    const std::string wzorzec = tekst_wzorca_like(t);
    const std::string ucieczka = t.find_first_of("%_\\") == std::string::npos ? "" : " ESCAPE '\\'";
    if (gwiazdka == 0) return " like '%" + wzorzec + "'" + ucieczka;
    return " like '" + wzorzec + "%'" + ucieczka;
}

std::string sql_szukaj_kth(int wg, std::string_view text, int znacznik, std::string_view order) {
    std::string sql = kSqlKontrahenci;
    const std::string kolumna = kolumna_szukania(wg);
    const bool z_znacznikiem = znacznik >= 1 && znacznik <= 20;
    if (!kolumna.empty() && !text.empty()) {
        sql += " where " + kolumna + warunek_szukania(text);
        if (z_znacznikiem) sql += " AND znacznik=" + sql_int(znacznik);
    } else if (z_znacznikiem) {
        sql += " where znacznik=" + sql_int(znacznik);
    }
    sql += order;
    return sql;
}

std::string sql_grupy_kth(int grupa, std::string_view order) {
    std::string sql = kSqlKontrahenci;
    if (grupa != 1) sql += " WHERE grupa=" + sql_int(grupa);
    sql += order;
    return sql;
}

std::string klauzula_sortowania(std::string_view fields) {
    const std::string tekst = " " + std::string(fields) + " ";
    if (trim(tekst).empty()) return "";
    return " order by " + tekst;
}

}  // namespace zlx
