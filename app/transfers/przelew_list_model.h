#pragma once

// The grid of the transfer list: a read-only model over the list's result set. Nothing is copied per
// row: each cell is read from the set when the view asks for it. Ticks (the selection of the
// multi-row actions) belong to rows by key and survive a re-query for the rows still listed.

#include <QAbstractTableModel>
#include <QColor>

#include <cstdint>
#include <memory>
#include <vector>

#include "db/result_set.h"
#include "transfers/lista_przelewow.h"

namespace zlx::app {

// Rows ticked in the grid.
inline const QColor kKolorZaznaczenia(250, 159, 116);
// Background of the amount column.
inline const QColor kKolorKwoty(248, 227, 184);

class PrzelewListModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    enum Kolumna {
        kLp,
        kZaznaczenie,
        kRodzaj,
        kBufor,
        kZnacznik,
        kData,
        kKontrahent,
        kKwota,
        kTytulem,
        kFirma,
        kUwagi,
        kZusDecyzja,
        kUsZobowiazanie,
        kKolumn
    };

    explicit PrzelewListModel(QObject* parent = nullptr);

    // Takes the rows of a new query (nullptr: the list is empty); ticks of keys no longer listed go.
    void ustaw(std::unique_ptr<ResultSet> rs);
    // The set shown, or nullptr when the list is empty because its query failed.
    const ResultSet* zbior() const { return rs_.get(); }

    // Shows only rows whose column begins with the prefix; "" for the column shows every row.
    void filtruj(std::string_view kolumna, const std::string& prefiks);

    // Returns the key of a shown row, 0 outside the rows.
    std::int32_t klucz(int wiersz) const;
    // Returns the kind (`rodzaj_przelewu`) of a shown row, -1 outside the rows.
    int rodzaj(int wiersz) const;
    // Returns the shown row holding the key, -1 when none does.
    int wiersz(std::int32_t klucz) const;

    const Zaznaczenie& zaznaczenie() const { return zaznaczone_; }
    // Returns the ticked keys in the order of the list.
    std::vector<std::int32_t> zaznaczone() const;
    void zaznacz(int wiersz, bool tak);
    // Ticks or unticks every row of the query, the rows the filter hides included.
    void zaznacz_wszystkie(bool tak);

    static int szerokosc(int kolumna);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

  signals:
    void zaznaczenie_zmienione();

  private:
    QVariant tekst(std::size_t row_id, int kolumna) const;

    std::unique_ptr<ResultSet> rs_;
    // Column indexes in the set, by grid column (SIZE_MAX for the columns not read from it).
    std::vector<std::size_t> pola_;
    std::size_t pole_klucza_ = 0;
    Zaznaczenie zaznaczone_;
};

}  // namespace zlx::app
