#include "payments/tytul_podatkowy.h"

#include "core/fitting.h"
#include "core/text.h"

namespace zlx {

namespace {

bool litera_lub_cyfra(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Returns the ASCII letters and digits of the text (and dashes when asked), upper-cased, at most n.
std::string znaki(const std::string& text, std::size_t n, bool z_myslnikiem = false) {
    std::string out;
    for (char c : text)
        if (out.size() < n && (litera_lub_cyfra(c) || (z_myslnikiem && c == '-')))
            out += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    return out;
}

std::string okres(const DaneTytuluUs& d) {
    std::string rok = znaki(d.rok, 4);
    if (rok.size() > 2) rok = rok.substr(rok.size() - 2);
    const std::string typ = znaki(d.typ_okresu, 1);
    if (rok.empty() && typ.empty()) return "0";
    return rok + typ + (typ == "R" ? std::string() : znaki(d.nr_okresu, 4));
}

// Returns the identifier: digits only for a NIP, REGON or PESEL (so "PL" and dashes go), otherwise
// letters and digits.
std::string identyfikator(const std::string& typ, const std::string& id) {
    return typ == "N" || typ == "R" || typ == "P" ? tylko_cyfry(id).substr(0, 14) : znaki(id, 14);
}

}  // namespace

std::string tytul_podatkowy(const DaneTytuluUs& d) {
    const std::string typ = znaki(d.typ_identyfikatora, 1);
    return podlinie({"/TI/" + typ + identyfikator(typ, d.identyfikator), "/OKR/" + okres(d),
                     "/SFP/" + znaki(d.symbol, 7, true), "/TXT/" + utf8_left(trim(d.identyfikacja), 20)});
}

std::string podlinie(const std::vector<std::string>& kawalki, std::size_t dlugosc, std::size_t ile) {
    std::vector<std::string> linie;
    auto dodaj = [&](const std::string& kawalek) {
        if (!linie.empty() && utf8_length(linie.back()) + utf8_length(kawalek) <= dlugosc)
            linie.back() += kawalek;
        else
            linie.push_back(kawalek);
    };
    for (const std::string& k : kawalki) {
        const std::size_t n = utf8_length(k);
        if (n <= dlugosc) {
            dodaj(k);
            continue;
        }
        for (std::size_t od = 0; od < n; od += dlugosc)
            linie.push_back(utf8_substr(k, od, dlugosc));
    }
    std::string out;
    for (std::size_t i = 0; i < linie.size() && i < ile; ++i)
        out += (i == 0 ? "" : "|") + linie[i];
    return out;
}

}  // namespace zlx
