#pragma once

// An export profile says how a set of transfers is written to a bank import file: the bank format
// (and so the line writer), the encoding of Polish letters, the output folder, the file name and the
// date the transfers carry. Profiles are rows of tb_profilexp; a prof_id of 0 means not stored yet.
// Several fields are stored and carried through but used by nothing (noted below).

#include <cstdint>
#include <string>

#include "core/datetime.h"

namespace zlx {

struct TProfilExp {
    std::int32_t prof_id = 0;
    std::string prof_nazwa;
    std::string prof_opis;
    std::int32_t prof_typprzelewu = 0;         // carried through
    std::string prof_katalog_out;              // the file path is this text directly followed by the name
    std::string prof_katalog_arch;             // carried through
    std::int32_t prof_rodzaj_nazwy_pliku = 0;  // 0 fixed name, 1 generated name
    std::string prof_nazwa_stala;
    std::string prof_nazwa_stala_rozsz;  // carried through
    std::string prof_nazwa_gen;          // carried through
    std::string prof_nazwa_gen_rozsz;
    std::int32_t prof_rodzaj_formatu = 0;    // index into kNazwyFormatow
    std::int32_t prof_jaki_bank = 0;         // carried through
    std::int32_t prof_rodzaj_kodowania = 0;  // index into kNazwyKodowan
    std::int32_t prof_rodzaj_daty = 0;       // 0 one date for all, 1 each transfer's own date
    TDateTime prof_data_do_wczytania;
    std::int32_t prof_domyslny = 0;  // carried through
    std::string prof_maks_w_pliku;   // orders per file as entered; "0" or blank: no limit
};

// The items of the profile card's list "Jaki Bank ?", in format code order.
inline constexpr const char* kNazwyFormatow[] = {"PKOBP", "Bank Śląski", "BZ WBK", "MBank"};
inline constexpr int kFormatBzwbk = 2;

// The items of the group "Data przelewów", in date kind order.
inline constexpr const char* kRodzajeDaty[] = {"Ustaw datę", "Data wystawienia przelewu"};

// Sets the defaults of a new profile: texts empty, codes 0, the date today.
void init_profilexp(TProfilExp& p);
TProfilExp nowy_profilexp();

// Returns the number of orders per file, 0 meaning no limit (also for text that is not a number).
int maks_w_pliku(const TProfilExp& p);

}  // namespace zlx
