#include "export/kodowanie.h"

#include <gtest/gtest.h>

#include <string>

namespace zlx {
namespace {

const std::string kPolskie = "ĄĆĘŁŃÓŚŹŻąćęłńóśźż";

std::string bytes(std::initializer_list<unsigned char> b) {
    return std::string(b.begin(), b.end());
}

TEST(Kodowanie, EighteenPolishLettersByteForByte) {
    struct Case {
        int kodowanie;
        std::string expected;
    };
    const Case cases[] = {
        {0, bytes({0xA5, 0xC6, 0xCA, 0xA3, 0xD1, 0xD3, 0x8C, 0x8F, 0xAF, 0xB9, 0xE6, 0xEA, 0xB3, 0xF1, 0xF3,
                   0x9C, 0x9F, 0xBF})},
        {1, bytes({0xC4, 0x84, 0xC4, 0x86, 0xC4, 0x98, 0xC5, 0x81, 0xC5, 0x83, 0xC3, 0x93,
                   0xC5, 0x9A, 0xC5, 0xB9, 0xC5, 0xBB, 0xC4, 0x85, 0xC4, 0x87, 0xC4, 0x99,
                   0xC5, 0x82, 0xC5, 0x84, 0xC3, 0xB3, 0xC5, 0x9B, 0xC5, 0xBA, 0xC5, 0xBC})},
        {2, bytes({0xA1, 0xC6, 0xCA, 0xA3, 0xD1, 0xD3, 0xA6, 0xAC, 0xAF, 0xB1, 0xE6, 0xEA, 0xB3, 0xF1, 0xF3,
                   0xB6, 0xBC, 0xBF})},
        {3, "ACELNOSZZacelnoszz"},
        {7, bytes({0xA5, 0xC6, 0xCA, 0xA3, 0xD1, 0xD3, 0x8C, 0x8F, 0xAF, 0xB9, 0xE6, 0xEA, 0xB3, 0xF1, 0xF3,
                   0x9C, 0x9F, 0xBF})},
    };
    for (const Case& c : cases)
        EXPECT_EQ(zakoduj(kPolskie, c.kodowanie), c.expected) << c.kodowanie;
}

TEST(Kodowanie, OtherCharactersAndLineEnds) {
    // ASCII and the line end pass through every encoding; no byte-order mark in UTF-8.
    const std::string ascii = "110,\"Ab 12|/-\"\r\n";
    for (int k : {0, 1, 2, 3})
        EXPECT_EQ(zakoduj(ascii, k), ascii) << k;
    EXPECT_EQ(zakoduj("ł", 1), bytes({0xC5, 0x82}));
    EXPECT_EQ(zakoduj("", 1), "");
    // A character the code page lacks becomes '?'; the euro sign exists in Windows-1250 only.
    EXPECT_EQ(zakoduj("€ Ж", 0), bytes({0x80, 0x20, '?'}));
    EXPECT_EQ(zakoduj("€ Ж", 2), "? ?");
    EXPECT_EQ(zakoduj("ü€", 3), bytes({0xFC, 0x80}));
    // Broken UTF-8 never reaches the file as it is.
    EXPECT_EQ(zakoduj(bytes({'a', 0xC5}), 1), "a\xEF\xBF\xBD");
}

TEST(Kodowanie, BezPolskichZnakow) {
    EXPECT_EQ(bez_polskich_znakow("Źdźbło Łąki"), "Zdzblo Laki");
    EXPECT_EQ(bez_polskich_znakow("Müller – Żółć"), "Müller – Zolc");
}

}  // namespace
}  // namespace zlx
