#include "db/sql_format.h"

#include <gtest/gtest.h>

namespace zlx {
namespace {

TEST(SqlFormat, TextsAreQuotedWithQuotesDoubled) {
    EXPECT_EQ(sql_str(""), "''");
    EXPECT_EQ(sql_str("O'Neil"), "'O''Neil'");
    EXPECT_EQ(sql_str("a''b"), "'a''''b'");
    EXPECT_EQ(sql_str("Łódź"), "'Łódź'");
    EXPECT_EQ(sql_str(std::string_view("a\0'\0b", 5)), "'a''b'");
}

TEST(SqlFormat, NumbersDatesAndAmounts) {
    EXPECT_EQ(sql_int(0), "0");
    EXPECT_EQ(sql_int(-17), "-17");
    EXPECT_EQ(sql_date(TDateTime::from_ymd_hms(2010, 1, 5, 15, 30, 0)), "'2010-01-05'");
    EXPECT_EQ(sql_money(Currency()), "'0,00'");
    EXPECT_EQ(sql_money(*Currency::parse("1234,5")), "'1234,50'");
    EXPECT_EQ(sql_money(*Currency::parse("-0,005")), "'-0,01'");
}

TEST(SqlFormat, DateRangeFragment) {
    struct Case {
        int mode;
        TDateTime from, to;
        const char* expected;
    } cases[] = {
        {0, TDateTime::from_ymd(2010, 1, 5), TDateTime::from_ymd(2010, 12, 31),
         " data BETWEEN  #1/5/10#  AND  #12/31/10#  "},
        {0, TDateTime::from_ymd(2005, 5, 31), TDateTime::from_ymd(2026, 3, 15),
         " data BETWEEN  #5/31/05#  AND  #3/15/26#  "},
        // Two digits would read back as 1930 and 2028: the full year keeps the range right.
        {0, TDateTime::from_ymd(2030, 1, 1), TDateTime::from_ymd(1928, 2, 3),
         " data BETWEEN  #1/1/2030#  AND  #2/3/1928#  "},
        {-1, TDateTime::from_ymd(2010, 1, 5), TDateTime::from_ymd(2010, 12, 31), ""},
        {3, TDateTime::from_ymd(2010, 1, 5), TDateTime::from_ymd(2010, 12, 31), ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(sql_okres_daty(c.mode, c.from, c.to), c.expected) << c.expected;
}

}  // namespace
}  // namespace zlx
