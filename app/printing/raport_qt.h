#pragma once

// A banded report (the collective order, the statement) on a Qt paged device: the page size of the
// base file, the margins from the device's unprintable strips (a PDF has none, so half an inch each).

#include <QPagedPaintDevice>
#include <QPrinter>

#include "printing/sterowanie.h"

namespace zlx::app {

// The printer's margins: its unprintable strips, each at least half an inch.
Marginesy marginesy_drukarki(const QPrinter& drukarka);

// Builds the report of the item for the margins and draws it on the device: on the base file's page,
// or with `papier_urzadzenia` on the paper the device has (a printer's chosen paper), scaled down when
// the report is wider than it; only pages od to do_ (0 and 0: all). Throws BladRaportu.
void drukuj_raport_qt(const SterowanieWydrukiem& s, int pozycja, QPagedPaintDevice& device,
                      const Marginesy& m, bool papier_urzadzenia, int od = 0, int do_ = 0);

}  // namespace zlx::app
