#include "printing/raporty_zbiorcze.h"

namespace zlx {

namespace {

constexpr double kTytul = 0.5, kNaglowekKolumn = 0.2;

// Numbers and dates are never cut: their size is reduced to fit; names and titles are cut, marked.
Dopasowanie dopasowanie(const TReportColumn& k) {
    return k.kol_pole == "lp" || k.kol_pole == "data" || k.kol_pole == "kwota" ? Dopasowanie::zmniejsz
                                                                               : Dopasowanie::przytnij;
}

Wyrownanie wyrownanie(const TReportColumn& k) {
    return static_cast<Wyrownanie>(k.kol_wyrownanie <= 2 ? k.kol_wyrownanie : 1);
}

}  // namespace

RaportPasmowy zbuduj_zestawienie(const ProjektBazowy& p, const Marginesy& m,
                                 std::vector<WierszZestawienia> wiersze, const KolumnyRaportu& kolumny,
                                 const TParZbiorowka& par, TDateTime dzis) {
    RaportPasmowy r = poczatek_raportu(p, m, 0.4);
    const std::vector<TReportColumn> k = kolumny.kolumny();
    const double szer = kolumny.szerokosc();
    const double h = r.wysokosc_wiersza;
    r.szerokosc_tresci = szer;

    r.wierszy = wiersze.size();
    r.rysuj_wiersz = [wiersze = std::move(wiersze), k, szer, h](RysowaniePasma& d, std::size_t i) {
        d.linia(0, 0, 0, h);
        for (const TReportColumn& c : k) {
            d.tekst(c.kol_lewo + 0.02, 0.01, c.kol_szerokosc - 0.04, wyrownanie(c),
                    pole_zestawienia(wiersze[i], c.kol_pole), StylTekstu{0, false, kCzarny, dopasowanie(c)});
            d.linia(c.kol_lewo + c.kol_szerokosc, 0, c.kol_lewo + c.kol_szerokosc, h);
        }
        d.linia(0, h, szer, h);
    };

    const std::string tytul = "RAPORT - zestawienie operacji  od:" + par.data_od + " do:" + par.data_do;
    const std::string sporzadzony = "Sporządzony dnia: " + dzis.to_text();
    r.tytul = Pasmo{kTytul, 0, [tytul, sporzadzony](RysowaniePasma& d) {
                        d.tekst(0.01, 0, 4, Wyrownanie::lewo, tytul);
                        d.tekst(0.01, 0.2, 4, Wyrownanie::lewo, sporzadzony);
                    }};

    r.naglowek_kolumn =
        Pasmo{kNaglowekKolumn, 0, [k, szer](RysowaniePasma& d) {
                  d.linia(0, 0, szer, 0);
                  d.linia(0, 0, 0, kNaglowekKolumn);
                  for (const TReportColumn& c : k) {
                      d.tekst(c.kol_lewo, 0.01, c.kol_szerokosc, Wyrownanie::srodek, c.kol_opis,
                              StylTekstu{10, true, kCzarny, Dopasowanie::przytnij});
                      const double prawa = c.kol_lewo + c.kol_szerokosc;
                      d.linia(prawa, 0, prawa, kNaglowekKolumn);
                  }
                  d.linia(0, kNaglowekKolumn - 0.01, szer, kNaglowekKolumn - 0.01, StylPiora::ciagly, 2);
              }};

    const std::string suma = par.suma;
    r.podsumowanie.push_back(Pasmo{h, 0, [k, suma, h](RysowaniePasma& d) {
                                       if (k.size() >= 2) {
                                           const TReportColumn& c = k[k.size() - 2];
                                           d.tekst(c.kol_lewo + 0.02, 0, c.kol_szerokosc - 0.04,
                                                   Wyrownanie::prawo, "Suma:");
                                       }
                                       if (k.empty()) return;
                                       const TReportColumn& c = k.back();
                                       const double prawa = c.kol_lewo + c.kol_szerokosc;
                                       d.tekst(c.kol_lewo + 0.02, 0, c.kol_szerokosc - 0.04, wyrownanie(c),
                                               suma, StylTekstu{0, false, kCzarny, Dopasowanie::zmniejsz});
                                       d.linia(c.kol_lewo, 0, c.kol_lewo, h);
                                       d.linia(prawa, 0, prawa, h);
                                       d.linia(c.kol_lewo, h, prawa, h);
                                   }});
    return r;
}

}  // namespace zlx
