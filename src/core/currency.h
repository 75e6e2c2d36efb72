#pragma once

// Money as an exact count of 1/10000 złoty (four decimals, as the database's money columns keep it).
// No double ever holds an amount in storage or in totals. Shown with two decimals, rounded half away
// from zero, and the decimal comma: 1234,5 shows as "1234,50", 0,005 as "0,01", -0,005 as "-0,01".

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zlx {

class Currency {
public:
    static constexpr std::int64_t kScale = 10000;

    constexpr Currency() = default;
    static constexpr Currency from_raw(std::int64_t ten_thousandths) {
        Currency c;
        c.raw_ = ten_thousandths;
        return c;
    }
    static constexpr Currency from_grosze(std::int64_t grosze) { return from_raw(grosze * 100); }
    static constexpr Currency from_zloty(std::int64_t zloty) { return from_raw(zloty * kScale); }

    // Reads an amount as a user or the database writes it: optional blanks and sign, digits, a comma or
    // a dot, decimals. Blanks between digit groups ("1 234,50") are allowed. Decimals past the fourth
    // are rounded half away from zero. Returns nothing for text that is not an amount.
    static std::optional<Currency> parse(std::string_view text);

    constexpr std::int64_t raw() const { return raw_; }

    // Returns the amount in grosze, rounded half away from zero.
    std::int64_t grosze() const;
    // Returns the amount rounded to whole grosze (two decimals), half away from zero.
    Currency rounded_to_grosze() const { return from_grosze(grosze()); }

    // Returns "1234,50": two decimals, decimal comma, no thousands separator.
    std::string to_text() const;
    // Returns the amount with the given decimal separator ("1234.50" for '.').
    std::string to_text(char decimal_separator) const;
    // Returns the value in złoty as a double, for display code that needs one only.
    double to_double() const { return static_cast<double>(raw_) / static_cast<double>(kScale); }

    constexpr Currency operator+(Currency o) const { return from_raw(raw_ + o.raw_); }
    constexpr Currency operator-(Currency o) const { return from_raw(raw_ - o.raw_); }
    constexpr Currency operator-() const { return from_raw(-raw_); }
    constexpr Currency& operator+=(Currency o) {
        raw_ += o.raw_;
        return *this;
    }
    constexpr Currency& operator-=(Currency o) {
        raw_ -= o.raw_;
        return *this;
    }
    constexpr auto operator<=>(const Currency&) const = default;

private:
    std::int64_t raw_ = 0;
};

}  // namespace zlx
