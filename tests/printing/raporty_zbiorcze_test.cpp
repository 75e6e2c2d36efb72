#include "printing/raporty_zbiorcze.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/ini.h"
#include "db/result_set.h"
#include "printing/recording_canvas.h"
#include "printing/ust_przelew.h"
#include "tests/support/temp_folder.h"

namespace zlx {
namespace {

using R = ZapisRysunku::Rodzaj;

constexpr double kMm = kMmNaCal;
const MiaraPrzyblizona kMiara;

std::unique_ptr<ResultSet> kartoteka(const std::vector<std::int64_t>& grosze) {
    auto rs = std::make_unique<ResultSet>(std::vector<ResultSet::Column>{{"nr_id", ColumnKind::integer},
                                                                         {"data", ColumnKind::date},
                                                                         {"dost_nazwa", ColumnKind::text},
                                                                         {"my_nazwa", ColumnKind::text},
                                                                         {"tytulem", ColumnKind::text},
                                                                         {"kwota_money", ColumnKind::money}});
    for (std::size_t i = 0; i < grosze.size(); ++i) {
        rs->add_integer(static_cast<std::int64_t>(i + 1));
        rs->add_text("2026-03-1" + std::to_string(i % 10));
        rs->add_text("Odbiorca " + std::to_string(i + 1));
        rs->add_text("Biuro Ćma");
        rs->add_text("Faktura " + std::to_string(i + 1));
        rs->add_integer(grosze[i] * 100);
    }
    return rs;
}

std::vector<ZapisRysunku> teksty_strony(const RecordingCanvas& c, int strona) {
    std::vector<ZapisRysunku> out;
    for (const ZapisRysunku& z : c.teksty())
        if (z.strona == strona) out.push_back(z);
    return out;
}

std::vector<ZapisRysunku> o_tresci(const std::vector<ZapisRysunku>& teksty, const std::string& s) {
    std::vector<ZapisRysunku> out;
    for (const ZapisRysunku& z : teksty)
        if (z.tekst == s) out.push_back(z);
    return out;
}

// The right edge of a text as the measure that placed it sees it.
double prawa_krawedz(const ZapisRysunku& z) {
    return z.x1 + kMiara.szerokosc(z.czcionka, z.tekst);
}

struct Zbiorowka {
    RecordingCanvas c;
    TParZbiorowka par;
    int stron = 0;
};

void drukuj_zbiorowke(Zbiorowka& z, const std::vector<std::int64_t>& grosze, const Marginesy& m = {}) {
    auto rs = kartoteka(grosze);
    auto wiersze =
        przygotuj_zbiorowke(*rs, TDateTime::from_ymd(2026, 3, 14), "12 1020 2892 0000 5502 0123 4567", z.par);
    z.stron = drukuj_raport(z.c, kMiara, zbuduj_zbiorowke(ProjektBazowy{}, m, std::move(wiersze), z.par));
}

TEST(Zbiorowka, ThreeOrdersInBothCopiesWithTheirTotal) {
    Zbiorowka z;
    drukuj_zbiorowke(z, {1000, 2050, 50});
    EXPECT_EQ(z.par.data, "2026-03-14");
    EXPECT_EQ(z.par.ilosc, "3");
    EXPECT_EQ(z.par.suma, "31,00");
    ASSERT_EQ(z.stron, 1);

    // The header's texts are 8 pt; the rows and the total have the default font.
    std::vector<ZapisRysunku> t;
    for (const ZapisRysunku& r : z.c.teksty())
        if (r.czcionka.rozmiar == 10) t.push_back(r);
    // Region left 0.5 + left margin 0.5: the copies' amount boxes end at 1 + 2.25 and 1 + 5.09.
    const struct {
        const char* lp;
        const char* kwota;
    } rows[] = {{"1", "10,00"}, {"2", "20,50"}, {"3", "0,50"}};
    double poprzedni = 0;
    for (const auto& row : rows) {
        const auto lp = o_tresci(t, row.lp);
        const auto kwota = o_tresci(t, row.kwota);
        ASSERT_EQ(lp.size(), 2u) << row.lp;
        ASSERT_EQ(kwota.size(), 2u) << row.kwota;
        EXPECT_NEAR(prawa_krawedz(lp[0]), (1.0 + 0.48) * kMm, 1e-9);
        EXPECT_NEAR(prawa_krawedz(lp[1]), (1.0 + 3.28) * kMm, 1e-9);
        EXPECT_NEAR(prawa_krawedz(kwota[0]), (1.0 + 2.25) * kMm, 1e-9);
        EXPECT_NEAR(prawa_krawedz(kwota[1]), (1.0 + 5.09) * kMm, 1e-9);
        EXPECT_EQ(lp[0].y1, kwota[1].y1);
        EXPECT_GT(lp[0].y1, poprzedni);
        poprzedni = lp[0].y1;
    }

    const auto razem = o_tresci(t, "Razem :");
    const auto suma = o_tresci(t, "31,00");
    ASSERT_EQ(razem.size(), 2u);
    ASSERT_EQ(suma.size(), 2u);
    EXPECT_GT(suma[0].y1, poprzedni);
    EXPECT_TRUE(suma[0].czcionka.pogrubiona);
    EXPECT_EQ(razem[0].czcionka.kolor, kKolorEtykietZbiorowki);
    // The signature line leaves its caption clear: the caption's top lies below the dots' baseline
    // (once it ran through them), and there is room above the line to sign.
    const auto podpis = o_tresci(t, "Pieczęć i podpisy");
    const auto kropki = o_tresci(t, ".............................");
    ASSERT_EQ(podpis.size(), 2u);
    ASSERT_EQ(kropki.size(), 2u);
    EXPECT_GT(podpis[0].y1 - kMiara.wznios(podpis[0].czcionka), kropki[0].y1 + 0.5);
    EXPECT_GT(kropki[0].y1 - suma[0].y1, 0.5 * kMm);

    // The header: date, count and account in black bold, labels in the label colour, 8 pt.
    t = z.c.teksty();
    for (const char* dane : {"2026-03-14", "12 1020 2892 0000 5502 0123 4567"}) {
        const auto d = o_tresci(t, dane);
        ASSERT_EQ(d.size(), 2u) << dane;
        EXPECT_EQ(d[0].czcionka.kolor, kCzarny);
        EXPECT_TRUE(d[0].czcionka.pogrubiona);
        EXPECT_EQ(d[0].czcionka.rozmiar, 8);
        EXPECT_NEAR(d[1].x1 - d[0].x1, 2.76 * kMm, 1e-9);
    }
    const auto ilosc = o_tresci(t, "3");
    EXPECT_EQ(
        std::count_if(ilosc.begin(), ilosc.end(),
                      [](const ZapisRysunku& r) { return r.czcionka.rozmiar == 8 && r.czcionka.pogrubiona; }),
        2);
    EXPECT_EQ(o_tresci(t, "A").size(), 1u);
    EXPECT_EQ(o_tresci(t, "D").size(), 1u);
    const auto etykieta = o_tresci(t, "z naszego  rachunku  bankowego Nr:  ");
    ASSERT_EQ(etykieta.size(), 2u);
    EXPECT_EQ(etykieta[0].czcionka.kolor, kKolorEtykietZbiorowki);
    EXPECT_FALSE(etykieta[0].czcionka.pogrubiona);
}

TEST(Zbiorowka, DashedLinesRunDownThePageUnbroken) {
    Zbiorowka z;
    drukuj_zbiorowke(z, {1000, 2050});
    for (double x : {0.0, 2.76, 5.49}) {
        std::vector<std::pair<double, double>> odcinki;
        for (const ZapisRysunku& l : z.c.rodzaju(R::linia))
            if (std::abs(l.x1 - (1.0 + x) * kMm) < 1e-9) {
                EXPECT_EQ(l.pioro.styl, StylPiora::kreskowany);
                EXPECT_EQ(l.x2, l.x1);
                odcinki.emplace_back(l.y1, l.y2);
            }
        // Header, two rows, total, signature.
        ASSERT_EQ(odcinki.size(), 5u) << x;
        std::sort(odcinki.begin(), odcinki.end());
        EXPECT_NEAR(odcinki.front().first, (0.5 + 0.1) * kMm, 1e-9);
        for (std::size_t i = 1; i < odcinki.size(); ++i)
            EXPECT_NEAR(odcinki[i].first, odcinki[i - 1].second, 1e-9) << x << " " << i;
    }
}

TEST(Zbiorowka, HeaderOnTheFirstPageOnlyAndTheTotalAfterTheLastRow) {
    Zbiorowka z;
    drukuj_zbiorowke(z, std::vector<std::int64_t>(80, 100));
    ASSERT_EQ(z.stron, 2);
    EXPECT_EQ(o_tresci(teksty_strony(z.c, 0), "ZBIORCZE POLECENIE").size(), 2u);
    EXPECT_TRUE(o_tresci(teksty_strony(z.c, 1), "ZBIORCZE POLECENIE").empty());
    EXPECT_TRUE(o_tresci(teksty_strony(z.c, 0), "Razem :").empty());
    EXPECT_EQ(o_tresci(teksty_strony(z.c, 1), "Razem :").size(), 2u);
    EXPECT_EQ(o_tresci(teksty_strony(z.c, 1), "80,00").size(), 2u);
    EXPECT_EQ(o_tresci(teksty_strony(z.c, 1), "80").size(), 2u);  // the last row
    EXPECT_EQ(o_tresci(teksty_strony(z.c, 0), "Strona 1 z 2").size(), 1u);
    EXPECT_EQ(o_tresci(teksty_strony(z.c, 1), "Strona 2 z 2").size(), 1u);
    // Every row lies inside the body: above the bottom margin.
    for (const ZapisRysunku& t : z.c.teksty())
        EXPECT_LT(t.y1, (11.69 - 0.5) * kMm) << t.tekst;
}

TEST(Zbiorowka, EmptySetPrintsCountAndTotalOfZero) {
    Zbiorowka z;
    drukuj_zbiorowke(z, {});
    EXPECT_EQ(z.stron, 1);
    const auto t = z.c.teksty();
    EXPECT_EQ(o_tresci(t, "0").size(), 2u);
    EXPECT_EQ(o_tresci(t, "0,00").size(), 2u);
    EXPECT_EQ(o_tresci(t, "Razem :").size(), 2u);
}

struct Zestawienie {
    RecordingCanvas c;
    KolumnyRaportu k;
    TParZbiorowka par;
    int stron = 0;
};

void drukuj_zestawienie(Zestawienie& z, int zestaw, const std::vector<std::int64_t>& grosze,
                        const Marginesy& m = {}) {
    auto rs = kartoteka(grosze);
    z.par.data_od = "2026-03-08";
    z.par.data_do = "2026-03-15";
    auto wiersze = generuj_rs_zestaw_przel(*rs, z.par);
    if (zestaw == 1)
        kolumny_zestawienia_1(z.k);
    else
        kolumny_zestawienia_2(z.k);
    z.stron = drukuj_raport(z.c, kMiara,
                            zbuduj_zestawienie(ProjektBazowy{}, m, std::move(wiersze), z.k, z.par,
                                               TDateTime::from_ymd(2026, 3, 16)));
}

const TReportColumn* kolumna(const KolumnyRaportu& k, const std::string& opis) {
    for (const TReportColumn& c : k.kolumny())
        if (c.kol_opis == opis) return &c;
    return nullptr;
}

TEST(Zestawienie, ColumnSetsAreBothTablesOfTheSameWidth) {
    KolumnyRaportu k1, k2;
    kolumny_zestawienia_1(k1);
    kolumny_zestawienia_2(k2);
    EXPECT_NEAR(k1.szerokosc(), 7.23, 1e-9);
    EXPECT_NEAR(k2.szerokosc(), 7.23, 1e-9);
    ASSERT_NE(kolumna(k1, "Tytułem"), nullptr);
    ASSERT_NE(kolumna(k2, "Tytułem"), nullptr);
    EXPECT_NEAR(kolumna(k2, "Tytułem")->kol_szerokosc, 2 * kolumna(k1, "Tytułem")->kol_szerokosc, 1e-9);
    EXPECT_NE(kolumna(k1, "Zleceniodawca"), nullptr);
    EXPECT_EQ(kolumna(k2, "Zleceniodawca"), nullptr);
    // Each left edge is the sum of the widths before it; a set replaces the one before.
    for (const KolumnyRaportu* k : {&k1, &k2}) {
        double lewo = 0;
        for (const TReportColumn& c : k->kolumny()) {
            EXPECT_NEAR(c.kol_lewo, lewo, 1e-9) << c.kol_opis;
            lewo += c.kol_szerokosc;
        }
    }
    kolumny_zestawienia_2(k1);
    EXPECT_EQ(k1.kolumny().size(), 5u);
    EXPECT_NEAR(k1.szerokosc(), 7.23, 1e-9);

    // Drawn: captions of the set only, the bottom rule of a row 7.23 in wide.
    for (int zestaw : {1, 2}) {
        Zestawienie z;
        drukuj_zestawienie(z, zestaw, {1000});
        const auto t = z.c.teksty();
        EXPECT_EQ(o_tresci(t, "Zleceniodawca").size(), zestaw == 1 ? 1u : 0u);
        EXPECT_EQ(o_tresci(t, "Biuro Ćma").size(), zestaw == 1 ? 1u : 0u);
        const auto tytul = o_tresci(t, "Tytułem");
        ASSERT_EQ(tytul.size(), 1u);
        double najszersza = 0;
        for (const ZapisRysunku& l : z.c.rodzaju(R::linia))
            najszersza = std::max(najszersza, l.x2 - l.x1);
        EXPECT_NEAR(najszersza, 7.23 * kMm, 1e-9) << zestaw;
    }
}

TEST(Zestawienie, OverTwoPagesTitleOnceHeaderOnEachTotalAfterTheLastRow) {
    Zestawienie z;
    drukuj_zestawienie(z, 1, std::vector<std::int64_t>(60, 150));
    ASSERT_EQ(z.stron, 2);
    EXPECT_EQ(z.par.suma, "90,00");
    const std::string tytul = "RAPORT - zestawienie operacji  od:2026-03-08 do:2026-03-15";
    for (int s : {0, 1}) {
        const auto t = teksty_strony(z.c, s);
        EXPECT_EQ(o_tresci(t, tytul).size(), s == 0 ? 1u : 0u) << s;
        EXPECT_EQ(o_tresci(t, "Sporządzony dnia: 2026-03-16").size(), s == 0 ? 1u : 0u) << s;
        EXPECT_EQ(o_tresci(t, "Kwota").size(), 1u) << s;
        EXPECT_EQ(o_tresci(t, "Odbiorca").size(), 1u) << s;
        EXPECT_EQ(o_tresci(t, "Suma:").size(), s == 1 ? 1u : 0u) << s;
        EXPECT_EQ(o_tresci(t, "90,00").size(), s == 1 ? 1u : 0u) << s;

        // The page text at the top right: right edge at page width - right margin.
        const auto strona = o_tresci(t, tekst_strony(s + 1, 2));
        ASSERT_EQ(strona.size(), 1u) << s;
        EXPECT_NEAR(prawa_krawedz(strona[0]), (8.27 - 0.5) * kMm, 1e-9);
        EXPECT_NEAR(strona[0].y1, 0.5 * kMm + kMiara.wznios(strona[0].czcionka), 1e-9);
    }
    // The total comes after the last row, in the row's amount column.
    const auto ostatni = o_tresci(teksty_strony(z.c, 1), "Odbiorca 60");
    const auto suma = o_tresci(teksty_strony(z.c, 1), "90,00");
    ASSERT_EQ(ostatni.size(), 1u);
    EXPECT_NEAR(suma[0].y1 - ostatni[0].y1, 0.2 * kMm - 0.01 * kMm, 1e-9);
    EXPECT_NEAR(prawa_krawedz(suma[0]), (0.5 + 7.23 - 0.02) * kMm, 1e-9);
    // The column caption is 10 pt bold; the heading rule at its foot is the heavier line.
    const auto kwota = o_tresci(teksty_strony(z.c, 0), "Kwota");
    EXPECT_TRUE(kwota[0].czcionka.pogrubiona);
    EXPECT_EQ(kwota[0].czcionka.rozmiar, 10);
    int grube = 0;
    for (const ZapisRysunku& l : z.c.rodzaju(R::linia))
        if (l.pioro.szerokosc == 2) ++grube;
    EXPECT_EQ(grube, 2);
}

TEST(Zestawienie, TotalThatDoesNotFitGoesToANewPageUnderTheColumnHeader) {
    // 47 rows fill the first page: 0.9 + 0.5 + 0.2 + 47 x 0.2 = 11.0; the total's 0.2 passes 11.19.
    Zestawienie z;
    drukuj_zestawienie(z, 2, std::vector<std::int64_t>(47, 100));
    ASSERT_EQ(z.stron, 2);
    EXPECT_EQ(o_tresci(teksty_strony(z.c, 0), "Odbiorca 47").size(), 1u);
    const auto druga = teksty_strony(z.c, 1);
    EXPECT_EQ(o_tresci(druga, "Kwota").size(), 1u);
    EXPECT_EQ(o_tresci(druga, "Suma:").size(), 1u);
    EXPECT_EQ(o_tresci(druga, "47,00").size(), 1u);
}

TEST(Zestawienie, EmptySetPrintsATotalOfZero) {
    Zestawienie z;
    drukuj_zestawienie(z, 1, {});
    EXPECT_EQ(z.stron, 1);
    EXPECT_EQ(z.par.ilosc, "0");
    const auto t = z.c.teksty();
    EXPECT_EQ(o_tresci(t, "Suma:").size(), 1u);
    EXPECT_EQ(o_tresci(t, "0,00").size(), 1u);
    EXPECT_EQ(o_tresci(t, "Strona 1 z 1").size(), 1u);
}

TEST(Zestawienie, LongTextIsCutAtItsCell) {
    auto rs = kartoteka({100});
    TParZbiorowka par;
    auto wiersze = generuj_rs_zestaw_przel(*rs, par);
    wiersze[0].dost_nazwa = std::string(300, 'x');
    KolumnyRaportu k;
    kolumny_zestawienia_1(k);
    RecordingCanvas c;
    drukuj_raport(c, kMiara, zbuduj_zestawienie(ProjektBazowy{}, {}, wiersze, k, par, TDateTime::today()));
    const TReportColumn* odbiorca = kolumna(k, "Odbiorca");
    bool jest = false;
    for (const ZapisRysunku& t : c.teksty())
        if (t.tekst.rfind("xxx", 0) == 0) {
            jest = true;
            EXPECT_LE(prawa_krawedz(t),
                      (0.5 + odbiorca->kol_lewo + odbiorca->kol_szerokosc - 0.02) * kMm + 1e-9);
            EXPECT_GT(t.tekst.size(), 10u);
        }
    EXPECT_TRUE(jest);
}

TEST(Zestawienie, RowsCarryTheFieldsOfTheTransfers) {
    auto rs = kartoteka({123456, 50});
    TParZbiorowka par;
    const auto w = generuj_rs_zestaw_przel(*rs, par);
    ASSERT_EQ(w.size(), 2u);
    EXPECT_EQ(pole_zestawienia(w[0], "lp"), "1");
    EXPECT_EQ(pole_zestawienia(w[1], "lp"), "2");
    EXPECT_EQ(pole_zestawienia(w[0], "data"), "2026-03-10");
    EXPECT_EQ(pole_zestawienia(w[0], "dost_nazwa"), "Odbiorca 1");
    EXPECT_EQ(pole_zestawienia(w[0], "my_nazwa"), "Biuro Ćma");
    EXPECT_EQ(pole_zestawienia(w[1], "tytulem"), "Faktura 2");
    EXPECT_EQ(pole_zestawienia(w[0], "kwota"), "1 234,56");
    EXPECT_EQ(par.ilosc, "2");
    EXPECT_EQ(par.suma, "1235,06");
}

TEST(WyborWierszy, TickedAllAndApprovedRowsInListOrder) {
    ResultSet lista(
        {{"nr_id", ColumnKind::integer}, {"bufor", ColumnKind::integer}, {"kwota_money", ColumnKind::money}});
    const std::int64_t wiersze[][3] = {{7, 0, 100000}, {3, 1, 200000}, {9, 0, 300000}};
    for (const auto& w : wiersze)
        for (std::int64_t v : w)
            lista.add_integer(v);
    auto klucze = [](const WybraneWiersze& w) {
        std::vector<int> out;
        for (std::size_t i = 0; w.zbior && i < w.zbior->record_count(); ++i)
            out.push_back(w.zbior->row(w.zbior->row_id_at(i)).int_value("nr_id"));
        return out;
    };
    EXPECT_EQ(klucze(wybierz_wiersze(lista, {9, 7}, ZakresWierszy::zaznaczone)), (std::vector<int>{7, 9}));
    EXPECT_EQ(klucze(wybierz_wiersze(lista, {9, 7}, ZakresWierszy::wszystkie)), (std::vector<int>{7, 3, 9}));
    EXPECT_EQ(klucze(wybierz_wiersze(lista, {}, ZakresWierszy::zatwierdzone)), (std::vector<int>{7, 9}));
    const WybraneWiersze nic = wybierz_wiersze(lista, {}, ZakresWierszy::zaznaczone);
    EXPECT_TRUE(nic.brak_zaznaczenia);
    EXPECT_EQ(nic.zbior, nullptr);

    // "Zatwierdzone" of three rows with the second not approved: a statement of the first and third.
    TParZbiorowka par;
    const auto zatwierdzone = wybierz_wiersze(lista, {}, ZakresWierszy::zatwierdzone);
    ASSERT_NE(zatwierdzone.zbior, nullptr);
    const std::vector<WierszZbiorowki> zb =
        przygotuj_zbiorowke(*zatwierdzone.zbior, TDateTime::from_ymd(2026, 3, 1), "", par);
    EXPECT_EQ(par.suma, "40,00");
    EXPECT_EQ(par.ilosc, "2");

    // Rows hidden by the quick filter are not handed on; an empty list hands on nothing at all.
    lista.set_prefix_filter("nr_id", "9");
    EXPECT_EQ(klucze(wybierz_wiersze(lista, {}, ZakresWierszy::wszystkie)), (std::vector<int>{9}));
    ResultSet pusta({{"nr_id", ColumnKind::integer}, {"bufor", ColumnKind::integer}});
    for (ZakresWierszy z :
         {ZakresWierszy::zaznaczone, ZakresWierszy::wszystkie, ZakresWierszy::zatwierdzone}) {
        const WybraneWiersze w = wybierz_wiersze(pusta, {}, z);
        EXPECT_EQ(w.zbior, nullptr);
        EXPECT_FALSE(w.brak_zaznaczenia);
    }
}

TEST(Marginesy, StripsBelowHalfAnInchGiveHalfAnInch) {
    const struct {
        double l, t, r, b;  // strips in pixels at 600 dpi
        Marginesy m;
    } cases[] = {
        {102, 102, 102, 102, {0.5, 0.5, 0.5, 0.5}},  // 0.17 in
        {102, 102, 420, 102, {0.5, 0.5, 0.7, 0.5}},
        {0, 0, 0, 0, {0.5, 0.5, 0.5, 0.5}},
        {360, 480, 300, 600, {0.6, 0.8, 0.5, 1.0}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(marginesy_drukarki(c.l, c.t, c.r, c.b, 600, 600), c.m) << c.l << " " << c.r;
    // A right strip of 0.7 in moves the page text 0.2 in further left.
    Zestawienie szeroki, waski;
    drukuj_zestawienie(szeroki, 1, {100}, marginesy_drukarki(102, 102, 102, 102, 600, 600));
    drukuj_zestawienie(waski, 1, {100}, marginesy_drukarki(102, 102, 420, 102, 600, 600));
    const auto a = o_tresci(szeroki.c.teksty(), "Strona 1 z 1");
    const auto b = o_tresci(waski.c.teksty(), "Strona 1 z 1");
    ASSERT_EQ(a.size(), 1u);
    ASSERT_EQ(b.size(), 1u);
    EXPECT_NEAR(a[0].x1 - b[0].x1, 0.2 * kMm, 1e-9);
}

TEST(ProjektBazowy, WrittenWithDefaultsWhenMissingAndRefusedWithoutPageOrRegion) {
    test::TempProgramFolder folder;
    const ProjektBazowy p = wczytaj_projekt_bazowy();
    EXPECT_EQ(p.szerokosc_strony, 8.27);
    EXPECT_EQ(p.wysokosc_strony, 11.69);
    EXPECT_EQ(p.region_lewo, 0.5);
    EXPECT_EQ(p.czcionka, "ARIAL");
    EXPECT_EQ(p.rozmiar_czcionki, 10);
    EXPECT_EQ(p.wysokosc_wiersza, 0.2);
    EXPECT_EQ(czytaj_ini(kProjektBazowy, "Report1.Page1", "szerokosc", ""), "8.27");

    zapisz_ini(kProjektBazowy, "detail", "wysokosc", "0,25");
    zapisz_ini(kProjektBazowy, "czcionka", "nazwa", "Times New Roman CE");
    EXPECT_EQ(wczytaj_projekt_bazowy().wysokosc_wiersza, 0.25);
    EXPECT_EQ(wczytaj_projekt_bazowy().czcionka, "Times New Roman CE");

    // Without the page's or the region's keys the run stops with the report's message; a value that
    // is there but wrong names this file, its key and the kind of value expected, not the transfer
    // settings.
    const struct {
        const char* sekcja;
        const char* klucz;
        const char* wartosc;
        const char* komunikat;  // nullptr: the message names the file and the key
    } cases[] = {
        {"Report1.Page1", "szerokosc", "", kBrakStrony},
        {"Report1.Page1", "wysokosc", "abc", nullptr},
        {"Report1.Page1", "szerokosc", "0", nullptr},
        {"Region1", "lewo", "", kBrakRegionu},
        {"Region1", "lewo", "-1", nullptr},
        {"czcionka", "rozmiar", "0", nullptr},
        {"detail", "wysokosc", "x", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.klucz) + "=" + c.wartosc);
        test::write_text(folder.path() + kProjektBazowy,
                         "[Report1.Page1]\nszerokosc=8.27\nwysokosc=11.69\n[Region1]\nlewo=0.5\n");
        zapisz_ini(kProjektBazowy, c.sekcja, c.klucz, c.wartosc);
        try {
            wczytaj_projekt_bazowy();
            ADD_FAILURE() << "not refused";
        } catch (const BladRaportu& e) {
            EXPECT_TRUE(c.komunikat) << e.what();
            if (c.komunikat) {
                EXPECT_STREQ(e.what(), c.komunikat);
            }
        } catch (const BladUstawienia& e) {
            const std::string tresc = e.what();
            EXPECT_FALSE(c.komunikat) << tresc;
            EXPECT_NE(tresc.find("„rpt/projekt_bazowy.ini” w sekcji [" + std::string(c.sekcja) + "] klucz " +
                                 c.klucz + " ma wartość „" + c.wartosc + "”"),
                      std::string::npos)
                << tresc;
            EXPECT_NE(tresc.find("a powinien mieć liczbę"), std::string::npos) << tresc;
            EXPECT_EQ(tresc.find("Ustawienia Przelewy"), std::string::npos) << tresc;
            EXPECT_EQ(tresc.find("przelewu"), std::string::npos) << tresc;
        }
    }
    // A file without the sections at all is not rewritten with the defaults.
    test::write_text(folder.path() + kProjektBazowy, "[czcionka]\nnazwa=ARIAL\n");
    EXPECT_THROW(wczytaj_projekt_bazowy(), BladRaportu);
}

}  // namespace
}  // namespace zlx
