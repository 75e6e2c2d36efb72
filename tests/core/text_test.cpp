#include "core/text.h"

#include <gtest/gtest.h>

namespace zlx {
namespace {

TEST(Text, CountsAndCutsCharactersNotBytes) {
    EXPECT_EQ(utf8_length("Zażółć gęślą jaźń"), 17u);
    EXPECT_EQ(utf8_left("Łódź", 2), "Łó");
    EXPECT_EQ(utf8_substr("ąęśćź", 1, 3), "ęść");
    EXPECT_EQ(utf8_substr("abc", 5, 2), "");
    EXPECT_EQ(utf8_chars("aż").size(), 2u);
    EXPECT_EQ(utf8_sanitize("a\xff" "b"), "a?b");
}

TEST(Text, TrimsBlanksAndControlsOnly) {
    EXPECT_EQ(trim("  \t ab c \r\n"), "ab c");
    EXPECT_EQ(trim("\xC2\xA0x"), "\xC2\xA0x");  // a no-break space is not a blank here
    EXPECT_EQ(trim_left("  ż "), "ż ");
    EXPECT_EQ(trim_right("  ż "), "  ż");
    EXPECT_EQ(trim(""), "");
}

TEST(Text, PolishCase) {
    EXPECT_EQ(upper_pl("zażółć gęślą jaźń"), "ZAŻÓŁĆ GĘŚLĄ JAŹŃ");
    EXPECT_EQ(lower_pl("ŁÓDŹ"), "łódź");
    EXPECT_TRUE(equals_ci("ŁÓDŹ", "łódź"));
    EXPECT_TRUE(equals_ci("KARTOTEKA", "kartoteka"));
    EXPECT_FALSE(equals_ci("lodz", "łódź"));
}

TEST(Text, WholeNumbers) {
    EXPECT_EQ(to_int("27", 0), 27);
    EXPECT_EQ(to_int(" -3 ", 0), -3);
    EXPECT_EQ(to_int("+5", 0), 5);
    for (const char* bad : {"", "abc", "1.5", "12x", "99999999999"}) EXPECT_EQ(to_int(bad, 7), 7) << bad;
}

}  // namespace
}  // namespace zlx
