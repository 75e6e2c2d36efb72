#pragma once

// One transfer order of any kind (bank, tax office, ZUS) as a flat record. Stored fields carry the
// names of the `kartoteka` columns; fields 54 to 60 (the print texts and print flags) are not stored and
// are derived from the accounts and the amount when an order is saved from a screen or loaded for print.
//
// `nr_id` 0 means the order is not stored yet: save_przelew then inserts it and writes the new key back
// into the record. Only the store sets `nr_id` to a new key; screens reset it to 0 to store a copy.
//
// A row with `cykliczne` = 1 is a cyclic template. Saving an order opened from a template stores a new
// ordinary order; the screens reset `nr_id` and `cykliczne` for that, the store only inserts when
// `nr_id` is 0.

#include <cstdint>
#include <string>

#include "core/currency.h"
#include "core/datetime.h"

namespace zlx {

// Values of TPrzelew::rodzaj_przelewu.
inline constexpr std::int32_t kPrzelewBankowy = 0;
inline constexpr std::int32_t kPrzelewZus = 1;
inline constexpr std::int32_t kPrzelewPodatkowy = 2;

struct TPrzelew {
    std::int32_t nr_id = 0;       // key; 0 = not stored yet
    std::int32_t id_kontrah = 0;  // counterparty the payee was taken from; 0 = typed by hand
    std::int32_t id_my = 0;       // own company the payer was taken from; 0 = typed by hand
    std::string my_nazwa;
    std::string my_adres;  // one-line address; the ZUS screen keeps its second name line here
    std::string my_konto;
    std::string my_skrot;
    std::string dost_nazwa;
    std::string dost_adres;
    std::string dost_konto;
    std::string dost_skrot;
    std::string uwagi_tekst;
    std::string dost_adres_ulica;
    std::string dost_adres_kodp;
    std::string dost_adres_miejscowosc;
    std::string my_adres_ulica;
    std::string my_adres_kodp;
    std::string my_adres_miejscowosc;
    std::int32_t rozliczony = 0;
    Currency kwota_rozliczenia;
    TDateTime data;  // date of the order, printed on the form
    std::string tytulem;
    std::string kwota;  // older amount text, carried through unchanged
    Currency kwota_money;
    std::string uwagi;       // older remark text, carried through unchanged
    std::int32_t p_w = 0;    // 0 = transfer ("Przelew"), 1 = cash deposit ("Wpłata")
    TDateTime data1;         // when the record was first made
    std::int32_t bufor = 0;  // 0 = approved, 1 = not approved
    std::string tytulemcd;   // title, second line
    std::string dost_lk;
    std::string dost_bank;
    std::string my_lk;
    std::string my_bank;
    std::int32_t czypracownik = 0;
    std::int32_t nr_id_staryprzelew = 0;  // key in the older version's database
    std::string waluta;
    std::string us_iduzup;
    std::string us_typiduzup;
    std::string us_rokokresu;
    std::string us_typokresu;
    std::string us_nrokresu;
    std::string us_identyfikacjazobowiazania;
    std::string us_symbolformularza;
    std::string zus_nipplatnik;
    std::string zus_iduzup;
    std::string zus_deklaracja1;  // declaration year, four digits
    std::string zus_deklaracja2;  // declaration month, two digits
    std::string zus_nrdeklaracji;
    std::string zus_typwplaty;
    std::string zus_nrdecyzji;
    std::string zus_numeriduzup;
    std::int32_t zus_cel = 0;  // position of the chosen ZUS account in the ZUS account list
    std::int32_t rodzaj_przelewu = kPrzelewBankowy;
    std::string my_konto_druk;      // derived: formatuj_konto(my_konto, 0)
    std::string dost_konto_druk;    // derived: formatuj_konto(dost_konto, 0)
    std::string kwota_druk;         // derived: kwota_gwiazdki(kwota_money)
    std::string my_konto_cyfry;     // derived: formatuj_konto(my_konto, 1)
    std::string dost_konto_cyfry;   // derived: formatuj_konto(dost_konto, 1)
    std::int32_t drukuj_kwote = 1;  // not stored
    std::int32_t drukuj_date = 1;   // not stored
    std::int32_t cykliczne = 0;     // 1 = cyclic template
    std::int32_t znacznik = 0;      // marker 0..20, 0 = none

    bool operator==(const TPrzelew&) const = default;
};

// Fills the defaults of a new order: zeros and empty texts, both print flags 1, `zus_nrdeklaracji`
// "01", `data` and `data1` the current date and time.
void init_przelew(TPrzelew& p);
// Returns a record filled by init_przelew.
TPrzelew nowy_przelew();

// Fills the five derived print texts from the accounts and the amount.
void wylicz_pola_druku(TPrzelew& p);

}  // namespace zlx
