// The transfer list's buttons that hand rows on: "Drukuj  Zbiorczo", "Elektroniczny Zlecenix",
// "Zbiorówka" and "Zestawienie".

#include <QDateEdit>
#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>

#include "app/core/dialogs.h"
#include "app/core/screen_factory.h"
#include "app/export/frmListaProfiliExportu_form.h"
#include "app/printing/drukuj_form.h"
#include "app/printing/frm_drukuj_zbiorczo_form.h"
#include "app/transfers/daty_qt.h"
#include "app/transfers/przelew_list_master.h"
#include "app/transfers/przelew_list_model.h"
#include "app/transfers/zbiorowka_form.h"
#include "db/result_set.h"

namespace zlx::app {

namespace {

struct PozycjaZakresu {
    const char* tekst;
    ZakresWierszy zakres;
};
constexpr PozycjaZakresu kPozycjeZakresu[] = {
    {"Zaznaczone", ZakresWierszy::zaznaczone},
    {"Wszystkie", ZakresWierszy::wszystkie},
    {"Zatwierdzone", ZakresWierszy::zatwierdzone},
};

}  // namespace

QWidget* TPrzelewListMaster_frm::zbuduj_przyciski_raportow() {
    auto* pasek = new QWidget;
    auto* h = new QHBoxLayout(pasek);
    h->setContentsMargins(0, 0, 0, 0);
    auto* zbiorczo = new QPushButton(QStringLiteral("Drukuj  Zbiorczo"));
    zbiorczo->setObjectName(QStringLiteral("drukuj_zbiorczo_btn"));
    connect(zbiorczo, &QPushButton::clicked, this, &TPrzelewListMaster_frm::DrukujZbiorczePrzelewy);
    h->addWidget(zbiorczo);
    auto* eksport = new QPushButton(QStringLiteral("Elektroniczny Zlecenix"));
    eksport->setObjectName(QStringLiteral("eksport_btn"));
    connect(eksport, &QPushButton::clicked, this, &TPrzelewListMaster_frm::exportuj_przelewy);
    h->addWidget(eksport);
    const struct {
        const char* tekst;
        const char* nazwa;
        void (TPrzelewListMaster_frm::*akcja)(ZakresWierszy);
    } przyciski[] = {
        {"Zbiorówka", "zbiorowka_btn", &TPrzelewListMaster_frm::drukujZbiorowke},
        {"Zestawienie", "zestawienie_btn", &TPrzelewListMaster_frm::drukujZestawienie},
    };
    for (const auto& p : przyciski) {
        auto* b = new QPushButton(QString::fromUtf8(p.tekst));
        b->setObjectName(QString::fromUtf8(p.nazwa));
        auto* menu = new QMenu(b);
        for (const PozycjaZakresu& z : kPozycjeZakresu) {
            const auto akcja = p.akcja;
            const ZakresWierszy zakres = z.zakres;
            menu->addAction(QString::fromUtf8(z.tekst), this,
                            [this, akcja, zakres] { (this->*akcja)(zakres); });
        }
        b->setMenu(menu);
        h->addWidget(b);
    }
    return pasek;
}

std::unique_ptr<ResultSet> TPrzelewListMaster_frm::wiersze_do_przekazania(ZakresWierszy zakres) {
    const ResultSet* lista = model_->zbior();
    if (!lista) return nullptr;
    WybraneWiersze w = wybierz_wiersze(*lista, model_->zaznaczenie(), zakres);
    if (w.brak_zaznaczenia) services_.dialogs.information(this, QString::fromUtf8(kZaznaczJakies));
    return std::move(w.zbior);
}

void TPrzelewListMaster_frm::DrukujZbiorczePrzelewy() {
    std::unique_ptr<ResultSet> wiersze = wiersze_do_przekazania(ZakresWierszy::zaznaczone);
    if (!wiersze) return;
    TfrmDrukujZbiorczo zbiorczo(services_, nullptr, this);
    zbiorczo.set_lista_przelewow(*wiersze);
    services_.screens.show_modal(zbiorczo);
}

void TPrzelewListMaster_frm::exportuj_przelewy() {
    std::unique_ptr<ResultSet> wiersze = wiersze_do_przekazania(ZakresWierszy::zaznaczone);
    if (!wiersze) return;
    TfrmListaProfiliExportu eksport(services_, this);
    eksport.set_przelewy_eksportu(std::move(wiersze));
    services_.screens.show_modal(eksport);
}

void TPrzelewListMaster_frm::drukujZbiorowke(ZakresWierszy zakres) {
    std::unique_ptr<ResultSet> wiersze = wiersze_do_przekazania(zakres);
    if (!wiersze) return;
    Tzbiorowka_frm zbiorowka(services_, this);
    zbiorowka.set_ado_zbiorowka(*wiersze);
    services_.screens.show_modal(zbiorowka);
}

void TPrzelewListMaster_frm::drukujZestawienie(ZakresWierszy zakres) {
    std::unique_ptr<ResultSet> wiersze = wiersze_do_przekazania(zakres);
    if (!wiersze) return;
    TParZbiorowka par;
    par.data_od = data_z_qdate(od_dtp_->date()).to_text();
    par.data_do = data_z_qdate(do_dtp_->date()).to_text();
    const std::vector<WierszZestawienia> wiersze_zestawienia = generuj_rs_zestaw_przel(*wiersze, par);
    Tdrukuj_frm druk(services_, nullptr, this);
    druk.set_zest_przel(wiersze_zestawienia, par);
    services_.screens.show_modal(druk);
}

}  // namespace zlx::app
