#pragma once

// A small band layouter for the reports of many transfers. A report is a page with a body region and
// bands stacked in it from the top: a title band once at the start of the body on the first page, a
// column header band at the start of the body on every page, one detail band per row, and summary
// bands once after the last row. A band that does not fit in what is left of the body goes to the
// next page. Every page gets its own decoration (the page number) with the page count known.
//
// Lengths are inches; band contents are placed from the band's top and the region's left edge, and
// converted to the canvas's millimetres here. Texts are placed by their top and aligned in a box.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "printing/canvas.h"

namespace zlx {

inline constexpr double kMmNaCal = 25.4;

// The printer's unprintable strips as margins, each at least half an inch.
struct Marginesy {
    double lewy = 0.5, gorny = 0.5, prawy = 0.5, dolny = 0.5;
    bool operator==(const Marginesy&) const = default;
};
inline constexpr double kNajmniejszyMargines = 0.5;

// Returns the margins from the strips in device pixels and the resolution in pixels per inch.
Marginesy marginesy_drukarki(double lewy_px, double gorny_px, double prawy_px, double dolny_px, double dpi_x,
                             double dpi_y);

// Alignment of a text in its box, with the values `kol_wyrownanie` stores.
enum class Wyrownanie : std::uint8_t { srodek = 0, lewo = 1, prawo = 2 };

// Tells how wide a text is and how far its baseline lies below its top, in millimetres, in a font.
class MiaraTekstu {
  public:
    virtual ~MiaraTekstu() = default;
    virtual double szerokosc(const Czcionka& cz, const std::string& tekst) const = 0;
    virtual double wznios(const Czcionka& cz) const = 0;
};

// Every character half an em wide, the baseline 0.9 em below the top: close to Arial, and exact
// enough to check alignments against in tests.
class MiaraPrzyblizona : public MiaraTekstu {
  public:
    double szerokosc(const Czcionka& cz, const std::string& tekst) const override;
    double wznios(const Czcionka& cz) const override;
};

// What happens to a text wider than its box: it runs past it, it is cut and the cut marked with
// "…" (names and titles in the cells of a ruled table), or its size is reduced until it fits (numbers
// and dates, which must never lose a character).
enum class Dopasowanie { brak, przytnij, zmniejsz };

// How one text differs from the report's default font. Size 0 keeps the default size.
struct StylTekstu {
    double rozmiar = 0;
    bool pogrubiony = false;
    Kolor kolor = kCzarny;
    Dopasowanie dopasowanie = Dopasowanie::brak;
};

// Draws inside one band: positions in inches from the band's top and the region's left edge.
class RysowaniePasma {
  public:
    RysowaniePasma(Canvas& c, const MiaraTekstu& miara, const Czcionka& domyslna, double x0, double y0);

    // A text in the box from x to x + szerokosc with its top at `gora`.
    void tekst(double x, double gora, double szerokosc, Wyrownanie w, const std::string& s,
               const StylTekstu& styl = {});
    void linia(double x1, double y1, double x2, double y2, StylPiora styl = StylPiora::ciagly,
               int szerokosc = 1);

  private:
    Canvas& c_;
    const MiaraTekstu& miara_;
    Czcionka domyslna_;
    double x0_, y0_;
};

struct Pasmo {
    double wysokosc = 0;
    double odstep = 0;  // blank space above the band; drawing may reach into it with negative tops
    std::function<void(RysowaniePasma&)> rysuj;
};

struct RozmiarStrony {
    double szerokosc = 0, wysokosc = 0;  // inches
};

struct RaportPasmowy {
    double szerokosc_strony = 0, wysokosc_strony = 0;
    Marginesy marginesy;
    Czcionka domyslna;
    // The body region: its left edge, its top; it ends at the bottom margin.
    double region_lewo = 0, region_gora = 0;
    // How far the bands reach right of the region's left edge.
    double szerokosc_tresci = 0;

    // The page width the report needs: the region, its bands and the right margin.
    double szerokosc_potrzebna() const { return region_lewo + szerokosc_tresci + marginesy.prawy; }

    std::optional<Pasmo> tytul;
    std::optional<Pasmo> naglowek_kolumn;
    double wysokosc_wiersza = 0;
    std::size_t wierszy = 0;
    std::function<void(RysowaniePasma&, std::size_t)> rysuj_wiersz;
    std::vector<Pasmo> podsumowanie;

    // Drawn on every page from the sheet's top-left corner, with the page (from 1) and the page count.
    std::function<void(RysowaniePasma&, int, int)> na_stronie;
};

// Lays the report out and draws it, a new page between pages. Returns the page count (at least 1).
int drukuj_raport(Canvas& c, const MiaraTekstu& miara, const RaportPasmowy& r);

// Returns "Strona N z M".
std::string tekst_strony(int strona, int stron);

}  // namespace zlx
