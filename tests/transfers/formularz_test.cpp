#include "transfers/formularz.h"

#include <gtest/gtest.h>

#include "core/ini.h"
#include "core/settings.h"
#include "tests/support/temp_folder.h"

namespace zlx {
namespace {

PolaFormularza pola_przykladowe() {
    PolaFormularza f;
    f.data = TDateTime::from_ymd(2026, 3, 9);
    f.waluta = "PLN";
    f.odbiorca = {"Odbiorca S.A.", "",   "12 1020 3040-5060 7080 9000 1234", "Polna 1", "30-001",
                  "Kraków",        "ODB"};
    f.wystawiajacy = {"Nasza Firma", "", "61109010140000071219812874", "Długa 5", "00-950", "Warszawa", "MY"};
    f.tytulem = "Faktura 1/2026";
    f.tytulemcd = "za marzec";
    f.kwota = Currency::from_raw(12345000);
    f.uwagi = "pilne";
    return f;
}

TEST(Formularz, SaveDataDerivesTheAccountsAndKeepsTheTypedText) {
    test::TempProgramFolder folder;
    TPrzelew p = nowy_przelew();
    zbierz_przelew(pola_przykladowe(), 0, 0, p);
    EXPECT_EQ(p.dost_konto, "12 1020 3040-5060 7080 9000 1234");
    EXPECT_EQ(p.dost_konto_cyfry, "12102030405060708090001234");
    EXPECT_EQ(p.dost_konto_druk, "12 1020 3040 5060 7080 9000 1234 ");
    EXPECT_EQ(p.my_konto_druk, "61 1090 1014 0000 0712 1981 2874 ");
    EXPECT_EQ(p.my_konto_cyfry, "61109010140000071219812874");
    EXPECT_EQ(p.kwota_druk, "**1234,50");

    PolaFormularza krotkie = pola_przykladowe();
    krotkie.odbiorca.rachunek = " 1234567890123456789012345 ";  // 25 digits
    zbierz_przelew(krotkie, 0, 0, p);
    EXPECT_EQ(p.dost_konto_druk, " 1234567890123456789012345 ");
    EXPECT_EQ(p.dost_konto_cyfry, " 1234567890123456789012345 ");
}

TEST(Formularz, SaveDataCopiesTheControlsAndFlags) {
    test::TempProgramFolder folder;
    TPrzelew p = nowy_przelew();
    p.nr_id = 41;
    p.id_kontrah = 7;
    p.id_my = 3;
    PolaFormularza f = pola_przykladowe();
    f.wplata = true;
    f.zatwierdz = false;
    f.znacznik = 12;
    f.drukuj_kwote = false;
    f.drukuj_date = true;
    zbierz_przelew(f, 0, 9, p);
    EXPECT_EQ(p.nr_id, 41);
    EXPECT_EQ(p.id_kontrah, 7);  // no payee picked: the stored key stays
    EXPECT_EQ(p.id_my, 9);
    EXPECT_EQ(p.dost_nazwa, "Odbiorca S.A.");
    EXPECT_EQ(p.dost_skrot, "ODB");
    EXPECT_EQ(p.my_skrot, "MY");
    EXPECT_EQ(p.uwagi_tekst, "pilne");
    EXPECT_EQ(p.dost_adres, "Polna 1 30-001 Kraków");
    EXPECT_EQ(p.p_w, 1);
    EXPECT_EQ(p.bufor, 1);
    EXPECT_EQ(p.znacznik, 12);
    EXPECT_EQ(p.drukuj_kwote, 0);
    EXPECT_EQ(p.drukuj_date, 1);
    EXPECT_EQ(p.rodzaj_przelewu, kPrzelewBankowy);
    EXPECT_EQ(p.data, TDateTime::from_ymd(2026, 3, 9));

    f.zapisz_jako_nowy = true;
    zbierz_przelew(f, 5, 0, p);
    EXPECT_EQ(p.nr_id, 0);
    EXPECT_EQ(p.id_kontrah, 5);
    EXPECT_EQ(p.id_my, 9);
}

TEST(Formularz, AddressOrderFollowsJaknazwacd) {
    test::TempProgramFolder folder;
    TPrzelew p = nowy_przelew();
    zapisz_ini(kUstPrzelewIni, "opcje_wydrukow", "jaknazwacd", "1");
    zbierz_przelew(pola_przykladowe(), 0, 0, p);
    EXPECT_EQ(p.my_adres, "00-950 Warszawa Długa 5");
    zapisz_ini(kUstPrzelewIni, "opcje_wydrukow", "jaknazwacd", "0");
    zbierz_przelew(pola_przykladowe(), 0, 0, p);
    EXPECT_EQ(p.my_adres, "Długa 5 00-950 Warszawa");
}

TEST(Formularz, ShowingARecordAndReadingItBackKeepsIt) {
    test::TempProgramFolder folder;
    TPrzelew p = nowy_przelew();
    zbierz_przelew(pola_przykladowe(), 0, 0, p);
    PolaFormularza f;
    pokaz_przelew(p, f);
    f.drukuj_kwote = true;
    f.drukuj_date = false;
    TPrzelew again = p;
    zbierz_przelew(f, 0, 0, again);
    EXPECT_EQ(again, p);
}

TEST(Formularz, ShowingKeepsCurrencyAndRadiosForOddValues) {
    TPrzelew p = nowy_przelew();
    PolaFormularza f;
    f.waluta = "EUR";
    f.wplata = true;
    p.waluta = "  ";
    p.p_w = 5;
    p.bufor = 1;
    pokaz_przelew(p, f);
    EXPECT_EQ(f.waluta, "EUR");
    EXPECT_TRUE(f.wplata);
    EXPECT_FALSE(f.zatwierdz);
    p.p_w = 0;
    pokaz_przelew(p, f);
    EXPECT_FALSE(f.wplata);
}

TEST(Formularz, PartyShowsItsDefaultAccount) {
    TPrzKth k;
    k.nazwa = "Kontrahent";
    k.ulica = "Leśna 2";
    k.kod = "80-001";
    k.Miejscowosc = "Gdańsk";
    k.skrot = "KTH";
    k.Rachunek1 = "111";
    k.Rachunek2 = "222";
    StronaFormularza s;
    s.nazwacd = "ukryta";
    for (const auto& [domyslne, konto] : {std::pair{0, "111"}, {1, "222"}, {2, ""}}) {
        k.domyslnekonto = domyslne;
        pokaz_strone(k, s);
        EXPECT_EQ(s.rachunek, konto);
    }
    EXPECT_EQ(s, (StronaFormularza{"Kontrahent", "ukryta", "", "Leśna 2", "80-001", "Gdańsk", "KTH"}));
}

TEST(Formularz, SwappingAccountsTwiceRestoresTheControls) {
    const PolaFormularza before = pola_przykladowe();
    PolaFormularza f = before;
    zamien_konta(f);
    EXPECT_EQ(f.odbiorca.nazwa, "Nasza Firma");
    EXPECT_EQ(f.odbiorca.rachunek, "61109010140000071219812874");
    EXPECT_EQ(f.odbiorca.adres, "Długa 5");
    EXPECT_EQ(f.odbiorca.kodp, "00-950");
    EXPECT_EQ(f.odbiorca.miejscowosc, "Warszawa");
    EXPECT_EQ(f.wystawiajacy.nazwa, "Odbiorca S.A.");
    // Short names stay where they were.
    EXPECT_EQ(f.odbiorca.skrot, "ODB");
    EXPECT_EQ(f.wystawiajacy.skrot, "MY");
    zamien_konta(f);
    EXPECT_EQ(f, before);
}

TEST(Formularz, CyclicTemplateRules) {
    struct Case {
        RodzajZapisu rodzaj;
        std::int32_t nr_id, cykliczne;
        std::int32_t nr_id_po, cykliczne_po;
    };
    const Case cases[] = {
        {RodzajZapisu::zapisz, 5, 0, 5, 0},          // ordinary order: updated
        {RodzajZapisu::zapisz, 5, 1, 0, 0},          // template: a new ordinary order
        {RodzajZapisu::zapisz, 0, 0, 0, 0},          // new order: inserted
        {RodzajZapisu::do_cyklicznych, 5, 0, 0, 1},  // ordinary order: a new template
        {RodzajZapisu::do_cyklicznych, 5, 1, 5, 1},  // template: updated in place
        {RodzajZapisu::do_cyklicznych, 0, 0, 0, 1},
    };
    for (const auto& c : cases) {
        TPrzelew p;
        p.nr_id = c.nr_id;
        p.cykliczne = c.cykliczne;
        przygotuj_zapis(c.rodzaj, p);
        EXPECT_EQ(p.nr_id, c.nr_id_po) << c.nr_id << " " << c.cykliczne;
        EXPECT_EQ(p.cykliczne, c.cykliczne_po) << c.nr_id << " " << c.cykliczne;
    }
}

TEST(Formularz, TitleForTheDictionary) {
    EXPECT_FALSE(tytul_do_slownika("   ", "cd").has_value());
    EXPECT_FALSE(tytul_do_slownika("", "").has_value());
    const auto t = tytul_do_slownika(" Czynsz ", " za lokal ");
    ASSERT_TRUE(t.has_value());
    EXPECT_EQ(t->slow_id, 0);
    EXPECT_EQ(t->slow_tytulem, " Czynsz ");
    EXPECT_EQ(t->slow_tytulemcd, " za lokal ");
}

TEST(Formularz, WizardTakesTheCounterpartyAsPayeeOrAfterTheSwapAsPayer) {
    test::TempProgramFolder folder;
    TPrzKth k;
    k.ID1 = 17;
    k.nazwa = "Z listy";
    k.ulica = "Leśna 2";
    k.kod = "80-001";
    k.Miejscowosc = "Gdańsk";
    k.skrot = "KTH";
    k.Rachunek2 = "222";
    k.domyslnekonto = 1;
    PolaFormularza f = pola_przykladowe();
    f.odbiorca = {std::string(kFirmaZListy), "", "", "", "", "", ""};

    TPrzelew p = nowy_przelew();
    zbierz_przelew_kreatora(f, k, 4, p);
    EXPECT_EQ(p.id_kontrah, 17);
    EXPECT_EQ(p.id_my, 4);
    EXPECT_EQ(p.dost_nazwa, "Z listy");
    EXPECT_EQ(p.dost_konto, "222");
    EXPECT_EQ(p.dost_adres, "Leśna 2 80-001 Gdańsk");
    EXPECT_EQ(p.my_nazwa, "Nasza Firma");
    EXPECT_EQ(p.my_adres, "Długa 5 00-950 Warszawa");
    EXPECT_EQ(p.dost_skrot, "");
    EXPECT_EQ(p.my_skrot, "");
    EXPECT_EQ(p.uwagi_tekst, "");
    EXPECT_EQ(p.kwota_money, Currency::from_raw(12345000));

    zamien_konta(f);
    p = nowy_przelew();
    zbierz_przelew_kreatora(f, k, 4, p);
    EXPECT_EQ(p.my_nazwa, "Z listy");
    EXPECT_EQ(p.my_konto, "222");
    EXPECT_EQ(p.my_adres_ulica, "Leśna 2");
    EXPECT_EQ(p.dost_nazwa, "Nasza Firma");
    EXPECT_EQ(p.dost_konto, "61109010140000071219812874");
}

}  // namespace
}  // namespace zlx
