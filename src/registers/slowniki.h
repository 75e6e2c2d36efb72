#pragma once

// The four dictionaries that feed the transfer screens: titles (`tb_slowtyt`), currencies (`waluty`),
// tax form symbols (`symbolformularzaus`) and ZUS accounts (`konta_zus`, read only). A key of 0 means
// the row is not stored yet; readers give a cleared record when no row is found or the query fails.

#include <cstdint>
#include <string>
#include <vector>

namespace zlx {

class TGlAdoDs_mod;

struct TSlowTyt {
    std::int32_t slow_id = 0;
    std::string slow_tytulem;
    std::string slow_tytulemcd;
    std::string slow_tytulem1;    // carried unchanged
    std::string slow_tytulemcd1;  // carried unchanged

    bool operator==(const TSlowTyt&) const = default;
};

struct TWaluta {
    std::int32_t nr_id = 0;
    std::string symbol;
    std::int32_t domyslna = 0;  // 1 = the default currency

    bool operator==(const TWaluta&) const = default;
};

struct TSymbolFormularzaUs {
    std::int32_t nr_id = 0;
    std::string symbol;

    bool operator==(const TSymbolFormularzaUs&) const = default;
};

// The ZUS screens number the accounts from 0 in table order and take an account's position for its
// key, so `nr_id` of row i is i.
struct TKontaZus {
    std::int32_t nr_id = 0;
    std::string konto_zus;
    std::string opis_konta;

    bool operator==(const TKontaZus&) const = default;
};

TSlowTyt get_slowtyt(TGlAdoDs_mod& ds, std::int32_t key);
// Inserts (key 0, the new key is written back) or updates; returns false when the statement failed,
// and a failed insert leaves the key at 0.
bool save_slowtyt(TGlAdoDs_mod& ds, TSlowTyt& rec);
bool del_slowtyt(TGlAdoDs_mod& ds, std::int32_t key);

TWaluta get_waluta(TGlAdoDs_mod& ds, std::int32_t key);
// Clears the list and fills it ordered by symbol; returns the number of rows.
int get_waluty_list(TGlAdoDs_mod& ds, std::vector<TWaluta>& list);
bool save_waluta(TGlAdoDs_mod& ds, TWaluta& rec);
// Makes the currency the only default one.
bool set_domyslna_waluta(TGlAdoDs_mod& ds, std::int32_t key);
bool del_waluta(TGlAdoDs_mod& ds, std::int32_t key);

TSymbolFormularzaUs get_symbol_us(TGlAdoDs_mod& ds, std::int32_t key);
int get_symbol_us_list(TGlAdoDs_mod& ds, std::vector<TSymbolFormularzaUs>& list);
bool save_symbol_us(TGlAdoDs_mod& ds, TSymbolFormularzaUs& rec);
bool del_symbol_us(TGlAdoDs_mod& ds, std::int32_t key);

// Reads the ZUS accounts in table order.
int get_konta_zus_list(TGlAdoDs_mod& ds, std::vector<TKontaZus>& list);
TKontaZus get_konto_zus(TGlAdoDs_mod& ds, std::int32_t key);

// Combo rules of the transfer screens.
// Returns the position of the last currency flagged as default, else 0; -1 for an empty list.
int pozycja_domyslnej_waluty(const std::vector<TWaluta>& waluty);
std::vector<std::string> symbole_walut(const std::vector<TWaluta>& waluty);
std::vector<std::string> symbole_us(const std::vector<TSymbolFormularzaUs>& symbole);
std::vector<std::string> opisy_kont_zus(const std::vector<TKontaZus>& konta);
// Returns the account of the ZUS account at the list position (its key); empty when there is none.
std::string konto_zus_pozycji(TGlAdoDs_mod& ds, int pozycja);

}  // namespace zlx
