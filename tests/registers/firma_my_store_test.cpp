#include "registers/firma_my_store.h"

#include <gtest/gtest.h>

#include "tests/db/db_fixture.h"

namespace zlx::test {
namespace {

TPrzKth firma(const std::string& nazwa) {
    TPrzKth f;
    f.id = 2;
    f.skrot = nazwa;
    f.nazwa = nazwa + " Sp. z o.o.";
    f.Kraj = "Polska";
    f.Miejscowosc = "Łódź";
    f.gmina = "g";
    f.ulica = "ul. Żółta 1";
    f.numerDomu = "1";
    f.numerMieszk = "2";
    f.kod = "90-001";
    f.poczta = "p";
    f.Telefon1 = "t1";
    f.Telefon2 = "t2";
    f.Telefax = "f";
    f.Telex = "x";
    f.email = "e@x.pl";
    f.W_banku1 = "Bank [1]";
    f.nr_banku = "10901014";
    f.lk = "61";
    f.Rachunek1 = "61109010140000071219812874";
    f.rezerwa2 = "r";
    f.W_banku2 = "Bank 2";
    f.Rachunek2 = "22 2222";
    f.PlatnikVAT = 1;
    f.naglowek = "n";
    f.nazwisko = "Nowak";
    f.imie = "Józef";
    f.pracownik = "p";
    f.typ = "t";
    f.nip = "7251844310";
    f.pesel = "80010112345";
    f.Regon = "471234567";
    f.zaufanie = "z";
    f.notatki = "uwagi 'O''";
    f.www = "w";
    f.imienazwiskoosoba1 = "o1";
    f.imienazwiskoosoba2 = "o2";
    f.telefonosoba1 = "to1";
    f.telefonosoba2 = "to2";
    f.emailosoba1 = "eo1";
    f.emailosoba2 = "eo2";
    f.lk2 = "22";
    f.nr_banku2 = "22220000";
    f.domyslnekonto = 0;
    return f;
}

TEST(FirmaMy, RoundTripOfEveryCompanyColumn) {
    NewDatabase db;
    TPrzKth f = firma("Bilans O'Neil");
    ASSERT_TRUE(save_firma_my(db.ds, f));
    ASSERT_GT(f.ID1, 0);
    EXPECT_EQ(get_firma_my(db.ds, f.ID1, kFirmaWgKlucza), f);
    EXPECT_EQ(get_firma_my_where(db.ds, " WHERE mnazwa='Bilans O''Neil Sp. z o.o.'"), f);
    f.nazwa = "Zmieniona";
    const std::int32_t klucz = f.ID1;
    ASSERT_TRUE(save_firma_my(db.ds, f));
    EXPECT_EQ(f.ID1, klucz);
    EXPECT_EQ(get_firma_my(db.ds, klucz, kFirmaWgKlucza).nazwa, "Zmieniona");
    // A VAT flag kept as text that is no number reads as 0; the rest of the row is still read.
    ASSERT_TRUE(db.ds.exec_sql(" UPDATE my set  mPlatnikVAT='tak'"));
    const TPrzKth tekst = get_firma_my(db.ds, klucz, kFirmaWgKlucza);
    EXPECT_EQ(tekst.PlatnikVAT, 0);
    EXPECT_EQ(tekst.nazwa, "Zmieniona");
    EXPECT_TRUE(del_firma_my(db.ds, klucz));
    EXPECT_EQ(get_firma_my(db.ds, klucz, kFirmaWgKlucza), TPrzKth{});
    EXPECT_TRUE(db.msgs.errors.empty());
}

TEST(FirmaMy, ExactlyOneDefaultCompanyAndItsDefaultAccount) {
    NewDatabase db;
    EXPECT_EQ(get_firma_my(db.ds, 0, kFirmaDomyslna), TPrzKth{});  // none yet: an empty payer
    TPrzKth a = firma("A");
    TPrzKth b = firma("B");
    b.domyslnekonto = 1;
    ASSERT_TRUE(save_firma_my(db.ds, a));
    ASSERT_TRUE(save_firma_my(db.ds, b));
    EXPECT_EQ(get_firma_my(db.ds, a.ID1, kFirmaWgKlucza).domyslnafirma, 0);  // new companies are not default

    ASSERT_TRUE(set_domyslna_firma(db.ds, a.ID1));
    EXPECT_EQ(get_firma_my(db.ds, 0, kFirmaDomyslna).ID1, a.ID1);
    ASSERT_TRUE(set_domyslna_firma(db.ds, b.ID1));
    const TPrzKth domyslna = get_firma_my(db.ds, 0, kFirmaDomyslna);
    EXPECT_EQ(domyslna.ID1, b.ID1);
    EXPECT_EQ(domyslna.domyslnafirma, 1);
    EXPECT_EQ(get_firma_my(db.ds, a.ID1, kFirmaWgKlucza).domyslnafirma, 0);
    EXPECT_EQ(konto_kth(domyslna).rachunek, "22 2222");

    ASSERT_TRUE(del_firma_my(db.ds, b.ID1));
    EXPECT_EQ(get_firma_my(db.ds, 0, kFirmaDomyslna), TPrzKth{});
}

TEST(FirmaMy, StatementsAreWrittenExactlyAndAFailedInsertKeepsNoKey) {
    NewDatabase db;
    ASSERT_TRUE(db.ds.exec_sql("DROP TABLE my"));
    TPrzKth f;
    f.nazwa = "O'N";
    f.domyslnafirma = 1;
    EXPECT_FALSE(save_firma_my(db.ds, f));
    EXPECT_EQ(f.ID1, 0);
    f.ID1 = 3;
    EXPECT_FALSE(save_firma_my(db.ds, f));
    EXPECT_FALSE(set_domyslna_firma(db.ds, 3));
    ASSERT_EQ(db.msgs.errors.size(), 3u);
    EXPECT_EQ(
        db.msgs.errors[0].statement,
        " INSERT INTO my(ID1,id,mskrot,mnazwa,mKraj,mMiejscowosc,mgmina,mulica,mnumerDomu,mnumerMieszk,mkod,"
        "mpoczta,mTelefon1,mTelefon2,mTelefax,mTelex,memail,mW_banku1,mnr_banku,mlk,mRachunek1,mrezerwa2,"
        "mW_banku2,mRachunek2,mPlatnikVAT,mnaglowek,mnazwisko,mimie,mpracownik,mtyp,mnip,mpesel,mRegon,"
        "mzaufanie,mnotatki,mwww,mimienazwiskoosoba1,mimienazwiskoosoba2,mtelefonosoba1,mtelefonosoba2,"
        "memailosoba1,memailosoba2,mlk2,mnr_banku2,mdomyslnekonto,mdomyslnafirma ) VALUES ( 1,0,'','O''N',"
        "'','','','','','','','','','','','','','','','','','','','',0,'','','','','','','','','','','','',''"
        ","
        "'','','','','','',0,1)");
    EXPECT_EQ(
        db.msgs.errors[1].statement,
        " UPDATE my set  id=0, mskrot='', mnazwa='O''N', mKraj='', mMiejscowosc='', mgmina='', mulica='', "
        "mnumerDomu='', mnumerMieszk='', mkod='', mpoczta='', mTelefon1='', mTelefon2='', mTelefax='', "
        "mTelex='', memail='', mW_banku1='', mnr_banku='', mlk='', mRachunek1='', mrezerwa2='', "
        "mW_banku2='', "
        "mRachunek2='', mPlatnikVAT=0, mnaglowek='', mnazwisko='', mimie='', mpracownik='', mtyp='', "
        "mnip='', "
        "mpesel='', mRegon='', mzaufanie='', mnotatki='', mwww='', mimienazwiskoosoba1='', "
        "mimienazwiskoosoba2='', mtelefonosoba1='', mtelefonosoba2='', memailosoba1='', memailosoba2='', "
        "mlk2='', mnr_banku2='', mdomyslnekonto=0, mdomyslnafirma=1  WHERE ID1 = 3");
    // The old default could not be cleared, so the new one is not set either.
    EXPECT_EQ(db.msgs.errors[2].statement, " UPDATE my set  mdomyslnafirma=0");
}

}  // namespace
}  // namespace zlx::test
