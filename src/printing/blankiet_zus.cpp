#include "printing/blankiet_zus.h"

#include <algorithm>

#include "core/fitting.h"
#include "core/text.h"
#include "printing/blankiet_bankowy.h"
#include "printing/dane.h"
#include "printing/pola.h"
#include "printing/rysunek.h"
#include "printing/ust_przelew.h"

namespace zlx {

void drukuj_napis_zus(Canvas& c, const TParPrzel& p) {
    c.font("Arial Black", 160);
    c.font_bold(true);
    c.font_colour(p.kolor_napisu_zus);
    c.text(p.pole_lewo + 7, p.pole_gora + 65, "ZUS");
    c.font_bold(false);
}

void rysuj_biale_wiersze_zus(Canvas& c, const TParPrzel& p) {
    const double l = p.wiersz_lewo;
    for (int w : {3, 5})
        rysuj_bialy_odcinek(c, p, p.wiersz(w), l, p.wiersz_prawo - 5);
    rysuj_bialy_odcinek(c, p, p.wiersz4, l + 50, p.wiersz_prawo);
    for (int w : {6, 7})
        rysuj_bialy_odcinek(c, p, p.wiersz(w), l, p.wiersz_prawo);
    rysuj_bialy_odcinek(c, p, p.wiersz8, l, l + 50);
    rysuj_bialy_odcinek(c, p, p.wiersz8, l + 55, l + 60);
    rysuj_bialy_odcinek(c, p, p.wiersz8, l + 65, l + 135);
    rysuj_bialy_odcinek(c, p, p.wiersz9, l, l + 5);
    rysuj_bialy_odcinek(c, p, p.wiersz9, l + 10, l + 20);
    rysuj_bialy_odcinek(c, p, p.wiersz9, l + 25, l + 55);
    rysuj_bialy_odcinek(c, p, p.wiersz9, l + 60, l + 135);
}

void rysuj_podzialy_zus(Canvas& c, const TParPrzel& p) {
    c.pen_colour(p.kolor_linii);
    c.pen_style(StylPiora::ciagly);
    c.pen_width(8);
    c.line(p.pole_lewo + 35, p.wiersz9, p.pole_lewo + 35, p.wiersz9 + p.wiersz_wys);
    c.pen_width(1);
}

void rysuj_etykiety_zus(Canvas& c, const TParPrzel& p) {
    c.font("Times New Roman", 12);
    c.font_bold(true);
    c.text(p.pole_lewo + 2.5, p.pole_gora + 6, "Zakład Ubezpieczeń Społecznych");
    c.font_colour(p.kolor_linii);
    c.text(p.pole_lewo + 6.5, p.pole_gora + 12, "Należności z tytułu składek");
    c.font_bold(false);

    struct Etykieta {
        int wiersz;
        const char* tekst;
        double przesuniecie;
    };
    const Etykieta etykiety[] = {
        {3, "01. Nr rachunku bankowego ZUS", 0.2},
        {4, "03", 40.2},
        {4, "04. Kwota", 75.2},
        {5, "04. Nr rachunku  bankowego płatnika/kwota słownie ", 0.2},
        {6, "05. Nazwa skrócona płatnika lub nazwisko i imie płatnika ", 0.2},
        {7, "Nazwa skrócona płatnika lub nazwisko i imie płatnika cd", 0.2},
        {8, "06. NIP płatnika", 0.2},
        {8, "07.", 55.2},
        {8, "08. Drugi identyfikator płatnika", 65.2},
        {9, "09.", 0.2},
        {9, "10.Nr deklaracji", 8},
        {9, "11.Deklaracja", 25.2},
        {9, "12.Nr dezycji/umowy/tytułu wykonawczego", 60.2},
    };
    for (const Etykieta& e : etykiety)
        drukuj_etykiete(c, e.tekst, p, p.wiersz_lewo + e.przesuniecie, p.wiersz(e.wiersz));

    const auto kolumna = [&](double x, double y, std::initializer_list<const char*> teksty) {
        for (const char* t : teksty) {
            drukuj_etykiete(c, t, p, x, y);
            y += 2;
        }
    };
    kolumna(p.pole_lewo + 73.5, p.pole_gora + 4,
            {"07.Typ drugiego", "identyfikatora:", "N-NUSP", "R-REGON", "P-PESEL", "1-Dowód osobisty ",
             "2-Paszport"});
    kolumna(p.pole_lewo + 91, p.pole_gora + 4,
            {"01.Nr rachunku bankowego ZUS", "Ubezpieczenie społeczne wpisać 83 w 1 i 2 kratce",
             "oraz 1 w 21 kratce", "Ubezpieczenie zdrowotne wpisać 78 w 1 i 2 kratce", "oraz 2 w 21 kratce",
             "FP i FGŚP wpisać 73 w 1 i 2 kratce oraz 3 w 21 kratce ",
             "FEP wpisać 68 w 1 i 2 kratce oraz 4 w 21 kratce "});
    kolumna(p.pole_lewo + 115, p.pole_gora + 87,
            {"09.Typ wpłaty", "S-składka za 1 m-c", "M-składka dłuższa niż m-c", "U-układ ratalny",
             "T-odroczenie terminu", "D-dodatkowa opłata", "E-koszty egzekucyjne", "A-dodatkowa opłata"});
    drukuj_etykiete(c, "za błędy płatnika", p, p.pole_lewo + 117, p.pole_gora + 103);
    drukuj_etykiete(c, "Opłata", p, p.pole_lewo + 70, p.pole_gora + 88);
    rysuj_etykiete_podpisu(c, p);
}

void rysuj_przelew_zus(Canvas& c, const TPrzelew& t, TParPrzel p) {
    rysuj_obrys(c, p);
    if (p.zus_napis_zus == 1) drukuj_napis_zus(c, p);
    rysuj_biale_wiersze_zus(c, p);
    rysuj_biale_wiersze_zus(c, p);
    rysuj_podzialy_zus(c, p);
    rysuj_kratki(c, p, 24, p.wiersz3);
    rysuj_znaczniki_konta(c, p, p.wiersz3);
    rysuj_kratki_kwoty(c, p, p.wiersz4);
    rysuj_kratki(c, p, 25, p.wiersz5);
    rysuj_znaczniki_konta(c, p, p.wiersz5);
    rysuj_kratki(c, p, 25, p.wiersz6);
    rysuj_kratki(c, p, 25, p.wiersz7);
    rysuj_kratki_od(c, p, 8, p.wiersz8, p.pole_lewo);
    rysuj_kratki_od(c, p, 13, p.wiersz8, p.pole_lewo + 60);
    rysuj_kratki(c, p, 25, p.wiersz9);
    rysuj_znaczniki_decyzji(c, p, p.wiersz9);
    rysuj_ramke_i_pola(c, p);
    rysuj_etykiety_zus(c, p);
    rysuj_narozniki(c, p);
    drukuj_dane_zus(c, p, t);
}

void drukuj_dane_zus(Canvas& c, const TParPrzel& p, const TPrzelew& t) {
    const int rozmiar = rozmiar_czcionki(p);
    TParNapisy n = napisy_danych(p, rozmiar, 54);
    const auto pole = [&](int w, double dx, const std::string& tekst, int kratek) {
        ustaw_pole_kratek(n, p, dx, kratek);
        n.prawo = std::min(n.prawo, p.wiersz_prawo - (w == 3 ? p.kratka_szer : 0));
        n.y = p.wiersz(w);
        n.tryb = 1;
        drukuj_pole(c, tekst, p, n);
    };
    const std::string konto = tylko_cyfry(t.dost_konto_druk);
    if (p.nadruk == 0) {
        if (czytaj_ust("kolory", "zus_poddruk_mmrrrr", "1") == "1") {
            n.pogrubiona = 1;
            n.kolor = p.kolor_linii;
            pole(9, 25, "MM", 2);
            pole(9, 35, "RRRR", 4);
            n.kolor = kCzarny;
            n.pogrubiona = 0;
        }
        drukuj_kod_formularza(c, p, "00", p.pole_lewo + 126.5, p.pole_gora + 75.5);
        if (t.drukuj_kwote == 1) drukuj_znak_wp(c, p, t);
        drukuj_walute(c, p, t);
        n.pogrubiona = 1;
        pole(3, 0, konto, 26);
        n.pogrubiona = 0;
    } else {
        ustaw_pole_kratek(n, p, 0, 26);
        n.y = p.wiersz3;
        n.tryb = 1;
        drukuj_pole_konta_zus(c, konto, p, n);
    }

    n = napisy_danych(p, rozmiar, 54);
    if (t.drukuj_kwote == 1) drukuj_kwote_i_wiersz5(c, p, t, rozmiar, 54);
    n.y = p.wiersz6;
    drukuj_pole(c, t.my_nazwa, p, n);
    n.y = p.wiersz7;
    drukuj_pole(c, t.my_adres, p, n);

    pole(8, 0, tylko_cyfry(t.zus_nipplatnik), 10);
    pole(8, 55, t.zus_iduzup, 1);
    pole(8, 65, t.zus_numeriduzup, 14);
    pole(9, 0, t.zus_typwplaty, 1);
    pole(9, 10, t.zus_nrdeklaracji, 2);
    n.pogrubiona = 1;
    pole(9, 25, t.zus_deklaracja2, 2);
    pole(9, 35, t.zus_deklaracja1, 4);
    n.pogrubiona = 0;
    pole(9, 60, t.zus_nrdecyzji, 15);
    drukuj_date_przelewu(c, p, t, rozmiar);
}

namespace {

TParPrzel blankiet_zus(int zestaw, double gora, double lewo, int nadruk, const char* napis) {
    TParPrzel p;
    ustaw_geometrie_zus(zestaw, p, gora, lewo);
    p.nadruk = nadruk;
    p.wariant_podpisu = 0;
    p.napis_odcinka = napis;
    return p;
}

}  // namespace

void przelew_zus_2_kopie(Canvas& c, const TParPrzel& p, const TPrzelew& t) {
    const TUstPrzelew u = wczytaj_ust_przelew();
    const double top = margines(u, "zus_wydruk_top"), left = margines(u, "zus_wydruk_left");
    rysuj_przelew_zus(c, t, blankiet_zus(kZestaw1, top, left, p.nadruk, "Odcinek dla zleceniodawcy"));
    rysuj_przelew_zus(c, t, blankiet_zus(kZestaw2, top + 106.5, left, p.nadruk, "Odcinek dla odbiorcy"));
}

void przelew_zus_nadruk(Canvas& c, const TParPrzel&, const TPrzelew& t) {
    const TUstPrzelew u = wczytaj_ust_przelew();
    const double top = margines(u, "zus_nadruk_top"), left = margines(u, "zus_nadruk_left");
    const double odstep = margines(u, "zus_nadruk_odstep");
    drukuj_dane_zus(c, blankiet_zus(kZestaw1, top, left, 1, "Odcinek dla zleceniodawcy"), t);
    drukuj_dane_zus(c, blankiet_zus(kZestaw2, top + 106.5 + odstep, left, 1, "Odcinek dla odbiorcy"), t);
}

const std::array<PozycjaUkladu, 2> kUkladyZus = {{
    {"Przelew ZUS - wydruk 2 kopie", przelew_zus_2_kopie},
    {"Przelew ZUS nadruk 2 kopie - na formularzu", przelew_zus_nadruk},
}};

}  // namespace zlx
