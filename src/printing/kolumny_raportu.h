#pragma once

// The columns of the statement. The list keeps a running width: adding a column stores the width so
// far as the column's left edge and adds the column's width, so after a complete set the running
// width is the table's width.

#include <cstdint>
#include <string>
#include <vector>

namespace zlx {

struct TReportColumn {
    std::string kol_opis;  // caption
    double kol_szerokosc = 0;
    double kol_lewo = 0;              // the widths of the columns before it
    std::string kol_pole;             // the row field shown
    std::uint8_t kol_wyrownanie = 1;  // 0 centre, 1 left, 2 right
};

class KolumnyRaportu {
  public:
    // Empties the list and sets the running width to 0.
    void wyczysc();
    void dodaj(const std::string& opis, const std::string& pole, double szerokosc, std::uint8_t wyrownanie);

    const std::vector<TReportColumn>& kolumny() const { return kolumny_; }
    double szerokosc() const { return szerokosc_; }

  private:
    std::vector<TReportColumn> kolumny_;
    double szerokosc_ = 0;
};

// Clear the list and add column set 1 ("Zestawienie operacji") or 2 ("Zestawienie operacji wersja 2").
void kolumny_zestawienia_1(KolumnyRaportu& k);
void kolumny_zestawienia_2(KolumnyRaportu& k);

}  // namespace zlx
