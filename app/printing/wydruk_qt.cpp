#include "app/printing/wydruk_qt.h"

#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <stdexcept>

#include "app/printing/qt_canvas.h"
#include "app/printing/raport_qt.h"

namespace zlx::app {

namespace {

// The orientation of the item on the paper the device has: A4 for a file, the chosen one on a printer.
void przygotuj_strone(QPagedPaintDevice& d, const SterowanieWydrukiem& s, int pozycja) {
    d.setPageOrientation(s.orientacja(pozycja) == Orientacja::pozioma ? QPageLayout::Landscape
                                                                      : QPageLayout::Portrait);
}

// Draws the item on the printer's paper, only the pages of its page range.
void drukuj_na(const SterowanieWydrukiem& s, int pozycja, QPrinter& p) {
    if (s.pasmowy()) {
        drukuj_raport_qt(s, pozycja, p, marginesy_drukarki(p), true, p.fromPage(), p.toPage());
        return;
    }
    przygotuj_strone(p, s, pozycja);
    QtCanvas c(p);
    c.strony(p.fromPage(), p.toPage());
    s.steruj_drukowanie(c, pozycja);
    c.zakoncz();
}

}  // namespace

void drukuj_do_pdf(const SterowanieWydrukiem& s, int pozycja, const QString& plik) {
    s.sprawdz(pozycja);
    {
        QFile f(plik);
        if (!f.open(QIODevice::WriteOnly))
            throw std::runtime_error("Nie można zapisać pliku " + plik.toStdString() + " (" +
                                     f.errorString().toStdString() + ")");
    }
    QPdfWriter writer(plik);
    writer.setResolution(600);
    writer.setCreator("Zlecenix");
    if (s.pasmowy()) {
        drukuj_raport_qt(s, pozycja, writer, Marginesy{}, false);
        return;
    }
    writer.setPageSize(QPageSize(QPageSize::A4));
    przygotuj_strone(writer, s, pozycja);
    QtCanvas c(writer);
    s.steruj_drukowanie(c, pozycja);
    c.zakoncz();
}

void drukuj_na_drukarce(const SterowanieWydrukiem& s, int pozycja, QPrinter& drukarka) {
    s.sprawdz(pozycja);
    drukuj_na(s, pozycja, drukarka);
}

void pokaz_podglad(const SterowanieWydrukiem& s, int pozycja, QPrinter& drukarka, QWidget* rodzic) {
    s.sprawdz(pozycja);
    przygotuj_strone(drukarka, s, pozycja);
    QPrintPreviewDialog dialog(&drukarka, rodzic);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, [&](QPrinter* p) {
        try {
            drukuj_na(s, pozycja, *p);
        } catch (const std::exception&) {
            // The trial above read the same settings and base file; a change in between leaves the
            // pages short.
        }
    });
    dialog.setWindowState(Qt::WindowMaximized);
    if (auto* podglad = dialog.findChild<QPrintPreviewWidget*>()) podglad->setZoomFactor(1.0);
    dialog.exec();
}

}  // namespace zlx::app
