#include "app/printing/qt_miara.h"

#include <QFontMetricsF>
#include <algorithm>

#include "printing/czcionki.h"

namespace zlx::app {

namespace {

// The font's em laid out this many pixels tall, unhinted, gives its widths as designed.
constexpr int kPikseleWzorca = 1000;

}  // namespace

QFont qfont(const Czcionka& cz) {
    const RodzinaCzcionki rodzina = rodzina_czcionki(cz.nazwa);
    QFont font(QString::fromStdString(rodzina.nazwa));
    font.setPointSizeF(cz.rozmiar);
    font.setBold(cz.pogrubiona || rodzina.pogrubiona);
    if (rodzina.pogrubiona) font.setWeight(QFont::Black);
    return font;
}

double szerokosc_tekstu(const Czcionka& cz, const std::string& tekst, const QPaintDevice* device) {
    const QString t = QString::fromStdString(tekst);
    QFont wzorzec = qfont(cz);
    wzorzec.setPixelSize(kPikseleWzorca);
    wzorzec.setHintingPreference(QFont::PreferNoHinting);
    const double em = QFontMetricsF(wzorzec).horizontalAdvance(t) / kPikseleWzorca;
    double mm = em * cz.rozmiar * kMmNaCal / 72.0;
    if (device && device->logicalDpiX() > 0) {
        const QFontMetricsF m(qfont(cz), device);
        mm = std::max(mm, m.horizontalAdvance(t) * kMmNaCal / device->logicalDpiX());
    }
    return mm;
}

double QtMiaraTekstu::szerokosc(const Czcionka& cz, const std::string& tekst) const {
    return szerokosc_tekstu(cz, tekst, &device_);
}

double QtMiaraTekstu::wznios(const Czcionka& cz) const {
    const QFontMetricsF m(qfont(cz), &device_);
    return m.ascent() * kMmNaCal / device_.logicalDpiY();
}

}  // namespace zlx::app
