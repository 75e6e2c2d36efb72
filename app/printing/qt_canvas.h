#pragma once

// The Canvas on a Qt paged device: a PDF file, a printer or the preview's printer. Millimetres are
// converted to device units here rather than by scaling the painter, so font point sizes stay true.
// The painter starts with the first drawing call, after the orientation has been set.

#include <QPagedPaintDevice>
#include <QPainter>
#include <memory>

#include "printing/canvas.h"

namespace zlx::app {

class QtCanvas : public Canvas {
  public:
    explicit QtCanvas(QPagedPaintDevice& device);
    ~QtCanvas() override;

    void rectangle(double x1, double y1, double x2, double y2) override;
    void ellipse(double x1, double y1, double x2, double y2) override;
    void line(double x1, double y1, double x2, double y2) override;
    void text(double x, double y, const std::string& s) override;
    void new_page() override;
    void orientation(Orientacja o) override;
    double text_width(const std::string& s) const override;
    Arkusz arkusz() const override;

    // Draws only pages od to do_ (from 1; 0 and 0 draw every page), as a printer's page range asks.
    void strony(int od, int do_);

    // Ends the painter; the file or print job is complete afterwards.
    void zakoncz();

  private:
    // The painter of the current page; nullptr when the page lies outside the range.
    QPainter* malarz();
    // Returns false when the current page is not drawn.
    bool ustaw_pioro_i_pedzel();
    // Device units of a length, and of a point's X and Y, in the drawing's millimetres.
    double mm(double v) const { return v * przeksztalcenie().skala * jednostek_na_mm_; }
    double mm_x(double x) const {
        return (przeksztalcenie().dx + przeksztalcenie().skala * x) * jednostek_na_mm_;
    }
    double mm_y(double y) const {
        return (przeksztalcenie().dy + przeksztalcenie().skala * y) * jednostek_na_mm_;
    }
    QPointF punkt(double x, double y) const { return {mm_x(x), mm_y(y)}; }

    QPagedPaintDevice& device_;
    QPainter painter_;
    double jednostek_na_mm_ = 1;
    int strona_ = 1, od_strony_ = 0, do_strony_ = 0;
    bool nowa_strona_ = false;  // the device's next page is due when the next page draws
};

}  // namespace zlx::app
