#pragma once

// The main window: a launcher. Its navigation pane and main menu are built from the command tables
// of main_commands.h; each command opens one modal screen owned by the window.

#include <QMainWindow>

#include "app/core/services.h"

class QLabel;
class QToolBox;

namespace zlx::app {

class Tmain_frm : public QMainWindow {
    Q_OBJECT
  public:
    explicit Tmain_frm(const Services& services, QWidget* parent = nullptr);

    const Services& services() const { return services_; }

    // The exit command of Esc: asks first.
    void KoniecESC1Click();

    // Shows the first-steps note while the database holds no transfer; every command calls it after
    // its screen closed.
    void pokaz_pierwsze_kroki();

  protected:
    // Closing the main window ends the program: the connection goes first.
    void closeEvent(QCloseEvent* event) override;

  private:
    void FormCreate();
    void koloruj();
    void zbuduj_panel();
    void zbuduj_menu();
    void uruchom(void (*akcja)(Tmain_frm&));

    Services services_;
    QToolBox* panel_;
    QLabel* nazwa_lbl_;
    QLabel* podwersja_lbl_;
    QLabel* status_lbl_;
    QLabel* pierwsze_kroki_lbl_;
};

// The colour of the program name and of the pane's selected page.
inline constexpr int kKolorProgramu[3] = {46, 92, 178};

}  // namespace zlx::app
