#include "transfers/format_kwoty.h"

#include <cstdint>

namespace zlx {

namespace {

std::string grupy(std::uint64_t calosc) {
    std::string cyfry = std::to_string(calosc);
    std::string wynik;
    const std::size_t n = cyfry.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) wynik += ' ';
        wynik += cyfry[i];
    }
    return wynik;
}

// Writes |raw| (ten-thousandths) with the given number of decimals (2 or 4); raw must already be
// rounded to that precision.
std::string zapisz(std::int64_t raw, int miejsca) {
    const bool ujemna = raw < 0;
    const std::uint64_t abs =
        ujemna ? static_cast<std::uint64_t>(-(raw + 1)) + 1 : static_cast<std::uint64_t>(raw);
    const std::uint64_t calosc = abs / 10000;
    std::string ulamek = std::to_string(abs % 10000 + 10000).substr(1);
    ulamek.resize(static_cast<std::size_t>(miejsca));
    return (ujemna ? "-" : "") + grupy(calosc) + "," + ulamek;
}

}  // namespace

std::string kwota_w_grupach(Currency kwota) {
    return zapisz(kwota.rounded_to_grosze().raw(), 2);
}

std::string kwota_do_edycji(Currency kwota) {
    if (kwota.raw() % 100 == 0) return zapisz(kwota.raw(), 2);
    std::string tekst = zapisz(kwota.raw(), 4);
    if (tekst.back() == '0') tekst.pop_back();
    return tekst;
}

}  // namespace zlx
