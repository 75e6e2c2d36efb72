#include <gtest/gtest.h>

#include "transfers/formularz_us.h"
#include "transfers/formularz_zus.h"
#include "transfers/kody.h"

namespace zlx {
namespace {

TDateTime dzien(int y, int m, int d) {
    return TDateTime::from_ymd(y, m, d);
}

TPrzKth platnik() {
    TPrzKth f;
    f.nip = "5261040828";
    f.Regon = "012100784";
    f.pesel = "80010112345";
    return f;
}

TEST(FormularzUs, PeriodDefaultsFollowTheDay) {
    struct Case {
        TDateTime dzis;
        std::string rok;
        std::string nr_okresu;
    };
    const Case cases[] = {
        {dzien(2026, 3, 10), "26", "02"},
        {dzien(2026, 1, 5), "25", "12"},  // the year of the previous month
        {dzien(2023, 12, 31), "23", "11"},
        {dzien(2005, 2, 1), "05", "01"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dzis.to_text());
        const auto lata = lata_okresu_us(c.dzis);
        EXPECT_EQ(lata[static_cast<std::size_t>(pozycja_roku_us(lata, c.dzis))], c.rok);
        EXPECT_EQ(nr_okresu_domyslny_us(c.dzis), c.nr_okresu);
    }
}

TEST(FormularzUs, YearListKeepsItsItemsAndReachesTwoYearsAhead) {
    const auto stare = lata_okresu_us();
    auto lata = lata_okresu_us(dzien(2026, 6, 1));
    ASSERT_EQ(lata.size(), stare.size() + 5);
    EXPECT_TRUE(std::equal(stare.begin(), stare.end(), lata.begin()));
    EXPECT_EQ(lata.back(), "28");
    EXPECT_EQ(lata_okresu_us(dzien(2015, 6, 1)), stare) << "a year inside the list adds nothing";
    EXPECT_EQ(lata_okresu_us(dzien(2099, 1, 1)).back(), "99") << "two digits never go past 99";
    // A year before the list's first selects its first item.
    EXPECT_EQ(pozycja_roku_us(stare, dzien(2003, 5, 1)), 0);
    EXPECT_EQ(pozycja_roku_us(stare, dzien(2026, 5, 1)), 0);
}

TEST(FormularzUs, BoxNineFollowsTheIdentifierType) {
    const TPrzKth f = platnik();
    const std::string expected[] = {"5261040828", "012100784", "80010112345", "", "", ""};
    ASSERT_EQ(etykiety(kUsTypIdUzup).size(), std::size(expected));
    for (int typ = 0; typ < static_cast<int>(std::size(expected)); ++typ)
        EXPECT_EQ(id_dodatkowy_us(f, typ), expected[typ]) << typ;
}

TEST(FormularzUs, StoredPeriodIsShownNewOneKeepsDefaults) {
    TPrzelew p = nowy_przelew();
    p.us_typokresu = "K";
    p.us_nrokresu = "03";
    p.us_rokokresu = "24";
    p.us_typiduzup = "P";
    p.us_symbolformularza = "VAT-7";
    PolaUs domyslne;
    domyslne.nr_okresu = "02";
    domyslne.rok_okresu = "26";

    PolaUs nowy = domyslne;
    pokaz_przelew_us(p, nowy);
    EXPECT_EQ(nowy.typ_okresu, kOkresMiesiac);
    EXPECT_EQ(nowy.nr_okresu, "02");
    EXPECT_EQ(nowy.rok_okresu, "26");
    EXPECT_EQ(nowy.typ_iduzup, 2);
    EXPECT_EQ(nowy.symbol, "VAT-7");

    p.nr_id = 7;
    PolaUs zapisany = domyslne;
    pokaz_przelew_us(p, zapisany);
    EXPECT_EQ(zapisany.typ_okresu, kOkresKwartal);
    EXPECT_EQ(zapisany.nr_okresu, "03");
    EXPECT_EQ(zapisany.rok_okresu, "24");
}

TEST(FormularzUs, SaveStoresCodesAndTextsAndCarriesTheTitle) {
    TPrzelew p = nowy_przelew();
    p.tytulem = "stary tytuł";
    p.tytulemcd = "cd";
    p.my_skrot = "MS";
    p.dost_skrot = "DS";
    p.id_kontrah = 4;
    PolaFormularza pola;
    pola.odbiorca = {"Urząd Skarbowy Warszawa-Śródmieście",
                     "",
                     "  12 1010 ",
                     "Drugi wiersz",
                     "00-950",
                     "Warszawa",
                     "pominięty"};
    pola.wystawiajacy.nazwa = "Nasza Firma";
    pola.kwota = *Currency::parse("123,45");
    PolaUs us{1, " 012100784 ", " VAT-7 ", "faktura 1/2026", kOkresDekada, "0203", "26"};

    zbierz_przelew_us(pola, us, 0, 9, p);
    EXPECT_EQ(p.rodzaj_przelewu, kPrzelewPodatkowy);
    EXPECT_EQ(p.tytulem, "stary tytuł");
    EXPECT_EQ(p.tytulemcd, "cd");
    EXPECT_EQ(p.my_skrot, "MS");
    EXPECT_EQ(p.dost_skrot, "DS");
    EXPECT_EQ(p.id_kontrah, 4) << "an unpicked payee keeps the stored key";
    EXPECT_EQ(p.id_my, 9);
    EXPECT_EQ(p.dost_adres_ulica, "Drugi wiersz");
    EXPECT_EQ(p.us_typiduzup, "R");
    EXPECT_EQ(p.us_typokresu, "D");
    EXPECT_EQ(p.us_iduzup, " 012100784 ") << "tax texts are stored untrimmed";
    EXPECT_EQ(p.us_symbolformularza, " VAT-7 ");
    EXPECT_EQ(p.us_nrokresu, "0203");
    EXPECT_EQ(p.us_rokokresu, "26");
    EXPECT_EQ(p.us_identyfikacjazobowiazania, "faktura 1/2026");
    EXPECT_EQ(p.kwota_druk, "**123,45");
}

TEST(FormularzZus, DeclarationDefaultIsThePreviousCalendarMonth) {
    struct Case {
        TDateTime dzis;
        DeklaracjaZus deklaracja;
    };
    const Case cases[] = {
        {dzien(2026, 3, 15), {"2026", "02"}}, {dzien(2026, 1, 2), {"2025", "12"}},
        {dzien(2024, 3, 1), {"2024", "02"}},  {dzien(2026, 3, 1), {"2026", "02"}},
        {dzien(2026, 2, 1), {"2026", "01"}},  {dzien(2026, 12, 31), {"2026", "11"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dzis.to_text());
        EXPECT_EQ(deklaracja_domyslna_zus(c.dzis), c.deklaracja);
    }
}

TEST(FormularzZus, YearListKeepsItsItemsAndReachesTwoYearsAhead) {
    const auto stare = lata_deklaracji_zus();
    const auto lata = lata_deklaracji_zus(dzien(2026, 1, 2));
    EXPECT_TRUE(std::equal(stare.begin(), stare.end(), lata.begin()));
    EXPECT_EQ(lata.front(), "2010");
    EXPECT_EQ(lata.back(), "2028");
    EXPECT_EQ(lata.size(), 19u);
    EXPECT_EQ(lata_deklaracji_zus(dzien(2012, 1, 1)), stare);
}

TEST(FormularzZus, BoxEightFollowsTheIdentifierType) {
    const TPrzKth f = platnik();
    const std::string expected[] = {"5261040828", "012100784", "80010112345", "", ""};
    ASSERT_EQ(etykiety(kZusIdUzup).size(), std::size(expected));
    for (int typ = 0; typ < static_cast<int>(std::size(expected)); ++typ)
        EXPECT_EQ(id_uzup_zus(f, typ), expected[typ]) << typ;
}

TEST(FormularzZus, StoredDeclarationWinsOverTheDefault) {
    TPrzelew p = nowy_przelew();
    PolaZus z;
    pokaz_przelew_zus(p, dzien(2026, 3, 15), z);
    EXPECT_EQ(z.rok, "2026");
    EXPECT_EQ(z.miesiac, "02");
    EXPECT_EQ(z.nr_deklaracji, "01");
    p.zus_deklaracja1 = "2019";
    p.zus_deklaracja2 = "07";
    p.zus_typwplaty = "B";
    p.zus_iduzup = "P";
    pokaz_przelew_zus(p, dzien(2026, 3, 15), z);
    EXPECT_EQ(z.rok, "2019");
    EXPECT_EQ(z.miesiac, "07");
    EXPECT_EQ(z.typ_wplaty, 7);
    EXPECT_EQ(z.typ_iduzup, 2);
}

TEST(FormularzZus, SaveFixesThePayeeTrimsTextsAndLeavesTheKeys) {
    TPrzelew p = nowy_przelew();
    p.id_kontrah = 3;
    p.id_my = 5;
    p.dost_adres_ulica = "nie ruszany";
    PolaFormularza pola;
    pola.wystawiajacy.nazwa = "Nasza Firma";
    pola.wystawiajacy.nazwacd = "ul. Długa 5 00-950 Warszawa";
    pola.wystawiajacy.rachunek = "61109010140000071219812874";
    pola.zatwierdz = false;
    PolaZus z{2, "61", "10901014", " 5261040828 ", 1, " 012100784 ", 7, " 01 ", " 02 ", " 2026 ", " D/1 "};

    zbierz_przelew_zus(pola, z, "83101010230000261395100000", "Fundusz Pracy", p);
    EXPECT_EQ(p.rodzaj_przelewu, kPrzelewZus);
    EXPECT_EQ(p.dost_nazwa, "Zakład Ubezpieczeń Społecznych");
    EXPECT_EQ(p.dost_konto, "83101010230000261395100000");
    EXPECT_EQ(p.dost_konto_druk, "83 1010 1023 0000 2613 9510 0000 ");
    EXPECT_EQ(p.tytulem, "Fundusz Pracy");
    EXPECT_EQ(p.zus_cel, 2);
    EXPECT_EQ(p.id_kontrah, 3);
    EXPECT_EQ(p.id_my, 5);
    EXPECT_EQ(p.dost_adres_ulica, "nie ruszany");
    EXPECT_EQ(p.my_adres, "ul. Długa 5 00-950 Warszawa") << "the second line is stored as typed";
    EXPECT_EQ(p.my_lk, "61");
    EXPECT_EQ(p.my_bank, "10901014");
    EXPECT_EQ(p.bufor, 1);
    EXPECT_EQ(p.zus_nipplatnik, "5261040828");
    EXPECT_EQ(p.zus_numeriduzup, "012100784");
    EXPECT_EQ(p.zus_nrdeklaracji, "01");
    EXPECT_EQ(p.zus_deklaracja2, "02");
    EXPECT_EQ(p.zus_deklaracja1, "2026");
    EXPECT_EQ(p.zus_nrdecyzji, "D/1");
    EXPECT_EQ(p.zus_typwplaty, "B");
    EXPECT_EQ(p.zus_iduzup, "R");
}

}  // namespace
}  // namespace zlx
