#include "app/db/kreator_bazy_form.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <stdexcept>

#include "app/core/db_messages_box.h"
#include "app/core/dialogs.h"
#include "app/core/screen.h"
#include "core/folder.h"
#include "core/ini.h"
#include "core/settings.h"
#include "core/text.h"
#include "db/gl_ado_cn.h"
#include "db/mdb_import.h"

namespace zlx::app {

namespace {

// Said only when the older version's database is where it used to be.
const char* const kWykryto = "Wykryto poprzednią wersję programu Zlecenix (Zlecenix 2008).\n";

const char* const kOpcje =
    "Masz do wyboru 3 opcje:\n"
    "1. Dane z bazy wersji 2008 (plik .mdb) zostaną zaimportowane do nowej bazy (plik .sqlite) w folderze "
    "data programu; istniejąca baza nie zostanie nadpisana.\n"
    "2. Program będzie pracował na wskazanej, istniejącej bazie tego programu (plik .sqlite, np. wspólnej "
    "z innym stanowiskiem).\n"
    "3. Program zacznie pracę z nową, pustą bazą danych (plik .sqlite).";

// Without the older database the first option is an import of a file the user picks.
const char* const kWskazPlik = "Plik .mdb wskaż przyciskiem \"...\" przy opcji 1.";

const char* const kNieNaszaBaza = "Wskazany plik nie jest bazą danych programu Zlecenix 2010";

// Returns where a file chooser for the path should start: its folder when that exists here.
QString folder_of(const QString& path) {
    QFileInfo info(path);
    return info.isAbsolute() && info.absoluteDir().exists() ? info.absolutePath() : QDir::homePath();
}

// Keeps what the upgrade of the imported file would show, for the one report box.
struct ZebraneKomunikaty : DbMessages {
    QStringList teksty;
    void message(const std::string& text) override { teksty << QString::fromStdString(text); }
    void sql_error(const std::string& statement, const std::string& detail) override {
        teksty << QString::fromStdString(statement + " (" + detail + ")");
    }
};

QString raport(const RaportImportu& r, const QStringList& bledy) {
    QString text =
        QStringLiteral("Zaimportowano do: ") + QString::fromStdString(r.sciezka) + QStringLiteral("\n");
    for (const auto& [table, rows] : r.tabele)
        text += QStringLiteral("\n%1: %2").arg(QString::fromStdString(table)).arg(rows);
    text += QStringLiteral("\n\nWersja bazy: %1 -> %2").arg(r.wersja_przed).arg(r.wersja_po);
    if (!bledy.isEmpty())
        text += QStringLiteral("\n\nBłędy aktualizacji bazy:\n") + bledy.join(QLatin1Char('\n'));
    return text;
}

}  // namespace

QString wolna_sciezka_importu() {
    QString path = QString::fromStdString(program_file("data/przDB.sqlite"));
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = QString::fromStdString(program_file("data/przDB_" + std::to_string(n) + ".sqlite"));
    return path;
}

TfrmKreatorBazy2010::TfrmKreatorBazy2010(Dialogs& dialogs, QWidget* owner)
    : QDialog(owner),
      dialogs_(dialogs),
      opcja1_(new QRadioButton(QStringLiteral("1. Skopiuj bazę z wersji 2008 do 2010"))),
      opcja2_(new QRadioButton(QStringLiteral("2. Podłącz się do istniejącej bazy (plik .sqlite)"))),
      opcja3_(new QRadioButton(QStringLiteral("3. Załóz nową, czystą bazę dla programu Zlecenix 2010"))),
      stara_baza_edt_(new QLineEdit),
      stara_baza_btn_(new QPushButton(QStringLiteral("..."))),
      baza_edt_(new QLineEdit),
      baza_btn_(new QPushButton(QStringLiteral("..."))) {
    setWindowTitle(QStringLiteral("Baza danych"));
    opcja1_->setObjectName(QStringLiteral("opcja1_rb"));
    opcja2_->setObjectName(QStringLiteral("opcja2_rb"));
    opcja3_->setObjectName(QStringLiteral("opcja3_rb"));
    stara_baza_edt_->setObjectName(QStringLiteral("stara_baza_edt"));
    stara_baza_btn_->setObjectName(QStringLiteral("stara_baza_btn"));
    baza_edt_->setObjectName(QStringLiteral("baza_edt"));
    baza_btn_->setObjectName(QStringLiteral("baza_btn"));
    stara_baza_edt_->setMinimumWidth(400);

    const bool wykryto = QFileInfo::exists(QString::fromUtf8(kStaraBaza2008));
    auto* opis =
        new QLabel(wykryto ? QString::fromUtf8(kWykryto) + QString::fromUtf8(kOpcje)
                           : QString::fromUtf8(kOpcje) + QLatin1Char('\n') + QString::fromUtf8(kWskazPlik));
    opis->setObjectName(QStringLiteral("opis_lbl"));
    opis->setWordWrap(true);

    auto* grupa = new QGroupBox(QStringLiteral("Wybierz co chcesz zrobić"));
    auto* grid = new QGridLayout(grupa);
    grid->setColumnMinimumWidth(0, 20);
    grid->addWidget(opcja1_, 0, 0, 1, 3);
    grid->addWidget(stara_baza_edt_, 1, 1);
    grid->addWidget(stara_baza_btn_, 1, 2);
    grid->addWidget(opcja2_, 2, 0, 1, 3);
    grid->addWidget(baza_edt_, 3, 1);
    grid->addWidget(baza_btn_, 3, 2);
    grid->addWidget(opcja3_, 4, 0, 1, 3);
    grid->setColumnStretch(1, 1);

    connect(stara_baza_btn_, &QPushButton::clicked, this, [this] {
        wybierz_plik(*stara_baza_edt_, QStringLiteral("Baza Zlecenix 2008 (*.mdb);;Wszystkie pliki (*)"));
    });
    connect(baza_btn_, &QPushButton::clicked, this, [this] {
        wybierz_plik(*baza_edt_, QStringLiteral("Baza danych (*.sqlite);;Wszystkie pliki (*)"));
    });
    for (QRadioButton* opcja : {opcja1_, opcja2_, opcja3_})
        connect(opcja, &QRadioButton::toggled, this, &TfrmKreatorBazy2010::opcja_zmieniona);

    auto* dalej = new QPushButton(QStringLiteral("Dalej"));
    dalej->setObjectName(QStringLiteral("dalej_btn"));
    connect(dalej, &QPushButton::clicked, this, &TfrmKreatorBazy2010::dalej_btnClick);
    auto* wyjdz = new QPushButton(QStringLiteral("Wyjdź [ESC]"));
    wyjdz->setObjectName(QStringLiteral("wyjdz_btn"));
    connect(wyjdz, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(dalej);
    buttons->addWidget(wyjdz);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(opis);
    layout->addWidget(grupa);
    layout->addLayout(buttons);

    no_default_buttons(*this);
    FormCreate();
}

void TfrmKreatorBazy2010::FormCreate() {
    // The older database is suggested only where it exists; otherwise the user picks the file.
    if (QFileInfo::exists(QString::fromUtf8(kStaraBaza2008)))
        stara_baza_edt_->setText(QString::fromUtf8(kStaraBaza2008));
    baza_edt_->setText(QString::fromStdString(sciezka_bazy()));
    opcja3_->setChecked(true);
    opcja_zmieniona();
    opcja3_->setFocus();
}

// Only the chosen option's path can be edited.
void TfrmKreatorBazy2010::opcja_zmieniona() {
    stara_baza_edt_->setEnabled(opcja1_->isChecked());
    stara_baza_btn_->setEnabled(opcja1_->isChecked());
    baza_edt_->setEnabled(opcja2_->isChecked());
    baza_btn_->setEnabled(opcja2_->isChecked());
}

void TfrmKreatorBazy2010::wybierz_plik(QLineEdit& box, const QString& filter) {
    QString file = dialogs_.open_file(this, windowTitle(), folder_of(box.text().trimmed()), filter);
    if (!file.isEmpty()) box.setText(file);
}

void TfrmKreatorBazy2010::dalej_btnClick() {
    bool done = true;
    try {
        if (opcja1_->isChecked()) done = importuj();
        if (opcja2_->isChecked()) done = podlacz();
    } catch (const IniWriteError& e) {
        dialogs_.warning(this, windowTitle(), QString::fromUtf8(e.what()));
        done = false;
    }
    // A failed step keeps the wizard open, so the user can pick another file or option.
    if (done) accept();
}

bool TfrmKreatorBazy2010::importuj() {
    const std::string source = trim(stara_baza_edt_->text().toStdString());
    const std::string target = wolna_sciezka_importu().toStdString();
    ZebraneKomunikaty upgrade;
    RaportImportu r;
    try {
        BusyCursor busy;
        r = importuj_baze_access(source, target, upgrade);
    } catch (const std::exception& e) {
        dialogs_.warning(this, windowTitle(), QString::fromUtf8(e.what()));
        return false;
    }
    zapisz_sciezka_bazy(r.sciezka);
    // The upgrade's failures are told as at start, but in one box rather than one per statement.
    if (upgrade.teksty.isEmpty())
        dialogs_.information(this, raport(r, upgrade.teksty));
    else
        dialogs_.warning(this, windowTitle(), raport(r, upgrade.teksty));
    return true;
}

bool TfrmKreatorBazy2010::podlacz() {
    const std::string path = trim(baza_edt_->text().toStdString());
    // Tried before it is written, so a wrong file never leaves the program unconnected at the next
    // start; the connection says itself why a file does not open.
    DbMessagesBox messages(dialogs_);
    TGlAdoCn_mod probe(messages, path);
    if (!probe.is_connected()) return false;
    if (!probe.table_schema("tb_verdb")) {
        dialogs_.warning(this, windowTitle(), QString::fromUtf8(kNieNaszaBaza));
        return false;
    }
    probe.disconnect_db();
    zapisz_sciezka_bazy(path);
    return true;
}

}  // namespace zlx::app
