#include "app/printing/frm_drukuj_zbiorczo_form.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/core/screen.h"
#include "app/core/screen_factory.h"
#include "app/printing/drukuj_form.h"
#include "db/result_set.h"
#include "transfers/przelew_store.h"

namespace zlx::app {

TfrmDrukujZbiorczo::TfrmDrukujZbiorczo(const Services& services, WyjscieWydruku* wyjscie, QWidget* owner)
    : QDialog(owner),
      services_(services),
      wyjscie_(wyjscie),
      opis_(new QPlainTextEdit),
      rodzaj_(new QButtonGroup(this)),
      kwoty_(new QCheckBox(QStringLiteral("Drukuj kwoty"))),
      daty_(new QCheckBox(QStringLiteral("Drukuj daty"))) {
    setWindowTitle(QStringLiteral("Drukuj zbiorczo"));
    opis_->setObjectName(QStringLiteral("opis_memo"));
    opis_->setReadOnly(true);
    kwoty_->setObjectName(QStringLiteral("kwoty_chk"));
    kwoty_->setChecked(true);
    daty_->setObjectName(QStringLiteral("daty_chk"));
    daty_->setChecked(true);

    auto* grupa = new QGroupBox(QStringLiteral("Jaki rodzaj wydrukować ?"));
    auto* lg = new QVBoxLayout(grupa);
    const QString rodzaje[] = {QStringLiteral("Bankowe"), QStringLiteral("Zus"), QStringLiteral("Podatki")};
    for (int i = 0; i < 3; ++i) {
        auto* r = new QRadioButton(rodzaje[i]);
        rodzaj_->addButton(r, i);
        lg->addWidget(r);
    }
    rodzaj_->button(0)->setChecked(true);

    auto* drukuj = new QPushButton(QStringLiteral("Drukuj  [F8]"));
    drukuj->setObjectName(QStringLiteral("drukuj_btn"));
    connect(drukuj, &QPushButton::clicked, this, &TfrmDrukujZbiorczo::drukuj_btnClick);
    auto* anuluj = new QPushButton(QStringLiteral("Anuluj [ESC]"));
    anuluj->setObjectName(QStringLiteral("anuluj_btn"));
    connect(anuluj, &QPushButton::clicked, this, &QDialog::reject);
    auto* przyciski = new QHBoxLayout;
    przyciski->addStretch();
    przyciski->addWidget(drukuj);
    przyciski->addWidget(anuluj);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(opis_);
    layout->addWidget(grupa);
    layout->addWidget(kwoty_);
    layout->addWidget(daty_);
    layout->addLayout(przyciski);
    no_default_buttons(*this);
    on_key(*this, QKeySequence(Qt::Key_F8), [this] { drukuj_btnClick(); });
}

void TfrmDrukujZbiorczo::set_lista_przelewow(ResultSet& rows) {
    rows_ = &rows;
}

void TfrmDrukujZbiorczo::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    FormShow();
}

void TfrmDrukujZbiorczo::FormShow() {
    std::vector<TPrzelew> wszystkie;
    if (rows_) {
        for (rows_->first(); !rows_->eof(); rows_->next()) {
            TPrzelew t = load_przelew(services_.ds, rows_->int_value("nr_id"));
            wylicz_pola_druku(t);
            wszystkie.push_back(t);
        }
    }
    przelewy_ = rozdziel_przelewy(wszystkie);
    QStringList linie;
    for (const std::string& l : opis_przelewow(przelewy_))
        linie << QString::fromStdString(l);
    opis_->setPlainText(linie.join(QLatin1Char('\n')));
}

void TfrmDrukujZbiorczo::drukuj_btnClick() {
    const int wybor = rodzaj_->checkedId();
    std::vector<TPrzelew>& lista = wybor == 1 ? przelewy_.zus : wybor == 2 ? przelewy_.us : przelewy_.bankowe;
    ustaw_flagi_druku(lista, kwoty_->isChecked(), daty_->isChecked());
    Tdrukuj_frm drukuj(services_, wyjscie_, this);
    if (wybor == 1)
        drukuj.set_przelew_zus_lista(lista);
    else if (wybor == 2)
        drukuj.set_przelew_us_lista(lista);
    else
        drukuj.set_przelew_lista(lista);
    services_.screens.show_modal(drukuj);
}

}  // namespace zlx::app
