#include "app/printing/qt_canvas.h"

#include <QFont>
#include <QPageLayout>
#include <QPen>

#include "printing/czcionki.h"

namespace zlx::app {

namespace {

// A pen unit of the blanks in millimetres: width 1 is a hairline, 8 the heavy frame.
constexpr double kMmNaJednostkePiora = 0.06;

QColor kolor(Kolor k) {
    return QColor(kolor_r(k), kolor_g(k), kolor_b(k));
}

}  // namespace

QtCanvas::QtCanvas(QPagedPaintDevice& device) : device_(device) {
    QPageLayout layout = device_.pageLayout();
    layout.setMode(QPageLayout::FullPageMode);
    layout.setMargins(QMarginsF(0, 0, 0, 0));
    device_.setPageLayout(layout);
}

QtCanvas::~QtCanvas() {
    zakoncz();
}

void QtCanvas::zakoncz() {
    if (painter_.isActive()) painter_.end();
}

QPainter& QtCanvas::malarz() {
    if (!painter_.isActive()) {
        painter_.begin(&device_);
        painter_.setRenderHint(QPainter::Antialiasing, true);
        painter_.setRenderHint(QPainter::TextAntialiasing, true);
        jednostek_na_mm_ = device_.logicalDpiX() / 25.4;
    }
    return painter_;
}

void QtCanvas::ustaw_pioro_i_pedzel() {
    QPainter& p = malarz();
    const Pioro& pi = pioro();
    if (pi.styl == StylPiora::brak) {
        p.setPen(Qt::NoPen);
    } else {
        QPen pen(kolor(pi.kolor));
        const double szer = mm(kMmNaJednostkePiora * pi.szerokosc);
        pen.setWidthF(szer);
        pen.setCapStyle(Qt::FlatCap);
        pen.setJoinStyle(Qt::MiterJoin);
        if (pi.styl == StylPiora::kreskowany) pen.setDashPattern({mm(1.2) / szer, mm(0.8) / szer});
        p.setPen(pen);
    }
    const Pedzel& pe = pedzel();
    p.setBrush(pe.styl == StylPedzla::brak ? QBrush(Qt::NoBrush) : QBrush(kolor(pe.kolor)));
}

void QtCanvas::rectangle(double x1, double y1, double x2, double y2) {
    ustaw_pioro_i_pedzel();
    malarz().drawRect(QRectF(QPointF(mm(x1), mm(y1)), QPointF(mm(x2), mm(y2))));
}

void QtCanvas::ellipse(double x1, double y1, double x2, double y2) {
    ustaw_pioro_i_pedzel();
    malarz().drawEllipse(QRectF(QPointF(mm(x1), mm(y1)), QPointF(mm(x2), mm(y2))));
}

void QtCanvas::line(double x1, double y1, double x2, double y2) {
    ustaw_pioro_i_pedzel();
    malarz().drawLine(QPointF(mm(x1), mm(y1)), QPointF(mm(x2), mm(y2)));
}

void QtCanvas::text(double x, double y, const std::string& s) {
    QPainter& p = malarz();
    const Czcionka& cz = czcionka();
    const RodzinaCzcionki rodzina = rodzina_czcionki(cz.nazwa);
    QFont font(QString::fromStdString(rodzina.nazwa));
    font.setPointSizeF(cz.rozmiar);
    font.setBold(cz.pogrubiona || rodzina.pogrubiona);
    if (rodzina.pogrubiona) font.setWeight(QFont::Black);
    p.setFont(font);
    p.setPen(kolor(cz.kolor));
    const QString tekst = QString::fromStdString(s);
    if (cz.obrot == 90) {
        p.save();
        p.translate(mm(x), mm(y));
        p.rotate(-90);
        p.drawText(QPointF(0, 0), tekst);
        p.restore();
    } else {
        p.drawText(QPointF(mm(x), mm(y)), tekst);
    }
}

void QtCanvas::new_page() {
    malarz();
    device_.newPage();
}

void QtCanvas::orientation(Orientacja o) {
    if (painter_.isActive()) return;
    device_.setPageOrientation(o == Orientacja::pozioma ? QPageLayout::Landscape : QPageLayout::Portrait);
}

}  // namespace zlx::app
