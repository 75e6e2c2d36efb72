#include "transfers/przelew_store.h"

#include <array>
#include <exception>
#include <memory>
#include <string_view>

#include "db/gl_ado_ds.h"
#include "db/result_set.h"
#include "db/sql_format.h"
#include "registers/kolumny.h"
#include "registers/wstaw.h"

namespace zlx {

namespace {

using K = Kolumna<TPrzelew>;

// The stored columns in the order of the INSERT.
constexpr std::array<K, 55> kKolumny{{
    {"nr_id", &TPrzelew::nr_id},
    {"id_kontrah", &TPrzelew::id_kontrah},
    {"id_my", &TPrzelew::id_my},
    {"my_nazwa", &TPrzelew::my_nazwa},
    {"my_skrot", &TPrzelew::my_skrot},
    {"my_adres", &TPrzelew::my_adres},
    {"my_konto", &TPrzelew::my_konto},
    {"dost_nazwa", &TPrzelew::dost_nazwa},
    {"dost_skrot", &TPrzelew::dost_skrot},
    {"dost_adres", &TPrzelew::dost_adres},
    {"dost_konto", &TPrzelew::dost_konto},
    {"data", &TPrzelew::data},
    {"tytulem", &TPrzelew::tytulem},
    {"kwota", &TPrzelew::kwota},
    {"kwota_money", &TPrzelew::kwota_money},
    {"uwagi", &TPrzelew::uwagi},
    {"uwagi_tekst", &TPrzelew::uwagi_tekst},
    {"p_w", &TPrzelew::p_w},
    {"data1", &TPrzelew::data1},
    {"bufor", &TPrzelew::bufor},
    {"tytulemcd", &TPrzelew::tytulemcd},
    {"dost_lk", &TPrzelew::dost_lk},
    {"dost_bank", &TPrzelew::dost_bank},
    {"my_lk", &TPrzelew::my_lk},
    {"my_bank", &TPrzelew::my_bank},
    {"czypracownik", &TPrzelew::czypracownik},
    {"nr_id_staryprzelew", &TPrzelew::nr_id_staryprzelew},
    {"us_iduzup", &TPrzelew::us_iduzup},
    {"us_typiduzup", &TPrzelew::us_typiduzup},
    {"us_rokokresu", &TPrzelew::us_rokokresu},
    {"us_typokresu", &TPrzelew::us_typokresu},
    {"us_nrokresu", &TPrzelew::us_nrokresu},
    {"us_identyfikacjazobowiazania", &TPrzelew::us_identyfikacjazobowiazania},
    {"us_symbolformularza", &TPrzelew::us_symbolformularza},
    {"rodzaj_przelewu", &TPrzelew::rodzaj_przelewu},
    {"zus_numeriduzup", &TPrzelew::zus_numeriduzup},
    {"waluta", &TPrzelew::waluta},
    {"zus_nipplatnik", &TPrzelew::zus_nipplatnik},
    {"zus_iduzup", &TPrzelew::zus_iduzup},
    {"zus_deklaracja1", &TPrzelew::zus_deklaracja1},
    {"zus_deklaracja2", &TPrzelew::zus_deklaracja2},
    {"zus_nrdeklaracji", &TPrzelew::zus_nrdeklaracji},
    {"zus_typwplaty", &TPrzelew::zus_typwplaty},
    {"zus_cel", &TPrzelew::zus_cel},
    {"cykliczne", &TPrzelew::cykliczne},
    {"dost_adres_ulica", &TPrzelew::dost_adres_ulica},
    {"dost_adres_kodp", &TPrzelew::dost_adres_kodp},
    {"dost_adres_miejscowosc", &TPrzelew::dost_adres_miejscowosc},
    {"my_adres_ulica", &TPrzelew::my_adres_ulica},
    {"my_adres_kodp", &TPrzelew::my_adres_kodp},
    {"my_adres_miejscowosc", &TPrzelew::my_adres_miejscowosc},
    {"rozliczony", &TPrzelew::rozliczony},
    {"kwota_rozliczenia", &TPrzelew::kwota_rozliczenia},
    {"znacznik", &TPrzelew::znacznik},
    {"zus_nrdecyzji", &TPrzelew::zus_nrdecyzji},
}};

// The address columns take their UPDATE name text without the leading blank the others have.
bool bez_spacji_w_update(std::string_view nazwa) {
    for (std::string_view n :
         {"dost_adres_ulica", "dost_adres_kodp", "dost_adres_miejscowosc", "my_adres_ulica", "my_adres_kodp",
          "my_adres_miejscowosc", "rozliczony", "kwota_rozliczenia"})
        if (n == nazwa) return true;
    return false;
}

bool pomijany_przy_odczycie_z_wierszy(std::string_view nazwa) {
    return nazwa == "my_skrot" || nazwa == "dost_skrot" || nazwa == "uwagi_tekst";
}

std::string sql_insert(const TPrzelew& p) {
    return " INSERT INTO kartoteka(" + lista_kolumn<TPrzelew>(kKolumny) + ") VALUES ( " +
           lista_wartosci<TPrzelew>(p, kKolumny) + ")";
}

std::string sql_update(const TPrzelew& p) {
    std::string sql = " UPDATE kartoteka set  id_kontrah=" + sql_int(p.id_kontrah);
    for (std::size_t i = 2; i < kKolumny.size(); ++i) {
        const K& k = kKolumny[i];
        sql += ',';
        if (!bez_spacji_w_update(k.nazwa)) sql += ' ';
        sql += k.nazwa;
        sql += '=';
        sql += wartosc_sql(p, k);
    }
    return sql + " WHERE nr_id = " + sql_int(p.nr_id);
}

}  // namespace

TPrzelew load_przelew(TGlAdoDs_mod& ds, std::int32_t id) {
    TPrzelew p = nowy_przelew();
    try {
        std::unique_ptr<ResultSet> rs = ds.open_sql("SELECT " + lista_kolumn<TPrzelew>(kKolumny) +
                                                    " FROM kartoteka WHERE nr_id=" + sql_int(id));
        if (!rs) return p;
        for (; !rs->eof(); rs->next())
            czytaj_wiersz<TPrzelew>(*rs, p, kKolumny);
    } catch (const std::exception&) {
        return nowy_przelew();
    }
    return p;
}

TPrzelew load_przelew_from_rows(std::int32_t id, ResultSet& rows) {
    TPrzelew p = nowy_przelew();
    for (; !rows.eof(); rows.next()) {
        if (rows.int_value("nr_id") != id) continue;
        for (const K& k : kKolumny)
            if (!pomijany_przy_odczycie_z_wierszy(k.nazwa)) czytaj_kolumne(rows, p, k);
        break;
    }
    return p;
}

bool save_przelew(TGlAdoDs_mod& ds, TPrzelew& p) {
    if (p.nr_id != 0) return ds.exec_sql(sql_update(p));
    return wstaw_z_kluczem(ds, "kartoteka", p.nr_id, [&] { return sql_insert(p); });
}

bool set_znacznik(TGlAdoDs_mod& ds, std::int32_t id, std::int32_t znacznik) {
    return ds.exec_sql(" UPDATE kartoteka set  znacznik=" + sql_int(znacznik) + " " +
                       " WHERE nr_id = " + sql_int(id));
}

bool delete_przelew(TGlAdoDs_mod& ds, std::int32_t id) {
    return ds.exec_sql("DELETE  FROM [kartoteka] where [kartoteka].[nr_id]=" + sql_int(id));
}

}  // namespace zlx
