#include "app/core/main_frm.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBox>
#include <QVBoxLayout>

#include "app/core/about_frm.h"
#include "app/core/dialogs.h"
#include "app/core/main_commands.h"
#include "app/core/screen.h"
#include "app/core/uklad_okien.h"
#include "db/gl_ado_cn.h"
#include "db/upgrade.h"
#include "transfers/pierwsze_kroki.h"

namespace zlx::app {

namespace {

QColor kolor_programu() {
    return QColor(kKolorProgramu[0], kKolorProgramu[1], kKolorProgramu[2]);
}

}  // namespace

Tmain_frm::Tmain_frm(const Services& services, QWidget* parent)
    : QMainWindow(parent),
      services_(services),
      panel_(new QToolBox),
      nazwa_lbl_(new QLabel(QStringLiteral("Zlecenix 2010"))),
      podwersja_lbl_(new QLabel),
      status_lbl_(new QLabel),
      pierwsze_kroki_lbl_(new QLabel(QString::fromUtf8(kPierwszeKroki))) {
    panel_->setObjectName(QStringLiteral("nawigacja"));
    panel_->setFixedWidth(240);
    nazwa_lbl_->setObjectName(QStringLiteral("nazwa_lbl"));
    podwersja_lbl_->setObjectName(QStringLiteral("podwersja_lbl"));
    status_lbl_->setObjectName(QStringLiteral("status_lbl"));
    pierwsze_kroki_lbl_->setObjectName(QStringLiteral("pierwsze_kroki_lbl"));
    pierwsze_kroki_lbl_->setWordWrap(true);
    pierwsze_kroki_lbl_->setFrameShape(QFrame::StyledPanel);
    pierwsze_kroki_lbl_->setMargin(12);
    pierwsze_kroki_lbl_->setStyleSheet(QStringLiteral("background: #f3f6fc;"));

    QFont nazwa = nazwa_lbl_->font();
    nazwa.setBold(true);
    nazwa.setPointSizeF(nazwa.pointSizeF() * 2.5);
    nazwa_lbl_->setFont(nazwa);

    auto* naglowek = new QVBoxLayout;
    naglowek->addWidget(nazwa_lbl_);
    naglowek->addWidget(podwersja_lbl_);
    naglowek->addSpacing(24);
    naglowek->addWidget(pierwsze_kroki_lbl_);
    naglowek->addStretch();
    auto* central = new QWidget;
    auto* layout = new QHBoxLayout(central);
    layout->addWidget(panel_);
    layout->addSpacing(16);
    layout->addLayout(naglowek, 1);
    setCentralWidget(central);
    statusBar()->addWidget(status_lbl_);

    zbuduj_panel();
    zbuduj_menu();
    on_key(*this, QKeySequence(Qt::Key_Escape), [this] { KoniecESC1Click(); });
    resize(1024, 700);
    FormCreate();
}

void Tmain_frm::FormCreate() {
    if (services_.cn.is_connected()) {
        aktualizuj_baze(services_.ds);
        // The upgrade may have rewritten the database path: connect_db reads it again.
        services_.cn.connect_db();
    }
    status_lbl_->setText(QString::fromUtf8(kNazwaProgramu) + tekst_wersji());
    setWindowTitle(QString::fromUtf8(kNazwaProgramu));
    koloruj();
    podwersja_lbl_->setText(QStringLiteral("Standard     "));
    pokaz_pierwsze_kroki();
}

void Tmain_frm::pokaz_pierwsze_kroki() {
    pierwsze_kroki_lbl_->setVisible(zlx::pokaz_pierwsze_kroki(services_.ds));
}

void Tmain_frm::uruchom(Akcja akcja) {
    akcja(*this);
    pokaz_pierwsze_kroki();
}

void Tmain_frm::koloruj() {
    QPalette palette = nazwa_lbl_->palette();
    palette.setColor(QPalette::WindowText, kolor_programu());
    nazwa_lbl_->setPalette(palette);
    QString kolor = kolor_programu().name();
    panel_->setStyleSheet(
        QStringLiteral("QToolBox { border: 1px solid #a9b9dc; }"
                       "QToolBox::tab { background: #dde4f2; border: 1px solid #a9b9dc; padding: 4px 8px;"
                       " font-weight: bold; }"
                       "QToolBox::tab:selected { background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
                       " stop:0 %1, stop:1 %1); color: white; }"
                       "QToolBox QPushButton { text-align: left; padding: 6px 12px; border: none; }"
                       "QToolBox QPushButton:hover { background: #e6ecf7; }"
                       "QToolBox QPushButton:focus { background: #d0dbf0; }")
            .arg(kolor));
}

void Tmain_frm::zbuduj_panel() {
    for (const char* strona : kStronyPanelu) {
        QWidget* page = nullptr;
        QVBoxLayout* buttons = nullptr;
        for (const PrzyciskPanelu& p : przyciski_panelu()) {
            if (qstrcmp(p.strona, strona) != 0) continue;
            if (!page) {
                page = new QWidget;
                page->setAutoFillBackground(true);
                page->setPalette(QPalette(Qt::white));
                buttons = new QVBoxLayout(page);
            }
            auto* button = new QPushButton(QString::fromUtf8(p.tekst), page);
            button->setFlat(true);
            button->setToolTip(QString::fromUtf8(p.podpowiedz));
            button->setStatusTip(QString::fromUtf8(p.podpowiedz));
            Akcja akcja = p.akcja;
            connect(button, &QPushButton::clicked, this, [this, akcja] { uruchom(akcja); });
            buttons->addWidget(button);
        }
        if (!page) continue;
        buttons->addStretch();
        panel_->addItem(page, QString::fromUtf8(strona));
    }
    panel_->setCurrentIndex(0);
    // Keyboard users start on the first command.
    if (QWidget* first = panel_->widget(0)) {
        auto commands = first->findChildren<QPushButton*>();
        if (!commands.isEmpty()) commands.front()->setFocus();
    }
    // The page headers are buttons too: let Tab reach them, so the pane works without a mouse.
    for (QAbstractButton* header :
         panel_->findChildren<QAbstractButton*>(QStringLiteral("qt_toolbox_toolboxbutton")))
        header->setFocusPolicy(Qt::StrongFocus);
}

void Tmain_frm::zbuduj_menu() {
    for (const char* tytul : kMenuGlowne) {
        QMenu* menu = nullptr;
        const QString nazwa = QString::fromUtf8(tytul).remove(QLatin1Char('&'));
        for (const PozycjaMenu& p : pozycje_menu()) {
            if (nazwa != QString::fromUtf8(p.menu)) continue;
            Akcja akcja = p.akcja;
            QAction* action = nullptr;
            if (!p.tekst) {
                action = menuBar()->addAction(QString::fromUtf8(tytul));
            } else {
                if (!menu) menu = menuBar()->addMenu(QString::fromUtf8(tytul));
                if (p.separator_przed) menu->addSeparator();
                action = menu->addAction(QString::fromUtf8(p.tekst));
            }
            action->setShortcut(QKeySequence(QString::fromUtf8(p.klawisz), QKeySequence::PortableText));
            action->setShortcutContext(Qt::WindowShortcut);
            connect(action, &QAction::triggered, this, [this, akcja] { uruchom(akcja); });
        }
    }
}

void Tmain_frm::closeEvent(QCloseEvent* event) {
    zapisz_uklad(*this);
    services_.cn.disconnect_db();
    QMainWindow::closeEvent(event);
}

void Tmain_frm::KoniecESC1Click() {
    if (services_.dialogs.question(this, QStringLiteral("Koniec programu"),
                                   QStringLiteral("Czy na pewno chcesz wyjść z programu ?")))
        close();
}

}  // namespace zlx::app
