#pragma once

// The grid of the register and dictionary lists: a read-only model over the result set of the list's
// statement, with a running number, an optional tick-box column and marker pictures. Ticks belong to
// rows by key, so they survive a refresh of the same statement; a new statement clears them. Sorting by
// a click on a title is left to the screen (sort_zmieniony), which re-runs its statement ordered.

#include <QAbstractTableModel>
#include <QString>

#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "db/result_set.h"

class QTableView;
class QWidget;

namespace zlx {
class TGlAdoDs_mod;
}

namespace zlx::app {

class Dialogs;

struct KolumnaSiatki {
    enum class Rodzaj { lp, zaznaczenie, znacznik, flaga, tekst };
    QString tytul;
    std::string pole;  // the column shown or sorted by; "" for the running number and the tick box
    int szerokosc;
    Rodzaj rodzaj;
};

// The mime type of rows dragged out of the counterparty grid; nothing else may be dropped on its tree.
inline constexpr const char* kMimeKontrahenci = "application/x-zlecenix-kontrahenci";

class ListaModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    ListaModel(std::vector<KolumnaSiatki> kolumny, std::string pole_klucza, QObject* parent = nullptr);

    // Takes the rows of a statement; ticks are kept only when it is the statement shown before.
    void ustaw(std::unique_ptr<ResultSet> rs, const std::string& sql);
    const std::string& sql() const { return sql_; }
    const std::vector<KolumnaSiatki>& kolumny() const { return kolumny_; }

    // Shows only rows whose column begins with the prefix; the empty prefix keeps rows with a value.
    void filtruj(const std::string& pole, const std::string& prefiks);
    void bez_filtru();

    // Returns the key of a shown row, or 0 for a row that is not there.
    std::int32_t klucz(int wiersz) const;
    // Returns the row showing the key, or -1.
    int wiersz(std::int32_t klucz) const;
    QString tekst(int wiersz, const std::string& pole) const;

    // Returns the keys of the ticked rows in the order they are shown.
    std::vector<std::int32_t> zaznaczone() const;
    void zaznacz(int wiersz, bool tak);
    void zaznacz_wszystkie(bool tak);
    void pozwol_przeciagac(bool tak) { przeciaganie_ = tak; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    void sort(int column, Qt::SortOrder order) override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;

  signals:
    // The grid's sort fields after a click on a title ("nazwa" or "nazwa DESC").
    void sort_zmieniony(const QString& pola);

  private:
    std::vector<KolumnaSiatki> kolumny_;
    std::string pole_klucza_;
    std::unique_ptr<ResultSet> rs_;
    std::string sql_;
    std::set<std::int32_t> zaznaczone_;
    bool przeciaganie_ = false;
};

// Sets the grid up for the model: read-only, whole rows, striped in RGB(240, 240, 240), column widths.
void ustaw_siatke(QTableView& siatka, ListaModel& model);

// Runs the list's query; a query the database refuses shows its statement and the engine's message
// and gives no rows.
std::unique_ptr<ResultSet> otworz_liste(TGlAdoDs_mod& ds, Dialogs& dialogs, QWidget* parent,
                                        const std::string& sql);

}  // namespace zlx::app
