#include "registers/firma_my_store.h"

#include <array>
#include <exception>
#include <memory>
#include <string_view>

#include "core/text.h"
#include "db/gl_ado_ds.h"
#include "db/result_set.h"
#include "db/sql_format.h"
#include "registers/kolumny.h"
#include "registers/wstaw.h"

namespace zlx {

namespace {

using K = Kolumna<TPrzKth>;

constexpr std::array<K, 46> kKolumny{{
    {"ID1", &TPrzKth::ID1},
    {"id", &TPrzKth::id},
    {"mskrot", &TPrzKth::skrot},
    {"mnazwa", &TPrzKth::nazwa},
    {"mKraj", &TPrzKth::Kraj},
    {"mMiejscowosc", &TPrzKth::Miejscowosc},
    {"mgmina", &TPrzKth::gmina},
    {"mulica", &TPrzKth::ulica},
    {"mnumerDomu", &TPrzKth::numerDomu},
    {"mnumerMieszk", &TPrzKth::numerMieszk},
    {"mkod", &TPrzKth::kod},
    {"mpoczta", &TPrzKth::poczta},
    {"mTelefon1", &TPrzKth::Telefon1},
    {"mTelefon2", &TPrzKth::Telefon2},
    {"mTelefax", &TPrzKth::Telefax},
    {"mTelex", &TPrzKth::Telex},
    {"memail", &TPrzKth::email},
    {"mW_banku1", &TPrzKth::W_banku1},
    {"mnr_banku", &TPrzKth::nr_banku},
    {"mlk", &TPrzKth::lk},
    {"mRachunek1", &TPrzKth::Rachunek1},
    {"mrezerwa2", &TPrzKth::rezerwa2},
    {"mW_banku2", &TPrzKth::W_banku2},
    {"mRachunek2", &TPrzKth::Rachunek2},
    {"mPlatnikVAT", &TPrzKth::PlatnikVAT},
    {"mnaglowek", &TPrzKth::naglowek},
    {"mnazwisko", &TPrzKth::nazwisko},
    {"mimie", &TPrzKth::imie},
    {"mpracownik", &TPrzKth::pracownik},
    {"mtyp", &TPrzKth::typ},
    {"mnip", &TPrzKth::nip},
    {"mpesel", &TPrzKth::pesel},
    {"mRegon", &TPrzKth::Regon},
    {"mzaufanie", &TPrzKth::zaufanie},
    {"mnotatki", &TPrzKth::notatki},
    {"mwww", &TPrzKth::www},
    {"mimienazwiskoosoba1", &TPrzKth::imienazwiskoosoba1},
    {"mimienazwiskoosoba2", &TPrzKth::imienazwiskoosoba2},
    {"mtelefonosoba1", &TPrzKth::telefonosoba1},
    {"mtelefonosoba2", &TPrzKth::telefonosoba2},
    {"memailosoba1", &TPrzKth::emailosoba1},
    {"memailosoba2", &TPrzKth::emailosoba2},
    {"mlk2", &TPrzKth::lk2},
    {"mnr_banku2", &TPrzKth::nr_banku2},
    {"mdomyslnekonto", &TPrzKth::domyslnekonto},
    {"mdomyslnafirma", &TPrzKth::domyslnafirma},
}};

// The select list as the readers write it: a blank before the last column and two before FROM.
std::string poczatek_select() {
    std::string cols;
    for (std::size_t i = 0; i + 1 < kKolumny.size(); ++i)
        cols += std::string(kKolumny[i].nazwa) + ",";
    return "SELECT " + cols + " " + kKolumny.back().nazwa + "  FROM my ";
}

TPrzKth czytaj(TGlAdoDs_mod& ds, const std::string& sql) {
    TPrzKth rec;
    try {
        std::unique_ptr<ResultSet> rs = ds.open_sql(sql);
        if (!rs) return rec;
        for (; !rs->eof(); rs->next()) {
            for (const K& k : kKolumny)
                if (std::string_view(k.nazwa) != "mPlatnikVAT") czytaj_kolumne(*rs, rec, k);
            // The VAT flag is read as text, as older files may keep it so.
            rec.PlatnikVAT = to_int(rs->text("mPlatnikVAT"), 0);
        }
    } catch (const std::exception&) {
        return TPrzKth{};
    }
    return rec;
}

std::string sql_update(const TPrzKth& rec) {
    std::string sql = " UPDATE my set  id=" + sql_int(rec.id);
    for (std::size_t i = 2; i < kKolumny.size(); ++i)
        sql += std::string(", ") + kKolumny[i].nazwa + "=" + wartosc_sql(rec, kKolumny[i]);
    return sql + " " + " WHERE ID1 = " + sql_int(rec.ID1);
}

}  // namespace

std::span<const Kolumna<TPrzKth>> kolumny_my() {
    return kKolumny;
}

TPrzKth get_firma_my(TGlAdoDs_mod& ds, std::int32_t key, int mode) {
    const std::string where =
        mode == kFirmaDomyslna ? " WHERE mdomyslnafirma=" + sql_int(1) : " WHERE ID1=" + sql_int(key);
    return czytaj(ds, poczatek_select() + where);
}

TPrzKth get_firma_my_where(TGlAdoDs_mod& ds, const std::string& clause) {
    return czytaj(ds, poczatek_select() + clause);
}

bool save_firma_my(TGlAdoDs_mod& ds, TPrzKth& rec) {
    if (rec.ID1 != 0) return ds.exec_sql(sql_update(rec));
    return wstaw_z_kluczem(ds, "my", rec.ID1, [&] {
        return " INSERT INTO my(" + lista_kolumn<TPrzKth>(kKolumny) + " ) VALUES ( " +
               lista_wartosci<TPrzKth>(rec, kKolumny) + ")";
    });
}

bool del_firma_my(TGlAdoDs_mod& ds, std::int32_t key) {
    return ds.exec_sql("DELETE  FROM [my] where [my].[ID1]=" + sql_int(key));
}

bool set_domyslna_firma(TGlAdoDs_mod& ds, std::int32_t key) {
    // Stop when the old default could not be cleared: two defaults would be worse than the old one.
    if (!ds.exec_sql(" UPDATE my set  mdomyslnafirma=" + sql_int(0))) return false;
    return ds.exec_sql(" UPDATE my set  mdomyslnafirma=" + sql_int(1) + " WHERE ID1 = " + sql_int(key));
}

}  // namespace zlx
