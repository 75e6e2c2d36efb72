#pragma once

// The settings files and the keys that are not print layout keys (those belong to the print
// settings). Each accessor reads or writes its key at the moment of the call; nothing is cached.

#include <string>

namespace zlx {

inline constexpr const char* kUstPrzelewIni = "ust_przelew.ini";
inline constexpr const char* kPrzelIni = "przel.ini";
inline constexpr const char* kEpIni = "ep.ini";
inline constexpr const char* kStanFormatekIni = "stanformatek.ini";

// The print margins and the ZUS underprint flag that step 5 of the schema upgrade writes. A new
// "ust_przelew.ini" starts with them too, and they are the print settings' defaults, so a new install
// prints every layout without a setting typed.
struct UstawienieKroku5 {
    const char* sekcja;
    const char* klucz;
    const char* wartosc;
};
inline constexpr UstawienieKroku5 kUstawieniaKroku5[] = {
    {"marginesy", "bankowy_wydruk_top", "4"},  {"marginesy", "bankowy_wydruk_left", "20"},
    {"marginesy", "pocztowy_wydruk_top", "4"}, {"marginesy", "pocztowy_wydruk_left", "1"},
    {"marginesy", "zus_wydruk_top", "4"},      {"marginesy", "zus_wydruk_left", "20"},
    {"marginesy", "us_wydruk_top", "4"},       {"marginesy", "us_wydruk_left", "20"},
    {"kolory", "zus_poddruk_mmrrrr", "1"},
};
// Writes the values above. Throws IniWriteError.
void zapisz_ustawienia_kroku5();

// Returns the program folder + "data/przDB.sqlite".
std::string domyslna_sciezka_bazy();
// [program] sciezka_bazy: the database file; the default path when unset.
std::string sciezka_bazy();
void zapisz_sciezka_bazy(const std::string& path);

// [2010] firsttime: only 1 (the default) shows the database wizard at start; text that is not a
// number counts as not the first run.
bool pierwsze_uruchomienie();
void zapisz_firsttime(int value);

// [archiwum] sciezka: the archive folder; the program folder + "tmp/" when unset.
std::string sciezka_archiwum();
void zapisz_sciezka_archiwum(const std::string& folder);

// [opcje_wydrukow] jaknazwacd: "1" puts the one-line address as postcode, town, street.
bool adres_kod_najpierw();
// [opcje_wydrukow] przenos_uwagi_do_zus: "1" copies the own company's notes into a ZUS order.
bool przenos_uwagi_do_zus();

// The screens whose "Drukuj datę" box is remembered in przel.ini [lokalne].
enum class RodzajEkranu { bankowy, podatki, zus };
bool drukuj_date(RodzajEkranu screen);
void zapisz_drukuj_date(RodzajEkranu screen, bool ticked);

}  // namespace zlx
