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

// Before 1899-12-30 the count is negative and the time of day is its fraction taken away from the
// day: 1899-12-29 06:00 is -1.25, as the database engine and the older version keep it.
TEST(TDateTime, TimesOfDayBeforeTheEpochKeepTheirDay) {
    struct Case {
        const char* text;
        double value;
    } cases[] = {
        {"1899-12-29 06:00:00", -1.25},
        {"1899-12-29 18:00:00", -1.75},
        {"1899-12-30 06:00:00", 0.25},
        {"1005-05-31 10:30:00", TDateTime::from_ymd(1005, 5, 31).value() - 0.4375},
        {"0100-01-01 23:59:59", TDateTime::from_ymd(100, 1, 1).value() - 86399 / 86400.0},
    };
    for (const Case& c : cases) {
        std::optional<TDateTime> t = TDateTime::parse(c.text);
        ASSERT_TRUE(t.has_value()) << c.text;
        EXPECT_DOUBLE_EQ(t->value(), c.value) << c.text;
        EXPECT_EQ(t->to_text_with_time(), c.text);
        int h = 0, m = 0, s = 0;
        t->time_of_day(h, m, s);
        EXPECT_EQ(TDateTime::from_ymd_hms(t->year(), t->month(), t->day(), h, m, s).to_text_with_time(),
                  c.text);
    }
    const TDateTime early = *TDateTime::parse("1899-12-29 06:00");
    EXPECT_EQ(early.add_days(2).to_text_with_time(), "1899-12-31 06:00:00");
    EXPECT_EQ(early.add_days(-1).to_text_with_time(), "1899-12-28 06:00:00");
    EXPECT_EQ(early.add_months(1).to_text_with_time(), "1900-01-29 06:00:00");
    EXPECT_EQ(TDateTime::parse("1900-01-01 06:00")->add_days(-3).to_text_with_time(), "1899-12-29 06:00:00");
    EXPECT_EQ(TDateTime::parse("1900-01-31 06:00")->add_months(-1).to_text_with_time(),
              "1899-12-31 06:00:00");
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
