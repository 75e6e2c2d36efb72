#include "transfers/dekoduj_adres.h"

#include <gtest/gtest.h>

namespace zlx {
namespace {

DekodowanyAdres wypelnione() {
    return {"stara nazwa", "stary adres", "11-111", "Stare", "111", "stary tytuł", "stary cd"};
}

TEST(DekodujAdres, AuctionBuyerWithAllegro) {
    DekodowanyAdres pola = wypelnione();
    dekoduj_adres(
        "  Jan Kowalski \r\nul. Długa 5\n00-950 Warszawa\n12 1020 3040 5060 7080 9000 1234\n"
        "1234567890\njanek_77\nsiódma linia\n",
        true, pola);
    EXPECT_EQ(pola.nazwa, "Jan Kowalski");
    EXPECT_EQ(pola.adres, "ul. Długa 5");
    EXPECT_EQ(pola.kodp, "00-950");
    EXPECT_EQ(pola.miejscowosc, "Warszawa");
    EXPECT_EQ(pola.rachunek, "12 1020 3040 5060 7080 9000 1234");
    EXPECT_EQ(pola.tytulem, "Zapłata za aukcję: 1234567890");
    EXPECT_EQ(pola.tytulemcd, "Nick: janek_77");
}

TEST(DekodujAdres, WithoutAllegroTheTitleLinesStayAsTyped) {
    DekodowanyAdres pola = wypelnione();
    dekoduj_adres("a\nb\n00-950 Łódź\nc\nFaktura 1/2026\nza styczeń", false, pola);
    EXPECT_EQ(pola.miejscowosc, "Łódź");
    EXPECT_EQ(pola.tytulem, "Faktura 1/2026");
    EXPECT_EQ(pola.tytulemcd, "za styczeń");
}

TEST(DekodujAdres, ShortTextChangesOnlyWhatItHas) {
    DekodowanyAdres pola = wypelnione();
    dekoduj_adres("Firma\nPolna 1\n30-001 Kraków", true, pola);
    DekodowanyAdres expected = wypelnione();
    expected.nazwa = "Firma";
    expected.adres = "Polna 1";
    expected.kodp = "30-001";
    expected.miejscowosc = "Kraków";
    EXPECT_EQ(pola.nazwa, expected.nazwa);
    EXPECT_EQ(pola.adres, expected.adres);
    EXPECT_EQ(pola.kodp, expected.kodp);
    EXPECT_EQ(pola.miejscowosc, expected.miejscowosc);
    EXPECT_EQ(pola.rachunek, expected.rachunek);
    EXPECT_EQ(pola.tytulem, expected.tytulem);
    EXPECT_EQ(pola.tytulemcd, expected.tytulemcd);
}

TEST(DekodujAdres, PostcodeLineRules) {
    struct Case {
        const char* linia;
        const char* kodp;
        const char* miejscowosc;
    };
    const Case cases[] = {
        {"00-95", "11-111", "Stare"},   // too short: both unchanged
        {"00-950", "00-950", "Stare"},  // postcode only
        {"00-950X", "00-950", "X"},     // the town starts at the 7th character
        {"żółć-9 Ęą", "żółć-9", "Ęą"},  // characters, not bytes
        {"   ", "11-111", "Stare"},     // empty after trimming
    };
    for (const auto& c : cases) {
        DekodowanyAdres pola = wypelnione();
        dekoduj_adres(std::string("n\na\n") + c.linia, false, pola);
        EXPECT_EQ(pola.kodp, c.kodp) << c.linia;
        EXPECT_EQ(pola.miejscowosc, c.miejscowosc) << c.linia;
    }
}

TEST(DekodujAdres, EmptyLinesKeepTheirEdits) {
    DekodowanyAdres pola = wypelnione();
    dekoduj_adres("\n\n\nPL61109010140000071219812874", false, pola);
    EXPECT_EQ(pola.nazwa, "stara nazwa");
    EXPECT_EQ(pola.adres, "stary adres");
    EXPECT_EQ(pola.rachunek, "PL61109010140000071219812874");
}

}  // namespace
}  // namespace zlx
