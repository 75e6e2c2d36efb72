#pragma once

// A canvas that keeps every drawing call with the pen, brush and font in force at that moment, so the
// geometry of a blank can be asserted exactly. Also used to try a run before the real one.

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
    int strona = 0;  // page number from 0
};

class RecordingCanvas : public Canvas {
  public:
    void rectangle(double x1, double y1, double x2, double y2) override;
    void ellipse(double x1, double y1, double x2, double y2) override;
    void line(double x1, double y1, double x2, double y2) override;
    void text(double x, double y, const std::string& s) override;
    void new_page() override;
    void orientation(Orientacja o) override;

    const std::vector<ZapisRysunku>& zapisy() const { return zapisy_; }
    int liczba_stron() const { return strona_ + 1; }
    // Returns the text calls, in order.
    std::vector<ZapisRysunku> teksty() const;
    // Returns the calls of one kind, in order.
    std::vector<ZapisRysunku> rodzaju(ZapisRysunku::Rodzaj r) const;

  private:
    void zapisz(ZapisRysunku::Rodzaj r, double x1, double y1, double x2, double y2, const std::string& s);
    std::vector<ZapisRysunku> zapisy_;
    int strona_ = 0;
};

}  // namespace zlx
