#include "printing/rysunek.h"

#include "printing/pola.h"

namespace zlx {

namespace {

void bar(Canvas& c, double x, double y, double wys) {
    c.rectangle(x, y, x + 0.1, y + wys);
}

void pelne_kratki(Canvas& c, const TParPrzel& p) {
    c.pen_style(StylPiora::brak);
    c.brush(p.kolor_linii, StylPedzla::pelny);
}

void znacznik(Canvas& c, const TParPrzel& p, double x, double y) {
    c.rectangle(x - p.znacznik_szer / 2, y + p.wiersz_wys - p.znacznik_wys, x + p.znacznik_szer / 2,
                y + p.wiersz_wys);
}

void pioro(Canvas& c, Kolor k, StylPiora s = StylPiora::ciagly, int w = 1) {
    c.pen_colour(k);
    c.pen_style(s);
    c.pen_width(w);
}

}  // namespace

void rysuj_kratki_od(Canvas& c, const TParPrzel& p, int n, double y, double x0) {
    pelne_kratki(c, p);
    for (int k = 1; k <= n + 1; ++k)
        bar(c, x0 + p.kratka_szer * k, y, p.wiersz_wys);
    c.pen_style(StylPiora::ciagly);
}

void rysuj_kratki(Canvas& c, const TParPrzel& p, int n, double y) {
    rysuj_kratki_od(c, p, n, y, p.wiersz_lewo);
}

void rysuj_znaczniki_konta(Canvas& c, const TParPrzel& p, double y) {
    pioro(c, p.kolor_linii);
    c.brush(p.kolor_linii);
    for (int j : {2, 6, 10, 14, 18, 22})
        znacznik(c, p, p.wiersz_lewo + p.kratka_szer * j, y);
}

void rysuj_znaczniki_decyzji(Canvas& c, const TParPrzel& p, double y) {
    pioro(c, p.kolor_linii);
    c.brush(p.kolor_linii);
    for (int j = 12; j <= 27; ++j)
        znacznik(c, p, p.wiersz_lewo + p.kratka_szer * j, y);
}

void rysuj_kratki_kwoty(Canvas& c, const TParPrzel& p, double y) {
    pelne_kratki(c, p);
    for (int j : {11, 12, 13, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25})
        bar(c, p.wiersz_lewo + p.kratka_szer * (j + 1), y, p.wiersz_wys);
    c.pen_style(StylPiora::ciagly);
}

void rysuj_kwadraty_wp(Canvas& c, const TParPrzel& p, double y) {
    pioro(c, kBialy);
    c.brush(kBialy);
    for (int j : {7, 8}) {
        const double x = p.wiersz_lewo + p.kratka_szer * (j + 1);
        c.rectangle(x + 0.5, y + 0.5, x + 4, y + 4.6);
        c.text(x + 1, y + 4, j == 7 ? "W" : "P");
    }
}

void rysuj_kratki_oplaty(Canvas& c, const TParPrzel& p) {
    c.pen_style(StylPiora::brak);
    c.brush(p.kolor_tla);
    for (int k = 1; k <= 3; ++k)
        bar(c, p.oplata_lewo + p.kratka_szer * k, p.oplata_gora, 5.1);
    c.pen_style(StylPiora::ciagly);
}

void rysuj_narozniki(Canvas& c, const TParPrzel& p) {
    pioro(c, kCzarny, StylPiora::ciagly, 8);
    const double l = p.pole_lewo, g = p.pole_gora;
    c.line(l - 1, g, l + 6, g);
    c.line(l - 1, g, l - 1, g + 7);
    c.line(l + 136.5, g, l + 129.5, g);
    c.line(l + 136.5, g, l + 136.5, g + 7);
    const double d = p.podpis_gora - 2.4;
    c.line(l - 1, d, l + 6, d);
    c.line(l - 1, d, l - 1, p.podpis_gora - 9.4);
    c.pen_width(1);
}

void rysuj_obrys(Canvas& c, const TParPrzel& p) {
    pioro(c, kCzarny);
    c.brush(kBialy);
    c.rectangle(p.lewo, p.gora, p.lewo + p.blankiet_szer, p.gora + p.blankiet_wys);
    pioro(c, p.kolor_linii);
    c.brush(p.kolor_tla);
    c.rectangle(p.pole_lewo, p.pole_gora, p.pole_lewo + p.pole_szer, p.pole_gora + p.pole_wys);
}

void rysuj_ramke_i_pola(Canvas& c, const TParPrzel& p) {
    pioro(c, p.kolor_linii);
    c.brush(p.kolor_tla, StylPedzla::brak);
    c.rectangle(p.pole_lewo, p.pole_gora, p.pole_lewo + p.pole_szer, p.pole_gora + p.pole_wys);

    c.brush(kBialy);
    c.rectangle(p.podpis_lewo, p.podpis_gora, p.podpis_lewo + p.podpis_szer, p.podpis_gora + p.podpis_wys);
    c.rectangle(p.stempel_lewo, p.stempel_gora, p.stempel_lewo + p.stempel_szer,
                p.stempel_gora + p.stempel_wys);
    c.rectangle(p.oplata_lewo, p.oplata_gora, p.oplata_lewo + p.oplata_szer, p.oplata_gora + p.oplata_wys);
    c.rectangle(p.kod_lewo, p.kod_gora, p.kod_lewo + p.kod_szer, p.kod_gora + p.kod_wys);

    pioro(c, p.kolor_linii, StylPiora::kreskowany);
    c.ellipse(p.kolo_lewo, p.kolo_gora, p.kolo_lewo + 14, p.kolo_gora + 14);
    c.pen_style(StylPiora::ciagly);

    c.font("Arial CE", 8);
    c.font_colour(p.kolor_linii);
    c.font_rotation(90);
    c.text(p.pole_lewo - 2, p.pole_gora + 63, " Polecenie przelewu/wpłata gotówkowa");
    if (p.pionowe_napisy == 1) c.text(p.pole_lewo + p.pole_szer + 4, p.pole_gora + 58, p.napis_odcinka);
    c.font_rotation(0);

    pioro(c, p.kolor_tla);
    c.brush(p.kolor_tla);
    c.rectangle(p.przerwa_lewo, p.przerwa_gora, p.przerwa_prawo, p.przerwa_gora + p.przerwa_wys);
    c.rectangle(p.pole_lewo + 70, p.wiersz4, p.pole_lewo + 75, p.wiersz4 + p.wiersz_wys);

    rysuj_kwadraty_wp(c, p, p.wiersz4);
    rysuj_kratki_oplaty(c, p);
}

void rysuj_ramki_konta_i_kwoty(Canvas& c, const TParPrzel& p) {
    pioro(c, p.kolor_linii, StylPiora::ciagly, 8);
    c.brush_style(StylPedzla::brak);
    c.rectangle(p.pole_lewo, p.wiersz3 - 2, p.pole_lewo + 130.5, p.wiersz3 + 5.5);
    c.rectangle(p.pole_lewo + 75, p.wiersz4 - 3, p.pole_lewo + 135, p.wiersz4 + 5.5);
    c.pen_width(1);
}

void rysuj_etykiete_wiersza(Canvas& c, const TParPrzel& p, const std::string& tekst, double wiersz,
                            double przesuniecie, double szerokosc) {
    const double x = p.wiersz_lewo + 0.2 + przesuniecie;
    c.pen_style(StylPiora::brak);
    c.brush(kBialy);
    c.rectangle(x, wiersz - 2, x + szerokosc, wiersz);
    c.pen_style(StylPiora::ciagly);
    drukuj_etykiete(c, tekst, p, x, wiersz);
}

void rysuj_etykiete_podpisu(Canvas& c, const TParPrzel& p) {
    const double y = p.podpis_gora + p.podpis_wys - 1;
    if (p.wariant_podpisu == 1) {
        drukuj_etykiete(c, "pieczęć, data i podpisy na ostatnim blankiecie", p, p.pole_lewo + 0.3, y);
        pioro(c, p.kolor_tla);
        const double x2 = p.podpis_lewo + p.podpis_szer, y2 = p.podpis_gora + p.podpis_wys;
        c.line(p.podpis_lewo, p.podpis_gora, x2, y2);
        c.line(p.podpis_lewo, y2, x2, p.podpis_gora);
    } else {
        drukuj_etykiete(c, "pieczęć, data i podpis(y) zleceniodawcy", p, p.pole_lewo + 13, y);
    }
}

void rysuj_bialy_odcinek(Canvas& c, const TParPrzel& p, double y, double x1, double x2) {
    pioro(c, p.kolor_linii);
    c.brush(kBialy);
    c.rectangle(x1, y, x2, y + p.wiersz_wys);
}

}  // namespace zlx
