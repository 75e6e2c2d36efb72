#include "payments/sprawdzenie.h"

#include <string>

#include "core/text.h"

namespace zlx {

std::string normalizuj_numer(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c <= 0x20 || c == 0x7F || c == '-') continue;
        if (c == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) == 0xA0) {
            ++i;  // non-breaking space, as copied from documents
            continue;
        }
        out += static_cast<char>(c);
    }
    if (out.size() >= 2 && (out[0] == 'P' || out[0] == 'p') && (out[1] == 'L' || out[1] == 'l'))
        out.erase(0, 2);
    return out;
}

bool same_cyfry(std::string_view text) {
    if (text.empty()) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

namespace {

// "1 cyfrę", "2 cyfry", "5 cyfr", "22 cyfry", "12 cyfr".
std::string cyfr(std::size_t n) {
    const std::size_t d = n % 10;
    const std::size_t dd = n % 100;
    const char* slowo = n == 1 ? "cyfrę" : (d >= 2 && d <= 4 && (dd < 12 || dd > 14)) ? "cyfry" : "cyfr";
    return std::to_string(n) + " " + slowo;
}

}  // namespace

std::string blad_budowy(std::string_view numer, std::initializer_list<std::size_t> dlugosci) {
    if (numer.empty()) return "jest pusty";
    for (const std::string& znak : utf8_chars(numer))
        if (znak.size() != 1 || znak[0] < '0' || znak[0] > '9')
            return "zawiera znak „" + znak + "”, który nie jest cyfrą";
    std::string zamiast;
    for (std::size_t d : dlugosci) {
        if (numer.size() == d) return {};
        zamiast += (zamiast.empty() ? "" : " lub ") + std::to_string(d);
    }
    return "ma " + cyfr(numer.size()) + " zamiast " + zamiast;
}

int suma_wazona(std::string_view cyfry, std::initializer_list<int> wagi) {
    int suma = 0;
    std::size_t i = 0;
    for (int w : wagi)
        suma += (cyfry[i++] - '0') * w;
    return suma;
}

}  // namespace zlx
