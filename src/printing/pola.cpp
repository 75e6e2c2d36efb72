#include "printing/pola.h"

#include <algorithm>
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

// Room kept free before a field's right edge and on the right of a character in its cell.
constexpr double kZapas = 0.4;

void drukuj_zwykle(Canvas& c, const std::string& tekst, const TParNapisy& n) {
    const std::string s = przytnij(tekst, limit(n.max_znakow));
    if (!s.empty()) drukuj_dopasowany(c, n.x + 1.0, n.y + 4.4, s, n.prawo);
}

// Returns how many cells the field has: max_kratek, and no more than fit before its right edge.
std::size_t kratek(const TParPrzel& p, const TParNapisy& n) {
    auto ile = static_cast<std::size_t>(limit(n.max_kratek));
    if (n.prawo > 0 && p.kratka_szer > 0) {
        // The cells start 0.2 mm right of the field's x, as the rows do; a full row ends 0.3 mm short
        // of its last separator.
        const double w_polu = (n.prawo - n.x - 0.2) / p.kratka_szer + 0.5;
        ile = std::min(ile, w_polu > 0 ? static_cast<std::size_t>(w_polu) : std::size_t{0});
    }
    return ile;
}

void drukuj_znak(Canvas& c, double x, double y, const std::string& znak, double miejsce) {
    const double rozmiar = c.czcionka().rozmiar;
    const double szer = c.text_width(znak);
    if (szer > miejsce && szer > 0) c.font_size(rozmiar * miejsce / szer);
    c.text(x, y, znak);
    c.font_size(rozmiar);
}

void drukuj_kratki(Canvas& c, const std::string& tekst, const TParPrzel& p, const TParNapisy& n,
                   bool tylko_zus) {
    const std::size_t ile = kratek(p, n);
    std::vector<std::string> znaki = utf8_chars(tekst);
    if (n.bez_utraty == 1) {
        while (znaki.size() > ile && !znaki.empty() && znaki.front() == "*")
            znaki.erase(znaki.begin());
        if (znaki.size() > ile) {
            drukuj_dopasowany(c, n.x + 1.0, n.y + 4.4, tekst, n.prawo);
            return;
        }
    } else {
        znaki = utf8_chars(przytnij(tekst, static_cast<std::int16_t>(ile)));
    }
    // Character i stands from x + 1.4 + 5i to the next separator at x + 0.2 + 5(i + 1).
    const double miejsce = p.kratka_szer - 1.2 - kZapas;
    for (std::size_t i = 0; i < znaki.size(); ++i) {
        if (tylko_zus && i != 0 && i != 1 && i != 20) continue;
        drukuj_znak(c, n.x + 1.4 + static_cast<double>(i) * p.kratka_szer, n.y + 4.4, znaki[i], miejsce);
    }
}

void drukuj(Canvas& c, const std::string& tekst, const TParPrzel& p, const TParNapisy& n, bool tylko_zus) {
    const std::string t = przygotuj(c, tekst, p, n);
    if (n.tryb == 0) {
        drukuj_zwykle(c, t, n);
    } else if (n.tryb == 1) {
        drukuj_kratki(c, t, p, n, tylko_zus);
    }
    c.font_bold(false);
}

}  // namespace

void drukuj_dopasowany(Canvas& c, double x, double y, const std::string& tekst, double prawo) {
    std::string t = tekst;
    const double miejsce = prawo - kZapas - x;
    const double rozmiar = c.czcionka().rozmiar;
    if (prawo > 0) {
        // Widths do not shrink exactly with the size on a device that hints: a few steps close in.
        double szer = c.text_width(t);
        for (int krok = 0; krok < 8 && szer > miejsce && c.czcionka().rozmiar > kNajmniejszaCzcionka;
             ++krok) {
            c.font_size(std::max(kNajmniejszaCzcionka, c.czcionka().rozmiar * 0.995 * miejsce / szer));
            szer = c.text_width(t);
        }
        for (std::size_t n = utf8_length(t); n > 0 && c.text_width(t) > miejsce; --n)
            t = utf8_left(t, n - 1);
    }
    if (!t.empty()) c.text(x, y, t);
    c.font_size(rozmiar);
}

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
                    const TParPrzel& p, double krok) {
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
        if (!linie[k].empty())
            drukuj_dopasowany(c, x + 0.5, y + static_cast<double>(k) * krok - 0.2, linie[k],
                              p.pokwit_lewo + p.pokwit_szer);
}

int tryb_pola(int kratki) {
    return kratki == 1 ? 1 : 0;
}

int tryb_konta(int kratki) {
    return kratki == 1 || kratki == 2 ? 1 : 0;
}

int rozmiar_czcionki(const TParPrzel& p) {
    return calkowita_ustawienia("font_size", p.font_size, 4, 72, "liczbę całkowitą punktów od 4 do 72");
}

}  // namespace zlx
