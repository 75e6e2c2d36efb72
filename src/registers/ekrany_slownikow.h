#pragma once

// The list screens of the dictionaries and of the own companies share one pattern; what differs between
// them (caption, statement, columns, filter, captions of the card) is told here, one description each.

#include <span>

namespace zlx {

// One grid column after the running number "Lp.": its title, the column it shows and its width; a
// flag column shows a mark on rows that hold 1.
struct KolumnaListy {
    const char* tytul;
    const char* pole;
    int szerokosc;
    bool flaga = false;
};

struct OpisSlownika {
    const char* tytul;        // window caption of the list
    const char* sql;          // the list's statement
    const char* pole_klucza;  // the key column
    std::span<const KolumnaListy> kolumny;
    std::span<const char* const> filtruj_wg;   // items of the filter-by combo
    std::span<const char* const> pola_filtru;  // the column each item filters
    const char* przycisk_uzyj;
    const char* tytul_karty;
    const char* blad_karty;  // shown when the card's text is blank
};

inline constexpr int kSzerokoscLp = 60;

const OpisSlownika& slownik_tytulow();
const OpisSlownika& slownik_walut();
const OpisSlownika& slownik_symboli_us();
// The own companies' list ("Firma"); its card has no blank check, so blad_karty is "".
const OpisSlownika& lista_firm();

}  // namespace zlx
