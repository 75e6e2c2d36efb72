#include "app/transfers/przelew_list_model.h"

#include <array>
#include <limits>

#include "app/transfers/obrazki_przelewow.h"
#include "transfers/format_kwoty.h"

namespace zlx::app {

namespace {

constexpr std::size_t kBrak = std::numeric_limits<std::size_t>::max();

struct Opis {
    const char* tytul;
    const char* pole;
    int szerokosc;
};

const std::array<Opis, PrzelewListModel::kKolumn> kKolumny = {{
    {"Lp.", "", 30},
    {"", "", 24},
    {"", "rodzaj_przelewu", 24},
    {"Zatw.", "bufor", 30},
    {"Z", "znacznik", 30},
    {"Data", "data", 90},
    {"Kontrahent", "dost_nazwa", 250},
    {"Kwota", "kwota_money", 70},
    {"Tytułem", "tytulem", 250},
    {"Firma własna", "my_nazwa", 250},
    {"Uwagi", "uwagi_tekst", 150},
    {"Nr dec/um/Tyt.(ZUS)", "zus_nrdecyzji", 150},
    {"Ident. Zobow.(US)", "us_identyfikacjazobowiazania", 150},
}};

QString rodzaj_tekst(std::int64_t rodzaj) {
    switch (rodzaj) {
        case 0:
            return QStringLiteral("Bankowy");
        case 1:
            return QStringLiteral("ZUS");
        case 2:
            return QStringLiteral("Podatki");
        default:
            return {};
    }
}

}  // namespace

PrzelewListModel::PrzelewListModel(QObject* parent) : QAbstractTableModel(parent) {}

void PrzelewListModel::ustaw(std::unique_ptr<ResultSet> rs) {
    beginResetModel();
    rs_ = std::move(rs);
    pola_.assign(kKolumn, kBrak);
    if (rs_) {
        for (int k = 0; k < kKolumn; ++k) {
            const char* pole = kKolumny[static_cast<std::size_t>(k)].pole;
            if (*pole && rs_->has_field(pole)) pola_[static_cast<std::size_t>(k)] = rs_->field_index(pole);
        }
        pole_klucza_ = rs_->field_index("nr_id");
        zaznaczone_.zostaw_w_zbiorze(*rs_);
    } else {
        zaznaczone_ = Zaznaczenie();
    }
    endResetModel();
    emit zaznaczenie_zmienione();
}

void PrzelewListModel::filtruj(std::string_view kolumna, const std::string& prefiks) {
    if (!rs_) return;
    beginResetModel();
    if (kolumna.empty())
        rs_->clear_filter();
    else
        rs_->set_prefix_filter(kolumna, prefiks);
    endResetModel();
}

std::int32_t PrzelewListModel::klucz(int wiersz) const {
    if (!rs_ || wiersz < 0 || wiersz >= rowCount()) return 0;
    const std::size_t id = rs_->row_id_at(static_cast<std::size_t>(wiersz));
    return static_cast<std::int32_t>(rs_->row(id).int64_value(pole_klucza_));
}

int PrzelewListModel::rodzaj(int wiersz) const {
    const std::size_t pole = pola_[kRodzaj];
    if (!rs_ || pole == kBrak || wiersz < 0 || wiersz >= rowCount()) return -1;
    return static_cast<int>(rs_->row(rs_->row_id_at(static_cast<std::size_t>(wiersz))).int64_value(pole));
}

int PrzelewListModel::wiersz(std::int32_t key) const {
    for (int r = 0; r < rowCount(); ++r)
        if (klucz(r) == key) return r;
    return -1;
}

std::vector<std::int32_t> PrzelewListModel::zaznaczone() const {
    if (!rs_) return {};
    return zaznaczone_.klucze(*rs_);
}

void PrzelewListModel::zaznacz(int wiersz, bool tak) {
    const std::int32_t k = klucz(wiersz);
    if (k == 0) return;
    zaznaczone_.zaznacz(k, tak);
    emit dataChanged(index(wiersz, 0), index(wiersz, kKolumn - 1));
    emit zaznaczenie_zmienione();
}

void PrzelewListModel::zaznacz_wszystkie(bool tak) {
    if (!rs_) return;
    zaznaczone_.zaznacz_wszystkie(*rs_, tak);
    if (rowCount() > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, kKolumn - 1));
    emit zaznaczenie_zmienione();
}

int PrzelewListModel::szerokosc(int kolumna) {
    return kKolumny[static_cast<std::size_t>(kolumna)].szerokosc;
}

int PrzelewListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !rs_ ? 0 : static_cast<int>(rs_->record_count());
}

int PrzelewListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kKolumn;
}

QVariant PrzelewListModel::tekst(std::size_t row_id, int kolumna) const {
    const std::size_t pole = pola_[static_cast<std::size_t>(kolumna)];
    if (pole == kBrak) return {};
    const Row row = rs_->row(row_id);
    switch (kolumna) {
        case kData:
            return QString::fromStdString(row.date(pole).to_text());
        case kKwota:
            return QString::fromStdString(kwota_w_grupach(row.currency(pole)));
        default:
            return QString::fromStdString(row.text(pole));
    }
}

QVariant PrzelewListModel::data(const QModelIndex& index, int role) const {
    if (!rs_ || !index.isValid() || index.row() >= rowCount()) return {};
    const int k = index.column();
    const std::size_t row_id = rs_->row_id_at(static_cast<std::size_t>(index.row()));
    const auto liczba = [&](int kolumna) {
        const std::size_t pole = pola_[static_cast<std::size_t>(kolumna)];
        return pole == kBrak ? std::int64_t{-1} : rs_->row(row_id).int64_value(pole);
    };
    switch (role) {
        case Qt::DisplayRole:
            if (k == kLp) return index.row() + 1;
            if (k == kZnacznik || k == kRodzaj || k == kBufor || k == kZaznaczenie) return {};
            return tekst(row_id, k);
        case Qt::DecorationRole:
            if (k == kRodzaj) return ikona_rodzaju(static_cast<int>(liczba(kRodzaj)));
            if (k == kBufor) return ikona_zatwierdzenia(static_cast<int>(liczba(kBufor)));
            if (k == kZnacznik) return ikona_znacznika(static_cast<int>(liczba(kZnacznik)));
            return {};
        case Qt::ToolTipRole:
            if (k == kRodzaj) return rodzaj_tekst(liczba(kRodzaj));
            if (k == kBufor)
                return liczba(kBufor) == 0 ? QStringLiteral("Zatwierdzony")
                                           : QStringLiteral("Niezatwierdzony");
            if (k == kZnacznik && liczba(kZnacznik) > 0) return QString::number(liczba(kZnacznik));
            return {};
        case Qt::CheckStateRole:
            if (k != kZaznaczenie) return {};
            return zaznaczone_.zaznaczony(klucz(index.row())) ? Qt::Checked : Qt::Unchecked;
        case Qt::BackgroundRole:
            if (zaznaczone_.zaznaczony(klucz(index.row()))) return kKolorZaznaczenia;
            if (k == kKwota) return kKolorKwoty;
            return {};
        case Qt::TextAlignmentRole:
            if (k == kKwota || k == kLp) return QVariant(Qt::AlignRight | Qt::AlignVCenter);
            return {};
        default:
            return {};
    }
}

bool PrzelewListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::CheckStateRole || index.column() != kZaznaczenie) return false;
    zaznacz(index.row(), value.toInt() == Qt::Checked);
    return true;
}

QVariant PrzelewListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kKolumn) return {};
    if (role == Qt::DisplayRole) return QString::fromUtf8(kKolumny[static_cast<std::size_t>(section)].tytul);
    return {};
}

Qt::ItemFlags PrzelewListModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.column() == kZaznaczenie) f |= Qt::ItemIsUserCheckable;
    return f;
}

}  // namespace zlx::app
