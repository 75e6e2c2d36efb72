#include "export/profilexp_store.h"

#include <gtest/gtest.h>

#include "db/schema.h"
#include "db/upgrade.h"
#include "tests/db/db_fixture.h"

namespace zlx::test {
namespace {

TProfilExp pelny() {
    TProfilExp p = nowy_profilexp();
    p.prof_nazwa = "Bank Śląski – O'Neil";
    p.prof_opis = "wypłaty [marzec]";
    p.prof_typprzelewu = 2;
    p.prof_katalog_out = "/srv/banki/";
    p.prof_katalog_arch = "/srv/archiwum/";
    p.prof_rodzaj_nazwy_pliku = 1;
    p.prof_nazwa_stala = "przelewy.txt";
    p.prof_nazwa_stala_rozsz = "txt";
    p.prof_nazwa_gen = "gen";
    p.prof_nazwa_gen_rozsz = "pli";
    p.prof_rodzaj_formatu = 1;
    p.prof_jaki_bank = 4;
    p.prof_rodzaj_kodowania = 2;
    p.prof_rodzaj_daty = 1;
    p.prof_data_do_wczytania = TDateTime::from_ymd(2026, 4, 1);
    p.prof_domyslny = 1;
    p.prof_maks_w_pliku = "250";
    return p;
}

void expect_same(const TProfilExp& a, const TProfilExp& b) {
    EXPECT_EQ(a.prof_id, b.prof_id);
    EXPECT_EQ(a.prof_nazwa, b.prof_nazwa);
    EXPECT_EQ(a.prof_opis, b.prof_opis);
    EXPECT_EQ(a.prof_typprzelewu, b.prof_typprzelewu);
    EXPECT_EQ(a.prof_katalog_out, b.prof_katalog_out);
    EXPECT_EQ(a.prof_katalog_arch, b.prof_katalog_arch);
    EXPECT_EQ(a.prof_rodzaj_nazwy_pliku, b.prof_rodzaj_nazwy_pliku);
    EXPECT_EQ(a.prof_nazwa_stala, b.prof_nazwa_stala);
    EXPECT_EQ(a.prof_nazwa_stala_rozsz, b.prof_nazwa_stala_rozsz);
    EXPECT_EQ(a.prof_nazwa_gen, b.prof_nazwa_gen);
    EXPECT_EQ(a.prof_nazwa_gen_rozsz, b.prof_nazwa_gen_rozsz);
    EXPECT_EQ(a.prof_rodzaj_formatu, b.prof_rodzaj_formatu);
    EXPECT_EQ(a.prof_jaki_bank, b.prof_jaki_bank);
    EXPECT_EQ(a.prof_rodzaj_kodowania, b.prof_rodzaj_kodowania);
    EXPECT_EQ(a.prof_rodzaj_daty, b.prof_rodzaj_daty);
    EXPECT_EQ(a.prof_data_do_wczytania, b.prof_data_do_wczytania);
    EXPECT_EQ(a.prof_domyslny, b.prof_domyslny);
    EXPECT_EQ(a.prof_maks_w_pliku, b.prof_maks_w_pliku);
}

TEST(ProfilExpStore, ADatabaseUpgradedFromAnOlderVersionSavesAndReadsAProfile) {
    // Before the profile table, with it as step 7 made it, with the columns of steps 8 and 9, and at the
    // current version as the older version left it.
    for (int version : {0, 7, 9, kWersjaBazy}) {
        SCOPED_TRACE("made at version " + std::to_string(version));
        OldDatabase db;
        db.at_version(version);
        aktualizuj_baze(db.ds);
        db.msgs.errors.clear();
        TProfilExp p = pelny();
        ASSERT_TRUE(save_profilexp(db.ds, p));
        EXPECT_TRUE(db.msgs.errors.empty())
            << db.msgs.errors[0].statement << ": " << db.msgs.errors[0].detail;
        expect_same(get_profilexp(db.ds, p.prof_id), p);
    }
}

TEST(ProfilExpStore, RoundTripInsertUpdateDelete) {
    NewDatabase db;
    TProfilExp p = pelny();
    ASSERT_TRUE(save_profilexp(db.ds, p));
    EXPECT_EQ(p.prof_id, 1);
    expect_same(get_profilexp(db.ds, 1), p);

    p.prof_nazwa = "PKO";
    p.prof_maks_w_pliku = "0";
    p.prof_data_do_wczytania = TDateTime::from_ymd_hms(2026, 5, 2, 13, 0, 0);
    ASSERT_TRUE(save_profilexp(db.ds, p));
    EXPECT_EQ(p.prof_id, 1);
    p.prof_data_do_wczytania = TDateTime::from_ymd(2026, 5, 2);  // stored as the date alone
    expect_same(get_profilexp(db.ds, 1), p);

    TProfilExp drugi = nowy_profilexp();
    ASSERT_TRUE(save_profilexp(db.ds, drugi));
    EXPECT_EQ(drugi.prof_id, 2);

    ASSERT_TRUE(del_profilexp(db.ds, 1));
    expect_same(get_profilexp(db.ds, 1), nowy_profilexp());
    EXPECT_EQ(get_profilexp(db.ds, 2).prof_id, 2);
    EXPECT_TRUE(db.msgs.errors.empty());
}

TEST(ProfilExpStore, StatementsAreWrittenExactly) {
    NewDatabase db;
    ASSERT_TRUE(db.ds.exec_sql("DROP TABLE tb_profilexp"));
    TProfilExp p = pelny();
    EXPECT_FALSE(save_profilexp(db.ds, p));
    EXPECT_EQ(p.prof_id, 0);
    p.prof_id = 7;
    EXPECT_FALSE(save_profilexp(db.ds, p));
    EXPECT_FALSE(del_profilexp(db.ds, 7));
    expect_same(get_profilexp(db.ds, 7), nowy_profilexp());  // the failed query gives the defaults

    ASSERT_EQ(db.msgs.errors.size(), 3u);
    EXPECT_EQ(
        db.msgs.errors[0].statement,
        " INSERT INTO tb_profilexp(prof_id,prof_nazwa,prof_opis,prof_typprzelewu,prof_katalog_out,"
        "prof_katalog_arch,prof_rodzaj_nazwy_pliku,prof_nazwa_stala,prof_nazwa_stala_rozsz,prof_nazwa_gen,"
        "prof_nazwa_gen_rozsz,prof_rodzaj_formatu,prof_jaki_bank,prof_rodzaj_kodowania,prof_rodzaj_daty,"
        "prof_data_do_wczytania,prof_maks_w_pliku,prof_domyslny) VALUES ( 1,'Bank Śląski – O''Neil',"
        "'wypłaty [marzec]',2,'/srv/banki/','/srv/archiwum/',1,'przelewy.txt','txt','gen','pli',1,4,2,1,"
        "'2026-04-01','250',1)");
    EXPECT_EQ(db.msgs.errors[1].statement,
              " UPDATE tb_profilexp set  prof_nazwa='Bank Śląski – O''Neil', prof_opis='wypłaty [marzec]', "
              "prof_typprzelewu=2, prof_katalog_out='/srv/banki/', prof_katalog_arch='/srv/archiwum/', "
              "prof_rodzaj_nazwy_pliku=1, prof_nazwa_stala='przelewy.txt', prof_nazwa_stala_rozsz='txt', "
              "prof_nazwa_gen='gen', prof_nazwa_gen_rozsz='pli', prof_rodzaj_formatu=1, prof_jaki_bank=4, "
              "prof_rodzaj_kodowania=2, prof_rodzaj_daty=1, prof_data_do_wczytania='2026-04-01', "
              "prof_maks_w_pliku='250', prof_domyslny=1 WHERE prof_id = 7");
    EXPECT_EQ(db.msgs.errors[2].statement, "DELETE  FROM [tb_profilexp] where [tb_profilexp].[prof_id]=7");
}

}  // namespace
}  // namespace zlx::test
