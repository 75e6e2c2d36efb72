#include "transfers/przelew.h"

#include "transfers/derivations.h"

namespace zlx {

void init_przelew(TPrzelew& p) {
    p = TPrzelew{};
    p.zus_nrdeklaracji = "01";
    p.data = TDateTime::now();
    p.data1 = p.data;
}

TPrzelew nowy_przelew() {
    TPrzelew p;
    init_przelew(p);
    return p;
}

void wylicz_pola_druku(TPrzelew& p) {
    p.my_konto_druk = formatuj_konto(p.my_konto, 0);
    p.dost_konto_druk = formatuj_konto(p.dost_konto, 0);
    p.kwota_druk = kwota_gwiazdki(p.kwota_money);
    p.my_konto_cyfry = formatuj_konto(p.my_konto, 1);
    p.dost_konto_cyfry = formatuj_konto(p.dost_konto, 1);
}

}  // namespace zlx
