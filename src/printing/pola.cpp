#include "printing/pola.h"

#include <cstdint>
#include <vector>

#include "core/fitting.h"
#include "core/text.h"
#include "printing/ust_przelew.h"

namespace zlx {

namespace {

std::int16_t limit(std::int32_t n) {
    if (n < 0) return 0;
    return n > 32767 ? std::int16_t{32767} : static_cast<std::int16_t>(n);
}

// Sets the field's font and returns the text as the field prints it before cutting.
std::string przygotuj(Canvas& c, const std::string& tekst, const TParPrzel& p, const TParNapisy& n) {
    c.font(n.font_nazwa, n.font_rozmiar);
    c.font_colour(n.kolor);
    c.font_bold(n.pogrubiona == 1);
    return p.zamieniajwielkie == 1 ? upper_pl(trim(tekst)) : tekst;
}

void drukuj_kratki(Canvas& c, const std::string& tekst, const TParPrzel& p, const TParNapisy& n,
                   bool tylko_zus) {
    const std::vector<std::string> znaki = utf8_chars(przytnij(tekst, limit(n.max_kratek)));
    for (std::size_t i = 0; i < znaki.size(); ++i) {
        if (tylko_zus && i != 0 && i != 1 && i != 20) continue;
        c.text(n.x + 1.4 + static_cast<double>(i) * p.kratka_szer, n.y + 4.4, znaki[i]);
    }
}

void drukuj(Canvas& c, const std::string& tekst, const TParPrzel& p, const TParNapisy& n, bool tylko_zus) {
    const std::string t = przygotuj(c, tekst, p, n);
    if (n.tryb == 0) {
        const std::string s = przytnij(t, limit(n.max_znakow));
        if (!s.empty()) c.text(n.x + 1.0, n.y + 4.4, s);
    } else if (n.tryb == 1) {
        drukuj_kratki(c, t, p, n, tylko_zus);
    }
    c.font_bold(false);
}

}  // namespace

void drukuj_pole(Canvas& c, const std::string& tekst, const TParPrzel& p, const TParNapisy& n) {
    drukuj(c, tekst, p, n, false);
}

void drukuj_pole_konta_zus(Canvas& c, const std::string& tekst, const TParPrzel& p, const TParNapisy& n) {
    drukuj(c, tekst, p, n, true);
}

void drukuj_etykiete(Canvas& c, const std::string& tekst, const TParPrzel& p, double x, double y) {
    c.font("Arial", 5);
    c.font_colour(p.kolor_etykiet);
    c.text(x + 0.5, y - 0.2, tekst);
}

void drukuj_wiersze(Canvas& c, const std::string& tekst, int max_linii, int znakow, double x, double y,
                    const TParPrzel&, double krok) {
    c.font("Times New Roman CE", 9);
    const std::string t = trim(tekst);
    const std::size_t dlugosc = utf8_length(t);
    std::vector<std::string> linie;
    if (znakow <= 0 || dlugosc < static_cast<std::size_t>(znakow)) {
        linie.push_back(t);
    } else {
        const auto n = static_cast<std::size_t>(znakow);
        for (std::size_t od = 0; od < dlugosc; od += n)
            linie.push_back(utf8_substr(t, od, n));
    }
    for (std::size_t k = 0; k < linie.size() && k < static_cast<std::size_t>(max_linii); ++k)
        if (!linie[k].empty()) c.text(x + 0.5, y + static_cast<double>(k) * krok - 0.2, linie[k]);
}

int tryb_pola(int kratki) {
    return kratki == 1 ? 1 : 0;
}

int tryb_konta(int kratki) {
    return kratki == 1 || kratki == 2 ? 1 : 0;
}

int rozmiar_czcionki(const TParPrzel& p) {
    return calkowita_ustawienia("font_size", p.font_size);
}

}  // namespace zlx
