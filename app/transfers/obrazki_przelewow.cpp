#include "app/transfers/obrazki_przelewow.h"

#include <QFont>
#include <QPainter>
#include <QPixmap>

#include <array>

namespace zlx::app {

namespace {

constexpr int kRozmiar = 16;

QPixmap pusty() {
    QPixmap p(kRozmiar, kRozmiar);
    p.fill(Qt::transparent);
    return p;
}

QIcon znaczek(const QColor& tlo, const QString& tekst, bool kolo) {
    QPixmap p = pusty();
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(tlo.darker(140));
    g.setBrush(tlo);
    if (kolo)
        g.drawEllipse(QRectF(0.5, 0.5, kRozmiar - 1, kRozmiar - 1));
    else
        g.drawRoundedRect(QRectF(0.5, 0.5, kRozmiar - 1, kRozmiar - 1), 3, 3);
    QFont f = g.font();
    f.setPixelSize(tekst.size() > 1 ? 8 : 10);
    f.setBold(true);
    g.setFont(f);
    g.setPen(Qt::white);
    g.drawText(QRect(0, 0, kRozmiar, kRozmiar), Qt::AlignCenter, tekst);
    return QIcon(p);
}

}  // namespace

QIcon ikona_rodzaju(int rodzaj_przelewu) {
    switch (rodzaj_przelewu) {
        case 0:
            return znaczek(QColor(46, 92, 178), QStringLiteral("B"), false);
        case 1:
            return znaczek(QColor(30, 140, 70), QStringLiteral("Z"), false);
        case 2:
            return znaczek(QColor(190, 40, 40), QStringLiteral("US"), false);
        default:
            return {};
    }
}

QIcon ikona_zatwierdzenia(int bufor) {
    QPixmap p = pusty();
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    if (bufor == 0) {
        g.setPen(QPen(QColor(30, 140, 70), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        g.drawPolyline(QPolygonF({QPointF(3, 8.5), QPointF(6.5, 12), QPointF(13, 4)}));
    } else {
        g.setPen(QPen(QColor(150, 150, 150), 2, Qt::SolidLine, Qt::RoundCap));
        g.drawLine(QPointF(4, 4), QPointF(12, 12));
        g.drawLine(QPointF(12, 4), QPointF(4, 12));
    }
    return QIcon(p);
}

QIcon ikona_znacznika(int nr) {
    if (nr < 1 || nr > 20) return {};
    // Twenty hues apart enough to tell neighbouring numbers at a glance.
    const int hue = (nr * 137) % 360;
    return znaczek(QColor::fromHsv(hue, 170, 190), QString::number(nr), true);
}

}  // namespace zlx::app
