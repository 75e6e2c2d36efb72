#include "transfers/format_kwoty.h"

#include <gtest/gtest.h>

namespace zlx {
namespace {

TEST(FormatKwoty, GridAndEditTexts) {
    struct Case {
        std::int64_t raw;
        const char* siatka;
        const char* edycja;
    };
    const Case cases[] = {
        {0, "0,00", "0,00"},
        {12345000, "1 234,50", "1 234,50"},
        {12345025, "1 234,50", "1 234,5025"},
        {12345050, "1 234,51", "1 234,505"},
        {1234567890000, "123 456 789,00", "123 456 789,00"},
        {9990000, "999,00", "999,00"},
        {-12345000, "-1 234,50", "-1 234,50"},
        {-50, "-0,01", "-0,005"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(kwota_w_grupach(Currency::from_raw(c.raw)), c.siatka) << c.raw;
        EXPECT_EQ(kwota_do_edycji(Currency::from_raw(c.raw)), c.edycja) << c.raw;
        // The edit text reads back to the same amount.
        EXPECT_EQ(Currency::parse(kwota_do_edycji(Currency::from_raw(c.raw))), Currency::from_raw(c.raw))
            << c.raw;
    }
}

}  // namespace
}  // namespace zlx
