#pragma once

// One party: a counterparty (row of `kontrach`) or an own company (row of `my`, the same columns with
// the prefix "m"). Fields carry the `kontrach` column names; the entry screens copy a party whole into
// the payer or payee block of a transfer. `ID1` 0 means the party is not stored yet.

#include <cstdint>
#include <string>

#include "core/currency.h"

namespace zlx {

struct TPrzKth {
    std::int32_t ID1 = 0;
    std::int32_t id = 0;       // second number, carried through unchanged
    std::int32_t aktywny = 0;  // counterparties only
    std::string skrot;
    std::string nazwa;
    std::string Kraj;
    std::string Miejscowosc;
    std::string gmina;
    std::string ulica;  // street, house and flat number in one text
    std::string numerDomu;
    std::string numerMieszk;
    std::string kod;
    std::string poczta;
    std::string Telefon1;
    std::string Telefon2;
    std::string Telefax;
    std::string Telex;
    std::string email;
    std::string W_banku1;  // first account: bank name, bank number, check digits, account
    std::string nr_banku;
    std::string lk;
    std::string Rachunek1;
    std::string rezerwa2;
    std::string W_banku2;  // second account: bank name, account
    std::string Rachunek2;
    std::int32_t PlatnikVAT = 0;
    Currency rabat;  // discount in percent; counterparties only
    std::string naglowek;
    std::string nazwisko;
    std::string imie;
    std::string pracownik;
    std::string typ;
    std::string nip;
    std::string pesel;
    std::string Regon;
    std::string zaufanie;
    std::string notatki;
    std::int32_t klienturzad = 0;   // counterparties only
    std::int32_t czypracownik = 0;  // counterparties only
    std::string www;
    std::string imienazwiskoosoba1;
    std::string imienazwiskoosoba2;
    std::string telefonosoba1;
    std::string telefonosoba2;
    std::string emailosoba1;
    std::string emailosoba2;
    std::string lk2;
    std::string nr_banku2;
    std::int32_t domyslnekonto = 0;  // 0 = first account, 1 = second
    std::int32_t grupa = 0;          // group in the counterparty tree; counterparties only
    std::int32_t id_old = 0;         // key in the older version's database; counterparties only
    std::int32_t domyslnafirma = 0;  // 1 = the default own company; own companies only
    std::int32_t znacznik = 0;       // marker 0..20; counterparties only

    bool operator==(const TPrzKth&) const = default;
};

// The default account of a party: check digits, account, bank number.
struct TKonto {
    std::string lk;
    std::string rachunek;
    std::string nr_banku;

    bool operator==(const TKonto&) const = default;
};

// Returns the account chosen by `domyslnekonto`: 0 the first, 1 the second, anything else three empty
// texts.
TKonto konto_kth(const TPrzKth& party);

// Returns street, postcode and town as one line; with [opcje_wydrukow] jaknazwacd = "1" in
// ust_przelew.ini the postcode and town come first.
std::string sklej_adres(const std::string& ulica, const std::string& kodp, const std::string& miejscowosc);
// Returns the party's address line as sklej_adres writes it.
std::string sklej_adres_kth(const TPrzKth& party);

}  // namespace zlx
