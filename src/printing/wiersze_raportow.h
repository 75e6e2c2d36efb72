#pragma once

// The rows and the single values of the collective order and the statement, built from a set of
// `kartoteka` rows as the collective order screen and the transfer list hand them over.

#include <memory>
#include <string>
#include <vector>

#include "core/currency.h"
#include "core/datetime.h"
#include "transfers/lista_przelewow.h"

namespace zlx {

class ResultSet;

// The header texts of both reports. The last text is kept for the record's shape; no report uses it.
struct TParZbiorowka {
    std::string data;              // date of the collective order, "yyyy-mm-dd"
    std::string ilosc;             // number of transfers
    std::string suma;              // total, two decimals, decimal comma
    std::string rachunek;          // payer account
    std::string data_od, data_do;  // period of the statement, "yyyy-mm-dd"
    std::string dodatkowy;
};

struct WierszZbiorowki {
    int lp = 0;
    Currency kwota;
};

struct WierszZestawienia {
    int lp = 0;
    std::string dost_nazwa, my_nazwa, tytulem, data;
    Currency kwota;
};

// The items of the list's "Zbiorówka" and "Zestawienie" buttons.
enum class ZakresWierszy { zaznaczone, wszystkie, zatwierdzone };

struct WybraneWiersze {
    std::unique_ptr<ResultSet> zbior;  // nullptr: nothing to hand on
    bool brak_zaznaczenia = false;     // "Zaznaczone" with nothing ticked: the list says so
};

// Copies the rows an item hands on into a new set, in the order of the list: the ticked rows (those
// the filter hides included, as for every action on ticked rows), every row shown, or the rows shown
// that are approved (`bufor` 0). An empty list hands on nothing.
WybraneWiersze wybierz_wiersze(const ResultSet& lista, const Zaznaczenie& zaznaczone, ZakresWierszy zakres);

// One row per transfer of the set, in order, `lp` from 1; the parameters get `data` (the order
// date), `ilosc`, `suma` and `rachunek` as given.
std::vector<WierszZbiorowki> przygotuj_zbiorowke(const ResultSet& przelewy, TDateTime data,
                                                 const std::string& rachunek, TParZbiorowka& par);

// The statement rows, one per transfer of the set in order, `lp` from 1, `data` as "yyyy-mm-dd";
// the parameters get `ilosc` and `suma`.
std::vector<WierszZestawienia> generuj_rs_zestaw_przel(const ResultSet& przelewy, TParZbiorowka& par);

// Returns a field of a statement row by its name as the report shows it: `kwota` in digit groups
// with two decimals, `lp` in digits; "" for a name the row does not have.
std::string pole_zestawienia(const WierszZestawienia& w, const std::string& pole);

}  // namespace zlx
