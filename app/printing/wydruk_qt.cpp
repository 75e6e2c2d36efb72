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

void przygotuj_strone(QPagedPaintDevice& d, const SterowanieWydrukiem& s, int pozycja) {
    d.setPageSize(QPageSize(QPageSize::A4));
    d.setPageOrientation(s.orientacja(pozycja) == Orientacja::pozioma ? QPageLayout::Landscape
                                                                      : QPageLayout::Portrait);
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
        drukuj_raport_qt(s, pozycja, writer, Marginesy{});
        return;
    }
    przygotuj_strone(writer, s, pozycja);
    QtCanvas c(writer);
    s.steruj_drukowanie(c, pozycja);
    c.zakoncz();
}

void drukuj_na_drukarce(const SterowanieWydrukiem& s, int pozycja, QPrinter& drukarka) {
    s.sprawdz(pozycja);
    if (s.pasmowy()) {
        drukuj_raport_qt(s, pozycja, drukarka, marginesy_drukarki(drukarka));
        return;
    }
    przygotuj_strone(drukarka, s, pozycja);
    QtCanvas c(drukarka);
    s.steruj_drukowanie(c, pozycja);
    c.zakoncz();
}

void pokaz_podglad(const SterowanieWydrukiem& s, int pozycja, QPrinter& drukarka, QWidget* rodzic) {
    s.sprawdz(pozycja);
    przygotuj_strone(drukarka, s, pozycja);
    QPrintPreviewDialog dialog(&drukarka, rodzic);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, [&](QPrinter* p) {
        if (s.pasmowy()) {
            try {
                drukuj_raport_qt(s, pozycja, *p, marginesy_drukarki(*p));
            } catch (const std::exception&) {
                // As below: the trial read the same base file.
            }
            return;
        }
        QtCanvas c(*p);
        try {
            s.steruj_drukowanie(c, pozycja);
        } catch (const std::exception&) {
            // The trial above read the same settings; a change in between leaves the page short.
        }
        c.zakoncz();
    });
    dialog.setWindowState(Qt::WindowMaximized);
    if (auto* podglad = dialog.findChild<QPrintPreviewWidget*>()) podglad->setZoomFactor(1.0);
    dialog.exec();
}

}  // namespace zlx::app
