#include "app/printing/drukuj_form.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <stdexcept>

#include "app/core/dialogs.h"
#include "app/core/screen.h"
#include "core/ini.h"

namespace zlx::app {

Tdrukuj_frm::Tdrukuj_frm(const Services& services, WyjscieWydruku* wyjscie, QWidget* owner)
    : QDialog(owner), services_(services), raporty_(new QListWidget) {
    if (!wyjscie) {
        wlasne_wyjscie_ = std::make_unique<QtWyjscieWydruku>();
        wyjscie = wlasne_wyjscie_.get();
    }
    wyjscie_ = wyjscie;
    setWindowTitle(QStringLiteral("Drukuj"));
    raporty_->setObjectName(QStringLiteral("raporty_lst"));
    raporty_->setMinimumWidth(420);

    auto* grupa = new QGroupBox(QStringLiteral("Raporty"));
    auto* w_grupie = new QVBoxLayout(grupa);
    w_grupie->addWidget(raporty_);

    auto* drukuj = new QPushButton(QStringLiteral("Drukuj  [F8]"));
    drukuj->setObjectName(QStringLiteral("drukuj_btn"));
    connect(drukuj, &QPushButton::clicked, this, [this] { steruj_drukowanie(0); });
    auto* podglad = new QPushButton(QStringLiteral("Podgląd [F9]"));
    podglad->setObjectName(QStringLiteral("podglad_btn"));
    connect(podglad, &QPushButton::clicked, this, [this] { steruj_drukowanie(1); });
    auto* anuluj = new QPushButton(QStringLiteral("Anuluj [ESC]"));
    anuluj->setObjectName(QStringLiteral("anuluj_btn"));
    connect(anuluj, &QPushButton::clicked, this, &QDialog::reject);

    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("panel_przyciskow"));
    panel->setAutoFillBackground(true);
    QPalette kolory = panel->palette();
    kolory.setColor(QPalette::Window, QColor(112, 152, 117));
    panel->setPalette(kolory);
    auto* przyciski = new QHBoxLayout(panel);
    przyciski->addStretch();
    przyciski->addWidget(drukuj);
    przyciski->addWidget(podglad);
    przyciski->addWidget(anuluj);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grupa);
    layout->addWidget(panel);

    no_default_buttons(*this);
    on_key(*this, QKeySequence(Qt::Key_F8), [this] { steruj_drukowanie(0); });
    on_key(*this, QKeySequence(Qt::Key_F9), [this] { steruj_drukowanie(1); });
}

Tdrukuj_frm::~Tdrukuj_frm() = default;

void Tdrukuj_frm::wypelnij_liste() {
    setWindowTitle(QString::fromStdString(sterowanie_.podpis()));
    raporty_->clear();
    for (const std::string& p : sterowanie_.pozycje())
        raporty_->addItem(QString::fromStdString(p));
    if (raporty_->count() > 0) raporty_->setCurrentRow(0);
}

void Tdrukuj_frm::set_przelew(const TPrzelew& t) {
    sterowanie_.set_przelew(t);
    wypelnij_liste();
}

void Tdrukuj_frm::set_przelew_zus(const TPrzelew& t) {
    sterowanie_.set_przelew_zus(t);
    wypelnij_liste();
}

void Tdrukuj_frm::set_przelew_us(const TPrzelew& t) {
    sterowanie_.set_przelew_us(t);
    wypelnij_liste();
}

void Tdrukuj_frm::set_przelew_lista(const std::vector<TPrzelew>& lista) {
    sterowanie_.set_przelew_lista(lista);
    wypelnij_liste();
}

void Tdrukuj_frm::set_przelew_zus_lista(const std::vector<TPrzelew>& lista) {
    sterowanie_.set_przelew_zus_lista(lista);
    wypelnij_liste();
}

void Tdrukuj_frm::set_przelew_us_lista(const std::vector<TPrzelew>& lista) {
    sterowanie_.set_przelew_us_lista(lista);
    wypelnij_liste();
}

void Tdrukuj_frm::set_zbiorowka(const std::vector<WierszZbiorowki>& wiersze, const TParZbiorowka& par) {
    sterowanie_.set_zbiorowka(wiersze, par);
    wypelnij_liste();
}

void Tdrukuj_frm::set_zest_przel(const std::vector<WierszZestawienia>& wiersze, const TParZbiorowka& par) {
    sterowanie_.set_zest_przel(wiersze, par);
    wypelnij_liste();
}

int Tdrukuj_frm::wybrana_pozycja() const {
    return raporty_->currentRow();
}

void Tdrukuj_frm::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    FormShow();
}

void Tdrukuj_frm::FormShow() {
    drukarka_ = QString::fromStdString(SterowanieWydrukiem::zapamietana_drukarka());
    if (raporty_->count() > 0) raporty_->setCurrentRow(sterowanie_.zapamietana_pozycja());
    raporty_->setFocus();
}

void Tdrukuj_frm::done(int r) {
    FormClose();
    QDialog::done(r);
}

void Tdrukuj_frm::FormClose() {
    if (sterowanie_.tryb() == TrybWydruku::brak) return;
    try {
        sterowanie_.zapamietaj_pozycje(std::max(0, wybrana_pozycja()));
        if (!drukarka_.trimmed().isEmpty()) SterowanieWydrukiem::zapamietaj_drukarke(drukarka_.toStdString());
    } catch (const IniWriteError&) {
        // The choice is only a convenience for the next time; the dialog closes anyway.
    }
}

void Tdrukuj_frm::steruj_drukowanie(int cel) {
    const int pozycja = wybrana_pozycja();
    if (pozycja < 0) return;
    try {
        if (cel == 0)
            wyjscie_->drukuj(sterowanie_, pozycja, drukarka_, this);
        else
            wyjscie_->podglad(sterowanie_, pozycja, drukarka_, this);
    } catch (const std::exception& e) {
        services_.dialogs.warning(this, QStringLiteral("Drukuj"), QString::fromUtf8(e.what()));
    }
}

}  // namespace zlx::app
