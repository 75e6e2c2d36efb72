#include "app/db/baza_danych_form.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/core/dialogs.h"
#include "app/core/screen.h"
#include "core/ini.h"
#include "core/settings.h"
#include "core/text.h"

namespace zlx::app {

TfrmBazaDanych::TfrmBazaDanych(const Services& services, QWidget* owner)
    : QDialog(owner), services_(services), sciezka_edt_(new QLineEdit) {
    setWindowTitle(QStringLiteral("Baza danych"));
    sciezka_edt_->setObjectName(QStringLiteral("sciezka_edt"));
    sciezka_edt_->setMinimumWidth(460);

    auto* label = new QLabel(QStringLiteral("Ścieżka do bazy"));
    label->setBuddy(sciezka_edt_);
    auto* wybierz = new QPushButton(QStringLiteral("......"));
    wybierz->setObjectName(QStringLiteral("wybierz_btn"));
    connect(wybierz, &QPushButton::clicked, this, &TfrmBazaDanych::wybierz_btnClick);

    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    grid->addWidget(label, 0, 0, 1, 2);
    grid->addWidget(sciezka_edt_, 1, 0);
    grid->addWidget(wybierz, 1, 1);
    grid->setRowStretch(2, 1);
    auto* pages = new QTabWidget;
    pages->addTab(page, QStringLiteral("Konfiguracja Bazy"));

    auto* zapisz = new QPushButton(QStringLiteral("Zapisz [CTRL+ENTER]"));
    zapisz->setObjectName(QStringLiteral("zapisz_btn"));
    connect(zapisz, &QPushButton::clicked, this, &TfrmBazaDanych::zapisz_btnClick);
    auto* wyjdz = new QPushButton(QStringLiteral("Wyjdź [ESC]"));
    wyjdz->setObjectName(QStringLiteral("wyjdz_btn"));
    connect(wyjdz, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(zapisz);
    buttons->addWidget(wyjdz);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages);
    layout->addLayout(buttons);

    no_default_buttons(*this);
    on_ctrl_enter(*this, [this] { zapisz_btnClick(); });
    FormCreate();
}

void TfrmBazaDanych::FormCreate() {
    sciezka_edt_->setText(QString::fromStdString(sciezka_bazy()));
    sciezka_edt_->setFocus();
}

void TfrmBazaDanych::wybierz_btnClick() {
    QString start = QFileInfo(sciezka_edt_->text().trimmed()).absolutePath();
    QString file = services_.dialogs.open_file(this, QStringLiteral("Baza danych"), start,
                                               QStringLiteral("Baza danych (*.sqlite);;Wszystkie pliki (*)"));
    if (!file.isEmpty()) sciezka_edt_->setText(file);
}

void TfrmBazaDanych::zapisz_btnClick() {
    // Written before the reminder, so a refused write is not followed by advice that assumes it worked.
    try {
        zapisz_sciezka_bazy(trim(sciezka_edt_->text().toStdString()));
    } catch (const IniWriteError& e) {
        services_.dialogs.warning(this, windowTitle(), QString::fromUtf8(e.what()));
        return;
    }
    services_.dialogs.information(
        this, QStringLiteral("Jeśli zmieniłeś ustawienia bazy danych pamiętaj aby zrestartować program"));
    accept();
}

}  // namespace zlx::app
