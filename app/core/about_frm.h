#pragma once

#include <QDialog>

class QLabel;

namespace zlx::app {

// The product name as the caption, the status bar and the about box show it.
inline constexpr const char* kNazwaProgramu = "Zlecenix 2010    ";

// Returns "ver: " and the program's version.
QString tekst_wersji();

// The about box: product name, version, where the data lives (the program folder and the database in
// use, so the user knows what to back up) and an OK button.
class TfrmAbout : public QDialog {
    Q_OBJECT
  public:
    TfrmAbout(const QString& folder, const QString& baza, QWidget* owner = nullptr);

  private:
    QLabel* produkt_lbl_;
    QLabel* wersja_lbl_;
    QLabel* folder_lbl_;
    QLabel* baza_lbl_;
};

}  // namespace zlx::app
