#include "app/printing/raport_qt.h"

#include <QPageLayout>
#include <QPageSize>

#include "app/printing/qt_canvas.h"
#include "app/printing/qt_miara.h"

namespace zlx::app {

Marginesy marginesy_drukarki(const QPrinter& drukarka) {
    QPageLayout l = drukarka.pageLayout();
    l.setUnits(QPageLayout::Inch);
    const QMarginsF pasy = l.minimumMargins();
    return zlx::marginesy_drukarki(pasy.left(), pasy.top(), pasy.right(), pasy.bottom(), 1, 1);
}

void drukuj_raport_qt(const SterowanieWydrukiem& s, int pozycja, QPagedPaintDevice& device,
                      const Marginesy& m) {
    const RaportPasmowy r = s.raport(pozycja, m);
    device.setPageSize(QPageSize(QSizeF(r.szerokosc_strony, r.wysokosc_strony), QPageSize::Inch,
                                 QStringLiteral("projekt_bazowy")));
    device.setPageOrientation(QPageLayout::Portrait);
    QtCanvas c(device);
    const QtMiaraTekstu miara(device);
    drukuj_raport(c, miara, r);
    c.zakoncz();
}

}  // namespace zlx::app
