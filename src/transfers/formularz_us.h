#pragma once

// The logic of the tax transfer entry screen apart from its widgets: the period defaults counted from
// a given day, box "09" filled from the payer by the identifier type, and the record's tax fields to
// and from the controls. The lists and codes themselves come from kody.h.

#include <cstdint>
#include <string>
#include <vector>

#include "core/datetime.h"
#include "registers/przkth.h"
#include "transfers/formularz.h"
#include "transfers/kody.h"
#include "transfers/przelew.h"

namespace zlx {

// Returns the two-digit period years: "05".."23" as kody.h lists them, extended so that they reach at
// least two years past the day's year (never beyond "99").
std::vector<std::string> lata_okresu_us(TDateTime dzis);
// Returns the position of the two-digit year of the month before the day (the default period's
// year); 0 when the list lacks it.
int pozycja_roku_us(const std::vector<std::string>& lata, TDateTime dzis);
// Returns the previous month as two digits ("12" in January): the default period number.
std::string nr_okresu_domyslny_us(TDateTime dzis);

// Returns box "09" for the identifier type (a position of kUsTypIdUzup): the payer's NIP, REGON or
// PESEL; empty for any other type.
std::string id_dodatkowy_us(const TPrzKth& wystawiajacy, int typ_iduzup);

// What the tax controls hold. Types are positions of their kody.h tables.
struct PolaUs {
    int typ_iduzup = 0;
    std::string iduzup;
    std::string symbol;
    std::string identyfikacja;
    int typ_okresu = kOkresMiesiac;
    std::string nr_okresu;
    std::string rok_okresu;

    bool operator==(const PolaUs&) const = default;
};

// Shows the record's tax fields. The period is shown only for a stored order (`nr_id` not 0); a new
// one keeps the period defaults already in `us`.
void pokaz_przelew_us(const TPrzelew& p, PolaUs& us);

// Copies the controls into the record as the tax screen's save does. Title, title continuation and
// both short names are carried unchanged; the texts are taken as typed; `rodzaj_przelewu` becomes 2.
void zbierz_przelew_us(const PolaFormularza& pola, const PolaUs& us, std::int32_t klucz_odbiorcy,
                       std::int32_t klucz_wystawiajacego, TPrzelew& p);

}  // namespace zlx
