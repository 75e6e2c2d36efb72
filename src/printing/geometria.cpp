#include "printing/geometria.h"

#include <climits>

#include "core/text.h"
#include "printing/ust_przelew.h"

namespace zlx {

namespace {

// Reads one colour as three components; a component that is not a whole number leaves it and the
// components after it at 0.
Kolor czytaj_kolor(const std::string& nazwa, int zestaw, int r, int g, int b) {
    const std::string sufiks = std::to_string(zestaw + 1);
    const int domyslne[3] = {r, g, b};
    const char* skladowe[3] = {"_r", "_g", "_b"};
    int wartosci[3] = {0, 0, 0};
    for (int i = 0; i < 3; ++i) {
        const std::string klucz = nazwa + sufiks + skladowe[i];
        const std::string v = czytaj_ust("kolory", klucz.c_str(), std::to_string(domyslne[i]).c_str());
        if (to_int(v, 0) != to_int(v, 1)) break;
        wartosci[i] = to_int(v, 0);
    }
    return kolor_rgb(wartosci[0], wartosci[1], wartosci[2]);
}

int czytaj_opcje(const char* klucz) {
    return calkowita_ustawienia(klucz, czytaj_ust("opcje_wydrukow", klucz, "1"), INT_MIN, INT_MAX,
                                kOczekiwanaTakNie);
}

void czytaj_ustawienia(int zestaw, TParPrzel& p, bool napisy) {
    p.font_name = czytaj_ust("font", "font_name", "ARIAL");
    p.font_size = czytaj_ust("font", "font_size", "13");
    p.zus_napis_zus = czytaj_opcje("zus_napis_zus");
    p.us_napis_podatki = czytaj_opcje("us_napis_podatki");
    p.pionowe_napisy = czytaj_opcje("pionowe_napisy");
    p.zamieniajwielkie = to_int(czytaj_ust("opcje_wydrukow", "zamieniajwielkie", "1"), 1);
    const bool szary = zestaw == kZestaw2;
    p.kolor_tla = szary ? czytaj_kolor("kolortlo", zestaw, 242, 242, 242)
                        : czytaj_kolor("kolortlo", zestaw, 245, 222, 221);
    p.kolor_linii = szary ? czytaj_kolor("kolorlinie", zestaw, 115, 115, 115)
                          : czytaj_kolor("kolorlinie", zestaw, 236, 149, 147);
    p.kolor_etykiet = p.kolor_linii;
    if (!napisy) return;
    p.kolor_napisu_zus = szary ? czytaj_kolor("kolorfontnapiszus", zestaw, 202, 202, 202)
                               : czytaj_kolor("kolorfontnapiszus", zestaw, 251, 181, 168);
    p.kolor_napisu_podatki = szary ? czytaj_kolor("kolorfontnapisPodatki", zestaw, 202, 202, 202)
                                   : czytaj_kolor("kolorfontnapisPodatki", zestaw, 251, 181, 168);
}

}  // namespace

double TParPrzel::wiersz(int n) const {
    switch (n) {
        case 1:
            return wiersz1;
        case 2:
            return wiersz2;
        case 3:
            return wiersz3;
        case 4:
            return wiersz4;
        case 5:
            return wiersz5;
        case 6:
            return wiersz6;
        case 7:
            return wiersz7;
        case 8:
            return wiersz8;
        default:
            return wiersz9;
    }
}

void ustaw_geometrie_bankowa(int zestaw, TParPrzel& p, double gora, double lewo) {
    p.gora = gora;
    p.lewo = lewo;
    p.znacznik_szer = 1.0;
    p.znacznik_wys = 1.5;
    p.kratka_szer = 5.0;
    p.wiersz_wys = 5.1;
    p.wiersz_lewo = lewo + 7.2;
    p.wiersz_prawo = lewo + 141.9;
    p.pole_gora = gora + 1.5;
    p.pole_lewo = lewo + 7;
    p.pole_szer = 135;
    p.pole_wys = 84;
    p.blankiet_szer = 148.2;
    p.blankiet_wys = 105.5;
    p.stempel_gora = gora + 78.5;
    p.stempel_lewo = lewo + 98;
    p.stempel_szer = 23.6;
    p.stempel_wys = 23.6;
    p.kolo_gora = gora + 83.5;
    p.kolo_lewo = lewo + 103;
    p.data_gora = gora + 83.5;
    p.data_lewo = lewo + 9;
    p.podpis_gora = gora + 78.5;
    p.podpis_lewo = lewo + 7;
    p.podpis_szer = 68.2;
    p.podpis_wys = 23.6;
    p.oplata_gora = gora + 92.5;
    p.oplata_lewo = lewo + 77;
    p.oplata_szer = 20;
    p.oplata_wys = 5;
    p.kod_gora = gora + 77.5;
    p.kod_szer = 10;
    p.kod_wys = 7;
    p.kod_lewo = lewo + 132;
    p.wiersz1 = gora + 3.3;
    p.wiersz2 = gora + 11.5;
    p.wiersz3 = gora + 20.1;
    p.wiersz4 = gora + 28.5;
    p.wiersz5 = gora + 37;
    p.wiersz6 = gora + 45.5;
    p.wiersz7 = gora + 54;
    p.wiersz8 = gora + 62.5;
    p.wiersz9 = gora + 70.9;
    p.przerwa_gora = p.wiersz4;
    p.przerwa_lewo = lewo + 42;
    p.przerwa_prawo = lewo + 62;
    p.przerwa_wys = 5.1;
    p.odcinek_lewo = lewo - 56;
    p.odcinek_gora = gora;
    p.pokwit_lewo = lewo - 49;
    p.pokwit_gora = gora + 2;
    p.pokwit_szer = 47;
    p.pokwit_wys = 73;
    czytaj_ustawienia(zestaw, p, false);
}

void ustaw_geometrie_us(int zestaw, TParPrzel& p, double gora, double lewo) {
    p.gora = gora;
    p.lewo = lewo;
    p.znacznik_szer = 1.0;
    p.znacznik_wys = 1.5;
    p.kratka_szer = 5.0;
    p.wiersz_wys = 5.01;
    p.wiersz_lewo = lewo + 7.7;
    p.wiersz_prawo = lewo + 142.4;
    p.pole_gora = gora + 2;
    p.pole_lewo = lewo + 7.5;
    p.pole_szer = 135;
    p.pole_wys = 84;
    p.blankiet_szer = 148.4;
    p.blankiet_wys = 105.5;
    p.stempel_gora = gora + 79;
    p.stempel_lewo = lewo + 98.5;
    p.stempel_szer = 22.5;
    p.stempel_wys = 22.5;
    p.kolo_gora = gora + 83;
    p.kolo_lewo = lewo + 103;
    p.data_gora = gora + 84;
    p.data_lewo = lewo + 9.5;
    p.podpis_gora = gora + 79;
    p.podpis_lewo = lewo + 7.5;
    p.podpis_szer = 68.01;
    p.podpis_wys = 23.5;
    p.oplata_gora = gora + 93;
    p.oplata_lewo = lewo + 77;
    p.oplata_szer = 20;
    p.oplata_wys = 5;
    p.kod_gora = gora + 77.5;
    p.kod_lewo = lewo + 132.5;
    p.kod_szer = 10;
    p.kod_wys = 5;
    p.wiersz1 = p.pole_gora + 1.4;
    p.wiersz2 = p.pole_gora + 10;
    p.wiersz3 = p.pole_gora + 18.5;
    p.wiersz4 = p.pole_gora + 27;
    p.wiersz5 = p.pole_gora + 35.01;
    p.wiersz6 = p.pole_gora + 43.9;
    p.wiersz7 = p.pole_gora + 52;
    p.wiersz8 = p.pole_gora + 60.7;
    p.wiersz9 = p.pole_gora + 69;
    p.przerwa_gora = p.wiersz4;
    p.przerwa_lewo = lewo + 42.5;
    p.przerwa_prawo = lewo + 62.5;
    p.przerwa_wys = 5.01;
    czytaj_ustawienia(zestaw, p, true);
}

void ustaw_geometrie_zus(int zestaw, TParPrzel& p, double gora, double lewo) {
    p = TParPrzel{};
    ustaw_geometrie_us(zestaw, p, gora, lewo);
}

}  // namespace zlx
