#include "export/profilexp_store.h"

#include <array>
#include <exception>
#include <memory>

#include "db/gl_ado_ds.h"
#include "db/sql_format.h"
#include "registers/kolumny.h"
#include "registers/wstaw.h"

namespace zlx {

namespace {

using K = Kolumna<TProfilExp>;

// The columns in the order of the SELECT and the INSERT.
constexpr std::array<K, 18> kKolumny{{
    {"prof_id", &TProfilExp::prof_id},
    {"prof_nazwa", &TProfilExp::prof_nazwa},
    {"prof_opis", &TProfilExp::prof_opis},
    {"prof_typprzelewu", &TProfilExp::prof_typprzelewu},
    {"prof_katalog_out", &TProfilExp::prof_katalog_out},
    {"prof_katalog_arch", &TProfilExp::prof_katalog_arch},
    {"prof_rodzaj_nazwy_pliku", &TProfilExp::prof_rodzaj_nazwy_pliku},
    {"prof_nazwa_stala", &TProfilExp::prof_nazwa_stala},
    {"prof_nazwa_stala_rozsz", &TProfilExp::prof_nazwa_stala_rozsz},
    {"prof_nazwa_gen", &TProfilExp::prof_nazwa_gen},
    {"prof_nazwa_gen_rozsz", &TProfilExp::prof_nazwa_gen_rozsz},
    {"prof_rodzaj_formatu", &TProfilExp::prof_rodzaj_formatu},
    {"prof_jaki_bank", &TProfilExp::prof_jaki_bank},
    {"prof_rodzaj_kodowania", &TProfilExp::prof_rodzaj_kodowania},
    {"prof_rodzaj_daty", &TProfilExp::prof_rodzaj_daty},
    {"prof_data_do_wczytania", &TProfilExp::prof_data_do_wczytania},
    {"prof_maks_w_pliku", &TProfilExp::prof_maks_w_pliku},
    {"prof_domyslny", &TProfilExp::prof_domyslny},
}};

std::string sql_update(const TProfilExp& p) {
    std::string sql = " UPDATE tb_profilexp set  prof_nazwa=" + sql_str(p.prof_nazwa);
    for (std::size_t i = 2; i < kKolumny.size(); ++i) {
        sql += ", ";
        sql += kKolumny[i].nazwa;
        sql += '=';
        sql += wartosc_sql(p, kKolumny[i]);
    }
    return sql + " WHERE prof_id = " + sql_int(p.prof_id);
}

}  // namespace

TProfilExp get_profilexp(TGlAdoDs_mod& ds, std::int32_t id) {
    TProfilExp p = nowy_profilexp();
    try {
        std::unique_ptr<ResultSet> rs = ds.open_sql("SELECT " + lista_kolumn<TProfilExp>(kKolumny) +
                                                    " FROM tb_profilexp where prof_id=" + sql_int(id));
        if (!rs) return p;
        for (; !rs->eof(); rs->next())
            czytaj_wiersz<TProfilExp>(*rs, p, kKolumny);
    } catch (const std::exception&) {
        return nowy_profilexp();
    }
    return p;
}

bool save_profilexp(TGlAdoDs_mod& ds, TProfilExp& p) {
    if (p.prof_id != 0) return ds.exec_sql(sql_update(p));
    return wstaw_z_kluczem(ds, "tb_profilexp", p.prof_id, [&] {
        return " INSERT INTO tb_profilexp(" + lista_kolumn<TProfilExp>(kKolumny) + ") VALUES ( " +
               lista_wartosci<TProfilExp>(p, kKolumny) + ")";
    });
}

bool del_profilexp(TGlAdoDs_mod& ds, std::int32_t id) {
    return ds.exec_sql("DELETE  FROM [tb_profilexp] where [tb_profilexp].[prof_id]=" + sql_int(id));
}

}  // namespace zlx
