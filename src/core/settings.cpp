#include "core/settings.h"

#include "core/folder.h"
#include "core/ini.h"
#include "core/text.h"

namespace zlx {

namespace {

const char* drukuj_date_key(RodzajEkranu screen) {
    switch (screen) {
        case RodzajEkranu::bankowy:
            return "drukuj_date_bankowy";
        case RodzajEkranu::podatki:
            return "drukuj_date_podatki";
        case RodzajEkranu::zus:
            return "drukuj_date_zus";
    }
    return "drukuj_date_bankowy";
}

}  // namespace

void zapisz_ustawienia_kroku5() {
    for (const UstawienieKroku5& u : kUstawieniaKroku5)
        zapisz_ini(kUstPrzelewIni, u.sekcja, u.klucz, u.wartosc);
}

std::string domyslna_sciezka_bazy() { return program_file("data/przDB.sqlite"); }

std::string sciezka_bazy() { return czytaj_ini(kUstPrzelewIni, "program", "sciezka_bazy", domyslna_sciezka_bazy()); }

void zapisz_sciezka_bazy(const std::string& path) { zapisz_ini(kUstPrzelewIni, "program", "sciezka_bazy", path); }

bool pierwsze_uruchomienie() {
    // A value that is not a number is read as 0: not the first run.
    return to_int(czytaj_ini(kUstPrzelewIni, "2010", "firsttime", "1"), 0) == 1;
}

void zapisz_firsttime(int value) { zapisz_ini(kUstPrzelewIni, "2010", "firsttime", std::to_string(value)); }

std::string sciezka_archiwum() { return czytaj_ini(kUstPrzelewIni, "archiwum", "sciezka", program_file("tmp/")); }

void zapisz_sciezka_archiwum(const std::string& folder) {
    zapisz_ini(kUstPrzelewIni, "archiwum", "sciezka", trim(folder));
}

bool adres_kod_najpierw() { return czytaj_ini(kUstPrzelewIni, "opcje_wydrukow", "jaknazwacd", "0") == "1"; }

bool przenos_uwagi_do_zus() {
    return czytaj_ini(kUstPrzelewIni, "opcje_wydrukow", "przenos_uwagi_do_zus", "0") == "1";
}

bool drukuj_date(RodzajEkranu screen) { return czytaj_ini_int(kPrzelIni, "lokalne", drukuj_date_key(screen), 0) != 0; }

void zapisz_drukuj_date(RodzajEkranu screen, bool ticked) {
    zapisz_ini(kPrzelIni, "lokalne", drukuj_date_key(screen), ticked ? "1" : "0");
}

}  // namespace zlx
