#pragma once

// The print settings dialog "Ustawienia": every key of TUstPrzelew on five tabs. Margins and spacings
// are shown and stored as typed (nothing is validated on save; the print tells a bad value), check
// boxes store "1" or "0", a radio group stores its checked choice and leaves the key as it was when
// none is checked. Each control is named after its key.

#include <QColor>
#include <QDialog>
#include <QFont>
#include <functional>
#include <map>
#include <optional>
#include <string>

#include "app/core/services.h"
#include "printing/ust_przelew.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QFrame;
class QLineEdit;

namespace zlx::app {

class TUstawieniaPrzelew_frm : public QDialog {
    Q_OBJECT
  public:
    explicit TUstawieniaPrzelew_frm(const Services& services, QWidget* owner = nullptr);

    void FormShow();
    void dsp_data(const TUstPrzelew& u);
    void save_data(TUstPrzelew& u) const;
    // Paints every swatch from its R, G, B fields; a field that is not a number is told once per row.
    void wyswietl_kolory();
    // Picks the colour of one row ("kolortlo1", "kolorlinie2", …) with the colour chooser.
    void ustaw_kolor(const std::string& wiersz);
    void czcionka_btnClick();
    void zapisz_btnClick();

    // The font and colour choosers; tests replace them. They return nothing when cancelled.
    std::function<std::optional<QFont>(const QFont&, QWidget*)> wybierz_czcionke;
    std::function<std::optional<QColor>(const QColor&, QWidget*)> wybierz_kolor;

  private:
    QWidget* strona_ogolne();
    QWidget* strona_bankowe();
    QWidget* strona_zus();
    QWidget* strona_podatkowe();
    QWidget* strona_kolory();
    QLineEdit* pole(const char* klucz, bool tylko_do_odczytu = false);
    QCheckBox* pole_wyboru(const char* klucz, const QString& tekst);
    QButtonGroup* grupa_radiowa(const char* klucz);

    Services services_;
    TUstPrzelew ust_;
    std::map<std::string, QLineEdit*> pola_;
    std::map<std::string, QCheckBox*> wybory_;
    std::map<std::string, QButtonGroup*> grupy_;
    std::map<std::string, QFrame*> probki_;  // colour swatches by row
};

}  // namespace zlx::app
