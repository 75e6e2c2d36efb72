#include "app/registers/lista_model.h"

#include <QHeaderView>
#include <QMimeData>
#include <QTableView>

#include "app/core/dialogs.h"
#include "app/registers/obrazki_znacznikow.h"
#include "db/gl_ado_ds.h"

namespace zlx::app {

ListaModel::ListaModel(std::vector<KolumnaSiatki> kolumny, std::string pole_klucza, QObject* parent)
    : QAbstractTableModel(parent), kolumny_(std::move(kolumny)), pole_klucza_(std::move(pole_klucza)) {}

void ListaModel::ustaw(std::unique_ptr<ResultSet> rs, const std::string& sql) {
    beginResetModel();
    if (sql != sql_) zaznaczone_.clear();
    rs_ = std::move(rs);
    sql_ = sql;
    endResetModel();
}

void ListaModel::filtruj(const std::string& pole, const std::string& prefiks) {
    if (!rs_) return;
    beginResetModel();
    rs_->set_prefix_filter(pole, prefiks);
    endResetModel();
}

void ListaModel::bez_filtru() {
    if (!rs_) return;
    beginResetModel();
    rs_->clear_filter();
    endResetModel();
}

std::int32_t ListaModel::klucz(int wiersz) const {
    if (wiersz < 0 || wiersz >= rowCount()) return 0;
    return rs_->row(rs_->row_id_at(static_cast<std::size_t>(wiersz))).int_value(pole_klucza_);
}

int ListaModel::wiersz(std::int32_t szukany) const {
    for (int r = 0; r < rowCount(); ++r)
        if (klucz(r) == szukany) return r;
    return -1;
}

QString ListaModel::tekst(int wiersz, const std::string& pole) const {
    if (wiersz < 0 || wiersz >= rowCount()) return QString();
    return QString::fromStdString(rs_->row(rs_->row_id_at(static_cast<std::size_t>(wiersz))).text(pole));
}

std::vector<std::int32_t> ListaModel::zaznaczone() const {
    std::vector<std::int32_t> klucze;
    for (int r = 0; r < rowCount(); ++r)
        if (zaznaczone_.count(klucz(r)) != 0) klucze.push_back(klucz(r));
    return klucze;
}

void ListaModel::zaznacz(int wiersz, bool tak) {
    if (wiersz < 0 || wiersz >= rowCount()) return;
    if (tak)
        zaznaczone_.insert(klucz(wiersz));
    else
        zaznaczone_.erase(klucz(wiersz));
    for (int c = 0; c < columnCount(); ++c)
        if (kolumny_[static_cast<std::size_t>(c)].rodzaj == KolumnaSiatki::Rodzaj::zaznaczenie)
            emit dataChanged(index(wiersz, c), index(wiersz, c), {Qt::CheckStateRole});
}

void ListaModel::zaznacz_wszystkie(bool tak) {
    for (int r = 0; r < rowCount(); ++r)
        zaznacz(r, tak);
}

int ListaModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || !rs_) return 0;
    return static_cast<int>(rs_->record_count());
}

int ListaModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(kolumny_.size());
}

QVariant ListaModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const KolumnaSiatki& k = kolumny_[static_cast<std::size_t>(index.column())];
    const Row row = rs_->row(rs_->row_id_at(static_cast<std::size_t>(index.row())));
    switch (k.rodzaj) {
        case KolumnaSiatki::Rodzaj::lp:
            if (role == Qt::DisplayRole) return index.row() + 1;
            break;
        case KolumnaSiatki::Rodzaj::zaznaczenie:
            if (role == Qt::CheckStateRole)
                return zaznaczone_.count(row.int_value(pole_klucza_)) != 0 ? Qt::Checked : Qt::Unchecked;
            break;
        case KolumnaSiatki::Rodzaj::znacznik:
            if (role == Qt::DecorationRole) return obrazek_znacznika(row.int_value(k.pole));
            if (role == Qt::ToolTipRole && row.int_value(k.pole) != 0) return row.int_value(k.pole);
            break;
        case KolumnaSiatki::Rodzaj::flaga:
            if (role == Qt::DecorationRole && row.int_value(k.pole) == 1) return obrazek_flagi();
            break;
        case KolumnaSiatki::Rodzaj::tekst:
            if (role == Qt::DisplayRole) return QString::fromStdString(row.text(k.pole));
            break;
    }
    return {};
}

bool ListaModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::CheckStateRole) return false;
    zaznacz(index.row(), value.toInt() == Qt::Checked);
    return true;
}

QVariant ListaModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= columnCount())
        return {};
    return kolumny_[static_cast<std::size_t>(section)].tytul;
}

Qt::ItemFlags ListaModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (kolumny_[static_cast<std::size_t>(index.column())].rodzaj == KolumnaSiatki::Rodzaj::zaznaczenie)
        f |= Qt::ItemIsUserCheckable;
    if (przeciaganie_) f |= Qt::ItemIsDragEnabled;
    return f;
}

void ListaModel::sort(int column, Qt::SortOrder order) {
    if (column < 0 || column >= columnCount()) return;
    const std::string& pole = kolumny_[static_cast<std::size_t>(column)].pole;
    if (pole.empty()) return;
    emit sort_zmieniony(QString::fromStdString(pole) +
                        (order == Qt::DescendingOrder ? QStringLiteral(" DESC") : QString()));
}

QStringList ListaModel::mimeTypes() const {
    return {QString::fromLatin1(kMimeKontrahenci)};
}

QMimeData* ListaModel::mimeData(const QModelIndexList& indexes) const {
    if (indexes.isEmpty()) return nullptr;
    auto* mime = new QMimeData;
    mime->setData(QString::fromLatin1(kMimeKontrahenci), QByteArray::number(klucz(indexes.first().row())));
    return mime;
}

void ustaw_siatke(QTableView& siatka, ListaModel& model) {
    siatka.setModel(&model);
    siatka.setEditTriggers(QAbstractItemView::NoEditTriggers);
    siatka.setSelectionBehavior(QAbstractItemView::SelectRows);
    siatka.setSelectionMode(QAbstractItemView::SingleSelection);
    siatka.setAlternatingRowColors(true);
    QPalette paleta = siatka.palette();
    paleta.setColor(QPalette::AlternateBase, QColor(240, 240, 240));
    siatka.setPalette(paleta);
    siatka.verticalHeader()->hide();
    siatka.verticalHeader()->setDefaultSectionSize(siatka.fontMetrics().height() + 6);
    siatka.horizontalHeader()->setHighlightSections(false);
    siatka.horizontalHeader()->setStretchLastSection(true);
    for (int c = 0; c < model.columnCount(); ++c)
        siatka.setColumnWidth(c, model.kolumny()[static_cast<std::size_t>(c)].szerokosc);
}

std::unique_ptr<ResultSet> otworz_liste(TGlAdoDs_mod& ds, Dialogs& dialogs, QWidget* parent,
                                        const std::string& sql) {
    try {
        return ds.open_sql(sql);
    } catch (const SqlError& e) {
        dialogs.error(parent, QString::fromStdString(sql), QString::fromStdString(e.what()));
        return nullptr;
    }
}

}  // namespace zlx::app
