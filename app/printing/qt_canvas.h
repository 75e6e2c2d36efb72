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

    // Ends the painter; the file or print job is complete afterwards.
    void zakoncz();

  private:
    QPainter& malarz();
    void ustaw_pioro_i_pedzel();
    double mm(double v) const { return v * jednostek_na_mm_; }

    QPagedPaintDevice& device_;
    QPainter painter_;
    double jednostek_na_mm_ = 1;
};

}  // namespace zlx::app
