#include "app/registers/obrazki_znacznikow.h"

#include <QPainter>
#include <QPixmap>

#include <array>

namespace zlx::app {

namespace {

QIcon narysuj_znacznik(int nr) {
    QPixmap pix(16, 16);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    // Twenty hues around the colour circle, so neighbouring numbers differ.
    p.setBrush(QColor::fromHsv((nr * 137) % 360, 170, 210));
    p.setPen(Qt::NoPen);
    p.drawEllipse(0, 0, 16, 16);
    QFont font = p.font();
    font.setPixelSize(nr < 10 ? 11 : 9);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, QString::number(nr));
    return QIcon(pix);
}

}  // namespace

QIcon obrazek_znacznika(int nr) {
    if (nr < 1 || nr > 20) return QIcon();
    // Drawn once each: the grid asks for a picture on every paint.
    static std::array<QIcon, 21> obrazki;
    QIcon& ikona = obrazki[static_cast<std::size_t>(nr)];
    if (ikona.isNull()) ikona = narysuj_znacznik(nr);
    return ikona;
}

QIcon obrazek_flagi() {
    QPixmap pix(16, 16);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(30, 140, 60), 2.5));
    p.drawLine(QPointF(3, 8.5), QPointF(6.5, 12));
    p.drawLine(QPointF(6.5, 12), QPointF(13, 4));
    return QIcon(pix);
}

}  // namespace zlx::app
