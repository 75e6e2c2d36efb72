#include "transfers/derivations.h"

#include "core/text.h"

namespace zlx {

std::string formatuj_konto(const std::string& konto, int mode) {
    std::string digits;
    for (char c : trim(konto))
        if (c >= '0' && c <= '9') digits += c;
    if (digits.size() < 26) return konto;
    if (mode == 1) return digits;
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        out += digits[i];
        const std::size_t n = i + 1;
        if (n <= 26 && (n == 2 || (n > 2 && (n - 2) % 4 == 0))) out += ' ';
    }
    return out;
}

std::string kwota_gwiazdki(Currency kwota) {
    return "**" + kwota.to_text();
}

}  // namespace zlx
