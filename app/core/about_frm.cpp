#include "app/core/about_frm.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/core/screen.h"
#include "core/version.h"

namespace zlx::app {

QString tekst_wersji() {
    return QStringLiteral("ver: ") + QString::fromUtf8(kVersion);
}

TfrmAbout::TfrmAbout(const QString& folder, const QString& baza, QWidget* owner)
    : QDialog(owner),
      produkt_lbl_(new QLabel(QString::fromUtf8(kNazwaProgramu), this)),
      wersja_lbl_(new QLabel(tekst_wersji(), this)),
      folder_lbl_(new QLabel(folder, this)),
      baza_lbl_(new QLabel(baza, this)) {
    setWindowTitle(QStringLiteral("About"));
    produkt_lbl_->setObjectName(QStringLiteral("produkt_lbl"));
    wersja_lbl_->setObjectName(QStringLiteral("wersja_lbl"));
    folder_lbl_->setObjectName(QStringLiteral("folder_lbl"));
    baza_lbl_->setObjectName(QStringLiteral("baza_lbl"));
    for (QLabel* sciezka : {folder_lbl_, baza_lbl_})
        sciezka->setTextInteractionFlags(Qt::TextSelectableByMouse);  // to copy it into a backup tool
    QFont big = produkt_lbl_->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.5);
    produkt_lbl_->setFont(big);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("ok_btn"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(produkt_lbl_);
    layout->addWidget(wersja_lbl_);
    layout->addSpacing(12);
    auto* dane = new QFormLayout;
    dane->addRow(QStringLiteral("Folder programu:"), folder_lbl_);
    dane->addRow(QStringLiteral("Baza danych:"), baza_lbl_);
    layout->addLayout(dane);
    layout->addSpacing(12);
    layout->addLayout(buttons);
    no_default_buttons(*this);
    ok->setDefault(true);  // the only button: Enter closes the box
    ok->setFocus();
}

}  // namespace zlx::app
