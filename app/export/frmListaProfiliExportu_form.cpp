#include "app/export/frmListaProfiliExportu_form.h"

#include <QAbstractTableModel>
#include <QDateEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

#include "app/core/dialogs.h"
#include "app/core/screen.h"
#include "app/core/screen_factory.h"
#include "app/export/ProfilExp_detail_form.h"
#include "core/ini.h"
#include "db/gl_ado_ds.h"
#include "db/result_set.h"
#include "export/eksport.h"
#include "export/lista_profili.h"
#include "export/profilexp_store.h"

namespace zlx::app {

// The grid's rows: the profiles of the list's query.
class ProfileListModel : public QAbstractTableModel {
  public:
    using QAbstractTableModel::QAbstractTableModel;

    void set_rows(std::unique_ptr<ResultSet> rows) {
        beginResetModel();
        rows_ = std::move(rows);
        endResetModel();
    }
    int prof_id(int row) const { return cell(row).int_value("prof_id"); }
    std::string nazwa(int row) const { return cell(row).text("prof_nazwa"); }
    std::vector<std::string> nazwy() const {
        std::vector<std::string> out;
        for (int r = 0; r < rowCount(); ++r)
            out.push_back(nazwa(r));
        return out;
    }
    int row_of(int prof_id) const {
        for (int r = 0; r < rowCount(); ++r)
            if (this->prof_id(r) == prof_id) return r;
        return -1;
    }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() || !rows_ ? 0 : static_cast<int>(rows_->total_count());
    }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : 3; }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole || !index.isValid()) return {};
        switch (index.column()) {
            case 0:
                return index.row() + 1;
            case 1:
                return QString::fromStdString(nazwa(index.row()));
            default:
                return QString::fromStdString(cell(index.row()).text("prof_katalog_out"));
        }
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
        static const char* kTytuly[] = {"Lp.", "Nazwa profilu", "Katalog docelowy"};
        return QString::fromUtf8(kTytuly[section]);
    }

  private:
    Row cell(int row) const { return rows_->row(static_cast<std::size_t>(row)); }
    std::unique_ptr<ResultSet> rows_;
};

TfrmListaProfiliExportu::TfrmListaProfiliExportu(const Services& services, QWidget* owner)
    : QDialog(owner),
      services_(services),
      model_(new ProfileListModel(this)),
      lista_(new QTableView),
      ustaw_date_rb_(new QRadioButton(QStringLiteral("Ustaw datę"))),
      data_wystawienia_rb_(new QRadioButton(QStringLiteral("Data wystawienia przelewu"))),
      data_dtp_(new QDateEdit) {
    setWindowTitle(QStringLiteral("Profile eksportu"));
    lista_->setObjectName(QStringLiteral("lista"));
    lista_->setModel(model_);
    lista_->setSelectionBehavior(QAbstractItemView::SelectRows);
    lista_->setSelectionMode(QAbstractItemView::SingleSelection);
    lista_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lista_->setAlternatingRowColors(true);
    lista_->verticalHeader()->hide();
    lista_->setWordWrap(false);
    lista_->horizontalHeader()->setStretchLastSection(true);
    lista_->setColumnWidth(0, 60);
    lista_->setColumnWidth(1, 200);
    lista_->setColumnWidth(2, 250);
    lista_->setMinimumWidth(540);
    ustaw_date_rb_->setObjectName(QStringLiteral("ustaw_date_rb"));
    data_wystawienia_rb_->setObjectName(QStringLiteral("data_wystawienia_rb"));
    data_dtp_->setObjectName(QStringLiteral("data_dtp"));
    data_dtp_->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    data_dtp_->setCalendarPopup(true);

    auto* naglowek = new QLabel(QStringLiteral("Elektroniczny Zlecenix"));
    QFont font = naglowek->font();
    font.setBold(true);
    font.setPointSize(font.pointSize() + 4);
    naglowek->setFont(font);
    auto* daty = new QGroupBox(QStringLiteral("Data przelewów"));
    auto* daty_l = new QHBoxLayout(daty);
    daty_l->addWidget(ustaw_date_rb_);
    daty_l->addWidget(data_wystawienia_rb_);
    daty_l->addWidget(data_dtp_);

    auto* buttons = new QHBoxLayout;
    auto button = [&](const QString& caption, const char* name, void (TfrmListaProfiliExportu::*slot)()) {
        auto* b = new QPushButton(caption);
        b->setObjectName(QString::fromLatin1(name));
        connect(b, &QPushButton::clicked, this, slot);
        buttons->addWidget(b);
    };
    button(QStringLiteral("Dodaj [CTRL+INS]"), "dodaj_btn", &TfrmListaProfiliExportu::dodaj_btnClick);
    button(QStringLiteral("Edytuj [F4]"), "edytuj_btn", &TfrmListaProfiliExportu::edytuj_btnClick);
    button(QStringLiteral("Usuń [CTRL+DEL]"), "usun_btn", &TfrmListaProfiliExportu::usun_btnClick);
    button(QStringLiteral("Eksportuj [CTRL+INS]"), "eksportuj_btn",
           &TfrmListaProfiliExportu::eksportuj_btnClick);
    buttons->addStretch();
    auto* wyjdz = new QPushButton(QStringLiteral("Wyjdź [ESC]"));
    wyjdz->setObjectName(QStringLiteral("wyjdz_btn"));
    connect(wyjdz, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(wyjdz);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(naglowek);
    layout->addWidget(daty);
    layout->addWidget(lista_);
    layout->addLayout(buttons);

    no_default_buttons(*this);
    on_key(*this, QKeySequence(Qt::CTRL | Qt::Key_Insert), [this] { dodaj_btnClick(); });
    on_key(*this, QKeySequence(Qt::Key_F4), [this] { edytuj_btnClick(); });
    on_ctrl_enter(*this, [this] { edytuj_btnClick(); });
    on_key(*this, QKeySequence(Qt::CTRL | Qt::Key_Delete), [this] { usun_btnClick(); });
    FormCreate();
}

TfrmListaProfiliExportu::~TfrmListaProfiliExportu() = default;

void TfrmListaProfiliExportu::set_przelewy_eksportu(std::unique_ptr<ResultSet> przelewy) {
    przelewy_ = std::move(przelewy);
}

void TfrmListaProfiliExportu::FormCreate() {
    ustaw_date_rb_->setChecked(true);
    data_dtp_->setDate(do_qdate(TDateTime::today()));
    otworz_liste(0);
}

void TfrmListaProfiliExportu::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!pokazany_) {
        pokazany_ = true;
        FormShow();
    }
}

void TfrmListaProfiliExportu::FormShow() {
    const int row = znajdz_profil(model_->nazwy(), domyslny_profil());
    if (row >= 0) lista_->selectRow(row);
    lista_->setFocus();
}

void TfrmListaProfiliExportu::done(int result) {
    FormClose();
    QDialog::done(result);
}

void TfrmListaProfiliExportu::FormClose() {
    const QModelIndex current = lista_->currentIndex();
    if (!current.isValid()) return;
    try {
        zapisz_domyslny_profil(model_->nazwa(current.row()));
    } catch (const IniWriteError& e) {
        services_.dialogs.warning(this, windowTitle(), QString::fromUtf8(e.what()));
    }
}

int TfrmListaProfiliExportu::biezacy_prof_id() const {
    const QModelIndex current = lista_->currentIndex();
    return current.isValid() ? model_->prof_id(current.row()) : 0;
}

void TfrmListaProfiliExportu::otworz_liste(int prof_id) {
    std::unique_ptr<ResultSet> rows;
    try {
        rows = services_.ds.open_sql(kSqlListaProfili);
    } catch (const SqlError& e) {
        services_.dialogs.error(this, QString::fromUtf8(kSqlListaProfili), QString::fromUtf8(e.what()));
    }
    model_->set_rows(std::move(rows));
    const int row = model_->row_of(prof_id);
    if (model_->rowCount() > 0) lista_->selectRow(row >= 0 ? row : 0);
}

int TfrmListaProfiliExportu::karta(const TProfilExp& profil) {
    TProfilExp_detail_frm card(services_, this);
    card.set_profil(profil);
    if (services_.screens.show_modal(card) != QDialog::Accepted) return 0;
    return card.get_profil().prof_id;
}

void TfrmListaProfiliExportu::dodaj_btnClick() {
    if (const int id = karta(nowy_profilexp())) otworz_liste(id);
}

void TfrmListaProfiliExportu::edytuj_btnClick() {
    const int current = biezacy_prof_id();
    if (current == 0) return;
    if (const int id = karta(get_profilexp(services_.ds, current))) otworz_liste(id);
}

void TfrmListaProfiliExportu::usun_btnClick() {
    const int current = biezacy_prof_id();
    if (current == 0) return;
    if (!services_.dialogs.question(this, QStringLiteral("Usuwanie kartoteki"),
                                    QStringLiteral("Czy na pewno chcesz usunąć kartotekę ?")))
        return;
    del_profilexp(services_.ds, current);
    otworz_liste(0);
}

void TfrmListaProfiliExportu::eksportuj_btnClick() {
    const int current = biezacy_prof_id();
    if (current == 0) return;
    const TProfilExp profil = get_profilexp(services_.ds, current);
    const WyborDaty wybor{ustaw_date_rb_->isChecked() ? 0 : 1, z_qdate(data_dtp_->date())};
    const ZrodloPrzelewow zrodlo =
        przelewy_ ? z_wierszy(*przelewy_) : ZrodloPrzelewow([] { return std::optional<TPrzelew>(); });
    const WynikEksportu w = exportuj(profil, zrodlo, wybor, TDateTime::now());
    if (!w.zapisano()) {
        services_.dialogs.warning(this, windowTitle(), QString::fromUtf8(w.blad_zapisu));
    } else {
        services_.dialogs.information(this, QStringLiteral("Zapisano"));
    }
    if (!w.bledy.empty()) {
        QStringList lines;
        for (const std::string& b : w.bledy)
            lines << QString::fromStdString(b);
        services_.dialogs.warning(this, windowTitle(), lines.join(QLatin1Char('\n')));
    }
}

}  // namespace zlx::app
