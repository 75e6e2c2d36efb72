#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "payments/identyfikatory.h"
#include "payments/ksef.h"
#include "payments/nrs.h"
#include "payments/rachunek.h"

namespace zlx {
namespace {

struct Przypadek {
    const char* tekst;
    bool poprawny;
    const char* opis;  // the description expected, or nullptr when any will do
};

void sprawdz_tabele(const std::function<Sprawdzenie(std::string_view)>& sprawdz,
                    std::initializer_list<Przypadek> przypadki) {
    for (const Przypadek& p : przypadki) {
        const Sprawdzenie s = sprawdz(p.tekst);
        EXPECT_EQ(s.poprawny, p.poprawny) << p.tekst << ": " << s.opis;
        if (p.opis) {
            EXPECT_EQ(s.opis, p.opis) << p.tekst;
        }
    }
}

TEST(Numery, Normalising) {
    EXPECT_EQ(normalizuj_numer(" PL 123-456-32-18 "), "1234563218");
    EXPECT_EQ(normalizuj_numer("pl61\t1090\xC2\xA0"
                               "1014"),
              "6110901014");
    EXPECT_EQ(normalizuj_numer("DE89 3704"), "DE893704");  // only the Polish prefix goes
    EXPECT_EQ(normalizuj_numer("12PL"), "12PL");
}

TEST(Numery, Accounts) {
    sprawdz_tabele(
        sprawdz_rachunek,
        {
            {"95114020040000000000000123", true, "numer rozliczeniowy banku 11402004"},
            {"21249000050000000000004242", true, nullptr},
            {"PL61 1090 1014 0000 0712 1981 2874", true, nullptr},
            {"pl 61-1090-1014-0000-0712-1981-2874", true, nullptr},
            {"83 1010 1023 0000 2613 9510 0000", true, nullptr},  // a former ZUS fund account
            {"88 1010 0071 2222 1234 5632 1800", true, nullptr},  // a micro-account
            {"95114020040000000000000124", false, "błędne cyfry kontrolne (reszta z dzielenia przez 97)"},
            {"59114020040000000000000123", false, nullptr},  // check digits swapped
            {"70114020050000000000000123", false,
             "błędna cyfra kontrolna numeru rozliczeniowego banku 11402005"},
            {"92124012340001567890123456", false, nullptr},  // the QR code example: its sort code fails
            {"9511402004000000000000012", false, "ma 25 cyfr zamiast 26"},
            {"951140200400000000000001234", false, "ma 27 cyfr zamiast 26"},
            {"PL95 1140 2004 0000 0000 0000 012O", false, "zawiera znak „O”, który nie jest cyfrą"},
            {"DE89370400440532013000", false, "zawiera znak „D”, który nie jest cyfrą"},
            {"  ", false, "jest pusty"},
        });
}

TEST(Numery, AccountBuildingBlocks) {
    EXPECT_EQ(nrb_z_cyframi_kontrolnymi("109010140000071219812874"), "61109010140000071219812874");
    EXPECT_EQ(nrb_z_cyframi_kontrolnymi("114020040000000000000123"), "95114020040000000000000123");
    // A result of 98 − remainder below 10 keeps its leading zero.
    EXPECT_EQ(nrb_z_cyframi_kontrolnymi("101000712221900101123490"), "04101000712221900101123490");
    for (const char* s : {"10100071", "60000002", "11402004", "10901014"})
        EXPECT_TRUE(numer_rozliczeniowy_poprawny(s)) << s;
    for (const char* s : {"10100072", "11402005", "1140200", "1140200x"})
        EXPECT_FALSE(numer_rozliczeniowy_poprawny(s)) << s;

    // The export's reading: every character but the digits dropped, then both checks.
    EXPECT_EQ(cyfry_poprawnego_rachunku("PL 61 1090 1014 0000 0712 1981 2874"), "61109010140000071219812874");
    EXPECT_EQ(cyfry_poprawnego_rachunku("95114020040000000000000124"), "");
    EXPECT_EQ(cyfry_poprawnego_rachunku("70114020050000000000000123"), "");
    EXPECT_EQ(cyfry_poprawnego_rachunku("12 1020 5558"), "");
    EXPECT_EQ(cyfry_poprawnego_rachunku(""), "");
}

TEST(Numery, Nip) {
    sprawdz_tabele(sprawdz_nip, {
                                    {"1234563218", true, ""},
                                    {"PL 123-456-32-18", true, ""},
                                    {"123-45-63-218", true, ""},
                                    {"7262001122", true, ""},
                                    {"1234563219", false, "błędna cyfra kontrolna"},
                                    {"1234567890", false,
                                     "błędna cyfra kontrolna"},  // remainder 10: no last digit makes it valid
                                    {"123456321", false, "ma 9 cyfr zamiast 10"},
                                    {"12345632180", false, "ma 11 cyfr zamiast 10"},
                                    {"12345b3218", false, "zawiera znak „b”, który nie jest cyfrą"},
                                    {"", false, "jest pusty"},
                                });
}

TEST(Numery, Regon) {
    sprawdz_tabele(sprawdz_regon,
                   {
                       {"123456785", true, ""},
                       {"123-456-785", true, ""},
                       {"350004455", true, ""},
                       {"12345678500010", true, ""},
                       {"123456786", false, "błędna cyfra kontrolna"},
                       {"12345678500011", false, "błędna cyfra kontrolna"},
                       // 14 digits whose own check digit holds but whose first 9 are no REGON.
                       {"12345678600015", false, "pierwsze 9 cyfr nie tworzy poprawnego numeru REGON"},
                       {"12345678", false, "ma 8 cyfr zamiast 9 lub 14"},
                       {"1234567850001", false, "ma 13 cyfr zamiast 9 lub 14"},
                   });
}

TEST(Numery, Pesel) {
    sprawdz_tabele(
        sprawdz_pesel,
        {
            {"90010112349", true, "data urodzenia 1990-01-01"},
            {"02270803624", true, "data urodzenia 2002-07-08"},
            {"84810100002", true, "data urodzenia 1884-01-01"},
            {"24222900005", true, "data urodzenia 2024-02-29"},
            {"00222900009", true, "data urodzenia 2000-02-29"},  // 2000 is a leap year
            {"90010112340", false, "błędna cyfra kontrolna"},
            {"99022900007", false, "cyfry 1–6 nie są istniejącą datą urodzenia"},  // 1999-02-29
            {"00022900003", false, "cyfry 1–6 nie są istniejącą datą urodzenia"},  // 1900 is not a leap year
            {"9001011234", false, "ma 10 cyfr zamiast 11"},
            {"9001011234x", false, "zawiera znak „x”, który nie jest cyfrą"},
        });
    // Month 13 and 00 of a century, with their check digits right.
    for (const char* p : {"90130112344", "90000112348", "90330112340"}) {
        const Sprawdzenie s = sprawdz_pesel(p);
        EXPECT_FALSE(s.poprawny) << p;
    }
}

TEST(Numery, Nrs) {
    const auto z_nipem = [](std::string_view nrs) { return sprawdz_nrs(nrs, "123-456-32-18"); };
    sprawdz_tabele(
        z_nipem,
        {
            {"68600000020260011234563218", true, "NIP płatnika 1234563218, zakres 001"},
            {"68 6000 0002 0260 0112 3456 3218", true, nullptr},
            {"69600000020260011234563218", false, "błędne cyfry kontrolne (reszta z dzielenia przez 97)"},
            // A valid account of another bank, and a valid NRS of another payer.
            {"95114020040000000000000123", false, "cyfry 3–13 to nie „60000002026” rachunku składkowego ZUS"},
        });
    const std::string innego = propozycja_nrs("7262001122");
    EXPECT_EQ(z_nipem(innego).opis, "ostatnie 10 cyfr (7262001122) to nie NIP płatnika 1234563218");
    EXPECT_FALSE(z_nipem(innego).poprawny);

    // Without the payer's NIP the last 10 digits must still be a valid NIP.
    EXPECT_TRUE(sprawdz_nrs(innego, "").poprawny);
    const std::string zly_nip = nrb_z_cyframi_kontrolnymi("600000020260011234563219");
    EXPECT_EQ(sprawdz_nrs(zly_nip, "").opis, "ostatnie 10 cyfr (1234563219) nie są poprawnym NIP-em");
    EXPECT_EQ(sprawdz_nrs("68600000020260011234563218", "1234563219").opis,
              "NIP płatnika 1234563219 jest błędny: błędna cyfra kontrolna");

    EXPECT_EQ(propozycja_nrs("PL 123-456-32-18"), "68600000020260011234563218");
    EXPECT_EQ(propozycja_nrs("1234563219"), "");
}

TEST(Numery, Ksef) {
    sprawdz_tabele(
        sprawdz_ksef,
        {
            {"5265877635-20250826-0100001AF629-AF", true, "NIP wystawcy 5265877635, data 2025-08-26"},
            {" 5265877635-20250826-0100001af629-af ", true, nullptr},  // letter case and blanks around
            {"5265877635-20250826-0100001AF62A-AF", false, "błędna suma kontrolna AF"},
            {"5265877635-20250826-0100001AF629-C0", false, "błędna suma kontrolna C0"},
            {"5265877635-20250231-0100001AF629-AF", false, "data 20250231 nie istnieje"},
            {"5265877635-20250826-0100001AG629-AF", false,
             "nie ma budowy NIP-RRRRMMDD-XXXXXXXXXXXX-KK (35 znaków)"},
            {"5265877635202508260100001AF629AF", false, nullptr},
            {"5265877635-20250826-0100001AF629-AF0", false, nullptr},
            {"", false, nullptr},
        });
}

}  // namespace
}  // namespace zlx
