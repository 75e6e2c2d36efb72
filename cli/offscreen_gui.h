#pragma once

// Fonts and the PDF writer need a Qt GUI application. The command line tool makes one offscreen, so it
// needs no display, and gives Qt a private runtime folder when the session has none, so Qt has nothing
// to warn about on stderr.

#include <QGuiApplication>

#include <memory>

namespace zlx::cli {

class OffscreenGui {
  public:
    OffscreenGui();
    ~OffscreenGui();
    OffscreenGui(const OffscreenGui&) = delete;
    OffscreenGui& operator=(const OffscreenGui&) = delete;

  private:
    std::unique_ptr<QGuiApplication> app_;
};

}  // namespace zlx::cli
