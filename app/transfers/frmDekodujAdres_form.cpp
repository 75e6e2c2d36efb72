#include "app/transfers/frmDekodujAdres_form.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/core/screen.h"

namespace zlx::app {

namespace {

const char* const kInformacje[] = {
    "W pole na zakładce \"Pole wprowadzania danych\" wg. wzoru:",
    "NAZWA",
    "ADRES",
    "KOD POCZTOWY MIEJSCOWOŚĆ",
    "NR KONTA BANKOWEGO",
    "TYTUŁEM",
    "TYTUŁEM CD.",
    "",
    "Pola tytułem i tytułem cd nie są obowiązkowe.",
    "Pamiętaj o tym, że pole z kodem i miejscowością musi mieć następujący format:",
    "KK-KKK MMMMMMMMMMM",
    "",
    "W przypadku aukcji allegro wprowadź w linie TYTUŁEM nr. aukcji",
    "a w pole TYTUŁEM CD. swój nick z Allegro.",
};

QLineEdit* edit(const char* nazwa) {
    auto* e = new QLineEdit;
    e->setObjectName(QString::fromUtf8(nazwa));
    return e;
}

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace

TfrmDekodujAdres::TfrmDekodujAdres(QWidget* owner)
    : QDialog(owner),
      tekst_memo(new QPlainTextEdit),
      allegro_chbox(new QCheckBox(QStringLiteral("Allegro"))),
      odbiorca_nazwa_edt(edit("odbiorca_nazwa_edt")),
      odb_adres_edt(edit("odb_adres_edt")),
      odbiorca_kodpocz_edt(edit("odbiorca_kodpocz_edt")),
      odb_miejscowosc(edit("odb_miejscowosc")),
      odbiorca_rachunek_edt(edit("odbiorca_rachunek_edt")),
      tytulem_edt(edit("tytulem_edt")),
      tytulemcd_edt(edit("tytulemcd_edt")) {
    setWindowTitle(QStringLiteral("Dekodowanie adresu"));
    tekst_memo->setObjectName(QStringLiteral("tekst_memo"));

    QStringList linie;
    for (const char* l : kInformacje)
        linie << QString::fromUtf8(l);
    auto* informacje = new QPlainTextEdit(linie.join(QLatin1Char('\n')));
    informacje->setReadOnly(true);

    auto* zakladki = new QTabWidget;
    zakladki->addTab(tekst_memo, QStringLiteral("Pole wprowadzania danych"));
    zakladki->addTab(informacje, QStringLiteral("Informacje"));

    auto* dekoduj = new QPushButton(QStringLiteral("Dekoduj adres"));
    connect(dekoduj, &QPushButton::clicked, this, &TfrmDekodujAdres::dekoduj_btnClick);
    auto* srodek = new QHBoxLayout;
    srodek->addWidget(dekoduj);
    srodek->addWidget(allegro_chbox);
    srodek->addStretch();

    auto* pola_lay = new QFormLayout;
    pola_lay->addRow(QStringLiteral("Nazwa"), odbiorca_nazwa_edt);
    pola_lay->addRow(QStringLiteral("Adres"), odb_adres_edt);
    pola_lay->addRow(QStringLiteral("Kod.P."), odbiorca_kodpocz_edt);
    pola_lay->addRow(QStringLiteral("Miejscowość"), odb_miejscowosc);
    pola_lay->addRow(QStringLiteral("Rachunek"), odbiorca_rachunek_edt);
    pola_lay->addRow(QStringLiteral("Tytułem"), tytulem_edt);
    pola_lay->addRow(QStringLiteral("Tytułem cd"), tytulemcd_edt);

    auto* zapisz = new QPushButton(QStringLiteral("Zapisz [CTRL+ENTER]"));
    auto* wyjdz = new QPushButton(QStringLiteral("Wyjdź [ESC]"));
    connect(zapisz, &QPushButton::clicked, this, &QDialog::accept);
    connect(wyjdz, &QPushButton::clicked, this, &QDialog::reject);
    auto* przyciski = new QHBoxLayout;
    przyciski->addStretch();
    przyciski->addWidget(zapisz);
    przyciski->addWidget(wyjdz);

    auto* uklad = new QVBoxLayout(this);
    uklad->addWidget(zakladki, 1);
    uklad->addLayout(srodek);
    uklad->addLayout(pola_lay);
    uklad->addLayout(przyciski);
    no_default_buttons(*this);
    on_ctrl_enter(*this, [this] { accept(); });
    resize(560, 560);
    tekst_memo->setFocus();
}

DekodowanyAdres TfrmDekodujAdres::pola() const {
    return {odbiorca_nazwa_edt->text().toStdString(),    odb_adres_edt->text().toStdString(),
            odbiorca_kodpocz_edt->text().toStdString(),  odb_miejscowosc->text().toStdString(),
            odbiorca_rachunek_edt->text().toStdString(), tytulem_edt->text().toStdString(),
            tytulemcd_edt->text().toStdString()};
}

void TfrmDekodujAdres::dekoduj_btnClick() {
    DekodowanyAdres p = pola();
    dekoduj_adres(tekst_memo->toPlainText().toStdString(), allegro_chbox->isChecked(), p);
    odbiorca_nazwa_edt->setText(q(p.nazwa));
    odb_adres_edt->setText(q(p.adres));
    odbiorca_kodpocz_edt->setText(q(p.kodp));
    odb_miejscowosc->setText(q(p.miejscowosc));
    odbiorca_rachunek_edt->setText(q(p.rachunek));
    tytulem_edt->setText(q(p.tytulem));
    tytulemcd_edt->setText(q(p.tytulemcd));
}

}  // namespace zlx::app
