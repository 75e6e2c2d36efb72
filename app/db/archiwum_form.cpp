#include "app/db/archiwum_form.h"

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
#include "db/archive.h"
#include "db/gl_ado_cn.h"

namespace zlx::app {

TfrmArchiwum::TfrmArchiwum(const Services& services, QWidget* owner)
    : QDialog(owner), services_(services), sciezka_edt_(new QLineEdit) {
    setWindowTitle(QStringLiteral("Archiwizacja"));
    sciezka_edt_->setObjectName(QStringLiteral("sciezka_edt"));
    sciezka_edt_->setMinimumWidth(420);

    auto* label = new QLabel(QStringLiteral("Ścieżka do archiwum"));
    label->setBuddy(sciezka_edt_);
    auto* wybierz = new QPushButton(QStringLiteral("..."));
    wybierz->setObjectName(QStringLiteral("wybierz_btn"));
    connect(wybierz, &QPushButton::clicked, this, &TfrmArchiwum::wybierz_btnClick);
    auto* archiwizuj = new QPushButton(QStringLiteral("Archiwizuj"));
    archiwizuj->setObjectName(QStringLiteral("archiwizuj_btn"));
    connect(archiwizuj, &QPushButton::clicked, this, &TfrmArchiwum::archiwizuj_btnClick);

    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    grid->addWidget(label, 0, 0, 1, 2);
    grid->addWidget(sciezka_edt_, 1, 0);
    grid->addWidget(wybierz, 1, 1);
    grid->addWidget(archiwizuj, 2, 0, 1, 2, Qt::AlignLeft);
    grid->setRowStretch(3, 1);
    auto* pages = new QTabWidget;
    pages->addTab(page, QStringLiteral("Archiwizacja"));

    auto* zamknij = new QPushButton(QStringLiteral("Zamknij"));
    zamknij->setObjectName(QStringLiteral("zamknij_btn"));
    connect(zamknij, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(zamknij);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages);
    layout->addLayout(buttons);

    no_default_buttons(*this);
    FormCreate();
}

void TfrmArchiwum::FormCreate() {
    sciezka_edt_->setText(QString::fromStdString(sciezka_archiwum()));
    sciezka_edt_->setFocus();
}

void TfrmArchiwum::wybierz_btnClick() {
    QString folder = services_.dialogs.choose_folder(this, QStringLiteral("Wybierz katalog"),
                                                     sciezka_edt_->text().trimmed());
    folder = folder.trimmed();
    if (folder.isEmpty()) return;
    if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
    sciezka_edt_->setText(folder);
}

void TfrmArchiwum::archiwizuj_btnClick() {
    // The file is zipped while this program does not hold it; other workstations may still do.
    services_.cn.disconnect_db();
    std::string archive;
    QString why;
    {
        BusyCursor busy;
        try {
            archive =
                archiwizuj_baze(sciezka_bazy(), trim(sciezka_edt_->text().toStdString()), TDateTime::today());
        } catch (const ArchiveError& e) {
            why = QString::fromUtf8(e.what());
        }
    }
    if (why.isEmpty())
        services_.dialogs.information(this,
                                      QString::fromUtf8(kArchiwumZapisano) + QString::fromStdString(archive));
    else
        services_.dialogs.error(this, QString::fromUtf8(kArchiwumBlad), why);
    services_.cn.connect_db();
}

void TfrmArchiwum::done(int result) {
    try {
        zapisz_sciezka_archiwum(trim(sciezka_edt_->text().toStdString()));
    } catch (const IniWriteError& e) {
        services_.dialogs.warning(this, windowTitle(), QString::fromUtf8(e.what()));
    }
    QDialog::done(result);
}

}  // namespace zlx::app
