#pragma once

// Binds the columns of a table to the fields of its record, so one list gives the order of the
// SELECT, the INSERT and the UPDATE, the value format of each column and the reader of each field.

#include <cstdint>
#include <span>
#include <string>
#include <variant>

#include "core/currency.h"
#include "core/datetime.h"
#include "db/result_set.h"
#include "db/sql_format.h"

namespace zlx {

template <class R>
struct Kolumna {
    // Column name as the statements write it.
    const char* nazwa;
    std::variant<std::int32_t R::*, std::string R::*, Currency R::*, TDateTime R::*> pole;
};

// Returns the column names joined by ",".
template <class R>
std::string lista_kolumn(std::span<const Kolumna<R>> kolumny) {
    std::string out;
    for (const Kolumna<R>& k : kolumny) {
        if (!out.empty()) out += ',';
        out += k.nazwa;
    }
    return out;
}

// Returns the field of the column written as an SQL value.
template <class R>
std::string wartosc_sql(const R& rec, const Kolumna<R>& k) {
    struct Visitor {
        const R& rec;
        std::string operator()(std::int32_t R::*p) const { return sql_int(rec.*p); }
        std::string operator()(std::string R::*p) const { return sql_str(rec.*p); }
        std::string operator()(Currency R::*p) const { return sql_money(rec.*p); }
        std::string operator()(TDateTime R::*p) const { return sql_date(rec.*p); }
    };
    return std::visit(Visitor{rec}, k.pole);
}

// Returns the values of the columns joined by ",".
template <class R>
std::string lista_wartosci(const R& rec, std::span<const Kolumna<R>> kolumny) {
    std::string out;
    for (const Kolumna<R>& k : kolumny) {
        if (!out.empty()) out += ',';
        out += wartosc_sql(rec, k);
    }
    return out;
}

// Copies the column of the current row into its field.
template <class R>
void czytaj_kolumne(const ResultSet& rs, R& rec, const Kolumna<R>& k) {
    struct Visitor {
        const ResultSet& rs;
        R& rec;
        const char* nazwa;
        void operator()(std::int32_t R::*p) const { rec.*p = rs.int_value(nazwa); }
        void operator()(std::string R::*p) const { rec.*p = rs.text(nazwa); }
        void operator()(Currency R::*p) const { rec.*p = rs.currency(nazwa); }
        void operator()(TDateTime R::*p) const { rec.*p = rs.date(nazwa); }
    };
    std::visit(Visitor{rs, rec, k.nazwa}, k.pole);
}

template <class R>
void czytaj_wiersz(const ResultSet& rs, R& rec, std::span<const Kolumna<R>> kolumny) {
    for (const Kolumna<R>& k : kolumny)
        czytaj_kolumne(rs, rec, k);
}

}  // namespace zlx
