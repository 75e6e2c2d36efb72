#include "payments/mikrorachunek.h"

#include <gtest/gtest.h>

#include "payments/rachunek.h"

namespace zlx {
namespace {

TEST(Mikrorachunek, FromNipOrPesel) {
    struct Case {
        char typ;
        const char* id;
        const char* konto;
    };
    const Case cases[] = {
        {'N', "1234563218", "88101000712222123456321800"},
        {'N', "PL 123-456-32-18", "88101000712222123456321800"},
        {'n', "1234563218", "88101000712222123456321800"},
        {'P', "90010112349", "04101000712221900101123490"},
        {'N', "1234563219", ""},   // wrong NIP
        {'P', "90010112340", ""},  // wrong PESEL
        {'N', "90010112349", ""},  // a PESEL given as NIP
        {'R', "123456785", ""},    // REGON makes no micro-account
        {'1', "ABC123456", ""},
    };
    for (const Case& c : cases) {
        const std::string k = mikrorachunek(c.typ, c.id);
        EXPECT_EQ(k, c.konto) << c.typ << " " << c.id;
        if (!k.empty()) {
            EXPECT_TRUE(sprawdz_rachunek(k).poprawny) << k;
        }
    }
}

TEST(Mikrorachunek, WhichSymbolsGoThere) {
    for (const char* s :
         {"VAT-7",  "VAT-7K", "VAT-8", "VAT-9M", "PIT-4R",  "PIT-8AR", "PIT-5", "PIT-36",   "PIT-36L",
          "PIT-28", "PIT-37", "CIT",   "CIT-8",  "CIT-10Z", "PPL",     "PPE",   "PSD",      "KOP",
          "POG",    "GHD",    "DSF",   "ALK",    "CUK",     "DRA",     "WRO",   " vat-7k ", "PIT4R"})
        EXPECT_TRUE(symbol_na_mikrorachunek(s)) << s;
    for (const char* s : {"PCC-3", "SD-3", "AKC-4", "IFT-1R", "VATX", "PITY", "PP", "", "OPL"})
        EXPECT_FALSE(symbol_na_mikrorachunek(s)) << s;
}

}  // namespace
}  // namespace zlx
