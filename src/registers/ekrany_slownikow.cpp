#include "registers/ekrany_slownikow.h"

namespace zlx {

namespace {

constexpr KolumnaListy kKolumnyTytulow[] = {{"Tytułem", "slow_tytulem", 300},
                                            {"Tytułem Cd.", "slow_tytulemcd", 300}};
constexpr KolumnaListy kKolumnyWalut[] = {{"", "symbol", 100}, {"Domyślna", "domyslna", 100}};
constexpr KolumnaListy kKolumnySymboli[] = {{"", "symbol", 100}};
constexpr KolumnaListy kKolumnyFirm[] = {{"", "mdomyslnafirma", 60, true},
                                         {"Skrót", "mskrot", 150},
                                         {"Nazwa", "mnazwa", 250},
                                         {"Nip", "mnip", 250},
                                         {"Adres", "mulica", 250}};

constexpr const char* kWgTytulem[] = {"Wg. Tytułem"};
constexpr const char* kPoleTytulem[] = {"slow_tytulem"};
// The symbol lists offer the companies' two items but filter by the symbol whichever is chosen.
constexpr const char* kWgNazwyNipu[] = {"Wg. Nazwy", "Wg. Nipu"};
constexpr const char* kPoleSymbol[] = {"symbol", "symbol"};
constexpr const char* kPolaFirm[] = {"mnazwa", "mnip"};

}  // namespace

const OpisSlownika& slownik_tytulow() {
    static const OpisSlownika opis{"Słownik tytułów wpłaty",
                                   "SELECT * FROM tb_slowtyt order by slow_tytulem",
                                   "slow_id",
                                   kKolumnyTytulow,
                                   kWgTytulem,
                                   kPoleTytulem,
                                   "Użyj [CTRL+ENTER]",
                                   "Tytułem słownik",
                                   "Wypełnij przynajmnien Tytułem"};
    return opis;
}

const OpisSlownika& slownik_walut() {
    static const OpisSlownika opis{"Waluty",
                                   "SELECT * FROM waluty order by symbol",
                                   "nr_id",
                                   kKolumnyWalut,
                                   kWgNazwyNipu,
                                   kPoleSymbol,
                                   "Użyj [CTRL+INS]",
                                   "Waluta",
                                   "Nazwa waluty nie może być pusta"};
    return opis;
}

const OpisSlownika& slownik_symboli_us() {
    static const OpisSlownika opis{"Symbol formularza Podatki",
                                   "SELECT * FROM symbolformularzaus order by symbol",
                                   "nr_id",
                                   kKolumnySymboli,
                                   kWgNazwyNipu,
                                   kPoleSymbol,
                                   "Użyj [CTRL+INS]",
                                   "Symbol",
                                   "Symbol formularza nie może być pusty"};
    return opis;
}

const OpisSlownika& lista_firm() {
    static const OpisSlownika opis{"Firma",
                                   " select * from my  order by mnazwa  asc ",
                                   "ID1",
                                   kKolumnyFirm,
                                   kWgNazwyNipu,
                                   kPolaFirm,
                                   "Użyj [CTRL+INS]",
                                   "Nasza Firma",
                                   ""};
    return opis;
}

}  // namespace zlx
