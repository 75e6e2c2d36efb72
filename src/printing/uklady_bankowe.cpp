#include "printing/uklady_bankowe.h"

#include <string>

#include "printing/blankiet_bankowy.h"
#include "printing/ust_przelew.h"

namespace zlx {

namespace {

// Returns the geometry of one blank: the bank geometry at (lewo, gora), the controller's kratki.
TParPrzel blankiet(const TParPrzel& od_sterownika, int zestaw, double gora, double lewo, int nadruk,
                   const std::string& napis = {}) {
    TParPrzel p = od_sterownika;
    p.nadruk = nadruk;
    p.wariant_podpisu = 0;
    p.napis_odcinka = napis;
    ustaw_geometrie_bankowa(zestaw, p, gora, lewo);
    return p;
}

void dwa_pelne(Canvas& c, const TParPrzel& p, const TPrzelew& t, const char* napis1, const char* napis2,
               bool zawsze_napisy) {
    const TUstPrzelew u = wczytaj_ust_przelew();
    const double top = margines(u, "bankowy_wydruk_top"), left = margines(u, "bankowy_wydruk_left");
    TParPrzel p1 = blankiet(p, kZestaw1, top, left, 0, napis1);
    TParPrzel p2 = blankiet(p, kZestaw2, top + 106.5, left, 0, napis2);
    if (zawsze_napisy) p1.pionowe_napisy = p2.pionowe_napisy = 1;
    rysuj_przelew_bankowy(c, t, p1);
    rysuj_przelew_bankowy(c, t, p2);
}

}  // namespace

void przelew_2_kopie(Canvas& c, const TParPrzel& p, const TPrzelew& t) {
    dwa_pelne(c, p, t, "Odcinek dla zleceniodawcy", "Odcinek dla odbiorcy", false);
}

void przelew_2_kopie_wzor2(Canvas& c, const TParPrzel& p, const TPrzelew& t) {
    dwa_pelne(c, p, t, "Odcinek dla banku zleceniodawcy", "Odcinek dla zleceniodawcy", true);
}

void przelew_nadruk_2_kopie(Canvas& c, const TParPrzel& p, const TPrzelew& t) {
    const TUstPrzelew u = wczytaj_ust_przelew();
    const double top = margines(u, "bankowy_nadruk_top"), left = margines(u, "bankowy_nadruk_left");
    const double odstep = margines(u, "bankowy_nadruk_odstep");
    drukuj_dane_bankowe(c, blankiet(p, kZestaw1, top, left + 56, 1), t);
    drukuj_dane_bankowe(c, blankiet(p, kZestaw2, top + 106.5 + odstep, left + 56, 1), t);
}

void przelew_2_kopie_potw(Canvas& c, const TParPrzel& p, const TPrzelew& t) {
    const TUstPrzelew u = wczytaj_ust_przelew();
    const double top = margines(u, "pocztowy_wydruk_top"), left = margines(u, "pocztowy_wydruk_left");
    rysuj_przelew_z_potwierdzeniem(c, "Dowód/Pokwitowanie dla Odbiorcy", t,
                                   blankiet(p, kZestaw1, top, left + 59, 0, "Odcinek dla banku odbiorcy"));
    rysuj_przelew_z_potwierdzeniem(
        c, "Dowód/Pokwitowanie dla Zleceniodawcy", t,
        blankiet(p, kZestaw2, top + 108, left + 59, 0, "Odcinek dla banku zleceniodawcy"));
}

void przelew_1_kopia_potw(Canvas& c, const TParPrzel& p, const TPrzelew& t) {
    const TUstPrzelew u = wczytaj_ust_przelew();
    const double top = margines(u, "pocztowy_wydruk_top"), left = margines(u, "pocztowy_wydruk_left");
    rysuj_przelew_z_potwierdzeniem(c, "Dowód/Pokwitowanie dla Odbiorcy", t,
                                   blankiet(p, kZestaw1, top, left + 56, 0, "Odcinek dla banku odbiorcy"));
}

void przelew_4_kopie(Canvas& c, const TParPrzel& p, const TPrzelew& t) {
    const TUstPrzelew u = wczytaj_ust_przelew();
    const double top = margines(u, "bankowy_wydruk_top"), left = margines(u, "bankowy_wydruk_left");
    rysuj_przelew_bankowy(c, t, blankiet(p, kZestaw1, top, left, 0, "Odcinek dla zleceniodawcy"));
    rysuj_przelew_bankowy(c, t, blankiet(p, kZestaw2, top + 105, left, 0, "Odcinek dla odbiorcy"));
    rysuj_przelew_bankowy(c, t, blankiet(p, kZestaw1, top, left + 147, 0, "Odcinek dla zleceniodawcy"));
    rysuj_przelew_bankowy(c, t, blankiet(p, kZestaw2, top + 105, left + 147, 0, "Odcinek dla odbiorcy"));
}

void przelew_nadruk_potw(Canvas& c, const TParPrzel& p, const TPrzelew& t) {
    const TUstPrzelew u = wczytaj_ust_przelew();
    const double top = margines(u, "pocztowy_nadruk_top"), left = margines(u, "pocztowy_nadruk_left");
    const double odstep = margines(u, "pocztowy_nadruk_odstep");
    // The spacing moves the second blank's data, not its stub data.
    drukuj_dane_bankowe(c, blankiet(p, kZestaw1, top, left + 57, 1), t);
    drukuj_dane_potwierdzenia(c, blankiet(p, kZestaw1, top, left + 59, 1), t);
    drukuj_dane_bankowe(c, blankiet(p, kZestaw2, top + 106 + odstep, left + 57, 1), t);
    drukuj_dane_potwierdzenia(c, blankiet(p, kZestaw2, top + 106, left + 59, 1), t);
}

const std::array<PozycjaUkladu, 7> kUkladyBankowe = {{
    {"Przelew wydruk 2 kopie - na czystej kartce ", przelew_2_kopie},
    {"Przelew nadruk 2 kopie - na formularzu", przelew_nadruk_2_kopie},
    {"Przelew wydruk 2 kopie z potwierdzeniem - na czystej kartce", przelew_2_kopie_potw},
    {"Przelew wydruk 1 kopia z potwierdzeniem - na czystej kartce", przelew_1_kopia_potw},
    {"Przelew wydruk 4 kopie - na czystej kartce", przelew_4_kopie},
    {"Przelew wydruk 2 kopie - z potwierdzeniem na formularzu", przelew_nadruk_potw},
    {"Przelew wydruk 2 kopie - na czystej kartce wzór 2", przelew_2_kopie_wzor2},
}};

}  // namespace zlx
