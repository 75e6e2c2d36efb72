#include "core/currency.h"

#include <gtest/gtest.h>

namespace zlx {
namespace {

struct TextCase {
    std::int64_t raw;
    const char* text;
};

TEST(Currency, FormatsTwoDecimalsRoundingHalfAwayFromZero) {
    const TextCase cases[] = {
        {0, "0,00"},           {12345000, "1234,50"}, {50, "0,01"},     {-50, "-0,01"},
        {49, "0,00"},          {-49, "0,00"},         {9990, "1,00"},   {-125000, "-12,50"},
        {10000000000, "1000000,00"}, {1, "0,00"},      {150, "0,02"},    {-150, "-0,02"},
    };
    for (const auto& c : cases) EXPECT_EQ(Currency::from_raw(c.raw).to_text(), c.text) << c.raw;
    EXPECT_EQ(Currency::from_raw(12345000).to_text('.'), "1234.50");
}

TEST(Currency, ParsesCommaOrDot) {
    const TextCase cases[] = {
        {12345000, "1234,50"}, {12345000, "1234.5"},  {12345000, " 1234,50 "}, {-125000, "-12,5"},
        {5000, ",5"},          {10000, "1"},          {12345678, "1234,5678"}, {12345679, "1234,56785"},
        {12345000, "1 234,50"}, {0, "0"},            {-10000, "- 1"},
    };
    for (const auto& c : cases) {
        auto v = Currency::parse(c.text);
        ASSERT_TRUE(v.has_value()) << c.text;
        EXPECT_EQ(v->raw(), c.raw) << c.text;
    }
}

TEST(Currency, RefusesWhatIsNotAnAmount) {
    for (const char* text : {"", " ", "abc", "12a", "1,2,3", "--1", ",", "1 234 ,5", "99999999999999999999"})
        EXPECT_FALSE(Currency::parse(text).has_value()) << text;
}

TEST(Currency, GroszeAndSumsStayExact) {
    EXPECT_EQ(Currency::from_raw(12345).grosze(), 123);
    EXPECT_EQ(Currency::from_raw(12350).grosze(), 124);
    EXPECT_EQ(Currency::from_raw(-12350).grosze(), -124);
    // A tenth of a grosz a million times sums exactly: a double would drift.
    Currency total;
    for (int i = 0; i < 1000000; ++i) total += Currency::parse("0,01").value();
    EXPECT_EQ(total.to_text(), "10000,00");
}

}  // namespace
}  // namespace zlx
