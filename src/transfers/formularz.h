#pragma once

// The logic of the bank transfer entry screen and its wizard, apart from the widgets. The screen
// shows a working TPrzelew in its controls (pokaz_przelew), shows a picked party in the payee or payer
// controls (pokaz_strone) and copies the controls back into the record (zbierz_przelew). Storing runs
// on a copy of the working record, so a failed statement leaves the record as it was and the user
// may try again.
//
// Cyclic templates: "Zapisz [F10]" on a template stores a new ordinary order and leaves the template;
// "Do cyklicznych" on an ordinary order stores a new template and leaves the order, on a template it
// updates the template in place.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/currency.h"
#include "core/datetime.h"
#include "registers/przkth.h"
#include "registers/slowniki.h"
#include "transfers/przelew.h"

namespace zlx {

class TGlAdoDs_mod;

inline constexpr std::string_view kDodanoDoCyklicznych = "Przelew został dodany do cyklicznych";
inline constexpr std::string_view kTytulWymagany = "Przynajmniej Tytułem musi być wypełnione";
inline constexpr std::string_view kTytulDodany = "Tytuł został dodany do słownika";
inline constexpr std::string_view kFirmaZListy = "<firma z listy>";
inline constexpr std::string_view kKoniec = "Koniec";

// The controls of one party group ("Odbiorca" or "Wystawiający").
struct StronaFormularza {
    std::string nazwa;
    std::string nazwacd;  // hidden line: shows the stored one-line address, never read back
    std::string rachunek;
    std::string adres;
    std::string kodp;
    std::string miejscowosc;
    std::string skrot;

    bool operator==(const StronaFormularza&) const = default;
};

// What the entry screen's controls hold.
struct PolaFormularza {
    TDateTime data;
    bool wplata = false;  // "Wpłata" checked; "Przelew" otherwise
    std::string waluta;
    bool drukuj_date = false;
    bool drukuj_kwote = true;
    bool zatwierdz = true;
    bool zapisz_jako_nowy = false;
    int znacznik = 0;
    StronaFormularza odbiorca;
    StronaFormularza wystawiajacy;
    std::string tytulem;
    std::string tytulemcd;
    Currency kwota;
    std::string uwagi;

    bool operator==(const PolaFormularza&) const = default;
};

// Shows the record in the controls. A blank `waluta` keeps the currency shown; a `p_w` other than
// 0 or 1 keeps the radio buttons; the print flags are not shown.
void pokaz_przelew(const TPrzelew& p, PolaFormularza& pola);
// Shows a party: name, street, postcode, town, short name and its default account.
void pokaz_strone(const TPrzKth& party, StronaFormularza& strona);

// Copies the controls into the record, as "save_data" does: the keys of the picked parties (0 keeps the
// stored key), the texts, both one-line addresses, the amount, the flags and the derived print texts.
void zbierz_przelew(const PolaFormularza& pola, std::int32_t klucz_odbiorcy,
                    std::int32_t klucz_wystawiajacego, TPrzelew& p);

// Exchanges name, street, postcode, town and account between payee and payer.
void zamien_konta(PolaFormularza& pola);

enum class RodzajZapisu {
    zapisz,          // "Zapisz [F10]"
    do_cyklicznych,  // "Do cyklicznych"
};

// Applies the cyclic-template rule of the button to a record about to be stored.
void przygotuj_zapis(RodzajZapisu rodzaj, TPrzelew& p);

// Stores a copy of the record prepared for the button. Returns false when the statement failed, and
// then leaves the record unchanged; on success the record is the stored copy (with its new key).
bool zapisz_przelew(TGlAdoDs_mod& ds, RodzajZapisu rodzaj, TPrzelew& p);

// Returns the dictionary row "+" adds: nothing when the title is blank after trimming; otherwise both
// texts as typed (untrimmed).
std::optional<TSlowTyt> tytul_do_slownika(const std::string& tytulem, const std::string& tytulemcd);

// The wizard's "save_data" for one counterparty. The counterparty is the payee, unless the payer name
// control holds "<firma z listy>" (after "Zamień konta"): then it is the payer and the payee comes
// from the payee controls. Short names and notes stay empty.
void zbierz_przelew_kreatora(const PolaFormularza& pola, const TPrzKth& kth,
                             std::int32_t klucz_wystawiajacego, TPrzelew& p);

// Inserts one bank transfer per counterparty key, in order, each from a fresh record. A key with no
// counterparty is skipped; a failed insert stops the run. Returns the last stored transfer (the
// defaults when none was stored).
TPrzelew generuj_przelewy(TGlAdoDs_mod& ds, const PolaFormularza& pola,
                          const std::vector<std::int32_t>& klucze, std::int32_t klucz_wystawiajacego,
                          int* ile_zapisanych = nullptr);

}  // namespace zlx
