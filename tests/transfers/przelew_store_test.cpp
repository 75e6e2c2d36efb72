#include "transfers/przelew_store.h"

#include <gtest/gtest.h>

#include "db/sql_format.h"
#include "tests/db/db_fixture.h"
#include "transfers/kody.h"

namespace zlx::test {
namespace {

// An order with every stored field set, texts holding quotes, Polish letters and brackets, an amount
// with four decimals and dates with a time of day.
TPrzelew pelny(std::int32_t rodzaj) {
    TPrzelew p = nowy_przelew();
    p.id_kontrah = 12;
    p.id_my = 3;
    p.my_nazwa = "Piekarnia O'Neil & Syn [Łódź]";
    p.my_adres = "ul. Żółta 5 90-001 Łódź";
    p.my_konto = "PL61 1090 1014 0000 0712 1981 2874";
    p.my_skrot = "O'Neil";
    p.dost_nazwa = "Zakład \"Źdźbło\" (sp. j.)";
    p.dost_adres = "ul. Ćwiklińskiej 2/4 30-001 Kraków";
    p.dost_konto = "12-34";
    p.dost_skrot = "Źdźbło";
    p.uwagi_tekst = "uwaga: 100% [pilne] 'dziś'";
    p.dost_adres_ulica = "ul. Ćwiklińskiej 2/4";
    p.dost_adres_kodp = "30-001";
    p.dost_adres_miejscowosc = "Kraków";
    p.my_adres_ulica = "ul. Żółta 5";
    p.my_adres_kodp = "90-001";
    p.my_adres_miejscowosc = "Łódź";
    p.rozliczony = 1;
    p.kwota_rozliczenia = Currency::from_raw(-50);  // -0,005
    p.data = TDateTime::from_ymd_hms(2026, 3, 5, 14, 30, 15);
    p.tytulem = "Faktura FV/1/2026 (O'Neil)";
    p.kwota = "stara kwota";
    p.kwota_money = Currency::from_raw(12345678);  // 1234,5678
    p.uwagi = "stare uwagi";
    p.p_w = 1;
    p.data1 = TDateTime::from_ymd_hms(2026, 2, 28, 23, 59, 0);
    p.bufor = 1;
    p.tytulemcd = "część [2]";
    p.dost_lk = "61";
    p.dost_bank = "10901014";
    p.my_lk = "62";
    p.my_bank = "10202892";
    p.czypracownik = 1;
    p.nr_id_staryprzelew = 77;
    p.waluta = "EUR";
    p.rodzaj_przelewu = rodzaj;
    p.cykliczne = 1;
    p.znacznik = 20;
    if (rodzaj == kPrzelewPodatkowy) {
        p.us_iduzup = "7251844310";
        p.us_typiduzup = "N";
        p.us_rokokresu = "26";
        p.us_typokresu = "M";
        p.us_nrokresu = "02";
        p.us_identyfikacjazobowiazania = "zobowiązanie 'A'";
        p.us_symbolformularza = "VAT-7";
    }
    if (rodzaj == kPrzelewZus) {
        p.zus_nipplatnik = "7251844310";
        p.zus_iduzup = "R";
        p.zus_deklaracja1 = "2026";
        p.zus_deklaracja2 = "02";
        p.zus_nrdeklaracji = "40";
        p.zus_typwplaty = "B";
        p.zus_nrdecyzji = "D/1 'x'";
        p.zus_numeriduzup = "471234567";
        p.zus_cel = 2;
    }
    return p;
}

// Returns what a load gives back for a stored order: dates without time, amounts to the grosz and the
// fields that are not stored at their defaults.
TPrzelew jak_po_odczycie(TPrzelew p) {
    p.data = p.data.date_only();
    p.data1 = p.data1.date_only();
    p.kwota_money = p.kwota_money.rounded_to_grosze();
    p.kwota_rozliczenia = p.kwota_rozliczenia.rounded_to_grosze();
    p.my_konto_druk = p.dost_konto_druk = p.kwota_druk = p.my_konto_cyfry = p.dost_konto_cyfry = "";
    p.drukuj_kwote = p.drukuj_date = 1;
    return p;
}

int wierszy(TGlAdoDs_mod& ds) {
    return ds.open_sql("SELECT count(*) AS n FROM kartoteka")->int_value("n");
}

TEST(PrzelewStore, EveryKindRoundTripsAndASecondSaveUpdatesTheSameRow) {
    for (std::int32_t rodzaj : {kPrzelewBankowy, kPrzelewZus, kPrzelewPodatkowy}) {
        NewDatabase db;
        TPrzelew p = pelny(rodzaj);
        wylicz_pola_druku(p);
        p.drukuj_date = 0;
        ASSERT_TRUE(save_przelew(db.ds, p));
        ASSERT_EQ(p.nr_id, 1);
        const TPrzelew wczytany = load_przelew(db.ds, p.nr_id);
        EXPECT_EQ(wczytany, jak_po_odczycie(p)) << "kind " << rodzaj;
        EXPECT_EQ(wczytany.kwota_money, Currency::from_grosze(123457));
        EXPECT_EQ(wczytany.kwota_rozliczenia, Currency::from_grosze(-1));
        EXPECT_EQ(wczytany.data, TDateTime::from_ymd(2026, 3, 5));

        p.tytulem = "Zmieniony 'tytuł'";
        p.kwota_money = Currency::from_grosze(5);
        ASSERT_TRUE(save_przelew(db.ds, p));
        EXPECT_EQ(p.nr_id, 1);
        EXPECT_EQ(wierszy(db.ds), 1);
        EXPECT_EQ(load_przelew(db.ds, 1), jak_po_odczycie(p));
        EXPECT_TRUE(db.msgs.errors.empty());
    }
}

TEST(PrzelewStore, ZusPaymentTypeWithTrailingBlankComesBackAsItsLabel) {
    NewDatabase db;
    TPrzelew p = pelny(kPrzelewZus);
    p.zus_typwplaty = kod_pozycji(kZusTypWplaty, 7);
    ASSERT_TRUE(save_przelew(db.ds, p));
    const TPrzelew wczytany = load_przelew(db.ds, p.nr_id);
    EXPECT_EQ(wczytany.zus_typwplaty, "B");
    EXPECT_EQ(
        etykiety(
            kZusTypWplaty)[static_cast<std::size_t>(pozycja_kodu(kZusTypWplaty, wczytany.zus_typwplaty))],
        "B-Dodatkowa opłata ");
}

TEST(PrzelewStore, StatementsAreWrittenExactly) {
    NewDatabase db;
    ASSERT_TRUE(db.ds.exec_sql("DROP TABLE kartoteka"));
    TPrzelew p = nowy_przelew();
    p.my_nazwa = "O'Neil";
    p.data = TDateTime::from_ymd_hms(2026, 3, 5, 14, 30, 0);
    p.data1 = TDateTime::from_ymd(2026, 3, 1);
    p.kwota_money = Currency::from_raw(12345000);
    p.rodzaj_przelewu = kPrzelewZus;
    p.znacznik = 3;
    p.zus_nrdecyzji = "D[1]";

    EXPECT_FALSE(save_przelew(db.ds, p));
    EXPECT_FALSE(save_przelew(db.ds, p));  // again an insert, under the next key
    p.nr_id = 7;
    EXPECT_FALSE(save_przelew(db.ds, p));
    EXPECT_FALSE(set_znacznik(db.ds, 7, 4));
    EXPECT_FALSE(delete_przelew(db.ds, 7));
    ASSERT_EQ(db.msgs.errors.size(), 5u);
    const std::string kolumny =
        "nr_id,id_kontrah,id_my,my_nazwa,my_skrot,my_adres,my_konto,dost_nazwa,dost_skrot,dost_adres,dost_"
        "konto,"
        "data,tytulem,kwota,kwota_money,uwagi,uwagi_tekst,p_w,data1,bufor,tytulemcd,dost_lk,dost_bank,my_lk,"
        "my_bank,"
        "czypracownik,nr_id_staryprzelew,us_iduzup,us_typiduzup,us_rokokresu,us_typokresu,us_nrokresu,"
        "us_identyfikacjazobowiazania,us_symbolformularza,rodzaj_przelewu,zus_numeriduzup,waluta,zus_"
        "nipplatnik,"
        "zus_iduzup,zus_deklaracja1,zus_deklaracja2,zus_nrdeklaracji,zus_typwplaty,zus_cel,cykliczne,"
        "dost_adres_ulica,dost_adres_kodp,dost_adres_miejscowosc,my_adres_ulica,my_adres_kodp,my_adres_"
        "miejscowosc,"
        "rozliczony,kwota_rozliczenia,znacznik,zus_nrdecyzji";
    const std::string wartosci =
        ",0,0,'O''Neil','','','','','','','','2026-03-05','','','1234,50','','',0,'2026-03-01',0,'','','','',"
        "'',0,0,"
        "'','','','','','','',1,'','','','','','','01','',0,0,'','','','','','',0,'0,00',3,'D[1]')";
    EXPECT_EQ(db.msgs.errors[0].statement, " INSERT INTO kartoteka(" + kolumny + ") VALUES ( 1" + wartosci);
    EXPECT_EQ(db.msgs.errors[1].statement, " INSERT INTO kartoteka(" + kolumny + ") VALUES ( 2" + wartosci);
    EXPECT_EQ(
        db.msgs.errors[2].statement,
        " UPDATE kartoteka set  id_kontrah=0, id_my=0, my_nazwa='O''Neil', my_skrot='', my_adres='', "
        "my_konto='', dost_nazwa='', dost_skrot='', dost_adres='', dost_konto='', data='2026-03-05', "
        "tytulem='', kwota='', kwota_money='1234,50', uwagi='', uwagi_tekst='', p_w=0, data1='2026-03-01', "
        "bufor=0, tytulemcd='', dost_lk='', dost_bank='', my_lk='', my_bank='', czypracownik=0, "
        "nr_id_staryprzelew=0, us_iduzup='', us_typiduzup='', us_rokokresu='', us_typokresu='', "
        "us_nrokresu='', us_identyfikacjazobowiazania='', us_symbolformularza='', rodzaj_przelewu=1, "
        "zus_numeriduzup='', waluta='', zus_nipplatnik='', zus_iduzup='', zus_deklaracja1='', "
        "zus_deklaracja2='', zus_nrdeklaracji='01', zus_typwplaty='', zus_cel=0, cykliczne=0,"
        "dost_adres_ulica='',dost_adres_kodp='',dost_adres_miejscowosc='',my_adres_ulica='',my_adres_kodp='',"
        "my_adres_miejscowosc='',rozliczony=0,kwota_rozliczenia='0,00', znacznik=3, zus_nrdecyzji='D[1]' "
        "WHERE nr_id = 7");
    EXPECT_EQ(db.msgs.errors[3].statement, " UPDATE kartoteka set  znacznik=4  WHERE nr_id = 7");
    EXPECT_EQ(db.msgs.errors[4].statement, "DELETE  FROM [kartoteka] where [kartoteka].[nr_id]=7");
}

TEST(PrzelewStore, AFailedInsertLeavesTheKeyAtZeroSoTheNextSaveInserts) {
    NewDatabase db;
    // Another workstation's row already holds the first key.
    ASSERT_TRUE(db.ds.exec_sql("INSERT INTO kartoteka(nr_id, tytulem) VALUES (1, 'cudzy')"));
    TPrzelew p = pelny(kPrzelewBankowy);
    EXPECT_FALSE(save_przelew(db.ds, p));
    EXPECT_EQ(p.nr_id, 0);
    EXPECT_EQ(db.msgs.errors.size(), 1u);
    EXPECT_TRUE(save_przelew(db.ds, p));
    EXPECT_EQ(p.nr_id, 2);
    EXPECT_EQ(load_przelew(db.ds, 1).tytulem, "cudzy");
    EXPECT_EQ(load_przelew(db.ds, 2).tytulem, p.tytulem);
}

TEST(PrzelewStore, WithoutConnectionLoadGivesDefaultsAndSaveFails) {
    NewDatabase db;
    db.cn.disconnect_db();
    EXPECT_EQ(load_przelew(db.ds, 1).nr_id, 0);
    TPrzelew p = pelny(kPrzelewBankowy);
    EXPECT_FALSE(save_przelew(db.ds, p));
    EXPECT_EQ(p.nr_id, 0);
    EXPECT_FALSE(db.msgs.messages.empty());
}

TEST(PrzelewStore, AMissingOrderLoadsAsDefaults) {
    NewDatabase db;
    const TPrzelew p = load_przelew(db.ds, 42);
    EXPECT_EQ(p.nr_id, 0);
    EXPECT_EQ(p.data.date_only(), TDateTime::today());
    EXPECT_EQ(p.zus_nrdeklaracji, "01");
    EXPECT_EQ(p.drukuj_kwote, 1);
    EXPECT_EQ(p.drukuj_date, 1);
    ASSERT_TRUE(db.ds.exec_sql("DROP TABLE kartoteka"));
    EXPECT_EQ(load_przelew(db.ds, 42).zus_nrdeklaracji, "01");
}

TEST(PrzelewStore, MarkerAndDelete) {
    NewDatabase db;
    TPrzelew p = pelny(kPrzelewBankowy);
    ASSERT_TRUE(save_przelew(db.ds, p));
    EXPECT_TRUE(set_znacznik(db.ds, p.nr_id, 7));
    EXPECT_EQ(load_przelew(db.ds, p.nr_id).znacznik, 7);
    EXPECT_TRUE(delete_przelew(db.ds, 999));
    EXPECT_EQ(wierszy(db.ds), 1);
    EXPECT_TRUE(delete_przelew(db.ds, p.nr_id));
    EXPECT_EQ(wierszy(db.ds), 0);
    EXPECT_EQ(load_przelew(db.ds, p.nr_id).nr_id, 0);
    EXPECT_TRUE(db.msgs.errors.empty());
}

TEST(PrzelewStore, LoadFromRowsScansForwardAndLeavesTheCursorOnTheRow) {
    NewDatabase db;
    for (std::int32_t rodzaj : {kPrzelewBankowy, kPrzelewZus, kPrzelewPodatkowy}) {
        TPrzelew p = pelny(rodzaj);
        ASSERT_TRUE(save_przelew(db.ds, p));
    }
    auto rows = db.ds.open_sql("SELECT * FROM kartoteka ORDER BY nr_id");
    const TPrzelew drugi = load_przelew_from_rows(2, *rows);
    EXPECT_EQ(rows->recno(), 1u);
    TPrzelew oczekiwany = load_przelew(db.ds, 2);
    oczekiwany.my_skrot = oczekiwany.dost_skrot = oczekiwany.uwagi_tekst = "";
    EXPECT_EQ(drugi, oczekiwany);
    EXPECT_EQ(drugi.rodzaj_przelewu, kPrzelewZus);

    // Row 1 lies behind the cursor: the scan reaches the end and gives the defaults.
    const TPrzelew brak = load_przelew_from_rows(1, *rows);
    EXPECT_EQ(brak.nr_id, 0);
    EXPECT_EQ(brak.zus_nrdeklaracji, "01");
    EXPECT_TRUE(rows->eof());
}

}  // namespace
}  // namespace zlx::test
