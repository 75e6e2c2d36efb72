#include "core/slownie.h"

#include <gtest/gtest.h>

namespace zlx {
namespace {

TEST(SlownieCyframi, SpellsEachDigit) {
    struct Case {
        const char* amount;
        int mode;
        const char* words;
    };
    const Case cases[] = {
        {"1234,5", 0, "jed*dwa*trz*czt*zł pie*zer*gr"},
        {"1234,5", 2, "jed*dwa*trz*czt* pie*zer*"},
        {"0", 0, "zer*zł zer*zer*gr"},
        {"7,05", 2, "sie* zer*pie*"},
        {"0,999", 0, "jed*zł zer*zer*gr"},
        {"-12,5", 0, "jed*dwa*zł pie*zer*gr"},
        {"1000000", 0, "jed*zer*zer*zer*zer*zer*zer*zł zer*zer*gr"},
        {"9876543210,98", 2, "dzi*osi*sie*sze*pie*czt*trz*dwa*jed*zer* dzi*osi*"},
        {"12", 1, ""},
        {"12", -1, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(slownie_cyframi(c.mode, Currency::parse(c.amount).value()), c.words) << c.amount;
}

TEST(SlownieCyframi, DigitWords) {
    const char* words[] = {"zer", "jed", "dwa", "trz", "czt", "pie", "sze", "sie", "osi", "dzi"};
    for (int d = 0; d <= 9; ++d) EXPECT_EQ(slowo_cyfry(d), words[d]);
    EXPECT_EQ(slowo_cyfry(10), "");
    EXPECT_EQ(slowo_cyfry(-1), "");
}

}  // namespace
}  // namespace zlx
