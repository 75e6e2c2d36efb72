#include "printing/dane.h"

#include "core/fitting.h"
#include "core/slownie.h"
#include "printing/pola.h"

namespace zlx {

TParNapisy napisy_danych(const TParPrzel& p, int rozmiar, int max_znakow) {
    TParNapisy n;
    n.font_nazwa = p.font_name;
    n.font_rozmiar = rozmiar;
    n.x = p.pole_lewo;
    n.tryb = tryb_pola(p.kratki);
    n.max_kratek = 27;
    n.max_znakow = max_znakow;
    n.prawo = p.wiersz_prawo;
    return n;
}

TParNapisy napisy_kodu(const TParPrzel& p) {
    TParNapisy n;
    n.font_nazwa = "Arial";
    n.font_rozmiar = 13;
    n.pogrubiona = 1;
    n.x = p.pole_lewo;
    n.max_kratek = 3;
    n.max_znakow = 54;
    n.prawo = p.wiersz_prawo;
    return n;
}

std::string konto_do_druku(const std::string& konto_druk, int kratki) {
    return tryb_konta(kratki) == 1 ? tylko_cyfry(konto_druk) : konto_druk;
}

std::string tekst_wiersza5(const TPrzelew& t, int kratki) {
    if (t.p_w == 1) return slownie_cyframi(t.waluta == "PLN" ? 0 : 2, t.kwota_money);
    return t.p_w == 0 ? konto_do_druku(t.my_konto_druk, kratki) : std::string();
}

}  // namespace zlx
