// zlecenix-cli sprawdz and mikrorachunek, run as a user runs them.

#include <gtest/gtest.h>

#include "tests/support/cli_run.h"

namespace zlx::test {
namespace {

CliRun cli(std::initializer_list<std::string> args) {
    TempFolder folder;
    return run_cli(ZLX_CLI, folder, args);
}

TEST(CliSprawdz, PrintsWhetherValidAndWhy) {
    struct Case {
        std::initializer_list<std::string> args;
        int status;
        const char* out;
    };
    const Case cases[] = {
        {{"sprawdz", "rachunek", "PL95 1140 2004 0000 0000 0000 0123"},
         0,
         "Rachunek 95114020040000000000000123 jest poprawny: numer rozliczeniowy banku 11402004\n"},
        // Typed unquoted with blanks: the pieces make one number.
        {{"sprawdz", "rachunek", "70", "1140", "2005", "0000", "0000", "0000", "0123"},
         1,
         "Rachunek 70114020050000000000000123 jest błędny: błędna cyfra kontrolna numeru rozliczeniowego "
         "banku "
         "11402005\n"},
        {{"sprawdz", "nip", "123-456-32-18"}, 0, "NIP 1234563218 jest poprawny\n"},
        {{"sprawdz", "nip", "1234563219"}, 1, "NIP 1234563219 jest błędny: błędna cyfra kontrolna\n"},
        {{"sprawdz", "regon", "12345678"}, 1, "REGON 12345678 jest błędny: ma 8 cyfr zamiast 9 lub 14\n"},
        {{"sprawdz", "pesel", "90010112349"},
         0,
         "PESEL 90010112349 jest poprawny: data urodzenia 1990-01-01\n"},
        {{"sprawdz", "nrs", "68600000020260011234563218", "--nip", "1234563218"},
         0,
         "NRS 68600000020260011234563218 jest poprawny: NIP płatnika 1234563218, zakres 001\n"},
        {{"sprawdz", "nrs", "--nip", "7262001122", "68600000020260011234563218"},
         1,
         "NRS 68600000020260011234563218 jest błędny: ostatnie 10 cyfr (1234563218) to nie NIP płatnika "
         "7262001122\n"},
        {{"sprawdz", "nrs", "68600000020260011234563218"},
         0,
         "NRS 68600000020260011234563218 jest poprawny: NIP płatnika 1234563218, zakres 001 (zgodności z "
         "NIP-em płatnika nie sprawdzono)\n"},
        {{"sprawdz", "ksef", "5265877635-20250826-0100001AF629-AF"},
         0,
         "Numer KSeF 5265877635-20250826-0100001AF629-AF jest poprawny: NIP wystawcy 5265877635, data "
         "2025-08-26\n"},
        {{"sprawdz", "nip", ""}, 1, "NIP \"\" jest błędny: jest pusty\n"},
    };
    for (const Case& c : cases) {
        const CliRun r = cli(c.args);
        EXPECT_EQ(r.status, c.status) << r.out << r.err;
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.err, "");
    }
}

TEST(CliSprawdz, WrongUseExitsTwo) {
    for (std::initializer_list<std::string> args :
         {std::initializer_list<std::string>{"sprawdz"},
          {"sprawdz", "nip"},
          {"sprawdz", "iban", "1"},
          {"sprawdz", "nip", "1234563218", "--nip", "1234563218"},
          {"sprawdz", "nrs", "68600000020260011234563218", "--nip"}}) {
        const CliRun r = cli(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find("użycie: zlecenix-cli sprawdz"), std::string::npos) << r.err;
    }
}

TEST(CliMikrorachunek, FromNipOrPesel) {
    CliRun r = cli({"mikrorachunek", "PL 123-456-32-18"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "88 1010 0071 2222 1234 5632 1800\n");
    r = cli({"mikrorachunek", "90010112349"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "04 1010 0071 2221 9001 0112 3490\n");

    r = cli({"mikrorachunek", "1234563219"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "NIP 1234563219 jest błędny: błędna cyfra kontrolna\n");
    r = cli({"mikrorachunek"});
    EXPECT_EQ(r.status, 2);
}

}  // namespace
}  // namespace zlx::test
