#include "payments/tytul_podatkowy.h"

#include <gtest/gtest.h>

namespace zlx {
namespace {

DaneTytuluUs dane(const char* symbol, const char* typ_okresu, const char* nr, const char* txt) {
    return {"N", "123-456-32-18", "26", typ_okresu, nr, symbol, txt};
}

TEST(TytulPodatkowy, SplitsAtTagBoundaries) {
    struct Case {
        DaneTytuluUs d;
        const char* tytul;
    };
    const Case cases[] = {
        // 15 + 10 characters; the symbol tag would make 36, so it starts the second sub-line whole.
        {dane("VAT-7K", "K", "01", ""), "/TI/N1234563218/OKR/26K01|/SFP/VAT-7K/TXT/"},
        // Exactly 35 characters fit one sub-line.
        {dane("VAT-7", "M", "02", "abc"), "/TI/N1234563218/OKR/26M02/SFP/VAT-7|/TXT/abc"},
        {dane("PIT-36L", "R", "", "zeznanie roczne"),
         "/TI/N1234563218/OKR/26R/SFP/PIT-36L|/TXT/zeznanie roczne"},
        {dane("PIT-4R", "D", "0205", ""), "/TI/N1234563218/OKR/26D0205|/SFP/PIT-4R/TXT/"},
        {dane("CIT-8", "J", "0504", ""), "/TI/N1234563218/OKR/26J0504|/SFP/CIT-8/TXT/"},
        // The identification is cut to 20 characters, Polish letters counted as one.
        {dane("VAT-7", "M", "02", "Zobowiązanie za luty 2026 korekta"),
         "/TI/N1234563218/OKR/26M02/SFP/VAT-7|/TXT/Zobowiązanie za luty"},
        // Identifier of another kind: letters and digits only, at most 14; the symbol at most 7.
        {{"2", "AB 123-456/789-0123", "2026", "M", "1", "PIT-8AR-X", ""},
         "/TI/2AB123456789012/OKR/26M1|/SFP/PIT-8AR/TXT/"},
        // A NIP written with "PL" loses the letters; no period at all gives "0".
        {{"n", "PL1234563218", "", "", "", "ppl", ""}, "/TI/N1234563218/OKR/0/SFP/PPL/TXT/"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(tytul_podatkowy(c.d), c.tytul);
}

TEST(TytulPodatkowy, EverySubLineFitsAndNoTokenIsCut) {
    const DaneTytuluUs d{"1", "ABCDEFGHIJKLMNOPQ", "26", "M", "12", "PIT-36L", std::string(30, 'x')};
    const std::string t = tytul_podatkowy(d);
    EXPECT_EQ(t, "/TI/1ABCDEFGHIJKLMN/OKR/26M12|/SFP/PIT-36L|/TXT/" + std::string(20, 'x'));
    std::size_t od = 0;
    int linie = 0;
    for (std::size_t bar = 0; bar != std::string::npos; od = bar + 1, ++linie) {
        bar = t.find('|', od);
        EXPECT_LE(t.substr(od, bar == std::string::npos ? bar : bar - od).size(), 35u);
    }
    EXPECT_LE(linie, 4);
}

TEST(TytulPodatkowy, SubLinePacking) {
    EXPECT_EQ(podlinie({"aaa", "bbb", "ccc"}, 6), "aaabbb|ccc");
    EXPECT_EQ(podlinie({"ąęś", "łóż"}, 6), "ąęśłóż");  // characters, not bytes
    // Only a piece longer than a sub-line is cut, into whole sub-lines.
    EXPECT_EQ(podlinie({"ab", "cdefghijk", "l"}, 4), "ab|cdef|ghij|kl");
    EXPECT_EQ(podlinie({"aaaa", "bbbb", "cccc", "dddd", "eeee"}, 4), "aaaa|bbbb|cccc|dddd");
    EXPECT_EQ(podlinie({}, 4), "");
}

}  // namespace
}  // namespace zlx
