#include "app/registers/nowagrupa_form.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/core/dialogs.h"
#include "app/core/screen.h"
#include "core/text.h"
#include "registers/drzewo_grup.h"
#include "registers/kth_karta.h"

namespace zlx::app {

Tnowagrupa_frm::Tnowagrupa_frm(const Services& services, QWidget* owner)
    : QDialog(owner), services_(services), nazwa_edt_(new QLineEdit) {
    setWindowTitle(QStringLiteral("Katalog "));
    nazwa_edt_->setObjectName(QStringLiteral("nazwa_edt"));
    nazwa_edt_->setMinimumWidth(320);
    auto* zapisz = new QPushButton(QStringLiteral("Zapisz [CTRL+ENTER]"));
    auto* wyjdz = new QPushButton(QStringLiteral("Wyjdź [ESC]"));
    auto* przyciski = new QHBoxLayout;
    przyciski->addStretch();
    przyciski->addWidget(zapisz);
    przyciski->addWidget(wyjdz);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(nazwa_edt_);
    layout->addLayout(przyciski);
    connect(zapisz, &QPushButton::clicked, this, &Tnowagrupa_frm::zapisz_btnClick);
    connect(wyjdz, &QPushButton::clicked, this, &QDialog::reject);
    // The captions name these keys, so the keys work as the buttons do.
    on_ctrl_enter(*this, [this] { zapisz_btnClick(); });
    no_default_buttons(*this);
}

void Tnowagrupa_frm::set_grupa(const TKanalTree& grupa) {
    grupa_ = grupa;
    nazwa_edt_->setText(QString::fromStdString(grupa.kanal_nazwa));
}

TKanalTree Tnowagrupa_frm::get_grupa() const {
    return zmieniona_grupa(grupa_, nazwa_edt_->text().toStdString());
}

void Tnowagrupa_frm::zapisz_btnClick() {
    if (trim(nazwa_edt_->text().toStdString()).empty()) {
        services_.dialogs.warning(this, QString::fromUtf8(kTytulBleduKarty),
                                  QString::fromUtf8(kBladNazwyGrupy));
        return;
    }
    accept();
}

}  // namespace zlx::app
