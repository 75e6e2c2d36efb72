#pragma once

// Where the print dialog sends a run: the printer of the system's print service or the preview
// window. Screen tests replace it, so no print dialog or preview opens during a test.

#include <QString>

#include "printing/sterowanie.h"

class QWidget;

namespace zlx::app {

class WyjscieWydruku {
  public:
    virtual ~WyjscieWydruku() = default;
    // Prints the item. `drukarka` holds the remembered printer on entry and the one used on return.
    // Throws BladUstawienia (nothing printed) when a setting cannot be read.
    virtual void drukuj(const SterowanieWydrukiem& s, int pozycja, QString& drukarka, QWidget* rodzic) = 0;
    // Shows the item in the preview window.
    virtual void podglad(const SterowanieWydrukiem& s, int pozycja, const QString& drukarka,
                         QWidget* rodzic) = 0;
};

// The system's printer chooser and Qt's preview window.
class QtWyjscieWydruku : public WyjscieWydruku {
  public:
    void drukuj(const SterowanieWydrukiem& s, int pozycja, QString& drukarka, QWidget* rodzic) override;
    void podglad(const SterowanieWydrukiem& s, int pozycja, const QString& drukarka,
                 QWidget* rodzic) override;
};

}  // namespace zlx::app
