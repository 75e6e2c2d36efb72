#pragma once

// The page the blanks are drawn on. Positions are millimetres from the sheet's top-left corner, X to
// the right, Y downward; text is placed by the start of its baseline and sized in points. Pen, brush
// and font are state that the drawing calls use until changed; every rectangle is filled with the
// brush and outlined with the pen.

#include <cstdint>
#include <string>

namespace zlx {

// A colour as red + 256 × green + 65536 × blue; each component is reduced to its lowest byte.
using Kolor = std::int32_t;

constexpr Kolor kolor_rgb(int r, int g, int b) {
    return (r & 255) + 256 * (g & 255) + 65536 * (b & 255);
}
constexpr int kolor_r(Kolor k) {
    return k & 255;
}
constexpr int kolor_g(Kolor k) {
    return (k >> 8) & 255;
}
constexpr int kolor_b(Kolor k) {
    return (k >> 16) & 255;
}

inline constexpr Kolor kCzarny = kolor_rgb(0, 0, 0);
inline constexpr Kolor kBialy = kolor_rgb(255, 255, 255);

enum class StylPiora { ciagly, kreskowany, brak };
enum class StylPedzla { pelny, brak };
enum class Orientacja { pionowa, pozioma };

struct Pioro {
    Kolor kolor = kCzarny;
    StylPiora styl = StylPiora::ciagly;
    int szerokosc = 1;  // in pen units; 8 is the heavy frame line
    bool operator==(const Pioro&) const = default;
};

struct Pedzel {
    Kolor kolor = kBialy;
    StylPedzla styl = StylPedzla::pelny;
    bool operator==(const Pedzel&) const = default;
};

// A pen unit in millimetres: width 1 is a hairline, 8 the heavy frame line.
inline constexpr double kMmNaJednostkePiora = 0.06;

// The sheet in millimetres, in the orientation in force, with the strips along its edges that the
// device cannot print on (none on a PDF file).
struct Arkusz {
    double szerokosc = 210, wysokosc = 297;
    double lewy = 0, gorny = 0, prawy = 0, dolny = 0;
};

// Where the drawing lands on the sheet: the point (x, y) at (dx + skala × x, dy + skala × y); text
// sizes and pen widths scale with it. The identity unless a page has to be fitted to its sheet.
struct Przeksztalcenie {
    double skala = 1, dx = 0, dy = 0;
    bool operator==(const Przeksztalcenie&) const = default;
};

struct Czcionka {
    std::string nazwa = "ARIAL";
    double rozmiar = 10;  // points
    Kolor kolor = kCzarny;
    bool pogrubiona = false;
    int obrot = 0;  // 0 or 90 degrees counter-clockwise
    bool operator==(const Czcionka&) const = default;
};

class Canvas {
  public:
    virtual ~Canvas() = default;

    void pen_colour(Kolor k) { pioro_.kolor = k; }
    void pen_style(StylPiora s) { pioro_.styl = s; }
    void pen_width(int w) { pioro_.szerokosc = w; }
    void brush(Kolor k, StylPedzla s = StylPedzla::pelny) { pedzel_ = {k, s}; }
    void brush_style(StylPedzla s) { pedzel_.styl = s; }
    // Sets family and size; colour goes back to black and bold off, as the report writer does.
    void font(const std::string& family, double size) {
        czcionka_.nazwa = family;
        czcionka_.rozmiar = size;
        czcionka_.kolor = kCzarny;
        czcionka_.pogrubiona = false;
    }
    void font_family(const std::string& family) { czcionka_.nazwa = family; }
    void font_size(double size) { czcionka_.rozmiar = size; }
    void font_colour(Kolor k) { czcionka_.kolor = k; }
    void font_bold(bool bold) { czcionka_.pogrubiona = bold; }
    void font_rotation(int degrees) { czcionka_.obrot = degrees; }
    // Applies to everything drawn after it, until changed.
    void transform(const Przeksztalcenie& t) { przeksztalcenie_ = t; }

    const Pioro& pioro() const { return pioro_; }
    const Pedzel& pedzel() const { return pedzel_; }
    const Czcionka& czcionka() const { return czcionka_; }
    const Przeksztalcenie& przeksztalcenie() const { return przeksztalcenie_; }

    virtual void rectangle(double x1, double y1, double x2, double y2) = 0;
    // Draws the ellipse inscribed in the rectangle.
    virtual void ellipse(double x1, double y1, double x2, double y2) = 0;
    virtual void line(double x1, double y1, double x2, double y2) = 0;
    virtual void text(double x, double y, const std::string& s) = 0;
    // Returns the width of the text in the current font, in the drawing's millimetres.
    virtual double text_width(const std::string& s) const = 0;
    // Returns the sheet of the pages, in the orientation set last.
    virtual Arkusz arkusz() const = 0;
    virtual void new_page() = 0;
    // Sets the orientation of the pages that follow; called before the first page is drawn.
    virtual void orientation(Orientacja o) = 0;

  private:
    Pioro pioro_;
    Pedzel pedzel_;
    Czcionka czcionka_;
    Przeksztalcenie przeksztalcenie_;
};

}  // namespace zlx
