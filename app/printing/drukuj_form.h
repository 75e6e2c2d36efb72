#pragma once

// The print dialog "Drukuj": lists the layouts that fit the data handed in under "Raporty", sends the
// chosen one to the printer or the preview, and remembers per print mode the item chosen last and the
// printer used last. The caller hands over exactly one of set_przelew … set_przelew_us_lista before
// showing it; a list is kept by reference for the dialog's lifetime and is not freed.

#include <QDialog>
#include <memory>
#include <vector>

#include "app/core/services.h"
#include "app/printing/wyjscie_wydruku.h"
#include "printing/sterowanie.h"

class QListWidget;

namespace zlx::app {

class Tdrukuj_frm : public QDialog {
    Q_OBJECT
  public:
    // `wyjscie` replaces the printer and the preview (tests); nullptr uses Qt's.
    explicit Tdrukuj_frm(const Services& services, WyjscieWydruku* wyjscie = nullptr,
                         QWidget* owner = nullptr);
    ~Tdrukuj_frm() override;

    void set_przelew(const TPrzelew& t);
    void set_przelew_zus(const TPrzelew& t);
    void set_przelew_us(const TPrzelew& t);
    void set_przelew_lista(const std::vector<TPrzelew>& lista);
    void set_przelew_zus_lista(const std::vector<TPrzelew>& lista);
    void set_przelew_us_lista(const std::vector<TPrzelew>& lista);
    // The collective order (mode 4) and the statement (mode 5); rows and parameters are copied.
    void set_zbiorowka(const std::vector<WierszZbiorowki>& wiersze, const TParZbiorowka& par);
    void set_zest_przel(const std::vector<WierszZestawienia>& wiersze, const TParZbiorowka& par);

    void FormShow();
    void FormClose();
    // 0 the printer, 1 the preview. A setting that cannot be read is told in a box; the dialog stays.
    void steruj_drukowanie(int cel);

    int wybrana_pozycja() const;
    const QString& drukarka() const { return drukarka_; }
    const SterowanieWydrukiem& sterowanie() const { return sterowanie_; }

  protected:
    void showEvent(QShowEvent* e) override;
    void done(int r) override;

  private:
    void wypelnij_liste();

    Services services_;
    std::unique_ptr<WyjscieWydruku> wlasne_wyjscie_;
    WyjscieWydruku* wyjscie_;
    SterowanieWydrukiem sterowanie_;
    QListWidget* raporty_;
    QString drukarka_;
};

}  // namespace zlx::app
