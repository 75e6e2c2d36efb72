#include "app/db/przeniesienie_danych_form.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/core/dialogs.h"
#include "app/core/screen.h"
#include "core/text.h"
#include "db/gl_ado_cn.h"
#include "db/mdb_file.h"
#include "transfers/przeniesienie_danych.h"

namespace zlx::app {

TfrmPrzeniesienieDanych::TfrmPrzeniesienieDanych(const Services& services, QWidget* owner)
    : QDialog(owner),
      services_(services),
      plik_edt_(new QLineEdit(QString::fromUtf8(kPlikZlecenix1))),
      kontrahenci_chk_(new QCheckBox(QStringLiteral("Przenieś kontrahentów"))),
      firmy_chk_(new QCheckBox(QStringLiteral("Przenieś kartoteki firm własnych"))),
      dzialaj_btn_(new QPushButton(QStringLiteral("Działaj"))) {
    setWindowTitle(QStringLiteral("Przeniesienie danych"));
    plik_edt_->setObjectName(QStringLiteral("plik_edt"));
    plik_edt_->setMinimumWidth(420);
    kontrahenci_chk_->setObjectName(QStringLiteral("kontrahenci_chk"));
    firmy_chk_->setObjectName(QStringLiteral("firmy_chk"));
    dzialaj_btn_->setObjectName(QStringLiteral("dzialaj_btn"));
    kontrahenci_chk_->setChecked(true);
    firmy_chk_->setChecked(true);

    auto* label = new QLabel(QStringLiteral("Wskaż plik bazy danych programu Zlecenix 1"));
    label->setBuddy(plik_edt_);
    auto* wybierz = new QPushButton(QStringLiteral("...."));
    wybierz->setObjectName(QStringLiteral("wybierz_btn"));
    connect(wybierz, &QPushButton::clicked, this, &TfrmPrzeniesienieDanych::wybierz_btnClick);
    connect(dzialaj_btn_, &QPushButton::clicked, this, &TfrmPrzeniesienieDanych::dzialaj_btnClick);
    // With nothing ticked there is nothing to do.
    for (QCheckBox* box : {kontrahenci_chk_, firmy_chk_})
        connect(box, &QCheckBox::toggled, this, [this] {
            dzialaj_btn_->setEnabled(kontrahenci_chk_->isChecked() || firmy_chk_->isChecked());
        });
    auto* zamknij = new QPushButton(QStringLiteral("Zamknij"));
    zamknij->setObjectName(QStringLiteral("zamknij_btn"));
    connect(zamknij, &QPushButton::clicked, this, &QDialog::reject);

    auto* grid = new QGridLayout;
    grid->addWidget(label, 0, 0, 1, 2);
    grid->addWidget(plik_edt_, 1, 0);
    grid->addWidget(wybierz, 1, 1);
    grid->addWidget(kontrahenci_chk_, 2, 0, 1, 2);
    grid->addWidget(firmy_chk_, 3, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(dzialaj_btn_);
    buttons->addWidget(zamknij);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addLayout(buttons);

    no_default_buttons(*this);
    plik_edt_->setFocus();
}

void TfrmPrzeniesienieDanych::wybierz_btnClick() {
    QFileInfo info(plik_edt_->text().trimmed());
    QString start = info.isAbsolute() && info.absoluteDir().exists() ? info.absolutePath() : QDir::homePath();
    QString file = services_.dialogs.open_file(
        this, windowTitle(), start, QStringLiteral("Baza Zlecenix 1 (*.mdb);;Wszystkie pliki (*)"));
    if (!file.isEmpty()) plik_edt_->setText(file);
}

void TfrmPrzeniesienieDanych::dzialaj_btnClick() {
    Dialogs& dialogs = services_.dialogs;
    if (!dialogs.question(this, QStringLiteral("Wczytanie danych Zlecenix"),
                          QStringLiteral("Czy na pewno chcesz wczytać dane ?")))
        return;
    const std::string path = trim(plik_edt_->text().toStdString());
    if (path.empty()) {
        dialogs.information(this, QStringLiteral("Wybrano niewłaściwą bazę programu Zlecenix 1"));
        return;
    }
    // Unconnected, every row would fail on its own: say it once.
    if (!services_.cn.is_connected()) {
        dialogs.information(this, QString::fromUtf8(kBrakPolaczenia));
        return;
    }
    int kontrahenci = 0;
    QString why;
    {
        BusyCursor busy;
        try {
            if (kontrahenci_chk_->isChecked()) kontrahenci = przenies_kontrahentow(services_.ds, path);
            if (firmy_chk_->isChecked()) przenies_firmy(services_.ds, path);
        } catch (const MdbError& e) {
            why = QString::fromUtf8(e.what());
        }
    }
    if (why.isEmpty()) {
        dialogs.information(this, QStringLiteral("Gotowe"));
        return;
    }
    // The own companies may fail after the counterparties went in: those stay, and the user is told.
    if (kontrahenci > 0) why += QStringLiteral("\n\nPrzeniesiono kontrahentów: %1").arg(kontrahenci);
    dialogs.warning(this, windowTitle(), why);
}

}  // namespace zlx::app
