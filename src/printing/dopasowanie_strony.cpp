#include "printing/dopasowanie_strony.h"

#include <algorithm>

namespace zlx {

namespace {

// Returns the shift that brings [od, do_] inside [min, max], assuming it is not longer.
double przesuniecie(double od, double do_, double min, double max) {
    if (od < min) return min - od;
    if (do_ > max) return max - do_;
    return 0;
}

}  // namespace

Przeksztalcenie dopasuj_do_arkusza(const Obszar& r, const Arkusz& a) {
    if (r.pusty) return {};
    const double lewo = std::max(kBezpiecznyMargines, a.lewy);
    const double prawo = a.szerokosc - std::max(kBezpiecznyMargines, a.prawy);
    const double gora = std::max(kBezpiecznyMargines, a.gorny);
    const double dol = a.wysokosc - std::max(kBezpiecznyMargines, a.dolny);
    const double szer = r.x2 - r.x1, wys = r.y2 - r.y1;
    double skala = 1;
    if (szer > prawo - lewo) skala = std::min(skala, (prawo - lewo) / szer);
    if (wys > dol - gora) skala = std::min(skala, (dol - gora) / wys);
    Przeksztalcenie t;
    t.skala = skala;
    t.dx = przesuniecie(skala * r.x1, skala * r.x2, lewo, prawo);
    t.dy = przesuniecie(skala * r.y1, skala * r.y2, gora, dol);
    return t;
}

}  // namespace zlx
