#include "core/text.h"

#include <unicode/locid.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

#include <charconv>
#include <cstdint>

namespace zlx {

namespace {

// Returns the byte count of the UTF-8 sequence starting at s[i], or 0 when it is invalid.
std::size_t sequence_length(std::string_view s, std::size_t i) {
    auto b = static_cast<unsigned char>(s[i]);
    std::size_t n = b < 0x80 ? 1 : (b >> 5) == 0x6 ? 2 : (b >> 4) == 0xE ? 3 : (b >> 3) == 0x1E ? 4 : 0;
    if (n == 0 || i + n > s.size()) return 0;
    for (std::size_t k = 1; k < n; ++k)
        if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return 0;
    return n;
}

// Steps over one character; an invalid byte counts as one character of its own.
std::size_t next(std::string_view s, std::size_t i) {
    std::size_t n = sequence_length(s, i);
    return i + (n == 0 ? 1 : n);
}

bool is_trimmed(char c) { return static_cast<unsigned char>(c) <= 0x20; }

std::string icu_case(std::string_view s, bool upper) {
    icu::UnicodeString u = icu::UnicodeString::fromUTF8(
        icu::StringPiece(s.data(), static_cast<std::int32_t>(s.size())));
    static const icu::Locale polish("pl", "PL");
    if (upper)
        u.toUpper(polish);
    else
        u.toLower(polish);
    std::string out;
    u.toUTF8String(out);
    return out;
}

}  // namespace

std::size_t utf8_length(std::string_view s) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < s.size(); i = next(s, i)) ++count;
    return count;
}

std::string utf8_substr(std::string_view s, std::size_t start, std::size_t count) {
    std::size_t i = 0;
    for (std::size_t k = 0; k < start && i < s.size(); ++k) i = next(s, i);
    std::size_t j = i;
    for (std::size_t k = 0; k < count && j < s.size(); ++k) j = next(s, j);
    return std::string(s.substr(i, j - i));
}

std::string utf8_left(std::string_view s, std::size_t n) { return utf8_substr(s, 0, n); }

std::vector<std::string> utf8_chars(std::string_view s) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < s.size();) {
        std::size_t j = next(s, i);
        out.emplace_back(s.substr(i, j - i));
        i = j;
    }
    return out;
}

std::string utf8_sanitize(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        std::size_t n = sequence_length(s, i);
        if (n == 0) {
            out += '?';
            ++i;
        } else {
            out.append(s.substr(i, n));
            i += n;
        }
    }
    return out;
}

std::string trim_left(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && is_trimmed(s[i])) ++i;
    return std::string(s.substr(i));
}

std::string trim_right(std::string_view s) {
    std::size_t n = s.size();
    while (n > 0 && is_trimmed(s[n - 1])) --n;
    return std::string(s.substr(0, n));
}

std::string trim(std::string_view s) { return trim_left(trim_right(s)); }

std::string upper_pl(std::string_view s) { return icu_case(s, true); }
std::string lower_pl(std::string_view s) { return icu_case(s, false); }

bool equals_ci(std::string_view a, std::string_view b) {
    if (a == b) return true;
    icu::UnicodeString ua =
        icu::UnicodeString::fromUTF8(icu::StringPiece(a.data(), static_cast<std::int32_t>(a.size())));
    icu::UnicodeString ub =
        icu::UnicodeString::fromUTF8(icu::StringPiece(b.data(), static_cast<std::int32_t>(b.size())));
    return ua.caseCompare(ub, U_FOLD_CASE_DEFAULT) == 0;
}

int to_int(std::string_view s, int default_value) {
    std::string t = trim(s);
    std::string_view v = t;
    if (!v.empty() && v.front() == '+') v.remove_prefix(1);
    if (v.empty()) return default_value;
    int out = 0;
    auto [ptr, ec] = std::from_chars(v.data(), v.data() + v.size(), out);
    if (ec != std::errc() || ptr != v.data() + v.size()) return default_value;
    return out;
}

std::string replace_all(std::string_view s, std::string_view from, std::string_view to) {
    if (from.empty()) return std::string(s);
    std::string out;
    std::size_t pos = 0;
    while (true) {
        std::size_t hit = s.find(from, pos);
        if (hit == std::string_view::npos) break;
        out.append(s.substr(pos, hit - pos));
        out.append(to);
        pos = hit + from.size();
    }
    out.append(s.substr(pos));
    return out;
}

}  // namespace zlx
