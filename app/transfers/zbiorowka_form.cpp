#include "app/transfers/zbiorowka_form.h"

#include <QDateEdit>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "app/core/screen.h"
#include "app/core/screen_factory.h"
#include "app/printing/drukuj_form.h"
#include "app/transfers/daty_qt.h"
#include "app/transfers/przelew_list_model.h"
#include "app/transfers/wybory_rejestrow.h"
#include "db/result_set.h"
#include "registers/firma_my_store.h"
#include "transfers/formularz.h"

namespace zlx::app {

namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

// The list's columns this screen shows, with their widths.
struct Kolumna {
    int kolumna;
    int szerokosc;
};
constexpr Kolumna kKolumny[] = {
    {PrzelewListModel::kLp, 30},     {PrzelewListModel::kZaznaczenie, 40},
    {PrzelewListModel::kRodzaj, 40}, {PrzelewListModel::kBufor, 40},
    {PrzelewListModel::kData, 90},   {PrzelewListModel::kKontrahent, 250},
    {PrzelewListModel::kKwota, 70},  {PrzelewListModel::kTytulem, 250},
};

}  // namespace

Tzbiorowka_frm::Tzbiorowka_frm(const Services& services, QWidget* owner)
    : QDialog(owner),
      services_(services),
      model_(new PrzelewListModel(this)),
      grid_(new QTableView),
      data_zbiorowki_dtp(nowy_wybor_daty(this)),
      nazwa_edt(new QLineEdit),
      adres_edt(new QLineEdit),
      rachunek_edt(new QLineEdit) {
    setWindowTitle(QStringLiteral("Zbiorcze polecenie przelewu"));
    resize(900, 560);

    grid_->setObjectName(QStringLiteral("grid"));
    grid_->setModel(model_);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setAlternatingRowColors(true);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->verticalHeader()->hide();
    for (int k = 0; k < PrzelewListModel::kKolumn; ++k)
        grid_->setColumnHidden(k, true);
    const QFontMetrics fm = grid_->horizontalHeader()->fontMetrics();
    for (const Kolumna& k : kKolumny) {
        grid_->setColumnHidden(k.kolumna, false);
        int w = k.szerokosc;
        if (k.kolumna == PrzelewListModel::kKwota)
            w = std::max(w, fm.horizontalAdvance(QStringLiteral("9 999 999,99")) + 10);
        grid_->setColumnWidth(k.kolumna, w);
    }
    grid_->horizontalHeader()->setStretchLastSection(true);

    data_zbiorowki_dtp->setObjectName(QStringLiteral("data_zbiorowki_dtp"));
    data_zbiorowki_dtp->setDate(na_qdate(TDateTime::today()));
    nazwa_edt->setObjectName(QStringLiteral("nazwa_edt"));
    adres_edt->setObjectName(QStringLiteral("adres_edt"));
    rachunek_edt->setObjectName(QStringLiteral("rachunek_edt"));
    nazwa_edt->setReadOnly(true);
    adres_edt->setReadOnly(true);

    auto* lista = new QPushButton(QStringLiteral("Lista [F3]"));
    lista->setObjectName(QStringLiteral("lista_btn"));
    auto* wystawiajacy = new QGroupBox(QStringLiteral("Wystawiający"));
    auto* pola = new QFormLayout(wystawiajacy);
    pola->addRow(QStringLiteral("Nazwa"), nazwa_edt);
    pola->addRow(QStringLiteral("Adres"), adres_edt);
    pola->addRow(QStringLiteral("Rachunek"), rachunek_edt);
    pola->addRow(QString(), lista);

    auto* wiersz_daty = new QHBoxLayout;
    wiersz_daty->addWidget(new QLabel(QStringLiteral("Data:")));
    wiersz_daty->addWidget(data_zbiorowki_dtp);
    wiersz_daty->addStretch();

    auto* drukuj = new QPushButton(QStringLiteral("Drukuj [F8]"));
    drukuj->setObjectName(QStringLiteral("drukuj_btn"));
    auto* wyjdz = new QPushButton(QStringLiteral("Wyjdź [ESC]"));
    wyjdz->setObjectName(QStringLiteral("wyjdz_btn"));
    auto* przyciski = new QHBoxLayout;
    przyciski->addStretch();
    przyciski->addWidget(drukuj);
    przyciski->addWidget(wyjdz);

    auto* uklad = new QVBoxLayout(this);
    uklad->addWidget(grid_, 1);
    uklad->addLayout(wiersz_daty);
    uklad->addWidget(wystawiajacy);
    uklad->addLayout(przyciski);

    connect(lista, &QPushButton::clicked, this, &Tzbiorowka_frm::lista_btnClick);
    connect(drukuj, &QPushButton::clicked, this, &Tzbiorowka_frm::drukuj_btnClick);
    connect(wyjdz, &QPushButton::clicked, this, &QDialog::reject);
    on_key(*this, QKeySequence(Qt::Key_F3), [this] { lista_btnClick(); });
    on_key(*this, QKeySequence(Qt::Key_F8), [this] { drukuj_btnClick(); });
    on_ctrl_enter(*this, [this] { drukuj_btnClick(); });
    no_default_buttons(*this);
}

Tzbiorowka_frm::~Tzbiorowka_frm() = default;

void Tzbiorowka_frm::set_ado_zbiorowka(const ResultSet& przelewy) {
    std::vector<std::size_t> wiersze;
    for (std::size_t i = 0; i < przelewy.record_count(); ++i)
        wiersze.push_back(przelewy.row_id_at(i));
    model_->ustaw(przelewy.copy_rows(wiersze));
}

void Tzbiorowka_frm::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (!pokazany_) FormShow();
}

void Tzbiorowka_frm::FormShow() {
    pokazany_ = true;
    my_ = get_firma_my(services_.ds, 0, kFirmaDomyslna);
    dsp_wystawiajacy();
    grid_->setFocus();
}

void Tzbiorowka_frm::dsp_wystawiajacy() {
    StronaFormularza s;
    pokaz_strone(my_, s);
    nazwa_edt->setText(q(my_.nazwa));
    adres_edt->setText(q(sklej_adres_kth(my_)));
    rachunek_edt->setText(q(s.rachunek));
}

void Tzbiorowka_frm::lista_btnClick() {
    if (auto firma = wybierz_firme(services_, this, my_.nazwa)) {
        my_ = *firma;
        dsp_wystawiajacy();
    }
}

std::vector<WierszZbiorowki> Tzbiorowka_frm::przygotuj(TParZbiorowka& par) const {
    const std::string rachunek = rachunek_edt->text().toStdString();
    const TDateTime dzien = data_z_qdate(data_zbiorowki_dtp->date());
    if (const ResultSet* zbior = model_->zbior()) return przygotuj_zbiorowke(*zbior, dzien, rachunek, par);
    // No set handed in: an empty order, as for an empty set.
    return przygotuj_zbiorowke(ResultSet({{"kwota_money", ColumnKind::money}}), dzien, rachunek, par);
}

void Tzbiorowka_frm::drukuj_btnClick() {
    TParZbiorowka par;
    const std::vector<WierszZbiorowki> wiersze = przygotuj(par);
    Tdrukuj_frm druk(services_, nullptr, this);
    druk.set_zbiorowka(wiersze, par);
    services_.screens.show_modal(druk);
}

}  // namespace zlx::app
