#include "registers/kontrah_store.h"

#include <array>
#include <exception>
#include <memory>

#include "db/gl_ado_ds.h"
#include "db/result_set.h"
#include "db/sql_format.h"
#include "registers/kolumny.h"
#include "registers/wstaw.h"

namespace zlx {

namespace {

using K = Kolumna<TPrzKth>;

// The written columns in statement order; the reader takes all but `id_old`.
constexpr std::array<K, 52> kKolumny{{
    {"ID1", &TPrzKth::ID1},
    {"id", &TPrzKth::id},
    {"aktywny", &TPrzKth::aktywny},
    {"skrot", &TPrzKth::skrot},
    {"nazwa", &TPrzKth::nazwa},
    {"Kraj", &TPrzKth::Kraj},
    {"Miejscowosc", &TPrzKth::Miejscowosc},
    {"gmina", &TPrzKth::gmina},
    {"ulica", &TPrzKth::ulica},
    {"numerDomu", &TPrzKth::numerDomu},
    {"numerMieszk", &TPrzKth::numerMieszk},
    {"kod", &TPrzKth::kod},
    {"poczta", &TPrzKth::poczta},
    {"Telefon1", &TPrzKth::Telefon1},
    {"Telefon2", &TPrzKth::Telefon2},
    {"Telefax", &TPrzKth::Telefax},
    {"Telex", &TPrzKth::Telex},
    {"email", &TPrzKth::email},
    {"W_banku1", &TPrzKth::W_banku1},
    {"nr_banku", &TPrzKth::nr_banku},
    {"lk", &TPrzKth::lk},
    {"Rachunek1", &TPrzKth::Rachunek1},
    {"rezerwa2", &TPrzKth::rezerwa2},
    {"W_banku2", &TPrzKth::W_banku2},
    {"Rachunek2", &TPrzKth::Rachunek2},
    {"PlatnikVAT", &TPrzKth::PlatnikVAT},
    {"rabat", &TPrzKth::rabat},
    {"naglowek", &TPrzKth::naglowek},
    {"nazwisko", &TPrzKth::nazwisko},
    {"imie", &TPrzKth::imie},
    {"pracownik", &TPrzKth::pracownik},
    {"typ", &TPrzKth::typ},
    {"nip", &TPrzKth::nip},
    {"pesel", &TPrzKth::pesel},
    {"Regon", &TPrzKth::Regon},
    {"zaufanie", &TPrzKth::zaufanie},
    {"notatki", &TPrzKth::notatki},
    {"klienturzad", &TPrzKth::klienturzad},
    {"czypracownik", &TPrzKth::czypracownik},
    {"www", &TPrzKth::www},
    {"imienazwiskoosoba1", &TPrzKth::imienazwiskoosoba1},
    {"imienazwiskoosoba2", &TPrzKth::imienazwiskoosoba2},
    {"telefonosoba1", &TPrzKth::telefonosoba1},
    {"telefonosoba2", &TPrzKth::telefonosoba2},
    {"emailosoba1", &TPrzKth::emailosoba1},
    {"emailosoba2", &TPrzKth::emailosoba2},
    {"lk2", &TPrzKth::lk2},
    {"nr_banku2", &TPrzKth::nr_banku2},
    {"grupa", &TPrzKth::grupa},
    {"id_old", &TPrzKth::id_old},
    {"znacznik", &TPrzKth::znacznik},
    {"domyslnekonto", &TPrzKth::domyslnekonto},
}};

constexpr std::size_t kIdOld = 49;

std::string lista_odczytu() {
    std::string out;
    for (std::size_t i = 0; i < kKolumny.size(); ++i) {
        if (i == kIdOld) continue;
        if (!out.empty()) out += ',';
        out += kKolumny[i].nazwa;
    }
    return out;
}

TPrzKth czytaj(TGlAdoDs_mod& ds, const std::string& sql) {
    TPrzKth rec;
    try {
        std::unique_ptr<ResultSet> rs = ds.open_sql(sql);
        if (!rs) return rec;
        for (; !rs->eof(); rs->next())
            for (std::size_t i = 0; i < kKolumny.size(); ++i)
                if (i != kIdOld) czytaj_kolumne(*rs, rec, kKolumny[i]);
    } catch (const std::exception&) {
        return TPrzKth{};
    }
    return rec;
}

std::string sql_update(const TPrzKth& rec) {
    std::string sql = " UPDATE kontrach set  id=" + sql_int(rec.id);
    for (std::size_t i = 2; i < kKolumny.size(); ++i)
        sql += std::string(", ") + kKolumny[i].nazwa + "=" + wartosc_sql(rec, kKolumny[i]);
    return sql + " WHERE ID1 = " + sql_int(rec.ID1);
}

}  // namespace

std::span<const Kolumna<TPrzKth>> kolumny_kontrach() {
    return kKolumny;
}

TPrzKth get_kontrah(TGlAdoDs_mod& ds, std::int32_t key) {
    return czytaj(ds, "SELECT " + lista_odczytu() + " FROM kontrach where ID1=" + sql_int(key));
}

TPrzKth get_kontrah_where(TGlAdoDs_mod& ds, const std::string& clause) {
    return czytaj(ds, "SELECT " + lista_odczytu() + " FROM kontrach " + clause);
}

bool save_kontrah(TGlAdoDs_mod& ds, TPrzKth& rec) {
    if (rec.ID1 != 0) return ds.exec_sql(sql_update(rec));
    return wstaw_z_kluczem(ds, "kontrach", rec.ID1, [&] {
        return " INSERT INTO kontrach(" + lista_kolumn<TPrzKth>(kKolumny) + ") VALUES ( " +
               lista_wartosci<TPrzKth>(rec, kKolumny) + ")";
    });
}

bool del_kontrah(TGlAdoDs_mod& ds, std::int32_t key) {
    return ds.exec_sql("DELETE  FROM [kontrach] where [kontrach].[ID1]=" + sql_int(key));
}

bool set_kontrah_grupa(TGlAdoDs_mod& ds, std::int32_t key, std::int32_t grupa) {
    return ds.exec_sql(" UPDATE kontrach set  grupa=" + sql_int(grupa) + " " +
                       " WHERE id1 = " + sql_int(key));
}

bool set_kontrah_znacznik(TGlAdoDs_mod& ds, std::int32_t key, std::int32_t znacznik) {
    return ds.exec_sql(" UPDATE kontrach set  znacznik=" + sql_int(znacznik) + " " +
                       " WHERE id1 = " + sql_int(key));
}

}  // namespace zlx
