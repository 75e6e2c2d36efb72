// The list's statements and row actions against a real database.

#include <gtest/gtest.h>

#include <algorithm>

#include "registers/kontrah_store.h"
#include "tests/db/db_fixture.h"
#include "transfers/formularz.h"
#include "transfers/lista_przelewow.h"
#include "transfers/lista_sql.h"
#include "transfers/przelew_store.h"

namespace zlx {
namespace {

const TDateTime kDzien = TDateTime::from_ymd(2026, 3, 10);

class ListaDb : public ::testing::Test {
  protected:
    test::NewDatabase db;

    std::int32_t dodaj(const std::string& dost_nazwa, std::int64_t kwota_raw = 10000, TDateTime data = kDzien,
                       std::int32_t rodzaj = kPrzelewBankowy, std::int32_t cykliczne = 0) {
        TPrzelew p = nowy_przelew();
        p.dost_nazwa = dost_nazwa;
        p.kwota_money = Currency::from_raw(kwota_raw);
        p.data = data;
        p.rodzaj_przelewu = rodzaj;
        p.cykliczne = cykliczne;
        EXPECT_TRUE(save_przelew(db.ds, p));
        return p.nr_id;
    }

    std::unique_ptr<ResultSet> otworz(const std::string& sql) {
        auto rs = db.ds.open_sql(sql);
        EXPECT_TRUE(rs != nullptr);
        return rs;
    }

    std::vector<std::string> nazwy(const std::string& sql) {
        std::vector<std::string> out;
        auto rs = otworz(sql);
        for (rs->first(); !rs->eof(); rs->next())
            out.push_back(rs->text("dost_nazwa"));
        return out;
    }

    std::unique_ptr<ResultSet> wszystkie() { return otworz("select * from kartoteka order by nr_id"); }
};

TEST_F(ListaDb, SearchModesFindWhatTheAsterisksSay) {
    for (const char* n :
         {"kow", "Kowalski", "Nowakow", "Makowski", "O'Neil", "Abc", "Rabat 100% zwrotu", "Rabat 1000"})
        dodaj(n);
    struct Case {
        const char* tekst;
        std::vector<std::string> znalezione;
    };
    const Case cases[] = {
        {"*kow*", {"kow", "Kowalski", "Nowakow", "Makowski"}},
        {"*kow", {"kow", "Nowakow"}},
        {"kow*", {"kow", "Kowalski"}},
        {"ko*w", {"kow", "Kowalski"}},
        {"kow", {"kow"}},
        {"o'neil", {"O'Neil"}},
        {"*'*", {"O'Neil"}},
        {"*100%*", {"Rabat 100% zwrotu"}},
        {"rabat 10*", {"Rabat 100% zwrotu", "Rabat 1000"}},
    };
    for (const auto& c : cases) {
        const Wyszukiwanie w = sql_wyszukiwania(c.tekst, 1, kDomyslnySortListy);
        ASSERT_EQ(w.komunikat, "");
        EXPECT_EQ(nazwy(w.sql), c.znalezione) << c.tekst << " " << w.sql;
    }
    EXPECT_TRUE(db.msgs.errors.empty());
}

TEST_F(ListaDb, MainQueryFiltersByPeriodKindAndCyclicState) {
    dodaj("w okresie", 10000, kDzien);
    dodaj("ZUS w okresie", 10000, TDateTime::from_ymd(2026, 3, 15), kPrzelewZus);
    dodaj("po okresie", 10000, TDateTime::from_ymd(2026, 3, 16));
    dodaj("szablon dawny", 10000, TDateTime::from_ymd(2019, 1, 1), kPrzelewBankowy, 1);
    dodaj("szablon ZUS", 10000, TDateTime::from_ymd(2030, 1, 1), kPrzelewZus, 1);
    const TDateTime od = TDateTime::from_ymd(2026, 3, 8), do_ = TDateTime::from_ymd(2026, 3, 15);
    const auto lista = [&](bool cykliczne, int rodzaj) {
        return nazwy(sql_listy(where_listy({cykliczne, od, do_, rodzaj}), kDomyslnySortListy));
    };
    EXPECT_EQ(lista(false, kRodzajWszystkie), (std::vector<std::string>{"w okresie", "ZUS w okresie"}));
    EXPECT_EQ(lista(false, kRodzajZus), (std::vector<std::string>{"ZUS w okresie"}));
    EXPECT_EQ(lista(false, kRodzajPodatki), (std::vector<std::string>{}));
    EXPECT_EQ(lista(true, kRodzajWszystkie), (std::vector<std::string>{"szablon dawny", "szablon ZUS"}));
    EXPECT_EQ(lista(true, kRodzajBankowe), (std::vector<std::string>{"szablon dawny"}));
    EXPECT_TRUE(db.msgs.errors.empty());
}

TEST_F(ListaDb, SortingByAmountUsesTheKeyAsSecondOrder) {
    const std::int32_t a = dodaj("a", 50000), b = dodaj("b", 10000), c = dodaj("c", 50000);
    SortowanieListy s;
    s.klik(7);
    const FiltrListy f{false, kDzien, kDzien, kRodzajWszystkie};
    auto ids = [&] {
        std::vector<std::int32_t> out;
        auto rs = otworz(sql_listy(where_listy(f), s.order()));
        for (rs->first(); !rs->eof(); rs->next())
            out.push_back(rs->int_value("nr_id"));
        return out;
    };
    EXPECT_EQ(ids(), (std::vector<std::int32_t>{b, a, c}));
    s.klik(7);
    EXPECT_EQ(ids(), (std::vector<std::int32_t>{a, c, b}));
}

TEST_F(ListaDb, TotalsAreExactOverManyAmounts) {
    // 0,10 zł three hundred times and three ticked 0,01s: the totals are exact to the grosz.
    Zaznaczenie ticked;
    for (int i = 0; i < 300; ++i)
        dodaj("x", 1000);
    for (int i = 0; i < 3; ++i)
        ticked.zaznacz(dodaj("y", 100), true);
    ticked.zaznacz(999999, true);  // a key the list does not hold
    auto rs = wszystkie();
    rs->set_prefix_filter("dost_nazwa", "y");  // hidden rows still count in "Wszystkie"
    const Podsumowanie s = podsumuj(*rs, ticked);
    EXPECT_EQ(s.wszystkie.to_text(), "30,03");
    EXPECT_EQ(s.zaznaczone.to_text(), "0,03");
    EXPECT_EQ(s.ile_zaznaczonych, 3u);
    EXPECT_EQ(etykieta_podsumowania(s), "Podsumowania zaznaczono: 3");
    EXPECT_EQ(etykieta_podsumowania(Podsumowanie{}), "Podsumowania");
    EXPECT_EQ(podsumuj(*rs, {}).zaznaczone.to_text(), "0,00");
    EXPECT_EQ(ticked.klucze(*rs).size(), 3u);

    // Ticked rows the filter hides still count, and the label says how many are hidden.
    rs->set_prefix_filter("dost_nazwa", "x");
    const Podsumowanie ukryte = podsumuj(*rs, ticked);
    EXPECT_EQ(ukryte.zaznaczone.to_text(), "0,03");
    EXPECT_EQ(ukryte.ukrytych_zaznaczonych, 3u);
    EXPECT_EQ(etykieta_podsumowania(ukryte), "Podsumowania zaznaczono: 3 (ukryte przez filtr: 3)");
    EXPECT_EQ(pytanie_usuniecia(ukryte),
              "Czy na pewno chcesz usunąć kartoteki ?\n\nZaznaczone: 3, w tym ukryte przez filtr: 3");
    EXPECT_EQ(pytanie_usuniecia(s), "Czy na pewno chcesz usunąć kartoteki ?");
}

TEST_F(ListaDb, CloneWithBothDateChoices) {
    const std::int32_t a = dodaj("a", 10000, TDateTime::from_ymd(2026, 1, 5));
    const std::int32_t b = dodaj("b", 20000, TDateTime::from_ymd(2026, 2, 6), kPrzelewZus, 1);
    ASSERT_TRUE(set_znacznik(db.ds, b, 4));
    TPrzelew zrodlo_b = load_przelew(db.ds, b);

    const std::int32_t ostatni = klonuj_przelewy(db.ds, {b, a}, false, TDateTime());
    TPrzelew klon_b = load_przelew(db.ds, ostatni - 1);
    TPrzelew klon_a = load_przelew(db.ds, ostatni);
    EXPECT_EQ(klon_a.dost_nazwa, "a");
    EXPECT_EQ(klon_a.data, TDateTime::from_ymd(2026, 1, 5));
    EXPECT_GT(klon_b.nr_id, b);
    klon_b.nr_id = zrodlo_b.nr_id;
    EXPECT_EQ(klon_b, zrodlo_b);  // every other field, cyclic flag and marker included

    const TDateTime nowa = TDateTime::from_ymd(2026, 4, 1);
    const std::int32_t trzeci = klonuj_przelewy(db.ds, {a}, true, nowa);
    EXPECT_EQ(load_przelew(db.ds, trzeci).data, nowa);
    EXPECT_EQ(load_przelew(db.ds, a).data, TDateTime::from_ymd(2026, 1, 5));
    EXPECT_EQ(wszystkie()->record_count(), 5u);
}

TEST_F(ListaDb, CloneSkipsAnOrderDeletedMeanwhile) {
    const std::int32_t a = dodaj("a");
    const std::int32_t b = dodaj("b");
    ASSERT_TRUE(delete_przelew(db.ds, b));
    const std::int32_t ostatni = klonuj_przelewy(db.ds, {a, b}, false, TDateTime());
    EXPECT_EQ(load_przelew(db.ds, ostatni).dost_nazwa, "a");
    EXPECT_EQ(wszystkie()->record_count(), 2u);
}

TEST_F(ListaDb, MarkersAndDeleteOnTickedRows) {
    const std::int32_t a = dodaj("a"), b = dodaj("b"), c = dodaj("c");
    auto rs = wszystkie();
    const auto ids = Zaznaczenie{c, a}.klucze(*rs);
    EXPECT_EQ(ids, (std::vector<std::int32_t>{a, c}));
    EXPECT_TRUE(zmien_znacznik_dla_zaznaczonych(db.ds, ids, 20));
    EXPECT_EQ(nazwy(sql_listy(where_znacznika(20), kDomyslnySortListy)),
              (std::vector<std::string>{"a", "c"}));
    EXPECT_EQ(load_przelew(db.ds, b).znacznik, 0);
    EXPECT_TRUE(usun_przelewy(db.ds, ids));
    EXPECT_EQ(nazwy("select * from kartoteka"), (std::vector<std::string>{"b"}));
}

class FormularzDb : public ListaDb {};

TEST_F(FormularzDb, SavingATemplateInsertsAnOrdinaryOrder) {
    const std::int32_t szablon = dodaj("szablon", 10000, kDzien, kPrzelewBankowy, 1);
    TPrzelew p = load_przelew(db.ds, szablon);
    p.kwota_money = Currency::from_zloty(7);
    ASSERT_TRUE(zapisz_przelew(db.ds, RodzajZapisu::zapisz, p));
    EXPECT_NE(p.nr_id, szablon);
    EXPECT_EQ(load_przelew(db.ds, p.nr_id).cykliczne, 0);
    EXPECT_EQ(load_przelew(db.ds, szablon).kwota_money, Currency::from_zloty(1));
    EXPECT_EQ(load_przelew(db.ds, szablon).cykliczne, 1);
}

TEST_F(FormularzDb, ToCyclicInsertsATemplateOrUpdatesOne) {
    const std::int32_t zwykly = dodaj("zwykły");
    TPrzelew p = load_przelew(db.ds, zwykly);
    ASSERT_TRUE(zapisz_przelew(db.ds, RodzajZapisu::do_cyklicznych, p));
    const std::int32_t szablon = p.nr_id;
    EXPECT_NE(szablon, zwykly);
    EXPECT_EQ(load_przelew(db.ds, zwykly).cykliczne, 0);
    EXPECT_EQ(load_przelew(db.ds, szablon).cykliczne, 1);

    p.tytulem = "zmieniony";
    ASSERT_TRUE(zapisz_przelew(db.ds, RodzajZapisu::do_cyklicznych, p));
    EXPECT_EQ(p.nr_id, szablon);
    EXPECT_EQ(load_przelew(db.ds, szablon).tytulem, "zmieniony");
    EXPECT_EQ(wszystkie()->record_count(), 2u);
}

TEST_F(FormularzDb, SaveAsNewLeavesTheEditedRow) {
    const std::int32_t id = dodaj("stary");
    TPrzelew p = load_przelew(db.ds, id);
    PolaFormularza f;
    pokaz_przelew(p, f);
    f.odbiorca.nazwa = "nowy";
    f.zapisz_jako_nowy = true;
    zbierz_przelew(f, 0, 0, p);
    ASSERT_TRUE(zapisz_przelew(db.ds, RodzajZapisu::zapisz, p));
    EXPECT_NE(p.nr_id, id);
    EXPECT_EQ(load_przelew(db.ds, id).dost_nazwa, "stary");
    EXPECT_EQ(load_przelew(db.ds, p.nr_id).dost_nazwa, "nowy");
}

TEST_F(FormularzDb, AFailedSaveLeavesTheRecordAsItWas) {
    const std::int32_t zwykly = dodaj("zwykły");
    TPrzelew p = load_przelew(db.ds, zwykly);
    const TPrzelew przed = p;
    db.cn.execute("DROP TABLE kartoteka");
    EXPECT_FALSE(zapisz_przelew(db.ds, RodzajZapisu::do_cyklicznych, p));
    EXPECT_FALSE(db.msgs.errors.empty());
    // Still the ordinary order with its key: a later "Zapisz [F10]" updates it instead of adding one.
    EXPECT_EQ(p, przed);
}

TEST_F(FormularzDb, WizardInsertsOneOrderPerCounterparty) {
    std::vector<std::int32_t> klucze;
    for (const char* n : {"Pierwszy", "Drugi", "Trzeci"}) {
        TPrzKth k;
        k.nazwa = n;
        k.ulica = std::string(n) + " 1";
        k.kod = "00-001";
        k.Miejscowosc = "Warszawa";
        k.Rachunek1 = std::string("konto ") + n;
        ASSERT_TRUE(save_kontrah(db.ds, k));
        klucze.push_back(k.ID1);
    }
    std::reverse(klucze.begin(), klucze.end());  // the register's order, not the keys'
    klucze.push_back(987654);                    // a counterparty deleted meanwhile
    PolaFormularza f;
    f.data = kDzien;
    f.wystawiajacy.nazwa = "Nasza";
    f.odbiorca.nazwa = std::string(kFirmaZListy);
    f.tytulem = "Składka";
    f.kwota = Currency::from_zloty(15);
    int ile = 0;
    const TPrzelew ostatni = generuj_przelewy(db.ds, f, klucze, 2, &ile);
    EXPECT_EQ(ile, 3);
    EXPECT_EQ(ostatni.dost_nazwa, "Pierwszy");
    auto rs = wszystkie();
    ASSERT_EQ(rs->record_count(), 3u);
    for (std::size_t i = 0; i < 3; ++i, rs->next()) {
        const TPrzelew p = load_przelew(db.ds, rs->int_value("nr_id"));
        const TPrzKth k = get_kontrah(db.ds, klucze[i]);
        EXPECT_EQ(p.id_kontrah, k.ID1);
        EXPECT_EQ(p.dost_nazwa, k.nazwa);
        EXPECT_EQ(p.dost_konto, k.Rachunek1);
        EXPECT_EQ(p.dost_adres, k.ulica + " 00-001 Warszawa");
        EXPECT_EQ(p.id_my, 2);
        EXPECT_EQ(p.my_nazwa, "Nasza");
        EXPECT_EQ(p.kwota_money, Currency::from_zloty(15));
        EXPECT_EQ(p.rodzaj_przelewu, kPrzelewBankowy);
    }
}

}  // namespace
}  // namespace zlx
