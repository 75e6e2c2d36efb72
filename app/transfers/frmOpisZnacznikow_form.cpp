#include "app/transfers/frmOpisZnacznikow_form.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/core/screen.h"
#include "app/transfers/obrazki_przelewow.h"
#include "registers/znaczniki.h"
#include "transfers/opis_znacznikow.h"

namespace zlx::app {

TfrmOpisZnacznikow::TfrmOpisZnacznikow(const Services& services, QWidget* owner)
    : QDialog(owner), siatka(new QTableWidget(0, 2)), ds_(services.ds) {
    setWindowTitle(QStringLiteral("Znaczniki"));
    siatka->setObjectName(QStringLiteral("siatka"));
    siatka->setHorizontalHeaderLabels({QStringLiteral("Znacznik"), QStringLiteral("Opis Znacznika")});
    siatka->verticalHeader()->hide();
    siatka->horizontalHeader()->setStretchLastSection(true);
    siatka->setColumnWidth(0, 70);
    siatka->setSelectionMode(QAbstractItemView::SingleSelection);

    auto* zamknij = new QPushButton(QStringLiteral("Zamknij"));
    connect(zamknij, &QPushButton::clicked, this, &QDialog::accept);
    auto* przyciski = new QHBoxLayout;
    przyciski->addStretch();
    przyciski->addWidget(zamknij);
    auto* uklad = new QVBoxLayout(this);
    uklad->addWidget(siatka);
    uklad->addLayout(przyciski);
    no_default_buttons(*this);
    resize(420, 560);

    connect(siatka, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (item->column() == 1) zmienione_.insert(item->row());
    });
    connect(siatka, &QTableWidget::currentCellChanged, this, [this](int wiersz, int, int poprzedni, int) {
        if (wiersz != poprzedni) zapisz_zmienione();
    });
}

void TfrmOpisZnacznikow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void TfrmOpisZnacznikow::FormShow() {
    const QSignalBlocker blokada(siatka);
    zmienione_.clear();
    const auto opisy = get_opis_znacznikow(ds_, kategoria_);
    siatka->setRowCount(static_cast<int>(opisy.size()));
    for (int r = 0; r < static_cast<int>(opisy.size()); ++r) {
        const OpisZnacznika& o = opisy[static_cast<std::size_t>(r)];
        auto* nr = new QTableWidgetItem(ikona_znacznika(o.nr_znacznika), QString::number(o.nr_znacznika));
        nr->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        nr->setData(Qt::UserRole, o.nr_znacznika);
        siatka->setItem(r, 0, nr);
        siatka->setItem(r, 1, new QTableWidgetItem(QString::fromStdString(o.opis_znacznika)));
    }
}

void TfrmOpisZnacznikow::zapisz_zmienione() {
    for (const int r : zmienione_) {
        const int nr = siatka->item(r, 0)->data(Qt::UserRole).toInt();
        zapisz_opis_znacznika(ds_, kategoria_, nr, siatka->item(r, 1)->text().toStdString());
    }
    zmienione_.clear();
}

void TfrmOpisZnacznikow::done(int result) {
    // Leaving the current cell commits an editor still open.
    siatka->setCurrentItem(nullptr);
    zapisz_zmienione();
    QDialog::done(result);
}

}  // namespace zlx::app
