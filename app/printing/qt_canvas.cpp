#include "app/printing/qt_canvas.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPen>

#include "app/printing/qt_miara.h"

namespace zlx::app {

namespace {

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

void QtCanvas::strony(int od, int do_) {
    od_strony_ = od;
    do_strony_ = do_ >= od ? do_ : od;
}

QPainter* QtCanvas::malarz() {
    if (od_strony_ > 0 && (strona_ < od_strony_ || strona_ > do_strony_)) return nullptr;
    if (!painter_.isActive()) {
        painter_.begin(&device_);
        painter_.setRenderHint(QPainter::Antialiasing, true);
        painter_.setRenderHint(QPainter::TextAntialiasing, true);
        jednostek_na_mm_ = device_.logicalDpiX() / 25.4;
    } else if (nowa_strona_) {
        device_.newPage();
    }
    nowa_strona_ = false;
    return &painter_;
}

bool QtCanvas::ustaw_pioro_i_pedzel() {
    QPainter* m = malarz();
    if (!m) return false;
    QPainter& p = *m;
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
    return true;
}

void QtCanvas::rectangle(double x1, double y1, double x2, double y2) {
    if (ustaw_pioro_i_pedzel()) painter_.drawRect(QRectF(punkt(x1, y1), punkt(x2, y2)));
}

void QtCanvas::ellipse(double x1, double y1, double x2, double y2) {
    if (ustaw_pioro_i_pedzel()) painter_.drawEllipse(QRectF(punkt(x1, y1), punkt(x2, y2)));
}

void QtCanvas::line(double x1, double y1, double x2, double y2) {
    if (ustaw_pioro_i_pedzel()) painter_.drawLine(punkt(x1, y1), punkt(x2, y2));
}

void QtCanvas::text(double x, double y, const std::string& s) {
    QPainter* m = malarz();
    if (!m) return;
    QPainter& p = *m;
    const Czcionka& cz = czcionka();
    Czcionka na_arkuszu = cz;
    na_arkuszu.rozmiar = cz.rozmiar * przeksztalcenie().skala;
    p.setFont(qfont(na_arkuszu));
    p.setPen(kolor(cz.kolor));
    const QString tekst = QString::fromStdString(s);
    if (cz.obrot == 90) {
        p.save();
        p.translate(mm_x(x), mm_y(y));
        p.rotate(-90);
        p.drawText(QPointF(0, 0), tekst);
        p.restore();
    } else {
        p.drawText(punkt(x, y), tekst);
    }
}

double QtCanvas::text_width(const std::string& s) const {
    return szerokosc_tekstu(czcionka(), s, &device_);
}

Arkusz QtCanvas::arkusz() const {
    QPageLayout l = device_.pageLayout();
    l.setUnits(QPageLayout::Millimeter);
    const QSizeF strona = l.fullRect(QPageLayout::Millimeter).size();
    const QMarginsF paski = l.minimumMargins();
    return {strona.width(), strona.height(), paski.left(), paski.top(), paski.right(), paski.bottom()};
}

void QtCanvas::new_page() {
    ++strona_;
    nowa_strona_ = painter_.isActive();
}

void QtCanvas::orientation(Orientacja o) {
    if (painter_.isActive()) return;
    device_.setPageOrientation(o == Orientacja::pozioma ? QPageLayout::Landscape : QPageLayout::Portrait);
}

}  // namespace zlx::app
