#include "payments/ksef.h"

#include <cstdint>
#include <cstdio>
#include <string>

#include "core/datetime.h"
#include "core/text.h"

namespace zlx {

namespace {

std::uint8_t crc8(std::string_view text) {
    std::uint8_t crc = 0;
    for (char c : text) {
        crc = static_cast<std::uint8_t>(crc ^ static_cast<std::uint8_t>(c));
        for (int bit = 0; bit < 8; ++bit)
            crc = static_cast<std::uint8_t>((crc & 0x80) ? (crc << 1) ^ 0x07 : crc << 1);
    }
    return crc;
}

bool hex(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
}

bool dzien_istnieje(std::string_view rrrrmmdd) {
    const auto liczba = [&](std::size_t od, std::size_t ile) {
        return std::stoi(std::string(rrrrmmdd.substr(od, ile)));
    };
    return TDateTime::try_from_ymd(liczba(0, 4), liczba(4, 2), liczba(6, 2)).has_value();
}

}  // namespace

Sprawdzenie sprawdz_ksef(std::string_view tekst) {
    Sprawdzenie s;
    s.numer = upper_pl(trim(tekst));
    const std::string& n = s.numer;
    bool budowa = n.size() == 35 && n[10] == '-' && n[19] == '-' && n[32] == '-' &&
                  same_cyfry(n.substr(0, 10)) && same_cyfry(n.substr(11, 8));
    for (std::size_t i = 20; budowa && i < 35; ++i)
        budowa = i == 32 || hex(n[i]);
    if (!budowa) {
        s.opis = "nie ma budowy NIP-RRRRMMDD-XXXXXXXXXXXX-KK (35 znaków)";
        return s;
    }
    if (!dzien_istnieje(n.substr(11, 8))) {
        s.opis = "data " + n.substr(11, 8) + " nie istnieje";
        return s;
    }
    char suma[3];
    std::snprintf(suma, sizeof suma, "%02X", crc8(std::string_view(n).substr(0, 32)));
    if (n.substr(33) != suma) {
        s.opis = "błędna suma kontrolna " + n.substr(33);
        return s;
    }
    s.poprawny = true;
    s.opis = "NIP wystawcy " + n.substr(0, 10) + ", data " + n.substr(11, 4) + "-" + n.substr(15, 2) + "-" +
             n.substr(17, 2);
    return s;
}

}  // namespace zlx
