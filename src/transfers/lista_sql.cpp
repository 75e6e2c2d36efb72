#include "transfers/lista_sql.h"

#include <array>

#include "core/text.h"
#include "db/sql_format.h"

namespace zlx {

namespace {

constexpr std::array<std::string_view, 3> kKolumnyTekstu = {"dost_nazwa", "tytulem", "my_nazwa"};

// Grid columns 4 to 9.
constexpr std::array<std::string_view, 6> kKolumnySortu = {"znacznik",    "data",    "dost_nazwa",
                                                           "kwota_money", "tytulem", "my_nazwa"};
constexpr int kPierwszaSortowana = 4;

// Returns the text for inside a like pattern: apostrophes doubled, so the text cannot end the literal,
// and "%", "_" and the escape character "\" preceded by "\".
std::string wzorzec_like(std::string_view tekst) {
    std::string out;
    for (const char c : tekst) {
        if (c == '\'') {
            out += "''";
            continue;
        }
        if (c == '%' || c == '_' || c == '\\') out += '\\';
        out += c;
    }
    return out;
}

}  // namespace

std::vector<std::string> pozycje_rodzaju() {
    return {"Wszystkie", "Bankowe", "Zus", "Podatki"};
}

std::vector<std::string> pozycje_filtru() {
    return {"Wg. Kontrahenta", "Wg. Tytułu zapłaty", "Wg. Firmy własnej "};
}

std::vector<std::string> pozycje_wyszukiwania() {
    return {"Nie wyszukuj", "Wg. Kontrahenta", "Wg. Tytułu zapłaty", "Wg. Firmy własnej "};
}

std::vector<std::string> pozycje_znacznikow() {
    std::vector<std::string> items{"brak"};
    for (int i = 1; i <= 20; ++i)
        items.push_back(std::to_string(i));
    return items;
}

std::string where_listy(const FiltrListy& filtr) {
    std::string where = " WHERE ";
    if (filtr.cykliczne) {
        where += "  cykliczne=" + sql_int(1) + " ";
    } else {
        where += sql_okres_daty(0, filtr.od, filtr.do_) + " AND cykliczne=" + sql_int(0) + " ";
    }
    switch (filtr.rodzaj) {
        case kRodzajBankowe:
            where += " AND rodzaj_przelewu=" + sql_int(0) + " ";
            break;
        case kRodzajZus:
            where += " AND rodzaj_przelewu=" + sql_int(1) + " ";
            break;
        case kRodzajPodatki:
            where += " AND rodzaj_przelewu=" + sql_int(2) + " ";
            break;
        default:
            break;
    }
    return where;
}

std::string where_znacznika(int znacznik) {
    return " WHERE znacznik=" + sql_int(znacznik);
}

std::string sql_listy(std::string_view where, std::string_view order) {
    std::string sql{kSqlKartoteka};
    sql += where;
    sql += order;
    return sql;
}

TrybSzukania tryb_szukania(std::string_view tekst) {
    if (tekst.size() >= 2 && tekst.front() == '*' && tekst.back() == '*') return TrybSzukania::zawiera;
    const auto gwiazdka = tekst.find('*');
    if (gwiazdka == 0) return TrybSzukania::konczy_sie;
    if (gwiazdka != std::string_view::npos) return TrybSzukania::zaczyna_sie;
    return TrybSzukania::rowne;
}

Wyszukiwanie sql_wyszukiwania(std::string_view tekst, int pozycja_kolumny, std::string_view order) {
    const std::string szukany = trim(tekst);
    if (szukany.empty()) return {"", std::string(kWpiszSlowo)};
    const TrybSzukania tryb = tryb_szukania(szukany);
    const std::string bez_gwiazdek = replace_all(szukany, "*", "");
    // Typed "%" and "_" match themselves in the like forms; the escape clause only where needed.
    const std::string wzorzec = wzorzec_like(bez_gwiazdek);
    const std::string ucieczka =
        bez_gwiazdek.find_first_of("%_\\") == std::string::npos ? "" : " ESCAPE '\\'";
    std::string warunek;
    switch (tryb) {
        case TrybSzukania::rowne:
            warunek = "=" + sql_str(bez_gwiazdek);
            break;
        case TrybSzukania::konczy_sie:
            warunek = " like '%" + wzorzec + "'" + ucieczka;
            break;
        case TrybSzukania::zaczyna_sie:
            warunek = " like '" + wzorzec + "%'" + ucieczka;
            break;
        case TrybSzukania::zawiera:
            warunek = " like '%" + wzorzec + "%'" + ucieczka;
            break;
    }
    if (pozycja_kolumny < 1 || pozycja_kolumny > static_cast<int>(kKolumnyTekstu.size())) {
        return {"", std::string(kNieWyszukujKomunikat)};
    }
    const std::string_view kolumna = kKolumnyTekstu[static_cast<std::size_t>(pozycja_kolumny - 1)];
    std::string sql{kSqlKartoteka};
    sql += " where ";
    sql += kolumna;
    sql += warunek;
    sql += order;
    return {sql, ""};
}

std::string_view kolumna_filtru(int pozycja) {
    if (pozycja < 0 || pozycja >= static_cast<int>(kKolumnyTekstu.size())) return {};
    return kKolumnyTekstu[static_cast<std::size_t>(pozycja)];
}

std::string_view SortowanieListy::kolumna(int kolumna_siatki) {
    const int i = kolumna_siatki - kPierwszaSortowana;
    if (i < 0 || i >= static_cast<int>(kKolumnySortu.size())) return {};
    return kKolumnySortu[static_cast<std::size_t>(i)];
}

bool SortowanieListy::klik(int kolumna_siatki) {
    const std::string_view nazwa = kolumna(kolumna_siatki);
    if (nazwa.empty()) return false;
    const ZnakSortu przed = znak(kolumna_siatki);
    switch (przed) {
        case ZnakSortu::brak:
            znak_ = ZnakSortu::rosnaco;
            break;
        case ZnakSortu::rosnaco:
            znak_ = ZnakSortu::malejaco;
            break;
        case ZnakSortu::malejaco:
            znak_ = ZnakSortu::brak;
            break;
    }
    oznaczona_ = kolumna_siatki;
    order_ = " order by  ";
    order_ += nazwa;
    switch (znak_) {
        case ZnakSortu::brak:
            order_ += " ";
            break;
        case ZnakSortu::rosnaco:
            order_ += " ASC ";
            break;
        case ZnakSortu::malejaco:
            order_ += " DESC ";
            break;
    }
    order_ += ",nr_id";
    return true;
}

}  // namespace zlx
