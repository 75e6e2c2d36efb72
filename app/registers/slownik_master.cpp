#include "app/registers/slownik_master.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "app/core/dialogs.h"
#include "app/core/pole_ograniczone.h"
#include "app/core/screen.h"
#include "app/registers/lista_model.h"
#include "core/text.h"
#include "registers/kth_karta.h"

namespace zlx::app {

namespace {

std::vector<KolumnaSiatki> kolumny(const OpisSlownika& opis) {
    using R = KolumnaSiatki::Rodzaj;
    std::vector<KolumnaSiatki> k = {{QStringLiteral("Lp."), "", kSzerokoscLp, R::lp}};
    for (const KolumnaListy& c : opis.kolumny)
        k.push_back({QString::fromUtf8(c.tytul), c.pole, c.szerokosc, c.flaga ? R::flaga : R::tekst});
    return k;
}

}  // namespace

SlownikMaster::SlownikMaster(const Services& services, const OpisSlownika& opis, CtrlEnter ctrl_enter,
                             QWidget* owner)
    : QDialog(owner),
      services_(services),
      ds_(services.ds),
      opis_(opis),
      model_(new ListaModel(kolumny(opis), opis.pole_klucza, this)),
      siatka_(new QTableView),
      filtr_edt_(new QLineEdit),
      wg_lbl_(new QLabel(QStringLiteral("Wg"))),
      filtr_cmb_(new QComboBox),
      przyciski_(new QHBoxLayout),
      pod_siatka_(new QVBoxLayout) {
    setWindowTitle(QString::fromUtf8(opis.tytul));
    siatka_->setObjectName(QStringLiteral("siatka"));
    filtr_edt_->setObjectName(QStringLiteral("filtr_edt"));
    filtr_cmb_->setObjectName(QStringLiteral("filtr_cmb"));
    for (const char* item : opis.filtruj_wg)
        filtr_cmb_->addItem(QString::fromUtf8(item));
    filtr_cmb_->setCurrentIndex(0);

    auto* filtr = new QGroupBox(QStringLiteral("Filtrowanie"));
    auto* fl = new QHBoxLayout(filtr);
    fl->addWidget(new QLabel(QStringLiteral("Filtruj ")));
    fl->addWidget(filtr_edt_, 1);
    fl->addWidget(wg_lbl_);
    fl->addWidget(filtr_cmb_);
    connect(filtr_edt_, &QLineEdit::textChanged, this, &SlownikMaster::filtruj);
    connect(filtr_cmb_, &QComboBox::currentIndexChanged, this, &SlownikMaster::filtruj);

    ustaw_siatke(*siatka_, *model_);
    connect(siatka_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { pokaz_biezacy(); });
    connect(siatka_, &QTableView::doubleClicked, this, &SlownikMaster::uzyj_btnClick);

    auto* dodaj = new QPushButton(QStringLiteral("Dodaj [CTRL+INS]"));
    auto* edytuj = new QPushButton(QStringLiteral("Edytuj [F4]"));
    auto* usun_btn = new QPushButton(QStringLiteral("Usuń [CTRL+DEL]"));
    auto* uzyj = new QPushButton(QString::fromUtf8(opis.przycisk_uzyj));
    auto* wyjdz = new QPushButton(QStringLiteral("Wyjdź [ESC]"));
    connect(dodaj, &QPushButton::clicked, this, &SlownikMaster::dodaj_btnClick);
    connect(edytuj, &QPushButton::clicked, this, &SlownikMaster::edytuj_btnClick);
    connect(usun_btn, &QPushButton::clicked, this, &SlownikMaster::usun_btnClick);
    connect(uzyj, &QPushButton::clicked, this, &SlownikMaster::uzyj_btnClick);
    connect(wyjdz, &QPushButton::clicked, this, &QDialog::reject);
    przyciski_->addWidget(dodaj);
    przyciski_->addWidget(edytuj);
    przyciski_->addWidget(usun_btn);
    przyciski_->addStretch();
    przyciski_->addWidget(uzyj);
    przyciski_->addWidget(wyjdz);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(filtr);
    layout->addWidget(siatka_, 1);
    layout->addLayout(pod_siatka_);
    layout->addLayout(przyciski_);
    int szerokosc = 60;
    for (int c = 0; c < model_->columnCount(); ++c)
        szerokosc += siatka_->columnWidth(c);
    resize(std::max(szerokosc, 560), 460);

    on_key(*this, QKeySequence(Qt::CTRL | Qt::Key_Insert), [this] { dodaj_btnClick(); });
    on_key(*this, QKeySequence(Qt::Key_F4), [this] { edytuj_btnClick(); });
    on_key(*this, QKeySequence(Qt::CTRL | Qt::Key_Delete), [this] { usun_btnClick(); });
    if (ctrl_enter == CtrlEnter::wybiera) {
        on_key(*this, QKeySequence(Qt::CTRL | Qt::Key_F4), [this] { edytuj_btnClick(); });
        on_ctrl_enter(*this, [this] { uzyj_btnClick(); });
    } else {
        on_ctrl_enter(*this, [this] { edytuj_btnClick(); });
    }
    no_default_buttons(*this);
    otworz();
}

void SlownikMaster::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (pokazany_) return;
    pokazany_ = true;
    FormShow();
}

void SlownikMaster::FormShow() {
    siatka_->setFocus();
}

void SlownikMaster::ukryj_wg() {
    wg_lbl_->hide();
    filtr_cmb_->hide();
}

std::int32_t SlownikMaster::biezacy_klucz() const {
    const QModelIndex i = siatka_->currentIndex();
    return model_->klucz(i.isValid() ? i.row() : -1);
}

void SlownikMaster::otworz() {
    model_->ustaw(otworz_liste(ds_, services_.dialogs, this, opis_.sql), opis_.sql);
    filtruj();
}

void SlownikMaster::filtruj() {
    const std::string tekst = trim(filtr_edt_->text().toStdString());
    const int wg = std::max(0, filtr_cmb_->currentIndex());
    if (tekst.empty())
        model_->bez_filtru();
    else
        model_->filtruj(opis_.pola_filtru[static_cast<std::size_t>(wg)], tekst);
    if (model_->rowCount() > 0) siatka_->setCurrentIndex(model_->index(0, 1));
    pokaz_biezacy();
}

void SlownikMaster::ustaw_kursor(std::int32_t klucz) {
    const int r = model_->wiersz(klucz);
    if (r >= 0) siatka_->setCurrentIndex(model_->index(r, 1));
    pokaz_biezacy();
}

void SlownikMaster::dodaj_btnClick() {
    const std::int32_t klucz = karta(0);
    if (klucz == 0) return;
    otworz();
    ustaw_kursor(klucz);
}

void SlownikMaster::edytuj_btnClick() {
    if (model_->rowCount() == 0) return;
    const std::int32_t klucz = karta(biezacy_klucz());
    if (klucz == 0) return;
    otworz();
    ustaw_kursor(klucz);
}

void SlownikMaster::usun_btnClick() {
    if (model_->rowCount() == 0) return;
    if (!services_.dialogs.question(this, QStringLiteral("Usuwanie kartoteki"),
                                    QStringLiteral("Czy na pewno chcesz usunąć kartotekę ?")))
        return;
    usun(biezacy_klucz());
    otworz();
}

void SlownikMaster::uzyj_btnClick() {
    wybierz(biezacy_klucz());
    accept();
}

KartaSlownika::KartaSlownika(const Services& services, const OpisSlownika& opis,
                             const std::vector<Pole>& pola, const char* grupa, QWidget* owner)
    : QDialog(owner), services_(services), ds_(services.ds), opis_(opis) {
    setWindowTitle(QString::fromUtf8(opis.tytul_karty));
    auto* form = new QFormLayout;
    for (const Pole& p : pola) {
        auto* e = new QLineEdit;
        e->setObjectName(QString::fromLatin1(p.nazwa));
        ogranicz_wpisywanie(*e, p.max);
        e->setMinimumWidth(360);
        form->addRow(QString::fromUtf8(p.etykieta), e);
        edity_.push_back(e);
    }
    auto* layout = new QVBoxLayout(this);
    if (grupa) {
        auto* box = new QGroupBox(QString::fromUtf8(grupa));
        box->setLayout(form);
        layout->addWidget(box);
    } else {
        layout->addLayout(form);
    }
    auto* zapisz_btn = new QPushButton(QStringLiteral("Zapisz [CTRL+ENTER]"));
    auto* wyjdz = new QPushButton(QStringLiteral("Wyjdź [ESC]"));
    connect(zapisz_btn, &QPushButton::clicked, this, &KartaSlownika::zapisz_btnClick);
    connect(wyjdz, &QPushButton::clicked, this, &QDialog::reject);
    auto* przyciski = new QHBoxLayout;
    przyciski->addStretch();
    przyciski->addWidget(zapisz_btn);
    przyciski->addWidget(wyjdz);
    layout->addLayout(przyciski);
    on_ctrl_enter(*this, [this] { zapisz_btnClick(); });
    no_default_buttons(*this);
    edity_.front()->setFocus();
}

void KartaSlownika::zapisz_btnClick() {
    if (trim(edity_.front()->text().toStdString()).empty()) {
        services_.dialogs.warning(this, QString::fromUtf8(kTytulBleduKarty),
                                  QString::fromUtf8(opis_.blad_karty));
        return;
    }
    // A refused statement has been shown; what was typed stays on the card.
    if (zapisz()) accept();
}

}  // namespace zlx::app
