#include "app/printing/raport_qt.h"

#include <QPageLayout>
#include <QPageSize>
#include <optional>

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
                      const Marginesy& m, bool papier_urzadzenia, int od, int do_) {
    std::optional<RozmiarStrony> strona;
    double skala = 1;
    if (papier_urzadzenia) {
        device.setPageOrientation(QPageLayout::Portrait);
        const QSizeF papier = device.pageLayout().fullRect(QPageLayout::Inch).size();
        // The base file's region and table are fixed in inches: a narrower paper gets the report
        // scaled down, laid out on a page as much larger.
        const double potrzeba = s.raport(pozycja, m).szerokosc_potrzebna();
        if (potrzeba > papier.width()) skala = papier.width() / potrzeba;
        strona = RozmiarStrony{papier.width() / skala, papier.height() / skala};
    }
    const RaportPasmowy r = s.raport(pozycja, m, strona);
    if (!papier_urzadzenia)
        device.setPageSize(QPageSize(QSizeF(r.szerokosc_strony, r.wysokosc_strony), QPageSize::Inch,
                                     QStringLiteral("projekt_bazowy")));
    device.setPageOrientation(QPageLayout::Portrait);
    QtCanvas c(device);
    c.strony(od, do_);
    c.transform({skala, 0, 0});
    const QtMiaraTekstu miara(device);
    drukuj_raport(c, miara, r);
    c.zakoncz();
}

}  // namespace zlx::app
