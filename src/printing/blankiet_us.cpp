#include "printing/blankiet_us.h"

#include <algorithm>

#include "printing/blankiet_bankowy.h"
#include "printing/dane.h"
#include "printing/pola.h"
#include "printing/rysunek.h"
#include "printing/ust_przelew.h"

namespace zlx {

void rysuj_biale_wiersze_us(Canvas& c, const TParPrzel& p) {
    const double l = p.wiersz_lewo;
    for (int w : {1, 2, 6, 7, 9})
        rysuj_bialy_odcinek(c, p, p.wiersz(w), l, p.wiersz_prawo);
    rysuj_bialy_odcinek(c, p, p.wiersz4, l + 50, p.wiersz_prawo);
    for (int w : {3, 5})
        rysuj_bialy_odcinek(c, p, p.wiersz(w), l, p.wiersz_prawo - 5);
    rysuj_bialy_odcinek(c, p, p.wiersz8, l, l + 70);
    rysuj_bialy_odcinek(c, p, p.wiersz8, l + 75, l + 80);
    rysuj_bialy_odcinek(c, p, p.wiersz8, l + 95, l + 130);
}

void drukuj_napis_podatki(Canvas& c, const TParPrzel& p) {
    c.font("Arial", 80);
    c.font_bold(true);
    c.font_colour(p.kolor_napisu_podatki);
    c.text(p.pole_lewo + 3, p.pole_gora + 57, "PODATKI");
    c.font_bold(false);
}

void rysuj_podzialy_us(Canvas& c, const TParPrzel& p) {
    c.pen_colour(p.kolor_linii);
    c.pen_style(StylPiora::ciagly);
    c.pen_width(8);
    const auto x = [&](int j) { return p.pole_lewo + p.kratka_szer * (j + 1); };
    for (int j : {13, 17})
        c.line(x(j), p.wiersz8 - 3, x(j), p.wiersz8 + p.wiersz_wys);
    for (int j : {20, 21, 23})
        c.line(x(j), p.wiersz8 - 3, x(j), p.wiersz8 + p.wiersz_wys - 3);
    c.line(x(6), p.wiersz9 - 3, x(6), p.wiersz9 + p.wiersz_wys);
    c.pen_width(1);
}

void rysuj_etykiety_us(Canvas& c, const TParPrzel& p) {
    rysuj_etykiete_wiersza(c, p, "01. nazwa  organu podatkowego", p.wiersz1, 0, 20);
    rysuj_etykiete_wiersza(c, p, "02. nazwa  organu podatkowego cd.", p.wiersz2, 0, 28);
    rysuj_etykiete_wiersza(c, p, "03. nr rachunku bankowego organu podatkowego", p.wiersz3, 0, 28);
    rysuj_etykiete_wiersza(c, p, "04", p.wiersz4, 55, 10);
    rysuj_etykiete_wiersza(c, p, "05. kwota", p.wiersz4, 75, 10);
    rysuj_etykiete_wiersza(c, p, "06. nr rachunku  bankowego zobowiązanego (przelew)/kwota słownie(wpłata) ",
                           p.wiersz5, 0, 75);
    rysuj_etykiete_wiersza(c, p, "07. nazwa i adres zobowiązanego", p.wiersz6, 0, 28);
    rysuj_etykiete_wiersza(c, p, "08. nazwa i adres zobowiązanego cd", p.wiersz7, 0, 28);
    rysuj_etykiete_wiersza(c, p, "09. NIP lub identyfikator uzupełniający zobowiązanego", p.wiersz8, 0, 75);
    rysuj_etykiete_wiersza(c, p, "10. typ identyfikatora", p.wiersz8, 70, 28);
    rysuj_etykiete_wiersza(c, p, "11. okres(rok, typ okresu, nr okresu)", p.wiersz8, 90, 35);
    rysuj_etykiete_wiersza(c, p, "12. symbol formularza lub płatności", p.wiersz9, 0, 28);
    rysuj_etykiete_wiersza(c, p,
                           "13. Identyfikacja zobowiązania (rodzaj dokumentu np. decyzja, tytuł wykonawczy, "
                           "postanowienie)",
                           p.wiersz9, 35, 77);
    const char* objasnienia[] = {"typ identyfikatora N-NIP,",
                                 "R-Regon,P-Pesel,",
                                 "1-dowód osobisty, 2-paszport",
                                 "3-inny dokument potwierdzający",
                                 "tożsamość",
                                 "typ okresu np. R-rok ",
                                 "P-półrocze,K-kwartał",
                                 "M-miesiąc,D-dekada,J-dzień"};
    double y = p.pole_gora + 87;
    for (const char* o : objasnienia) {
        drukuj_etykiete(c, o, p, p.pole_lewo + 115, y);
        y += 2;
    }
    drukuj_etykiete(c, "15.Opłata", p, p.pole_lewo + 70, p.pole_gora + 88);
    rysuj_etykiete_podpisu(c, p);
}

void rysuj_przelew_us(Canvas& c, const TPrzelew& t, TParPrzel p) {
    rysuj_obrys(c, p);
    rysuj_biale_wiersze_us(c, p);
    if (p.us_napis_podatki == 1) drukuj_napis_podatki(c, p);
    rysuj_biale_wiersze_us(c, p);
    for (int w : {1, 2, 6, 7, 9})
        rysuj_kratki(c, p, 25, p.wiersz(w));
    for (int w : {3, 5}) {
        rysuj_kratki(c, p, 24, p.wiersz(w));
        rysuj_znaczniki_konta(c, p, p.wiersz(w));
    }
    rysuj_kratki_kwoty(c, p, p.wiersz4);
    rysuj_kratki_od(c, p, 12, p.wiersz8, p.pole_lewo);
    rysuj_kratki_od(c, p, 5, p.wiersz8, p.pole_lewo + 95);
    rysuj_ramke_i_pola(c, p);
    rysuj_podzialy_us(c, p);
    rysuj_etykiety_us(c, p);
    rysuj_ramki_konta_i_kwoty(c, p);
    rysuj_narozniki(c, p);
    drukuj_dane_us(c, p, t);
}

void drukuj_dane_us(Canvas& c, const TParPrzel& p, const TPrzelew& t) {
    const int rozmiar = rozmiar_czcionki(p);
    if (p.nadruk == 0) {
        drukuj_kod_formularza(c, p, "07", p.pole_lewo + 126.5, p.pole_gora + 75.5);
        drukuj_walute(c, p, t);
    }
    if (t.drukuj_kwote == 1) drukuj_znak_wp(c, p, t);

    TParNapisy n = napisy_danych(p, rozmiar, 54);
    // A field and its white segment: `kratek` cells from the panel's left edge + dx.
    const auto pole = [&](int w, double dx, const std::string& tekst, int tryb, int kratek) {
        ustaw_pole_kratek(n, p, dx, kratek);
        n.prawo = std::min(n.prawo, p.wiersz_prawo - (w == 3 ? p.kratka_szer : 0));
        n.y = p.wiersz(w);
        n.tryb = tryb;
        drukuj_pole(c, tekst, p, n);
    };
    const int zwykly = tryb_pola(p.kratki);
    pole(1, 0, t.dost_nazwa, zwykly, 27);
    pole(2, 0, t.dost_adres, zwykly, 27);
    pole(3, 0, konto_do_druku(t.dost_konto_druk, p.kratki), tryb_konta(p.kratki), 26);
    drukuj_kwote_i_wiersz5(c, p, t, rozmiar, 54);
    pole(6, 0, t.my_nazwa, zwykly, 27);
    pole(7, 0, t.my_adres, zwykly, 27);
    pole(8, 0, t.us_iduzup, zwykly, 14);
    pole(8, 75, t.us_typiduzup, 1, 1);
    pole(8, 95, t.us_rokokresu, 1, 2);
    pole(8, 105, t.us_typokresu, 1, 1);
    pole(8, 110, t.us_nrokresu, 1, 2);
    pole(9, 0, t.us_symbolformularza, zwykly, 7);
    pole(9, 35, t.us_identyfikacjazobowiazania, zwykly, 20);
    drukuj_date_przelewu(c, p, t, rozmiar);
}

namespace {

TParPrzel blankiet_us(const TParPrzel& od_sterownika, int zestaw, double gora, double lewo,
                      const char* napis) {
    TParPrzel p = od_sterownika;
    p.wariant_podpisu = 0;
    p.napis_odcinka = napis;
    ustaw_geometrie_us(zestaw, p, gora, lewo);
    return p;
}

}  // namespace

void przelew_us_2_kopie(Canvas& c, const TParPrzel& p, const TPrzelew& t) {
    const TUstPrzelew u = wczytaj_ust_przelew();
    const double top = margines(u, "us_wydruk_top"), left = margines(u, "us_wydruk_left");
    rysuj_przelew_us(c, t, blankiet_us(p, kZestaw1, top, left, "Odcinek dla zleceniodawcy"));
    rysuj_przelew_us(c, t, blankiet_us(p, kZestaw2, top + 106.5, left, "Odcinek dla odbiorcy"));
}

void przelew_us_nadruk(Canvas& c, const TParPrzel& p, const TPrzelew& t) {
    const TUstPrzelew u = wczytaj_ust_przelew();
    const double top = margines(u, "us_nadruk_top"), left = margines(u, "us_nadruk_left");
    const double odstep = margines(u, "us_nadruk_odstep");
    drukuj_dane_us(c, blankiet_us(p, kZestaw1, top, left, "Odcinek dla zleceniodawcy"), t);
    drukuj_dane_us(c, blankiet_us(p, kZestaw2, top + 106.5 + odstep, left, "Odcinek dla odbiorcy"), t);
}

const std::array<PozycjaUkladu, 2> kUkladyUs = {{
    {"Przelew US - wydruk 2 kopie", przelew_us_2_kopie},
    {"Przelew US nadruk 2 kopie - na formularzu", przelew_us_nadruk},
}};

}  // namespace zlx
