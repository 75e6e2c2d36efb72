#include "registers/slowniki.h"

#include <exception>
#include <memory>

#include "db/gl_ado_ds.h"
#include "db/result_set.h"
#include "db/sql_format.h"
#include "registers/wstaw.h"

namespace zlx {

namespace {

// Runs the query and hands each row to the reader; a failing query reads nothing.
template <class F>
void dla_wierszy(TGlAdoDs_mod& ds, const std::string& sql, F&& czytaj) {
    try {
        std::unique_ptr<ResultSet> rs = ds.open_sql(sql);
        if (!rs) return;
        for (; !rs->eof(); rs->next())
            czytaj(*rs);
    } catch (const std::exception&) {
    }
}

// Returns the last row the query gives, or a cleared record.
template <class R, class F>
R jeden(TGlAdoDs_mod& ds, const std::string& sql, F&& czytaj) {
    R rec;
    bool ok = true;
    try {
        std::unique_ptr<ResultSet> rs = ds.open_sql(sql);
        if (rs)
            for (; !rs->eof(); rs->next())
                rec = czytaj(*rs);
    } catch (const std::exception&) {
        ok = false;
    }
    return ok ? rec : R{};
}

// Inserts under a new key or updates.
template <class R, class Ins, class Upd>
bool zapisz(TGlAdoDs_mod& ds, R& rec, std::int32_t R::*klucz, const char* nazwa_klucza, Ins&& insert,
            Upd&& update) {
    if (rec.*klucz != 0) return ds.exec_sql(update(rec));
    return wstaw_z_kluczem(ds, nazwa_klucza, rec.*klucz, [&] { return insert(rec); });
}

TSlowTyt slowtyt_z(const ResultSet& rs) {
    return {rs.int_value("slow_id"), rs.text("slow_tytulem"), rs.text("slow_tytulemcd"),
            rs.text("slow_tytulem1"), rs.text("slow_tytulemcd1")};
}

TWaluta waluta_z(const ResultSet& rs) {
    return {rs.int_value("nr_id"), rs.text("symbol"), rs.int_value("domyslna")};
}

TSymbolFormularzaUs symbol_z(const ResultSet& rs) {
    return {rs.int_value("nr_id"), rs.text("symbol")};
}

TKontaZus konto_zus_z(const ResultSet& rs) {
    return {rs.int_value("nr_id"), rs.text("konto_zus"), rs.text("opis_konta")};
}

template <class R, class F>
int lista(TGlAdoDs_mod& ds, const std::string& sql, std::vector<R>& out, F&& czytaj) {
    out.clear();
    dla_wierszy(ds, sql, [&](const ResultSet& rs) { out.push_back(czytaj(rs)); });
    return static_cast<int>(out.size());
}

}  // namespace

TSlowTyt get_slowtyt(TGlAdoDs_mod& ds, std::int32_t key) {
    return jeden<TSlowTyt>(ds,
                           "SELECT slow_id,slow_tytulem,slow_tytulemcd,slow_tytulem1,slow_tytulemcd1 FROM "
                           "tb_slowtyt where slow_id=" +
                               sql_int(key),
                           slowtyt_z);
}

bool save_slowtyt(TGlAdoDs_mod& ds, TSlowTyt& rec) {
    return zapisz(
        ds, rec, &TSlowTyt::slow_id, "tb_slowtyt",
        [](const TSlowTyt& r) {
            return " INSERT INTO "
                   "tb_slowtyt(slow_id,slow_tytulem,slow_tytulemcd,slow_tytulem1,slow_tytulemcd1) VALUES "
                   "( " +
                   sql_int(r.slow_id) + "," + sql_str(r.slow_tytulem) + "," + sql_str(r.slow_tytulemcd) +
                   "," + sql_str(r.slow_tytulem1) + "," + sql_str(r.slow_tytulemcd1) + ")";
        },
        [](const TSlowTyt& r) {
            return " UPDATE tb_slowtyt set  slow_tytulem=" + sql_str(r.slow_tytulem) + "," +
                   " slow_tytulemcd=" + sql_str(r.slow_tytulemcd) + "," +
                   " slow_tytulem1=" + sql_str(r.slow_tytulem1) + "," +
                   " slow_tytulemcd1=" + sql_str(r.slow_tytulemcd1) +
                   " WHERE slow_id = " + sql_int(r.slow_id);
        });
}

bool del_slowtyt(TGlAdoDs_mod& ds, std::int32_t key) {
    return ds.exec_sql("DELETE  FROM [tb_slowtyt] where [tb_slowtyt].[slow_id]=" + sql_int(key));
}

TWaluta get_waluta(TGlAdoDs_mod& ds, std::int32_t key) {
    return jeden<TWaluta>(ds, "SELECT nr_id,symbol,domyslna FROM waluty WHERE nr_id=" + sql_int(key),
                          waluta_z);
}

int get_waluty_list(TGlAdoDs_mod& ds, std::vector<TWaluta>& list) {
    return lista(ds, "SELECT nr_id,symbol,domyslna FROM waluty ORDER BY symbol", list, waluta_z);
}

bool save_waluta(TGlAdoDs_mod& ds, TWaluta& rec) {
    return zapisz(
        ds, rec, &TWaluta::nr_id, "waluty",
        [](const TWaluta& r) {
            return " INSERT INTO waluty(nr_id,symbol,domyslna) VALUES ( " + sql_int(r.nr_id) + "," +
                   sql_str(r.symbol) + "," + sql_int(r.domyslna) + ")";
        },
        [](const TWaluta& r) {
            return " UPDATE waluty set  symbol=" + sql_str(r.symbol) + "," +
                   " domyslna=" + sql_int(r.domyslna) + " WHERE nr_id = " + sql_int(r.nr_id);
        });
}

bool set_domyslna_waluta(TGlAdoDs_mod& ds, std::int32_t key) {
    // A failure to clear the old flag is passed over; the new default is what matters.
    ds.exec_sql(" UPDATE waluty set  domyslna=" + sql_int(0));
    return ds.exec_sql(" UPDATE waluty set  domyslna=" + sql_int(1) + " WHERE nr_id = " + sql_int(key));
}

bool del_waluta(TGlAdoDs_mod& ds, std::int32_t key) {
    return ds.exec_sql("DELETE  FROM [waluty] where [waluty].[nr_id]=" + sql_int(key));
}

TSymbolFormularzaUs get_symbol_us(TGlAdoDs_mod& ds, std::int32_t key) {
    return jeden<TSymbolFormularzaUs>(
        ds, "SELECT nr_id,symbol FROM symbolformularzaus  WHERE nr_id=" + sql_int(key), symbol_z);
}

int get_symbol_us_list(TGlAdoDs_mod& ds, std::vector<TSymbolFormularzaUs>& list) {
    return lista(ds, "SELECT nr_id,symbol FROM symbolformularzaus ORDER BY symbol", list, symbol_z);
}

bool save_symbol_us(TGlAdoDs_mod& ds, TSymbolFormularzaUs& rec) {
    return zapisz(
        ds, rec, &TSymbolFormularzaUs::nr_id, "symbolformularzaus",
        [](const TSymbolFormularzaUs& r) {
            return " INSERT INTO symbolformularzaus(nr_id,symbol) VALUES ( " + sql_int(r.nr_id) + "," +
                   sql_str(r.symbol) + ")";
        },
        [](const TSymbolFormularzaUs& r) {
            return " UPDATE symbolformularzaus set  symbol=" + sql_str(r.symbol) +
                   " WHERE nr_id = " + sql_int(r.nr_id);
        });
}

bool del_symbol_us(TGlAdoDs_mod& ds, std::int32_t key) {
    return ds.exec_sql("DELETE  FROM [symbolformularzaus] where [symbolformularzaus].[nr_id]=" +
                       sql_int(key));
}

int get_konta_zus_list(TGlAdoDs_mod& ds, std::vector<TKontaZus>& list) {
    return lista(ds, "SELECT nr_id,konto_zus,opis_konta FROM konta_zus ", list, konto_zus_z);
}

TKontaZus get_konto_zus(TGlAdoDs_mod& ds, std::int32_t key) {
    return jeden<TKontaZus>(
        ds, "SELECT nr_id,konto_zus,opis_konta FROM konta_zus  WHERE nr_id=" + sql_int(key), konto_zus_z);
}

int pozycja_domyslnej_waluty(const std::vector<TWaluta>& waluty) {
    if (waluty.empty()) return -1;
    int pos = 0;
    for (std::size_t i = 0; i < waluty.size(); ++i)
        if (waluty[i].domyslna == 1) pos = static_cast<int>(i);
    return pos;
}

std::vector<std::string> symbole_walut(const std::vector<TWaluta>& waluty) {
    std::vector<std::string> out;
    for (const TWaluta& w : waluty)
        out.push_back(w.symbol);
    return out;
}

std::vector<std::string> symbole_us(const std::vector<TSymbolFormularzaUs>& symbole) {
    std::vector<std::string> out;
    for (const TSymbolFormularzaUs& s : symbole)
        out.push_back(s.symbol);
    return out;
}

std::vector<std::string> opisy_kont_zus(const std::vector<TKontaZus>& konta) {
    std::vector<std::string> out;
    for (const TKontaZus& k : konta)
        out.push_back(k.opis_konta);
    return out;
}

std::string konto_zus_pozycji(TGlAdoDs_mod& ds, int pozycja) {
    return get_konto_zus(ds, pozycja).konto_zus;
}

}  // namespace zlx
