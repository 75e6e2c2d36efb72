#include "printing/uklad_pasmowy.h"

#include <algorithm>

#include "core/text.h"

namespace zlx {

namespace {

constexpr double kMmNaPunkt = kMmNaCal / 72.0;
constexpr double kTolerancja = 1e-9;

std::string rtrim_blanks(std::string s) {
    while (!s.empty() && s.back() == ' ')
        s.pop_back();
    return s;
}

double margines(double pasek_px, double dpi) {
    const double cale = dpi > 0 ? pasek_px / dpi : 0;
    return std::max(kNajmniejszyMargines, cale);
}

// Where one band lands: the page (from 0) and its top in inches from the sheet's top.
struct Miejsce {
    int strona = 0;
    double gora = 0;
    const Pasmo* pasmo = nullptr;  // nullptr: the detail band of row `wiersz`
    std::size_t wiersz = 0;
};

class Ukladacz {
  public:
    explicit Ukladacz(const RaportPasmowy& r) : r_(r), dol_(r.wysokosc_strony - r.marginesy.dolny) {
        y_ = r_.region_gora;
        if (r_.tytul) poloz(&*r_.tytul, 0, r_.tytul->wysokosc, r_.tytul->odstep);
        if (r_.naglowek_kolumn) poloz(&*r_.naglowek_kolumn, 0, r_.naglowek_kolumn->wysokosc, 0);
    }

    // Places a body band, on the next page when it does not fit and the page holds more than headers.
    void wstaw(const Pasmo* p, std::size_t wiersz, double wysokosc, double odstep) {
        if (tresc_na_stronie_ && y_ + odstep + wysokosc > dol_ + kTolerancja) nowa_strona();
        poloz(p, wiersz, wysokosc, odstep);
        tresc_na_stronie_ = true;
    }

    const std::vector<Miejsce>& miejsca() const { return miejsca_; }
    int stron() const { return strona_ + 1; }

  private:
    void poloz(const Pasmo* p, std::size_t wiersz, double wysokosc, double odstep) {
        miejsca_.push_back({strona_, y_ + odstep, p, wiersz});
        y_ += odstep + wysokosc;
    }
    void nowa_strona() {
        ++strona_;
        y_ = r_.region_gora;
        tresc_na_stronie_ = false;
        if (r_.naglowek_kolumn) poloz(&*r_.naglowek_kolumn, 0, r_.naglowek_kolumn->wysokosc, 0);
    }

    const RaportPasmowy& r_;
    double dol_;
    double y_ = 0;
    int strona_ = 0;
    bool tresc_na_stronie_ = false;
    std::vector<Miejsce> miejsca_;
};

}  // namespace

Marginesy marginesy_drukarki(double lewy_px, double gorny_px, double prawy_px, double dolny_px, double dpi_x,
                             double dpi_y) {
    return {margines(lewy_px, dpi_x), margines(gorny_px, dpi_y), margines(prawy_px, dpi_x),
            margines(dolny_px, dpi_y)};
}

double MiaraPrzyblizona::szerokosc(const Czcionka& cz, const std::string& tekst) const {
    return static_cast<double>(utf8_length(tekst)) * 0.5 * cz.rozmiar * kMmNaPunkt;
}

double MiaraPrzyblizona::wznios(const Czcionka& cz) const {
    return 0.9 * cz.rozmiar * kMmNaPunkt;
}

RysowaniePasma::RysowaniePasma(Canvas& c, const MiaraTekstu& miara, const Czcionka& domyslna, double x0,
                               double y0)
    : c_(c), miara_(miara), domyslna_(domyslna), x0_(x0), y0_(y0) {}

void RysowaniePasma::tekst(double x, double gora, double szerokosc, Wyrownanie w, const std::string& s,
                           const StylTekstu& styl) {
    Czcionka cz = domyslna_;
    if (styl.rozmiar > 0) cz.rozmiar = styl.rozmiar;
    cz.pogrubiona = styl.pogrubiony;
    cz.kolor = styl.kolor;
    cz.obrot = 0;

    const double pudelko = szerokosc * kMmNaCal;
    std::string t = s;
    double szer = miara_.szerokosc(cz, t);
    // A device's hinted widths do not shrink exactly with the size: a few steps close in on it.
    for (int krok = 0; krok < 8 && szer > pudelko + kTolerancja && styl.dopasowanie == Dopasowanie::zmniejsz;
         ++krok) {
        cz.rozmiar *= 0.995 * pudelko / szer;
        szer = miara_.szerokosc(cz, t);
    }
    if (szer > pudelko + kTolerancja && styl.dopasowanie == Dopasowanie::przytnij) {
        const std::string znak = "…";
        for (std::size_t n = utf8_length(t); n > 0 && szer > pudelko + kTolerancja; --n) {
            t = rtrim_blanks(utf8_left(s, n - 1)) + znak;
            szer = miara_.szerokosc(cz, t);
        }
        if (szer > pudelko + kTolerancja) t.clear();
    }
    if (t.empty()) return;

    double od = (x0_ + x) * kMmNaCal;
    if (w == Wyrownanie::prawo)
        od += pudelko - szer;
    else if (w == Wyrownanie::srodek)
        od += (pudelko - szer) / 2;
    c_.font(cz.nazwa, cz.rozmiar);
    c_.font_bold(cz.pogrubiona);
    c_.font_colour(cz.kolor);
    c_.font_rotation(0);
    c_.text(od, (y0_ + gora) * kMmNaCal + miara_.wznios(cz), t);
}

void RysowaniePasma::linia(double x1, double y1, double x2, double y2, StylPiora styl, int szerokosc) {
    c_.pen_colour(kCzarny);
    c_.pen_style(styl);
    c_.pen_width(szerokosc);
    c_.line((x0_ + x1) * kMmNaCal, (y0_ + y1) * kMmNaCal, (x0_ + x2) * kMmNaCal, (y0_ + y2) * kMmNaCal);
    c_.pen_style(StylPiora::ciagly);
    c_.pen_width(1);
}

int drukuj_raport(Canvas& c, const MiaraTekstu& miara, const RaportPasmowy& r) {
    Ukladacz u(r);
    for (std::size_t i = 0; i < r.wierszy; ++i)
        u.wstaw(nullptr, i, r.wysokosc_wiersza, 0);
    for (const Pasmo& p : r.podsumowanie)
        u.wstaw(&p, 0, p.wysokosc, p.odstep);

    const int stron = u.stron();
    std::size_t nastepne = 0;
    const std::vector<Miejsce>& miejsca = u.miejsca();
    for (int strona = 0; strona < stron; ++strona) {
        if (strona > 0) c.new_page();
        if (r.na_stronie) {
            RysowaniePasma kartka(c, miara, r.domyslna, 0, 0);
            r.na_stronie(kartka, strona + 1, stron);
        }
        for (; nastepne < miejsca.size() && miejsca[nastepne].strona == strona; ++nastepne) {
            const Miejsce& m = miejsca[nastepne];
            RysowaniePasma pasmo(c, miara, r.domyslna, r.region_lewo, m.gora);
            if (m.pasmo) {
                if (m.pasmo->rysuj) m.pasmo->rysuj(pasmo);
            } else if (r.rysuj_wiersz) {
                r.rysuj_wiersz(pasmo, m.wiersz);
            }
        }
    }
    return stron;
}

std::string tekst_strony(int strona, int stron) {
    return "Strona " + std::to_string(strona) + " z " + std::to_string(stron);
}

}  // namespace zlx
