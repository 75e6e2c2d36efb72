#pragma once

// The address decoder: a pasted block of text (for example an auction buyer's details) split line by
// line into the payee's name, address, postcode, town, account and title. The expected layout is
// NAZWA / ADRES / "KK-KKK MIEJSCOWOŚĆ" / NR KONTA / TYTUŁEM / TYTUŁEM CD.; the last two are optional.

#include <string>
#include <string_view>

namespace zlx {

// The decoder's seven edits.
struct DekodowanyAdres {
    std::string nazwa;
    std::string adres;
    std::string kodp;
    std::string miejscowosc;
    std::string rachunek;
    std::string tytulem;
    std::string tytulemcd;
};

inline constexpr std::string_view kPrefiksAukcji = "Zapłata za aukcję: ";
inline constexpr std::string_view kPrefiksNicku = "Nick: ";

// Fills the edits from the first six lines, each trimmed; an empty line leaves its edit as it was,
// further lines are ignored. The third line gives the postcode (its first 6 characters, when it has
// that many) and the town (the rest after the postcode, trimmed, when there is any). With `allegro`
// the fifth line is an auction number and the sixth the buyer's nickname.
void dekoduj_adres(std::string_view tekst, bool allegro, DekodowanyAdres& pola);

}  // namespace zlx
