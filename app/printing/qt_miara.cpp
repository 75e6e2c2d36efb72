#include "app/printing/qt_miara.h"

#include <QFontMetricsF>

#include "printing/czcionki.h"

namespace zlx::app {

QFont qfont(const Czcionka& cz) {
    const RodzinaCzcionki rodzina = rodzina_czcionki(cz.nazwa);
    QFont font(QString::fromStdString(rodzina.nazwa));
    font.setPointSizeF(cz.rozmiar);
    font.setBold(cz.pogrubiona || rodzina.pogrubiona);
    if (rodzina.pogrubiona) font.setWeight(QFont::Black);
    return font;
}

double QtMiaraTekstu::szerokosc(const Czcionka& cz, const std::string& tekst) const {
    const QFontMetricsF m(qfont(cz), &device_);
    return m.horizontalAdvance(QString::fromStdString(tekst)) * kMmNaCal / device_.logicalDpiX();
}

double QtMiaraTekstu::wznios(const Czcionka& cz) const {
    const QFontMetricsF m(qfont(cz), &device_);
    return m.ascent() * kMmNaCal / device_.logicalDpiY();
}

}  // namespace zlx::app
