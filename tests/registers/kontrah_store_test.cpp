#include "registers/kontrah_store.h"

#include <gtest/gtest.h>

#include "db/sql_format.h"
#include "registers/znaczniki.h"
#include "tests/db/db_fixture.h"

namespace zlx::test {
namespace {

// A counterparty with every field set; texts hold quotes, Polish letters and brackets.
TPrzKth pelny() {
    TPrzKth k;
    k.id = 5;
    k.aktywny = 1;
    k.skrot = "O'Brien";
    k.nazwa = "O'Brien [Consulting] Sp. z o.o.";
    k.Kraj = "Polska";
    k.Miejscowosc = "Łódź";
    k.gmina = "Łódź-Bałuty";
    k.ulica = "ul. Źródlana 3/5";
    k.numerDomu = "3";
    k.numerMieszk = "5";
    k.kod = "91-001";
    k.poczta = "Łódź 1";
    k.Telefon1 = "42 111 22 33";
    k.Telefon2 = "(42) 444";
    k.Telefax = "42 555";
    k.Telex = "tx";
    k.email = "biuro@obrien.example.pl";
    k.W_banku1 = "Bank Pierwszy";
    k.nr_banku = "10901014";
    k.lk = "61";
    k.Rachunek1 = "61109010140000071219812874";
    k.rezerwa2 = "r'2";
    k.W_banku2 = "Bank Drugi";
    k.Rachunek2 = "12 3456";
    k.PlatnikVAT = 1;
    k.rabat = Currency::from_raw(123456);  // 12,3456 %
    k.naglowek = "nagłówek";
    k.nazwisko = "O'Brien";
    k.imie = "Seán";
    k.pracownik = "nie";
    k.typ = "dostawca";
    k.nip = "725-18-44-310";
    k.pesel = "80010112345";
    k.Regon = "471234567";
    k.zaufanie = "wysokie";
    k.notatki = "wiersz 1\nwiersz 2 'cytat'";
    k.klienturzad = 1;
    k.czypracownik = 1;
    k.www = "https://obrien.example.pl/?a=1&b=[2]";
    k.imienazwiskoosoba1 = "Anna Żak";
    k.imienazwiskoosoba2 = "Jan Łoś";
    k.telefonosoba1 = "600";
    k.telefonosoba2 = "601";
    k.emailosoba1 = "a@x.pl";
    k.emailosoba2 = "j@x.pl";
    k.lk2 = "12";
    k.nr_banku2 = "34560000";
    k.domyslnekonto = 1;
    k.grupa = 3;
    k.id_old = 99;
    k.znacznik = 4;
    return k;
}

TEST(KontrahStore, RoundTripKeepsEveryReadFieldAndRoundsTheDiscount) {
    NewDatabase db;
    TPrzKth k = pelny();
    ASSERT_TRUE(save_kontrah(db.ds, k));
    ASSERT_GT(k.ID1, 0);
    TPrzKth oczekiwany = k;
    oczekiwany.rabat = Currency::from_raw(123500);
    oczekiwany.id_old = 0;  // written, never read
    EXPECT_EQ(get_kontrah(db.ds, k.ID1), oczekiwany);
    EXPECT_EQ(db.ds.open_sql("SELECT id_old FROM kontrach WHERE ID1=" + sql_int(k.ID1))->int_value("id_old"),
              99);
    EXPECT_EQ(get_kontrah_where(db.ds, " where nazwa=" + sql_str(k.nazwa)), oczekiwany);

    k.nazwa = "Nowa nazwa 'N'";
    k.rabat = Currency::from_raw(125000);
    const std::int32_t klucz = k.ID1;
    ASSERT_TRUE(save_kontrah(db.ds, k));
    EXPECT_EQ(k.ID1, klucz);
    const TPrzKth po = get_kontrah(db.ds, klucz);
    EXPECT_EQ(po.nazwa, "Nowa nazwa 'N'");
    EXPECT_EQ(po.rabat, Currency::from_raw(125000));
    EXPECT_EQ(db.ds.open_sql("SELECT count(*) AS n FROM kontrach")->int_value("n"), 1);
    EXPECT_TRUE(db.msgs.errors.empty());
}

TEST(KontrahStore, MissingRowGivesAClearedRecord) {
    NewDatabase db;
    EXPECT_EQ(get_kontrah(db.ds, 7), TPrzKth{});
    EXPECT_EQ(get_kontrah_where(db.ds, " where nazwa='brak'"), TPrzKth{});
    EXPECT_EQ(get_kontrah_where(db.ds, " where brak_kolumny=1"), TPrzKth{});
}

TEST(KontrahStore, GroupMarkerAndDelete) {
    NewDatabase db;
    TPrzKth a = pelny();
    TPrzKth b = pelny();
    ASSERT_TRUE(save_kontrah(db.ds, a));
    ASSERT_TRUE(save_kontrah(db.ds, b));
    EXPECT_TRUE(set_kontrah_grupa(db.ds, a.ID1, 8));
    EXPECT_TRUE(set_kontrah_znacznik(db.ds, a.ID1, 17));
    EXPECT_EQ(get_kontrah(db.ds, a.ID1).grupa, 8);
    EXPECT_EQ(get_kontrah(db.ds, a.ID1).znacznik, 17);
    EXPECT_EQ(get_kontrah(db.ds, b.ID1).grupa, 3);
    EXPECT_TRUE(del_kontrah(db.ds, a.ID1));
    EXPECT_EQ(get_kontrah(db.ds, a.ID1).ID1, 0);
    EXPECT_EQ(get_kontrah(db.ds, b.ID1).ID1, b.ID1);
}

TEST(KontrahStore, StatementsAreWrittenExactlyAndAFailedInsertKeepsNoKey) {
    NewDatabase db;
    ASSERT_TRUE(db.ds.exec_sql("DROP TABLE kontrach"));
    TPrzKth k;
    k.skrot = "O'B";
    EXPECT_FALSE(save_kontrah(db.ds, k));
    EXPECT_EQ(k.ID1, 0);
    k.ID1 = 4;
    EXPECT_FALSE(save_kontrah(db.ds, k));
    EXPECT_FALSE(set_kontrah_grupa(db.ds, 4, 2));
    EXPECT_FALSE(set_kontrah_znacznik(db.ds, 4, 3));
    EXPECT_FALSE(del_kontrah(db.ds, 4));
    ASSERT_EQ(db.msgs.errors.size(), 5u);
    EXPECT_EQ(
        db.msgs.errors[0].statement,
        " INSERT INTO kontrach(ID1,id,aktywny,skrot,nazwa,Kraj,Miejscowosc,gmina,ulica,numerDomu,numerMieszk,"
        "kod,poczta,Telefon1,Telefon2,Telefax,Telex,email,W_banku1,nr_banku,lk,Rachunek1,rezerwa2,W_banku2,"
        "Rachunek2,PlatnikVAT,rabat,naglowek,nazwisko,imie,pracownik,typ,nip,pesel,Regon,zaufanie,notatki,"
        "klienturzad,czypracownik,www,imienazwiskoosoba1,imienazwiskoosoba2,telefonosoba1,telefonosoba2,"
        "emailosoba1,emailosoba2,lk2,nr_banku2,grupa,id_old,znacznik,domyslnekonto) VALUES ( 1,0,0,'O''B','',"
        "'','','','','','','','','','','','','','','','','','','','',0,'0,00','','','','','','','','','','',"
        "0,"
        "0,'','','','','','','','','',0,0,0,0)");
    EXPECT_EQ(
        db.msgs.errors[1].statement,
        " UPDATE kontrach set  id=0, aktywny=0, skrot='O''B', nazwa='', Kraj='', Miejscowosc='', gmina='', "
        "ulica='', numerDomu='', numerMieszk='', kod='', poczta='', Telefon1='', Telefon2='', Telefax='', "
        "Telex='', email='', W_banku1='', nr_banku='', lk='', Rachunek1='', rezerwa2='', W_banku2='', "
        "Rachunek2='', PlatnikVAT=0, rabat='0,00', naglowek='', nazwisko='', imie='', pracownik='', typ='', "
        "nip='', pesel='', Regon='', zaufanie='', notatki='', klienturzad=0, czypracownik=0, www='', "
        "imienazwiskoosoba1='', imienazwiskoosoba2='', telefonosoba1='', telefonosoba2='', emailosoba1='', "
        "emailosoba2='', lk2='', nr_banku2='', grupa=0, id_old=0, znacznik=0, domyslnekonto=0 WHERE ID1 = 4");
    EXPECT_EQ(db.msgs.errors[2].statement, " UPDATE kontrach set  grupa=2  WHERE id1 = 4");
    EXPECT_EQ(db.msgs.errors[3].statement, " UPDATE kontrach set  znacznik=3  WHERE id1 = 4");
    EXPECT_EQ(db.msgs.errors[4].statement, "DELETE  FROM [kontrach] where [kontrach].[ID1]=4");
}

TEST(Znaczniki, DescriptionsOfOneCategoryInMarkerOrder) {
    NewDatabase db;
    EXPECT_EQ(sql_opis_znacznikow(0),
              "SELECT * FROM opis_znacznikow WHERE kategoria_znacznika=0  ORDER BY nr_znacznika ASC");
    ASSERT_TRUE(db.ds.exec_sql("DELETE FROM opis_znacznikow"));
    ASSERT_TRUE(
        db.ds.exec_sql("INSERT INTO opis_znacznikow(kategoria_znacznika,nr_znacznika,opis_znacznika) "
                       "VALUES (0, 2, 'drugi'), (1, 1, 'przelew'), (0, 1, 'pierwszy')"));
    const std::vector<OpisZnacznika> k = get_opis_znacznikow(db.ds, kZnacznikiKontrahentow);
    EXPECT_EQ(k, (std::vector<OpisZnacznika>{{1, "pierwszy"}, {2, "drugi"}}));
    EXPECT_EQ(get_opis_znacznikow(db.ds, kZnacznikiPrzelewow), (std::vector<OpisZnacznika>{{1, "przelew"}}));
}

}  // namespace
}  // namespace zlx::test
