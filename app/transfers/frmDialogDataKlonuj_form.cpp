#include "app/transfers/frmDialogDataKlonuj_form.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/core/screen.h"
#include "app/transfers/daty_qt.h"

namespace zlx::app {

TfrmDialogDataKlonuj::TfrmDialogDataKlonuj(QWidget* owner)
    : QDialog(owner),
      nowadata_rbtn(new QRadioButton(QStringLiteral("Nowa data:"))),
      zrodlowa_rbtn(new QRadioButton(QStringLiteral("Data z przelewu źródłowego"))),
      nowadata_dtp(nowy_wybor_daty(this)) {
    setWindowTitle(QStringLiteral("Data"));
    nowadata_rbtn->setChecked(true);
    nowadata_dtp->setObjectName(QStringLiteral("nowadata_dtp"));
    connect(nowadata_rbtn, &QRadioButton::toggled, nowadata_dtp, &QWidget::setEnabled);

    auto* strona = new QWidget;
    auto* siatka = new QGridLayout(strona);
    siatka->addWidget(nowadata_rbtn, 0, 0);
    siatka->addWidget(nowadata_dtp, 0, 1);
    siatka->addWidget(zrodlowa_rbtn, 1, 0, 1, 2);
    siatka->setRowStretch(2, 1);
    auto* zakladki = new QTabWidget;
    zakladki->addTab(strona, QStringLiteral("Jaka ma być data nowego przelewu ?"));

    auto* zapisz = new QPushButton(QStringLiteral("Zapisz [CTRL+ENTER]"));
    auto* wyjdz = new QPushButton(QStringLiteral("Wyjdź [ESC]"));
    connect(zapisz, &QPushButton::clicked, this, &QDialog::accept);
    connect(wyjdz, &QPushButton::clicked, this, &QDialog::reject);
    auto* przyciski = new QHBoxLayout;
    przyciski->addStretch();
    przyciski->addWidget(zapisz);
    przyciski->addWidget(wyjdz);

    auto* uklad = new QVBoxLayout(this);
    uklad->addWidget(zakladki);
    uklad->addLayout(przyciski);
    no_default_buttons(*this);
    on_ctrl_enter(*this, [this] { accept(); });
    nowadata_rbtn->setFocus();
}

bool TfrmDialogDataKlonuj::nowa_data() const {
    return nowadata_rbtn->isChecked();
}

TDateTime TfrmDialogDataKlonuj::data() const {
    return data_z_qdate(nowadata_dtp->date());
}

}  // namespace zlx::app
