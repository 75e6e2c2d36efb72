#include "registers/kth_karta.h"

#include <algorithm>

#include "core/text.h"

namespace zlx {

namespace {

bool cyfra(char c) {
    return c >= '0' && c <= '9';
}

// Percent-encodes everything but the unreserved characters of a URL.
std::string koduj_url(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (cyfra(c) || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '-' || c == '.' ||
            c == '_' || c == '~') {
            out += c;
        } else {
            out += '%';
            out += kHex[b >> 4];
            out += kHex[b & 0x0F];
        }
    }
    return out;
}

}  // namespace

std::string bledy_karty_kth(std::string_view skrot) {
    if (trim(skrot).empty()) return "Pole Skrót musi byc wypelnione";
    return "";
}

std::string kod_z_maski(std::string_view text) {
    if (std::none_of(text.begin(), text.end(), cyfra)) return "";
    return std::string(text);
}

std::string rabat_na_tekst(Currency rabat) {
    return rabat.to_text();
}

Currency rabat_z_tekstu(std::string_view text) {
    const auto c = Currency::parse(text);
    return c ? c->rounded_to_grosze() : Currency();
}

std::string adres_mapy(std::string_view adres, std::string_view kod, std::string_view miasto) {
    return "https://nominatim.openstreetmap.org/ui/search.html?q=" + koduj_url(adres) + "+" + koduj_url(kod) +
           "+" + koduj_url(miasto);
}

}  // namespace zlx
