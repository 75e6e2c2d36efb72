#include <gtest/gtest.h>

#include <string>

#include "export/class_bzwbk.h"
#include "export/class_elixirmulticash_slaski.h"
#include "export/eksport.h"
#include "tests/export/przelewy.h"
#include "tests/support/temp_folder.h"

namespace zlx {
namespace {

using test::kCyfryDost;
using test::kCyfryMy;

enum Format { kPkobp = 0, kSlaski = 1, kBzwbk = 2, kMbank = 3 };

class ElixirTest : public ::testing::Test {
  protected:
    // The profile of a run that keeps each transfer's own date.
    static TProfilExp profil(int format) {
        TProfilExp p = nowy_profilexp();
        p.prof_rodzaj_formatu = format;
        p.prof_rodzaj_daty = 1;
        return p;
    }
    static LiniaEksportu linia(const TPrzelew& p, int format) {
        return zapisz_linie_eksportu(p, profil(format));
    }

    test::TempProgramFolder folder;  // no ust_przelew.ini: street, postcode, town
};

const std::string kNadawca = "Firma Testowa Sp. z o.o.||ul. Długa 5 00-950 Warszawa|";
const std::string kOdbiorca = "Jan Kowalski||Polna 1 90-001 Łódź|";

TEST_F(ElixirTest, BankTransferLinePerBank) {
    const std::string d = std::string(kCyfryDost);
    const std::string m = std::string(kCyfryMy);
    EXPECT_EQ(linia(test::przelew_bankowy(), kMbank).linia,
              "110,20260315,1250,10901014,0,\"" + m + "\",\"" + d + "\",\"" + kNadawca + "\",\"" + kOdbiorca +
                  "\",0,10205558,\"Faktura 12/2026 |||\",\"\",\"\",\"51\",\"\"");
    EXPECT_EQ(linia(test::przelew_bankowy(), kPkobp).linia, "110,20260315,1250,10901014,0," + m + "," + d +
                                                                "," + kNadawca + "," + kOdbiorca +
                                                                ",0,10205558,Faktura 12/2026 |||,,,51,");
    // The payer account as sort code, hyphen and the 16 digits after it: 25 characters.
    EXPECT_EQ(linia(test::przelew_bankowy(), kSlaski).linia,
              "110,20260315,1250,10901014,0,\"10901014-0000071219812874\",\"" + d + "\",\"" + kNadawca +
                  "\",\"" + kOdbiorca + "\",0,10205558,\"Faktura 12/2026 |||\",\"\",\"\",\"51\",\"\"");
    EXPECT_EQ(linia(test::przelew_bankowy(), kBzwbk).linia,
              "1|" + m + "|" + d + "|Jan Kowalski|Łódź|Polna 1|90-001|12,50|1|Faktura 12/2026|15-03-2026|");
}

TEST_F(ElixirTest, PkobpLineHasNoQuotes) {
    for (TPrzelew p : {test::przelew_bankowy(), test::przelew_zus("S"), test::przelew_podatkowy()}) {
        p.dost_nazwa = "Kowalski \"Junior\", Nowak";
        const std::string l = linia(p, kPkobp).linia;
        EXPECT_EQ(l.find('"'), std::string::npos) << l;
        EXPECT_NE(l.find("Kowalski  Junior   Nowak"), std::string::npos) << l;
    }
}

TEST_F(ElixirTest, ZusTitles) {
    // Payment type S carries year and month of the declaration; D and E carry six zeros instead.
    struct Case {
        const char* typ;
        const char* tytul;
    };
    const Case cases[] = {
        {"S", "1234563218|R|123456785|S|202602|01|"},
        {"D", "1234563218|R|123456785|D|000000|01|"},
        {"E", "1234563218|R|123456785|E|000000|01|"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(linia(test::przelew_zus(c.typ), kMbank).linia,
                  "120,20260315,1250,10901014,0,\"" + std::string(kCyfryMy) +
                      "\",\"83101010230000261395100000\",\"" + kNadawca +
                      "\",\"Zakład Ubezpieczeń Społecznych|||\",0,10101023,\"" + c.tytul +
                      "\",\"\",\"\",\"51\",\"\"")
            << c.typ;
    }
    TPrzelew p = test::przelew_zus("S");
    p.zus_nrdecyzji = "  DEC/2026/0001234567  ";  // cut to 15
    EXPECT_NE(linia(p, kMbank).linia.find("|202602|01|DEC/2026/000123\""), std::string::npos);
}

TEST_F(ElixirTest, TaxTitle) {
    TPrzelew p = test::przelew_podatkowy();
    EXPECT_EQ(linia(p, kMbank).linia, "110,20260315,1250,10901014,0,\"" + std::string(kCyfryMy) + "\",\"" +
                                          kCyfryDost + "\",\"" + kNadawca +
                                          "\",\"Urząd Skarbowy Łódź-Bałuty||Wróblewskiego 1 93-578 Łódź|\","
                                          "0,10205558,\"/TI/N1234563218/OKR/26M02/SFP/VAT-7|/TXT/abc\","
                                          "\"\",\"\",\"71\",\"\"");
    // Sub-lines of at most 35 break between tags: a symbol is never cut, nor cut to 6 characters.
    p.us_symbolformularza = "PIT-36L";
    p.us_typokresu = "R";
    p.us_nrokresu = "";
    p.us_identyfikacjazobowiazania = "Zeznanie roczne za rok 2025";  // cut to 20
    EXPECT_NE(linia(p, kPkobp).linia.find(",/TI/N1234563218/OKR/26R/SFP/PIT-36L|/TXT/Zeznanie roczne za r,"),
              std::string::npos);
    // Any identifier keeps letters and digits only; a PESEL its digits.
    p.us_typiduzup = "P";
    p.us_iduzup = " 900101-12349 ";
    EXPECT_NE(linia(p, kMbank).linia.find("\"/TI/P90010112349/OKR/"), std::string::npos);
    p.us_typiduzup = "2";
    p.us_iduzup = "AB 123/456";
    EXPECT_NE(linia(p, kMbank).linia.find("\"/TI/2AB123456/OKR/"), std::string::npos);
}

TEST_F(ElixirTest, MicroAccountTaxLine) {
    // Payee sort code 10100071, title in two sub-lines with VAT-7K whole, classification 71.
    EXPECT_EQ(linia(test::przelew_na_mikrorachunek(), kMbank).linia,
              "110,20260315,1234500,10901014,0,\"61109010140000071219812874\",\"88101000712222123456321800\","
              "\"Firma Testowa Sp. z o.o.||ul. Długa 5 00-950 Warszawa|\",\"Mikrorachunek podatkowy|||\",0,"
              "10100071,\"/TI/N1234563218/OKR/26K01|/SFP/VAT-7K/TXT/\",\"\",\"\",\"71\",\"\"");
    EXPECT_EQ(linia(test::przelew_na_mikrorachunek(), kPkobp).linia,
              "110,20260315,1234500,10901014,0,61109010140000071219812874,88101000712222123456321800,"
              "Firma Testowa Sp. z o.o.||ul. Długa 5 00-950 Warszawa|,Mikrorachunek podatkowy|||,0,"
              "10100071,/TI/N1234563218/OKR/26K01|/SFP/VAT-7K/TXT/,,,71,");
}

TEST_F(ElixirTest, MessageTypeAndClassification) {
    struct Case {
        TPrzelew p;
        const char* begin;
        const char* end;
    };
    const Case cases[] = {
        {test::przelew_bankowy(), "110,", ",\"51\",\"\""},
        {test::przelew_zus("S"), "120,", ",\"51\",\"\""},
        {test::przelew_podatkowy(), "110,", ",\"71\",\"\""},
    };
    for (const Case& c : cases) {
        const std::string l = linia(c.p, kMbank).linia;
        EXPECT_EQ(l.substr(0, 4), c.begin);
        EXPECT_TRUE(l.ends_with(c.end)) << l;
    }
}

TEST_F(ElixirTest, LongNamesAndTitlesAreCut) {
    TPrzelew p = test::przelew_bankowy();
    std::string nazwa;
    for (int i = 0; i < 8; ++i)
        nazwa += "Ąbcdefghi" + std::to_string(i);  // 80 characters
    p.dost_nazwa = nazwa;
    p.tytulem = std::string(100, 'x');
    p.tytulemcd = std::string(100, 'y');
    const std::string l = linia(p, kMbank).linia;
    EXPECT_NE(l.find("\"Ąbcdefghi0Ąbcdefghi1Ąbcdefghi2Ąbcde|fghi3Ąbcdefghi4Ąbcdefghi5Ąbcdefghi6|"
                     "Polna 1 90-001 Łódź|\""),
              std::string::npos)
        << l;
    EXPECT_EQ(l.find("hi7"), std::string::npos);
    // Four 35-character pieces of the title, the rest dropped.
    EXPECT_NE(l.find("\"" + std::string(35, 'x') + "|" + std::string(35, 'x') + "|" + std::string(30, 'x') +
                     " " + std::string(4, 'y') + "|" + std::string(35, 'y') + "\""),
              std::string::npos)
        << l;
}

TEST_F(ElixirTest, BadAccountsLeaveFieldsEmptyAndCollectMessages) {
    TPrzelew p = test::przelew_bankowy();
    p.my_konto = "";
    p.dost_konto = "12 1020 5558";
    LiniaEksportu l = linia(p, kMbank);
    EXPECT_EQ(l.linia, "110,20260315,1250,,0,\"\",\"\",\"" + kNadawca + "\",\"" + kOdbiorca +
                           "\",0,,\"Faktura 12/2026 |||\",\"\",\"\",\"51\",\"\"");
    EXPECT_EQ(l.blad,
              "Przelew dla: Jan Kowalski na kwotę: 12,50 BŁĘDNE KONTO NADAWCY\n"
              "Przelew dla: Jan Kowalski na kwotę: 12,50 BŁĘDNE KONTO WYSTAWIAJĄCEGO\n"
              "Przelew dla: Jan Kowalski na kwotę: 12,50 BŁĘDNE KONTO ODBIORCY\n"
              "Przelew dla: Jan Kowalski na kwotę: 12,50 BŁĘDNE KONTO ODBIORCY");
    EXPECT_EQ(opis_bledow(p, l),
              "Przelew dla: Jan Kowalski na kwotę: 12,50 BŁĘDNE KONTO NADAWCY, BŁĘDNE KONTO WYSTAWIAJĄCEGO, "
              "BŁĘDNE KONTO ODBIORCY");

    // Bank Śląski writes no message of its own for the payer account; 27 digits are as bad as 25.
    p = test::przelew_bankowy();
    p.my_konto = std::string(kCyfryMy) + "1";
    l = linia(p, kSlaski);
    EXPECT_TRUE(l.linia.starts_with("110,20260315,1250,,0,\"\",\"" + std::string(kCyfryDost) + "\""))
        << l.linia;
    EXPECT_EQ(l.blad, "Przelew dla: Jan Kowalski na kwotę: 12,50 BŁĘDNE KONTO NADAWCY");

    // BZ WBK runs the same checks.
    l = linia(p, kBzwbk);
    EXPECT_TRUE(l.linia.starts_with("1||" + std::string(kCyfryDost) + "|")) << l.linia;
    EXPECT_EQ(l.powody, (std::vector<std::string>{" BŁĘDNE KONTO NADAWCY", " BŁĘDNE KONTO WYSTAWIAJĄCEGO"}));

    EXPECT_EQ(opis_bledow(test::przelew_bankowy(), linia(test::przelew_bankowy(), kMbank)), "");
}

TEST_F(ElixirTest, AccountsWithWrongCheckDigitsAreBadAccounts) {
    struct Case {
        const char* konto;
        const char* dlaczego;
    };
    const Case cases[] = {
        {"95114020040000000000000124", "mod 97"},
        {"59114020040000000000000123", "check digits swapped"},
        {"70114020050000000000000123", "mod 97 holds, the sort code's check digit fails"},
    };
    for (const Case& c : cases) {
        TPrzelew p = test::przelew_bankowy();
        p.dost_konto = c.konto;
        LiniaEksportu l = linia(p, kMbank);
        EXPECT_EQ(l.linia, "110,20260315,1250,10901014,0,\"" + std::string(kCyfryMy) + "\",\"\",\"" +
                               kNadawca + "\",\"" + kOdbiorca +
                               "\",0,,\"Faktura 12/2026 |||\",\"\",\"\",\"51\",\"\"")
            << c.dlaczego;
        EXPECT_EQ(l.powody, std::vector<std::string>{" BŁĘDNE KONTO ODBIORCY"}) << c.dlaczego;

        p = test::przelew_bankowy();
        p.my_konto = c.konto;
        for (int format : {kMbank, kPkobp, kBzwbk}) {
            l = linia(p, format);
            EXPECT_EQ(l.powody,
                      (std::vector<std::string>{" BŁĘDNE KONTO NADAWCY", " BŁĘDNE KONTO WYSTAWIAJĄCEGO"}))
                << c.dlaczego << " format " << format;
            EXPECT_EQ(l.linia.find("1140200"), std::string::npos) << l.linia;
        }
        l = linia(p, kSlaski);
        EXPECT_TRUE(l.linia.starts_with("110,20260315,1250,,0,\"\",")) << l.linia;
    }
}

TEST_F(ElixirTest, BzwbkLayouts) {
    const std::string m = kCyfryMy;
    const std::string d = kCyfryDost;
    TPrzelew bank = test::przelew_bankowy();
    bank.kwota_money = Currency::from_grosze(123450);
    bank.tytulemcd = "  cz. 2  ";
    EXPECT_EQ(linia(bank, kBzwbk).linia,
              "1|" + m + "|" + d +
                  "|Jan Kowalski|Łódź|Polna 1|90-001|1234,50|1|Faktura 12/2026   cz. 2|15-03-2026|");

    EXPECT_EQ(linia(test::przelew_zus("S"), kBzwbk).linia,
              "2|" + m +
                  "|83101010230000261395100000|12,50|15-03-2026|Firma Testowa Sp. z o.o.|1234563218|R|"
                  "123456785|S|202602|01||");

    TPrzelew tax = test::przelew_podatkowy();
    tax.us_identyfikacjazobowiazania = "Zobowiązanie 2026/03 korekta";  // cut to 20
    EXPECT_EQ(linia(tax, kBzwbk).linia,
              "3|" + m + "|" + d +
                  "|Urząd Skarbowy Łódź-Bałuty|Łódź|Wróblewskiego 1|93-578|12,50|15-03-2026|"
                  "Firma Testowa Sp. z o.o.|N|1234563218|26|M|02|VAT-7|Zobowiązanie 2026/03|");

    // Bars in the transfer's texts would shift every later field.
    bank.tytulem = "Faktura|12";
    EXPECT_NE(linia(bank, kBzwbk).linia.find("|1|Faktura 12   cz. 2|"), std::string::npos);
}

TEST_F(ElixirTest, FieldsAreCutToTheirLengths) {
    TPrzelew p = test::przelew_bankowy();
    p.kwota_money = Currency::from_zloty(12345678901234);  // 1234567890123400 grosze: 16 digits
    p.dost_adres_miejscowosc = std::string(40, 'm');
    p.dost_nazwa = std::string(45, 'n');
    EXPECT_TRUE(linia(p, kMbank).linia.starts_with("110,20260315,123456789012340,10901014,"));
    const std::string bz = linia(p, kBzwbk).linia;
    EXPECT_NE(
        bz.find("|" + std::string(40, 'n') + "|" + std::string(32, 'm') + "|Polna 1|90-001|1234567890123|1|"),
        std::string::npos)
        << bz;
}

TEST_F(ElixirTest, UnknownFormatOrKindGivesEmptyLine) {
    EXPECT_EQ(linia(test::przelew_bankowy(), 4).linia, "");
    TPrzelew p = test::przelew_bankowy();
    p.rodzaj_przelewu = 3;
    for (int format : {kPkobp, kSlaski, kBzwbk, kMbank})
        EXPECT_EQ(linia(p, format).linia, "") << format;
}

TEST_F(ElixirTest, DateFromProfileOrTransfer) {
    TProfilExp pr = profil(kMbank);
    pr.prof_rodzaj_daty = 0;
    pr.prof_data_do_wczytania = TDateTime::from_ymd(2026, 4, 1);
    EXPECT_TRUE(zapisz_linie_eksportu(test::przelew_bankowy(), pr).linia.starts_with("110,20260401,"));
    pr.prof_rodzaj_formatu = kBzwbk;
    EXPECT_TRUE(zapisz_linie_eksportu(test::przelew_bankowy(), pr).linia.ends_with("|01-04-2026|"));
}

TEST_F(ElixirTest, AmountInGroszeRoundsHalfAwayFromZero) {
    TPrzelew p = test::przelew_bankowy();
    p.kwota_money = Currency::from_raw(123455);  // 12,3455
    EXPECT_TRUE(linia(p, kMbank).linia.starts_with("110,20260315,1235,"));
    p.kwota_money = Currency::from_raw(123449);
    EXPECT_TRUE(linia(p, kMbank).linia.starts_with("110,20260315,1234,"));
}

TEST_F(ElixirTest, ControlCharactersAndDelimitersInTextsBecomeBlanks) {
    TPrzelew p = test::przelew_bankowy();
    p.tytulem = "Faktura\r\n\"12\"|a,b";
    EXPECT_NE(linia(p, kMbank).linia.find(",\"Faktura   12  a,b |||\","), std::string::npos);
    EXPECT_NE(linia(p, kPkobp).linia.find(",Faktura   12  a b |||,"), std::string::npos);
}

}  // namespace
}  // namespace zlx
