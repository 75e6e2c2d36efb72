#include "transfers/okres.h"

#include <gtest/gtest.h>

namespace zlx {
namespace {

TDateTime d(int y, int m, int day) {
    return TDateTime::from_ymd(y, m, day);
}

TEST(OkresSchematu, PresetsCountFromToday) {
    struct Case {
        TDateTime dzisiaj;
        int pozycja;
        TDateTime od, do_;
    };
    const Case cases[] = {
        {d(2026, 3, 15), 0, d(2026, 3, 15), d(2026, 3, 15)},
        {d(2026, 3, 1), 1, d(2026, 2, 28), d(2026, 2, 28)},
        {d(2026, 3, 3), kOkresOstatniTydzien, d(2026, 2, 24), d(2026, 3, 3)},
        {d(2024, 2, 10), 3, d(2024, 2, 1), d(2024, 2, 29)},
        {d(2026, 2, 10), 3, d(2026, 2, 1), d(2026, 2, 28)},
        {d(2026, 4, 30), 3, d(2026, 4, 1), d(2026, 4, 30)},
        {d(2024, 3, 31), 4, d(2024, 2, 1), d(2024, 2, 29)},
        {d(2026, 1, 15), 4, d(2025, 12, 1), d(2025, 12, 31)},
        {d(2026, 7, 4), 5, d(2026, 1, 1), d(2026, 12, 31)},
        {d(2026, 1, 1), 6, d(2025, 1, 1), d(2025, 12, 31)},
    };
    for (const auto& c : cases) {
        const Okres o = okres_schematu(c.pozycja, c.dzisiaj);
        EXPECT_EQ(o.od.to_text(), c.od.to_text()) << c.pozycja << " " << c.dzisiaj.to_text();
        EXPECT_EQ(o.do_.to_text(), c.do_.to_text()) << c.pozycja << " " << c.dzisiaj.to_text();
    }
}

TEST(OkresSchematu, TimeOfDayIsDropped) {
    const Okres o = okres_schematu(0, TDateTime::from_ymd_hms(2026, 3, 15, 13, 30, 0));
    EXPECT_EQ(o.od, d(2026, 3, 15));
    EXPECT_EQ(o.do_, d(2026, 3, 15));
}

}  // namespace
}  // namespace zlx
