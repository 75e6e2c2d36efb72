#include "core/datetime.h"

#include <cmath>
#include <cstdio>

#include "core/os.h"

namespace zlx {

namespace {

constexpr long kUnixEpochSerial = 25569;  // 1970-01-01 as a day count since 1899-12-30

// Days since 1970-01-01 of a proleptic Gregorian date.
long days_from_civil(int y, int m, int d) {
    y -= m <= 2 ? 1 : 0;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;
    const long doy = (153L * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

CivilDate civil_from_days(long z) {
    z += 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const long doe = z - era * 146097;
    const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long y = yoe + era * 400;
    const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long mp = (5 * doy + 2) / 153;
    const long d = doy - (153 * mp + 2) / 5 + 1;
    const long m = mp + (mp < 10 ? 3 : -9);
    return {static_cast<int>(y + (m <= 2 ? 1 : 0)), static_cast<int>(m), static_cast<int>(d)};
}

bool read_number(std::string_view text, std::size_t& pos, std::size_t digits, int& out) {
    if (pos + digits > text.size()) return false;
    int v = 0;
    for (std::size_t i = 0; i < digits; ++i) {
        char c = text[pos + i];
        if (c < '0' || c > '9') return false;
        v = v * 10 + (c - '0');
    }
    pos += digits;
    out = v;
    return true;
}

// Joins a day count and a time of day the way the engine keeps them: before the epoch the value is
// negative and the time is taken away from it (-1.25 is 1899-12-29 06:00), so trunc() stays the day.
double day_and_time(long day, double time_of_day) {
    return day < 0 ? static_cast<double>(day) - time_of_day : static_cast<double>(day) + time_of_day;
}

}  // namespace

bool is_leap_year(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int days_in_month(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && is_leap_year(year) ? 29 : kDays[month - 1];
}

std::optional<TDateTime> TDateTime::try_from_ymd(int year, int month, int day) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > days_in_month(year, month))
        return std::nullopt;
    return TDateTime(static_cast<double>(days_from_civil(year, month, day) + kUnixEpochSerial));
}

TDateTime TDateTime::from_ymd(int year, int month, int day) {
    auto d = try_from_ymd(year, month, day);
    return d ? *d : TDateTime();
}

TDateTime TDateTime::from_ymd_hms(int year, int month, int day, int hour, int minute, int second) {
    TDateTime d = from_ymd(year, month, day);
    return TDateTime(day_and_time(d.day_number(), (hour * 3600 + minute * 60 + second) / 86400.0));
}

TDateTime TDateTime::now() {
    os::LocalTime t = os::local_time_now();
    return from_ymd_hms(t.year, t.month, t.day, t.hour, t.minute, t.second);
}

TDateTime TDateTime::today() { return now().date_only(); }

std::optional<TDateTime> TDateTime::parse(std::string_view text) {
    std::size_t pos = 0;
    int y = 0, m = 0, d = 0;
    if (!read_number(text, pos, 4, y) || pos >= text.size() || text[pos++] != '-' ||
        !read_number(text, pos, 2, m) || pos >= text.size() || text[pos++] != '-' ||
        !read_number(text, pos, 2, d))
        return std::nullopt;
    auto date = try_from_ymd(y, m, d);
    if (!date) return std::nullopt;
    if (pos == text.size()) return date;
    int hh = 0, mm = 0, ss = 0;
    if (text[pos++] != ' ' || !read_number(text, pos, 2, hh) || pos >= text.size() || text[pos++] != ':' ||
        !read_number(text, pos, 2, mm))
        return std::nullopt;
    if (pos < text.size()) {
        if (text[pos++] != ':' || !read_number(text, pos, 2, ss) || pos != text.size()) return std::nullopt;
    }
    if (hh > 23 || mm > 59 || ss > 59) return std::nullopt;
    return TDateTime(day_and_time(date->day_number(), (hh * 3600 + mm * 60 + ss) / 86400.0));
}

TDateTime TDateTime::add_days(long days) const {
    return TDateTime(day_and_time(day_number() + days, std::fabs(value_ - std::trunc(value_))));
}

long TDateTime::day_number() const {
    return static_cast<long>(std::trunc(value_));
}

TDateTime TDateTime::date_only() const {
    return TDateTime(static_cast<double>(day_number()));
}

CivilDate TDateTime::civil() const {
    return civil_from_days(day_number() - kUnixEpochSerial);
}

void TDateTime::time_of_day(int& hour, int& minute, int& second) const {
    double fraction = std::fabs(value_ - std::trunc(value_));
    long total = std::lround(fraction * 86400.0);
    if (total >= 86400) total = 86399;
    hour = static_cast<int>(total / 3600);
    minute = static_cast<int>(total / 60 % 60);
    second = static_cast<int>(total % 60);
}

int TDateTime::iso_weekday() const {
    // 1899-12-30 was a Saturday (ISO 6).
    long n = (day_number() + 5) % 7;
    if (n < 0) n += 7;
    return static_cast<int>(n) + 1;
}

TDateTime TDateTime::add_months(int months) const {
    CivilDate c = civil();
    int index = c.year * 12 + (c.month - 1) + months;
    int y = index / 12;
    int m = index % 12 + 1;
    int d = c.day > days_in_month(y, m) ? days_in_month(y, m) : c.day;
    return TDateTime(day_and_time(from_ymd(y, m, d).day_number(), std::fabs(value_ - std::trunc(value_))));
}

std::string TDateTime::to_text() const {
    CivilDate c = civil();
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", c.year, c.month, c.day);
    return buf;
}

std::string TDateTime::to_text_with_time() const {
    int h = 0, m = 0, s = 0;
    time_of_day(h, m, s);
    char buf[16];
    std::snprintf(buf, sizeof buf, " %02d:%02d:%02d", h, m, s);
    return to_text() + buf;
}

}  // namespace zlx
