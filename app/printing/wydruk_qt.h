#pragma once

// The three destinations of a print run: a PDF file, a printer of the system's print service, and
// the preview window. Each tries the first page before it opens anything, so a setting that cannot be
// read throws BladUstawienia while no file, job or window exists yet.

#include <QString>

#include "printing/sterowanie.h"

class QPrinter;
class QWidget;

namespace zlx::app {

// Writes the run as an A4 PDF file. Throws BladUstawienia or std::runtime_error (file not writable).
void drukuj_do_pdf(const SterowanieWydrukiem& s, int pozycja, const QString& plik);
// Sends the run to the printer (its name, copies and the like set by the caller), on the paper chosen
// for it (full prints and reports are fitted to it), only the pages of its page range.
void drukuj_na_drukarce(const SterowanieWydrukiem& s, int pozycja, QPrinter& drukarka);
// Opens the preview window maximised at 100 % on the printer's paper; printing from it prints as above.
void pokaz_podglad(const SterowanieWydrukiem& s, int pozycja, QPrinter& drukarka, QWidget* rodzic);

}  // namespace zlx::app
