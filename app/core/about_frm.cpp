#include "app/core/about_frm.h"

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

TfrmAbout::TfrmAbout(QWidget* owner)
    : QDialog(owner),
      produkt_lbl_(new QLabel(QString::fromUtf8(kNazwaProgramu), this)),
      wersja_lbl_(new QLabel(tekst_wersji(), this)) {
    setWindowTitle(QStringLiteral("About"));
    produkt_lbl_->setObjectName(QStringLiteral("produkt_lbl"));
    wersja_lbl_->setObjectName(QStringLiteral("wersja_lbl"));
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
    layout->addLayout(buttons);
    no_default_buttons(*this);
    ok->setDefault(true);  // the only button: Enter closes the box
    ok->setFocus();
}

}  // namespace zlx::app
