#include "app/printing/wyjscie_wydruku.h"

#include <QPrintDialog>
#include <QPrinter>

#include "app/printing/wydruk_qt.h"

namespace zlx::app {

void QtWyjscieWydruku::drukuj(const SterowanieWydrukiem& s, int pozycja, QString& drukarka, QWidget* rodzic) {
    s.sprawdz(pozycja);  // before the chooser, so a bad setting is told at once
    QPrinter printer(QPrinter::HighResolution);
    if (!drukarka.trimmed().isEmpty()) printer.setPrinterName(drukarka);
    QPrintDialog wybor(&printer, rodzic);
    wybor.setWindowTitle(QStringLiteral("Drukuj"));
    if (wybor.exec() != QDialog::Accepted) return;
    drukuj_na_drukarce(s, pozycja, printer);
    drukarka = printer.printerName();
}

void QtWyjscieWydruku::podglad(const SterowanieWydrukiem& s, int pozycja, const QString& drukarka,
                               QWidget* rodzic) {
    QPrinter printer(QPrinter::HighResolution);
    if (!drukarka.trimmed().isEmpty()) printer.setPrinterName(drukarka);
    pokaz_podglad(s, pozycja, printer, rodzic);
}

}  // namespace zlx::app
