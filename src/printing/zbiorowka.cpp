#include <algorithm>

#include "printing/raporty_zbiorcze.h"
#include "transfers/format_kwoty.h"

namespace zlx {

namespace {

// The second copy stands this far right of the first.
constexpr double kPrzesuniecie = 2.76;

// The left edge, the cut between the copies and the right edge, through every band and the space
// above it, so the three lines run down the page unbroken.
void kreski(RysowaniePasma& d, double od, double do_) {
    for (double x : {0.0, 2.76, 5.49})
        d.linia(x, od, x, do_, StylPiora::kreskowany);
}

void naglowek(RysowaniePasma& d, const TParZbiorowka& par) {
    const StylTekstu tytul{8, true, kKolorEtykietZbiorowki};
    const StylTekstu etykieta{8, false, kKolorEtykietZbiorowki};
    const StylTekstu dane{8, true, kCzarny};
    for (int kopia = 0; kopia < 2; ++kopia) {
        const double o = kopia * kPrzesuniecie;
        d.tekst(0.28 + o, 0.01, 2.32, Wyrownanie::lewo, "ZBIORCZE POLECENIE", tytul);
        d.tekst(2.60 + o, 0.01, 0.16, Wyrownanie::lewo, kopia == 0 ? "A" : "D", tytul);
        d.tekst(0.28 + o, 0.21, 0.94, Wyrownanie::lewo, "PRZELEWÓW z dn.", tytul);
        d.tekst(1.34 + o, 0.21, 0.79, Wyrownanie::lewo, par.data, dane);
        d.tekst(0.28 + o, 0.50, 1.65, Wyrownanie::lewo, "prosimy o wykonanie", etykieta);
        d.tekst(0.28 + o, 0.65, 1.65, Wyrownanie::lewo, "załączonych  poleceń", etykieta);
        d.tekst(0.28 + o, 0.80, 1.65, Wyrownanie::lewo, "przelewów  sztuk:  ", etykieta);
        d.tekst(1.93 + o, 0.80, 0.90, Wyrownanie::lewo, par.ilosc, dane);
        d.tekst(0.28 + o, 0.95, 1.65, Wyrownanie::lewo, "z naszego  rachunku  bankowego Nr:  ", etykieta);
        d.tekst(0.28 + o, 1.10, 1.65, Wyrownanie::lewo, par.rachunek, dane);
    }
}

}  // namespace

RaportPasmowy zbuduj_zbiorowke(const ProjektBazowy& p, const Marginesy& m,
                               std::vector<WierszZbiorowki> wiersze, const TParZbiorowka& par) {
    RaportPasmowy r = poczatek_raportu(p, m, 0.1);
    // Every position of this report is moved right by the left margin as well.
    r.region_lewo += m.lewy;
    r.szerokosc_tresci = 5.49;

    constexpr double kNaglowek = 1.5, kRazem = 0.16, kPodpis = 0.16;
    // The total's and the signature's tops below the detail band, as the definition sets them.
    constexpr double kGoraRazem = 0.28, kGoraPodpisu = 1.18;

    r.tytul = Pasmo{kNaglowek, 0, [par](RysowaniePasma& d) {
                        naglowek(d, par);
                        kreski(d, 0, kNaglowek);
                    }};

    const double h = r.wysokosc_wiersza;
    r.wierszy = wiersze.size();
    r.rysuj_wiersz = [wiersze = std::move(wiersze), h](RysowaniePasma& d, std::size_t i) {
        const std::string lp = std::to_string(wiersze[i].lp);
        const std::string kwota = kwota_w_grupach(wiersze[i].kwota);
        d.tekst(0.01, 0.01, 0.47, Wyrownanie::prawo, lp);
        d.tekst(0.48, 0.01, 1.77, Wyrownanie::prawo, kwota);
        d.tekst(2.81, 0.01, 0.47, Wyrownanie::prawo, lp);
        d.tekst(3.32, 0.01, 1.77, Wyrownanie::prawo, kwota);
        kreski(d, 0, h);
    };

    const std::string suma = par.suma;
    r.podsumowanie.push_back(Pasmo{kRazem, kGoraRazem, [suma](RysowaniePasma& d) {
                                       const StylTekstu etykieta{0, false, kKolorEtykietZbiorowki};
                                       const StylTekstu dane{0, true, kCzarny};
                                       d.tekst(0.01, 0, 0.66, Wyrownanie::prawo, "Razem :", etykieta);
                                       d.tekst(0.48, 0, 1.77, Wyrownanie::prawo, suma, dane);
                                       d.tekst(2.81, 0, 0.66, Wyrownanie::prawo, "Razem :", etykieta);
                                       d.tekst(3.32, 0, 1.77, Wyrownanie::prawo, suma, dane);
                                       kreski(d, -kGoraRazem, kRazem);
                                   }});
    // The signature goes on the dotted line, in the space above it; the caption stands a line and a
    // half below the line's top, clear of the dots, and the band grows to hold it.
    const double odstep_podpisu = kGoraPodpisu - kGoraRazem - kRazem;
    const double wiersz = p.rozmiar_czcionki / 72.0;
    const double gora_napisu = std::max(0.1, 1.5 * wiersz);
    const double wys_podpisu = std::max(kPodpis, gora_napisu + 1.2 * wiersz);
    r.podsumowanie.push_back(
        Pasmo{wys_podpisu, odstep_podpisu, [odstep_podpisu, gora_napisu, wys_podpisu](RysowaniePasma& d) {
                  const StylTekstu etykieta{0, false, kKolorEtykietZbiorowki};
                  for (double x : {0.01, 2.96}) {
                      d.tekst(x, 0, 2.36, Wyrownanie::srodek, ".............................", etykieta);
                      d.tekst(x, gora_napisu, 2.36, Wyrownanie::srodek, "Pieczęć i podpisy", etykieta);
                  }
                  kreski(d, -odstep_podpisu, wys_podpisu);
              }});
    return r;
}

}  // namespace zlx
