#pragma once

// A canvas that keeps every drawing call with the pen, brush and font in force at that moment, so the
// geometry of a blank can be asserted exactly. Also used to try a run before the real one. Its sheet is
// A4 without unprintable strips unless a test sets another; its text widths are those of a font whose
// every character is half an em wide.

#include <string>
#include <vector>

#include "printing/canvas.h"

namespace zlx {

struct ZapisRysunku {
    enum class Rodzaj { prostokat, elipsa, linia, tekst, nowa_strona, orientacja };
    Rodzaj rodzaj = Rodzaj::prostokat;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    std::string tekst;
    Pioro pioro;
    Pedzel pedzel;
    Czcionka czcionka;
    Orientacja orientacja = Orientacja::pionowa;
    Przeksztalcenie przeksztalcenie;
    int strona = 0;  // page number from 0
};

// The part of the sheet a drawing covers, in millimetres.
struct Obszar {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    bool pusty = true;
};

class RecordingCanvas : public Canvas {
  public:
    void rectangle(double x1, double y1, double x2, double y2) override;
    void ellipse(double x1, double y1, double x2, double y2) override;
    void line(double x1, double y1, double x2, double y2) override;
    void text(double x, double y, const std::string& s) override;
    void new_page() override;
    void orientation(Orientacja o) override;
    double text_width(const std::string& s) const override;
    Arkusz arkusz() const override;
    // Sets the portrait sheet; landscape swaps its sides and strips.
    void ustaw_arkusz(const Arkusz& a) { arkusz_ = a; }

    const std::vector<ZapisRysunku>& zapisy() const { return zapisy_; }
    int liczba_stron() const { return strona_ + 1; }
    // Returns the text calls, in order.
    std::vector<ZapisRysunku> teksty() const;
    // Returns the calls of one kind, in order.
    std::vector<ZapisRysunku> rodzaju(ZapisRysunku::Rodzaj r) const;
    // Returns what the rectangles, ellipses and lines of the first page cover, pen widths included,
    // before any transform.
    Obszar obszar_pierwszej_strony() const;

  private:
    void zapisz(ZapisRysunku::Rodzaj r, double x1, double y1, double x2, double y2, const std::string& s);
    std::vector<ZapisRysunku> zapisy_;
    int strona_ = 0;
    Orientacja orientacja_ = Orientacja::pionowa;
    Arkusz arkusz_;
};

}  // namespace zlx
