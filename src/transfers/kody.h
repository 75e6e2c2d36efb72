#pragma once

// The coded fields of tax and ZUS orders. A screen offers the labels of a table in its order; the
// position chosen is stored as the code, and a stored code maps back to its position (an empty or
// unknown code gives position 0). Screens and printing read these tables; they keep no copies.

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zlx {

struct KodPola {
    std::string_view kod;
    std::string_view etykieta;
};

using TabelaKodow = std::span<const KodPola>;

// us_typokresu: R, P, K, M, D, J.
extern const TabelaKodow kUsTypOkresu;
// us_typiduzup: N, R, P, 1, 2, 3.
extern const TabelaKodow kUsTypIdUzup;
// zus_iduzup: N, R, P, 1, 2.
extern const TabelaKodow kZusIdUzup;
// zus_typwplaty: S, M, U, T, D, E, A, B.
extern const TabelaKodow kZusTypWplaty;

// Positions of kUsTypOkresu.
inline constexpr int kOkresRok = 0;
inline constexpr int kOkresPolrocze = 1;
inline constexpr int kOkresKwartal = 2;
inline constexpr int kOkresMiesiac = 3;
inline constexpr int kOkresDekada = 4;
inline constexpr int kOkresDzien = 5;

// Returns the position of the code; 0 for an empty or unknown code.
int pozycja_kodu(TabelaKodow tabela, std::string_view kod);
// Returns the code at the position; empty when the position is outside the table.
std::string kod_pozycji(TabelaKodow tabela, int pozycja);
// Returns the labels in table order, for filling a list.
std::vector<std::string> etykiety(TabelaKodow tabela);

// Returns the period numbers offered for a period type (a position of kUsTypOkresu): none for a year
// or a day, "01".."02" half-years, "01".."04" quarters, "01".."12" months, and 36 decades "DDMM"
// (decade first, month by month: "0101", "0201", "0301", "0102", ... "0312").
std::vector<std::string> numery_okresu_us(int typ_okresu);
// Returns the caption of the period number: "Nr Okresu DDMM" for a day, "Nr Okresu" otherwise.
std::string etykieta_nr_okresu_us(int typ_okresu);
// Returns the two-digit period years "05".."23".
std::vector<std::string> lata_okresu_us();

// Returns the ZUS declaration months "01".."12".
std::vector<std::string> miesiace_deklaracji_zus();
// Returns the ZUS declaration years "2010".."2021".
std::vector<std::string> lata_deklaracji_zus();

}  // namespace zlx
