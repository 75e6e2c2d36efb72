#pragma once

// Text widths and ascents as Qt lays the text out on the device the QtCanvas draws on, with the same
// font families, so the banded reports align their texts as they will print.

#include <QFont>
#include <QPaintDevice>

#include "printing/uklad_pasmowy.h"

namespace zlx::app {

// The QFont the QtCanvas draws a text of this font with.
QFont qfont(const Czcionka& cz);

// Returns the text's width in millimetres: the wider of the font's own unhinted width and the width
// laid out on the device, so a text measured to fit fits at any resolution and in any reader.
double szerokosc_tekstu(const Czcionka& cz, const std::string& tekst, const QPaintDevice* device);

class QtMiaraTekstu : public MiaraTekstu {
  public:
    explicit QtMiaraTekstu(QPaintDevice& device) : device_(device) {}
    double szerokosc(const Czcionka& cz, const std::string& tekst) const override;
    double wznios(const Czcionka& cz) const override;

  private:
    QPaintDevice& device_;
};

}  // namespace zlx::app
