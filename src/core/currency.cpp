#include "core/currency.h"

#include <cstdlib>

namespace zlx {

namespace {

bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\xA0'; }

}  // namespace

std::optional<Currency> Currency::parse(std::string_view text) {
    std::size_t i = 0;
    auto skip_blanks = [&] {
        while (i < text.size() && is_blank(text[i])) ++i;
    };
    skip_blanks();
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
        skip_blanks();
    }
    std::int64_t whole = 0;
    int whole_digits = 0;
    while (i < text.size()) {
        char c = text[i];
        if (c >= '0' && c <= '9') {
            if (whole > (INT64_MAX / kScale - 9) / 10) return std::nullopt;
            whole = whole * 10 + (c - '0');
            ++whole_digits;
            ++i;
        } else if (c == ' ' && whole_digits > 0 && i + 1 < text.size() && text[i + 1] >= '0' &&
                   text[i + 1] <= '9') {
            ++i;  // a blank between digit groups
        } else {
            break;
        }
    }
    std::int64_t fraction = 0;  // in 1/10000
    int fraction_digits = 0;
    bool round_up = false;
    if (i < text.size() && (text[i] == ',' || text[i] == '.')) {
        ++i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            int d = text[i] - '0';
            if (fraction_digits < 4) {
                fraction = fraction * 10 + d;
            } else if (fraction_digits == 4) {
                round_up = d >= 5;
            }
            ++fraction_digits;
            ++i;
        }
    }
    if (whole_digits == 0 && fraction_digits == 0) return std::nullopt;
    skip_blanks();
    if (i != text.size()) return std::nullopt;
    for (int k = fraction_digits; k < 4; ++k) fraction *= 10;
    std::int64_t raw = whole * kScale + fraction + (round_up ? 1 : 0);
    return from_raw(negative ? -raw : raw);
}

std::int64_t Currency::grosze() const {
    std::int64_t magnitude = raw_ < 0 ? -raw_ : raw_;
    std::int64_t g = (magnitude + 50) / 100;
    return raw_ < 0 ? -g : g;
}

std::string Currency::to_text() const { return to_text(','); }

std::string Currency::to_text(char decimal_separator) const {
    std::int64_t g = grosze();
    bool negative = g < 0;
    std::uint64_t magnitude = negative ? static_cast<std::uint64_t>(-g) : static_cast<std::uint64_t>(g);
    std::string out = std::to_string(magnitude / 100);
    out += decimal_separator;
    std::uint64_t cents = magnitude % 100;
    out += static_cast<char>('0' + cents / 10);
    out += static_cast<char>('0' + cents % 10);
    return negative ? "-" + out : out;
}

}  // namespace zlx
