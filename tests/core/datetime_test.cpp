#include "core/datetime.h"

#include <gtest/gtest.h>

namespace zlx {
namespace {

TEST(TDateTime, DayCountSince1899_12_30) {
    struct Case {
        int y, m, d;
        double serial;
    };
    const Case cases[] = {
        {1899, 12, 30, 0}, {1899, 12, 31, 1}, {1900, 1, 1, 2}, {1970, 1, 1, 25569},
        {2010, 5, 31, 40329}, {2000, 2, 29, 36585}, {2026, 12, 11, 46367},
    };
    for (const auto& c : cases) {
        TDateTime t = TDateTime::from_ymd(c.y, c.m, c.d);
        EXPECT_EQ(t.value(), c.serial) << c.y << "-" << c.m << "-" << c.d;
        EXPECT_EQ(t.civil(), (CivilDate{c.y, c.m, c.d}));
    }
}

TEST(TDateTime, FormatsAndParsesIsoDates) {
    TDateTime t = TDateTime::from_ymd_hms(2010, 1, 5, 15, 30, 0);
    EXPECT_EQ(t.to_text(), "2010-01-05");
    EXPECT_EQ(t.to_text_with_time(), "2010-01-05 15:30:00");
    EXPECT_EQ(t.date_only(), TDateTime::from_ymd(2010, 1, 5));
    EXPECT_EQ(TDateTime::parse("2010-01-05 15:30")->to_text_with_time(), "2010-01-05 15:30:00");
    EXPECT_EQ(TDateTime::parse("2024-02-29")->to_text(), "2024-02-29");
    for (const char* bad : {"", "2010-1-5", "2023-02-29", "2010-13-01", "2010-01-05x", "05.01.2010"})
        EXPECT_FALSE(TDateTime::parse(bad).has_value()) << bad;
}

TEST(TDateTime, CalendarArithmetic) {
    EXPECT_EQ(TDateTime::from_ymd(2026, 3, 31).add_months(-1).to_text(), "2026-02-28");
    EXPECT_EQ(TDateTime::from_ymd(2026, 1, 15).add_months(-1).to_text(), "2025-12-15");
    EXPECT_EQ(TDateTime::from_ymd(2026, 3, 15).add_days(-32).to_text(), "2026-02-11");
    EXPECT_EQ(TDateTime::from_ymd(2026, 12, 11).iso_weekday(), 5);  // a Friday
    EXPECT_EQ(TDateTime::from_ymd(1899, 12, 30).iso_weekday(), 6);
}

}  // namespace
}  // namespace zlx
