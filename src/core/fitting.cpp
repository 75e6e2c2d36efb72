#include "core/fitting.h"

#include <array>

#include "core/text.h"

namespace zlx {

std::string przytnij(const std::string& text, std::int16_t n) {
    if (text.empty()) return text;
    const std::string trimmed = trim(text);
    const std::size_t limit = n < 0 ? 0 : static_cast<std::size_t>(n);
    if (utf8_length(trimmed) > limit) return utf8_left(trimmed, limit);
    return text;
}

std::string tylko_cyfry(const std::string& text) {
    std::string out;
    for (char c : text)
        if (c >= '0' && c <= '9') out += c;
    return out;
}

TDzielTekst dziel_tekst(int n, const std::string& text) {
    TDzielTekst result;
    std::array<std::string*, 6> lines = {&result.linia1, &result.linia2, &result.linia3,
                                         &result.linia4, &result.linia5, &result.linia6};
    if (n <= 0) {
        result.linia1 = text;
        return result;
    }
    const std::size_t piece = static_cast<std::size_t>(n);
    const std::size_t length = utf8_length(text);
    if (length / piece == 0) {
        result.linia1 = text;
        return result;
    }
    for (std::size_t k = 0; k < lines.size() && k * piece < length; ++k)
        *lines[k] = utf8_substr(text, k * piece, piece);
    return result;
}

void dopisz_linie(std::string& target, const std::string& line) {
    if (target.empty())
        target = line;
    else
        target += "\n" + line;
}

}  // namespace zlx
