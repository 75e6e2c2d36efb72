#pragma once

// Date-time as a count of days since 1899-12-30 with the time of day as the fraction, the form the
// records, the database and the day arithmetic of the screens share. The whole part is the date; before
// the epoch the value is negative and the time of day counts away from zero (-1.25 is 1899-12-29 06:00).

#include <compare>
#include <optional>
#include <string>
#include <string_view>

namespace zlx {

struct CivilDate {
    int year = 1899;
    int month = 12;
    int day = 30;
    auto operator<=>(const CivilDate&) const = default;
};

class TDateTime {
public:
    constexpr TDateTime() = default;
    constexpr explicit TDateTime(double days) : value_(days) {}

    static TDateTime from_ymd(int year, int month, int day);
    static TDateTime from_ymd_hms(int year, int month, int day, int hour, int minute, int second);
    // Returns nothing when the parts do not make a calendar date.
    static std::optional<TDateTime> try_from_ymd(int year, int month, int day);
    // Returns the local date and time now, and the local date alone.
    static TDateTime now();
    static TDateTime today();
    // Reads "yyyy-mm-dd", optionally followed by " hh:mm" or " hh:mm:ss".
    static std::optional<TDateTime> parse(std::string_view text);

    constexpr double value() const { return value_; }
    // Returns the date alone (the time dropped).
    TDateTime date_only() const;
    CivilDate civil() const;
    int year() const { return civil().year; }
    int month() const { return civil().month; }
    int day() const { return civil().day; }
    // Returns the day count of the date part (whole days since 1899-12-30).
    long day_number() const;
    // Returns hours, minutes and seconds of the time of day.
    void time_of_day(int& hour, int& minute, int& second) const;
    // ISO weekday: 1 Monday … 7 Sunday.
    int iso_weekday() const;

    TDateTime add_days(long days) const;
    // Returns the same day n months later (or earlier), clamped to the month's last day.
    TDateTime add_months(int months) const;

    // Returns "yyyy-mm-dd".
    std::string to_text() const;
    // Returns "yyyy-mm-dd hh:mm:ss".
    std::string to_text_with_time() const;

    constexpr auto operator<=>(const TDateTime&) const = default;

private:
    double value_ = 0.0;
};

bool is_leap_year(int year);
int days_in_month(int year, int month);

}  // namespace zlx
