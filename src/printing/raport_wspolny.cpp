#include "printing/raporty_zbiorcze.h"

namespace zlx {

RaportPasmowy poczatek_raportu(const ProjektBazowy& p, const Marginesy& m, double odstep_regionu) {
    RaportPasmowy r;
    r.szerokosc_strony = p.szerokosc_strony;
    r.wysokosc_strony = p.wysokosc_strony;
    r.marginesy = m;
    r.domyslna.nazwa = p.czcionka;
    r.domyslna.rozmiar = p.rozmiar_czcionki;
    r.region_lewo = p.region_lewo;
    r.region_gora = m.gorny + odstep_regionu;
    r.wysokosc_wiersza = p.wysokosc_wiersza;
    const double prawa = p.szerokosc_strony - m.prawy;
    const double gora = m.gorny;
    r.na_stronie = [prawa, gora](RysowaniePasma& kartka, int strona, int stron) {
        kartka.tekst(prawa - 2, gora, 2, Wyrownanie::prawo, tekst_strony(strona, stron));
    };
    return r;
}

}  // namespace zlx
