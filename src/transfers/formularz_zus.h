#pragma once

// The logic of the ZUS transfer entry screen apart from its widgets: the declaration defaults counted
// from a given day, box "08" filled from the payer by the identifier type, and the record's ZUS fields
// to and from the controls. The lists and codes themselves come from kody.h.

#include <string>
#include <vector>

#include "core/datetime.h"
#include "registers/przkth.h"
#include "transfers/formularz.h"
#include "transfers/przelew.h"

namespace zlx {

inline constexpr std::string_view kOdbiorcaZus = "Zakład Ubezpieczeń Społecznych";

// Returns the declaration years: "2010".."2021" as kody.h lists them, extended so that they reach at
// least two years past the day's year.
std::vector<std::string> lata_deklaracji_zus(TDateTime dzis);

struct DeklaracjaZus {
    std::string rok;      // four digits
    std::string miesiac;  // two digits

    bool operator==(const DeklaracjaZus&) const = default;
};
// Returns the default declaration period: the calendar month before the day's.
DeklaracjaZus deklaracja_domyslna_zus(TDateTime dzis);

// Returns box "08" for the identifier type (a position of kZusIdUzup): the payer's NIP (standing in for
// the NUSP), REGON or PESEL; empty for any other type.
std::string id_uzup_zus(const TPrzKth& wystawiajacy, int typ_iduzup);

// What the ZUS controls hold besides those of PolaFormularza. Types are positions of their kody.h
// tables; `konto` is the position in the ZUS account list, which is the account's `nr_id`.
struct PolaZus {
    int konto = 0;
    std::string my_lk;
    std::string my_bank;
    std::string nip;
    int typ_iduzup = 0;
    std::string numer_iduzup;
    int typ_wplaty = 0;
    std::string nr_deklaracji;
    std::string miesiac;
    std::string rok;
    std::string nr_decyzji;

    bool operator==(const PolaZus&) const = default;
};

// Shows the record's ZUS fields; an empty declaration year or month shows the default of the day.
void pokaz_przelew_zus(const TPrzelew& p, TDateTime dzis, PolaZus& zus);

// Copies the controls into the record as the ZUS screen's save does. The payer's second line is stored
// as typed in `my_adres`; the payee is always ZUS with the account `konto_zus` and the chosen account's
// description `opis_konta` as the title; the keys of the parties are left as they are; the ZUS texts
// are trimmed; `rodzaj_przelewu` becomes 1.
void zbierz_przelew_zus(const PolaFormularza& pola, const PolaZus& zus, const std::string& konto_zus,
                        const std::string& opis_konta, TPrzelew& p);

}  // namespace zlx
