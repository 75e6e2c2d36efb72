#include "printing/blankiet_bankowy.h"

#include "core/text.h"
#include "printing/dane.h"
#include "printing/pola.h"
#include "printing/rysunek.h"
#include "printing/ust_przelew.h"

namespace zlx {

void rysuj_biale_wiersze(Canvas& c, const TParPrzel& p) {
    for (int w = 1; w <= 9; ++w) {
        const double y = p.wiersz(w);
        const double lewy = w == 4 ? p.wiersz_lewo + 50 : p.wiersz_lewo;
        const double prawy = w == 3 || w == 5 ? p.wiersz_prawo - 5 : p.wiersz_prawo;
        rysuj_bialy_odcinek(c, p, y, lewy, prawy);
    }
    for (int w = 1; w <= 9; ++w) {
        const double y = p.wiersz(w);
        if (w == 3 || w == 5) {
            rysuj_kratki(c, p, 24, y);
            rysuj_znaczniki_konta(c, p, y);
        } else if (w == 4) {
            rysuj_kratki_kwoty(c, p, y);
        } else {
            rysuj_kratki(c, p, 25, y);
        }
    }
}

void rysuj_etykiety_bankowe(Canvas& c, const TParPrzel& p) {
    rysuj_etykiete_wiersza(c, p, "nazwa  odbiorcy", p.wiersz1, 0, 20);
    rysuj_etykiete_wiersza(c, p, "nazwa  odbiorcy cd.", p.wiersz2, 0, 28);
    rysuj_etykiete_wiersza(c, p, "nr. rachunku  odbiorcy", p.wiersz3, 0, 28);
    rysuj_etykiete_wiersza(c, p, "waluta", p.wiersz4, 55, 10);
    rysuj_etykiete_wiersza(c, p, "kwota", p.wiersz4, 75, 10);
    rysuj_etykiete_wiersza(c, p, "nr rachunku  zleceniodawcy(przelew)/kwota słownie(wpłata)", p.wiersz5, 0,
                           75);
    rysuj_etykiete_wiersza(c, p, "nazwa  zleceniodawcy", p.wiersz6, 0, 28);
    rysuj_etykiete_wiersza(c, p, "nazwa  zleceniodawcy cd", p.wiersz7, 0, 28);
    rysuj_etykiete_wiersza(c, p, "tytułem", p.wiersz8, 0, 28);
    rysuj_etykiete_wiersza(c, p, "tytułem  cd.", p.wiersz9, 0, 28);
    rysuj_etykiete_podpisu(c, p);
}

void rysuj_przelew_bankowy(Canvas& c, const TPrzelew& t, TParPrzel p) {
    rysuj_obrys(c, p);
    rysuj_biale_wiersze(c, p);
    rysuj_ramke_i_pola(c, p);
    rysuj_etykiety_bankowe(c, p);
    rysuj_ramki_konta_i_kwoty(c, p);
    rysuj_narozniki(c, p);
    drukuj_dane_bankowe(c, p, t);
}

void drukuj_kod_formularza(Canvas& c, const TParPrzel& p, const std::string& kod, double x, double y) {
    TParNapisy n = napisy_kodu(p);
    n.x = x;
    n.y = y;
    n.prawo = p.kod_lewo + p.kod_szer;
    drukuj_pole(c, kod, p, n);
}

void ustaw_pole_kratek(TParNapisy& n, const TParPrzel& p, double dx, int ile) {
    n.x = p.pole_lewo + dx;
    n.max_kratek = ile;
    n.prawo = n.x + 0.2 + ile * p.kratka_szer;
}

void drukuj_walute(Canvas& c, const TParPrzel& p, const TPrzelew& t) {
    TParNapisy n = napisy_kodu(p);
    n.tryb = 1;
    ustaw_pole_kratek(n, p, 55, 3);
    n.y = p.wiersz4;
    drukuj_pole(c, t.waluta, p, n);
}

void drukuj_znak_wp(Canvas& c, const TParPrzel& p, const TPrzelew& t) {
    TParNapisy n = napisy_kodu(p);
    n.tryb = 1;
    ustaw_pole_kratek(n, p, t.p_w == 1 ? 45 : 40, 1);
    n.y = p.wiersz4;
    drukuj_pole(c, "X", p, n);
}

void drukuj_kwote_i_wiersz5(Canvas& c, const TParPrzel& p, const TPrzelew& t, int rozmiar, int max_znakow) {
    TParNapisy n = napisy_danych(p, rozmiar, max_znakow);
    n.bez_utraty = 1;
    if (t.drukuj_kwote == 1) {
        n.x = p.pole_lewo + 75;
        n.y = p.wiersz4;
        drukuj_pole(c, t.kwota_druk, p, n);
    }
    if (t.drukuj_kwote != 1 && t.p_w != 0) return;
    n.x = p.pole_lewo;
    n.y = p.wiersz5;
    n.prawo = p.wiersz_prawo - p.kratka_szer;
    if (t.p_w == 0) {
        n.tryb = tryb_konta(p.kratki);
        n.bez_utraty = 0;
    }
    drukuj_pole(c, tekst_wiersza5(t, p.kratki), p, n);
}

void drukuj_date_przelewu(Canvas& c, const TParPrzel& p, const TPrzelew& t, int rozmiar) {
    if (t.drukuj_date != 1) return;
    TParNapisy n = napisy_danych(p, rozmiar, 100);
    n.tryb = 0;
    n.x = p.data_lewo;
    n.y = p.data_gora;
    n.prawo = p.podpis_lewo + p.podpis_szer;
    drukuj_pole(c, t.data.to_text(), p, n);
}

void drukuj_dane_bankowe(Canvas& c, const TParPrzel& p, const TPrzelew& t) {
    const int rozmiar = rozmiar_czcionki(p);
    if (p.nadruk == 0) {
        drukuj_kod_formularza(c, p, "06", p.pole_lewo + 127, p.pole_gora + 77);
        drukuj_walute(c, p, t);
    }
    drukuj_znak_wp(c, p, t);

    TParNapisy n = napisy_danych(p, rozmiar, 100);
    const auto wiersz = [&](int w, const std::string& tekst, int tryb) {
        n.y = p.wiersz(w);
        n.tryb = tryb;
        // The account rows end one cell short of the others.
        n.prawo = w == 3 ? p.wiersz_prawo - p.kratka_szer : p.wiersz_prawo;
        drukuj_pole(c, tekst, p, n);
    };
    const int zwykly = tryb_pola(p.kratki);
    wiersz(1, t.dost_nazwa, zwykly);
    wiersz(2, t.dost_adres, zwykly);
    wiersz(3, konto_do_druku(t.dost_konto_druk, p.kratki), tryb_konta(p.kratki));
    drukuj_kwote_i_wiersz5(c, p, t, rozmiar, 100);
    wiersz(6, t.my_nazwa, zwykly);
    wiersz(7, t.my_adres, zwykly);
    wiersz(8, t.tytulem, zwykly);
    wiersz(9, t.tytulemcd, zwykly);
    drukuj_date_przelewu(c, p, t, rozmiar);
}

void rysuj_przelew_z_potwierdzeniem(Canvas& c, const std::string& napis, const TPrzelew& t, TParPrzel p) {
    rysuj_przelew_bankowy(c, t, p);

    c.pen_colour(kCzarny);
    c.pen_style(StylPiora::kreskowany);
    c.brush(kBialy);
    c.rectangle(p.odcinek_lewo, p.odcinek_gora, p.odcinek_lewo + 57, p.odcinek_gora + p.blankiet_wys);

    const double l = p.pokwit_lewo, g = p.pokwit_gora;
    c.pen_colour(p.kolor_linii);
    c.pen_style(StylPiora::ciagly);
    c.rectangle(l, g, l + 47, g + 73);
    c.brush(p.kolor_linii);
    c.rectangle(l, g + 7.3, l + 47, g + 9);
    for (double dy : {16.0, 33.0, 41.0})
        c.line(l, g + dy, l + 47, g + dy);

    const auto pasek = [&](const char* tekst, double x1, double y1, double x2, double y2) {
        c.pen_style(StylPiora::brak);
        c.brush(kBialy);
        c.rectangle(x1, y1, x2, y2);
        c.pen_style(StylPiora::ciagly);
        drukuj_etykiete(c, tekst, p, x1, y2);
    };
    pasek("Nr rachunku odbiorcy", l + 15, g - 2, l + 39, g);
    pasek("Nr rachunku odbiorcy c.d.", l + 15, g + 7.5, l + 39, g + 9.5);
    pasek("Odbiorca", l + 0.5, g + 17, l + 44.5, g + 19);
    pasek("Kwota", l + 0.5, g + 34, l + 44.5, g + 36);
    pasek("Zleceniodawca", l + 0.5, g + 43, l + 44.5, g + 45);
    pasek("Tytułem", l + 0.5, g + 58, l + 44.5, g + 60);
    drukuj_etykiete(c, "..............................................", p, l + 21, g + 96);
    drukuj_etykiete(c, "opłata", p, l + 32, g + 100);

    c.pen_colour(p.kolor_linii);
    c.pen_style(StylPiora::kreskowany);
    c.brush(kBialy);
    c.ellipse(l, g + 79, l + 16, g + 95);
    c.pen_style(StylPiora::ciagly);
    drukuj_etykiete(c, "stempel  dzienny", p, l + 0.5, g + 86.5);

    drukuj_dane_potwierdzenia(c, p, t);

    c.font("Arial CE", 8);
    c.font_colour(p.kolor_linii);
    if (p.pionowe_napisy == 1) {
        c.font_rotation(90);
        c.text(p.odcinek_lewo + 4, p.odcinek_gora + 63, napis);
        c.font_rotation(0);
    }
}

void drukuj_dane_potwierdzenia(Canvas& c, const TParPrzel& p, const TPrzelew& t) {
    const int znakow =
        calkowita_ustawienia("pocztiloscznakow", czytaj_ust("opcje_wydrukow", "pocztiloscznakow", "27"), 1,
                             100, "liczbę całkowitą znaków od 1 do 100");
    const double x = p.pokwit_lewo + 1, g = p.pokwit_gora;
    drukuj_wiersze(c, t.dost_konto, 2, znakow, x, g + 6, p, 8);
    drukuj_wiersze(c, t.dost_nazwa + " " + t.dost_adres, 3, znakow, x, g + 22, p, 4);
    if (t.drukuj_kwote == 1) drukuj_wiersze(c, t.kwota_druk + " " + t.waluta, 1, znakow, x, g + 39, p, 4);
    drukuj_wiersze(c, t.my_nazwa + " " + t.my_adres, 3, znakow, x, g + 49, p, 4);
    drukuj_wiersze(c, t.tytulem + " " + t.tytulemcd, 3, znakow, x, g + 63, p, 4);
}

}  // namespace zlx
