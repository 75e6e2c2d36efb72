#include "core/fitting.h"

#include <gtest/gtest.h>

#include <string>

namespace zlx {
namespace {

TEST(Przytnij, TrimsOnlyWhenItCuts) {
    struct Case {
        const char* text;
        std::int16_t n;
        const char* expected;
    };
    const Case cases[] = {
        {"  ab  ", 5, "  ab  "}, {"  abcdef  ", 3, "abc"}, {"", 3, ""},     {"abc", 0, ""},
        {"ąęść", 2, "ąę"},       {"ąęść", 4, "ąęść"},       {" żółw ", 3, "żół"}, {"abc", -1, ""},
        {"   ", 0, "   "},  // nothing to cut, so nothing trimmed
    };
    for (const auto& c : cases) EXPECT_EQ(przytnij(c.text, c.n), c.expected) << '"' << c.text << '"';
}

TEST(TylkoCyfry, KeepsDigitsInOrder) {
    EXPECT_EQ(tylko_cyfry("PL 61 1090-1014"), "61109010" "14");
    EXPECT_EQ(tylko_cyfry("brak cyfr"), "");
    EXPECT_EQ(tylko_cyfry("ą1ę2"), "12");
}

std::string repeat(const std::string& unit, int times) {
    std::string s;
    for (int i = 0; i < times; ++i) s += unit;
    return s;
}

TEST(DzielTekst, CutsIntoPiecesOfN) {
    const std::string a34 = repeat("a", 34);
    TDzielTekst t = dziel_tekst(35, a34);
    EXPECT_EQ(t.linia1, a34);
    EXPECT_EQ(t.linia2, "");

    t = dziel_tekst(35, repeat("b", 35));
    EXPECT_EQ(t.linia1, repeat("b", 35));
    EXPECT_EQ(t.linia2, "");

    t = dziel_tekst(35, repeat("c", 35) + "X");
    EXPECT_EQ(t.linia1, repeat("c", 35));
    EXPECT_EQ(t.linia2, "X");

    std::string six = repeat("1", 35) + repeat("2", 35) + repeat("3", 35) + repeat("4", 35) + repeat("5", 35) +
                      repeat("6", 35);
    t = dziel_tekst(35, six);
    EXPECT_EQ(t.linia6, repeat("6", 35));
    TDzielTekst longer = dziel_tekst(35, six + repeat("7", 20));
    EXPECT_EQ(longer.linia1, t.linia1);
    EXPECT_EQ(longer.linia6, t.linia6);

    t = dziel_tekst(35, "");
    for (const std::string* l : {&t.linia1, &t.linia2, &t.linia3, &t.linia4, &t.linia5, &t.linia6})
        EXPECT_EQ(*l, "");
}

TEST(DzielTekst, PolishLettersCountAsOneAtTheCut) {
    // 3-character pieces of a text made of two-byte letters: a byte count would split a letter.
    TDzielTekst t = dziel_tekst(3, "ąęśćźż ó");
    EXPECT_EQ(t.linia1, "ąęś");
    EXPECT_EQ(t.linia2, "ćźż");
    EXPECT_EQ(t.linia3, " ó");
    EXPECT_EQ(dziel_tekst(35, repeat("ł", 34)).linia1, repeat("ł", 34));
}

TEST(DopiszLinie, JoinsWithLineFeed) {
    std::string target;
    dopisz_linie(target, "abc");
    EXPECT_EQ(target, "abc");
    dopisz_linie(target, "de");
    EXPECT_EQ(target, "abc\nde");
    dopisz_linie(target, "");
    EXPECT_EQ(target, "abc\nde\n");
}

}  // namespace
}  // namespace zlx
