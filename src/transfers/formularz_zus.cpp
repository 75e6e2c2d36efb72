#include "transfers/formularz_zus.h"

#include <fmt/format.h>

#include "core/text.h"
#include "transfers/kody.h"

namespace zlx {

std::vector<std::string> lata_deklaracji_zus(TDateTime dzis) {
    std::vector<std::string> lata = lata_deklaracji_zus();
    // The stored list ends long ago; a user must be able to pick this year and the next ones.
    for (int rok = std::stoi(lata.back()) + 1; rok <= dzis.year() + 2; ++rok)
        lata.push_back(std::to_string(rok));
    return lata;
}

DeklaracjaZus deklaracja_domyslna_zus(TDateTime dzis) {
    const CivilDate d = dzis.add_months(-1).civil();
    return {fmt::format("{:04}", d.year), fmt::format("{:02}", d.month)};
}

std::string id_uzup_zus(const TPrzKth& wystawiajacy, int typ_iduzup) {
    switch (typ_iduzup) {
        case 0:
            return wystawiajacy.nip;
        case 1:
            return wystawiajacy.Regon;
        case 2:
            return wystawiajacy.pesel;
        default:
            return {};
    }
}

void pokaz_przelew_zus(const TPrzelew& p, TDateTime dzis, PolaZus& zus) {
    zus.konto = p.zus_cel;
    zus.my_lk = p.my_lk;
    zus.my_bank = p.my_bank;
    zus.nip = p.zus_nipplatnik;
    zus.nr_deklaracji = p.zus_nrdeklaracji;
    zus.nr_decyzji = p.zus_nrdecyzji;
    zus.numer_iduzup = p.zus_numeriduzup;
    zus.typ_wplaty = pozycja_kodu(kZusTypWplaty, p.zus_typwplaty);
    zus.typ_iduzup = pozycja_kodu(kZusIdUzup, p.zus_iduzup);
    const DeklaracjaZus d = deklaracja_domyslna_zus(dzis);
    zus.rok = p.zus_deklaracja1.empty() ? d.rok : p.zus_deklaracja1;
    zus.miesiac = p.zus_deklaracja2.empty() ? d.miesiac : p.zus_deklaracja2;
}

void zbierz_przelew_zus(const PolaFormularza& pola, const PolaZus& zus, const std::string& konto_zus,
                        const std::string& opis_konta, TPrzelew& p) {
    if (pola.zapisz_jako_nowy) p.nr_id = 0;
    p.my_nazwa = pola.wystawiajacy.nazwa;
    p.my_adres = pola.wystawiajacy.nazwacd;
    p.my_lk = zus.my_lk;
    p.my_bank = zus.my_bank;
    p.my_konto = pola.wystawiajacy.rachunek;
    p.dost_konto = konto_zus;
    p.uwagi_tekst = pola.uwagi;
    // Amounts are kept to the grosz, as the bank screen keeps them.
    p.kwota_money = pola.kwota.rounded_to_grosze();
    p.waluta = pola.waluta;
    p.data = pola.data;
    p.p_w = pola.wplata ? 1 : 0;
    wylicz_pola_druku(p);
    p.tytulem = opis_konta;
    p.dost_nazwa = std::string(kOdbiorcaZus);
    p.znacznik = pola.znacznik;
    p.drukuj_date = pola.drukuj_date ? 1 : 0;
    p.bufor = pola.zatwierdz ? 0 : 1;
    p.zus_nipplatnik = trim(zus.nip);
    p.zus_deklaracja1 = trim(zus.rok);
    p.zus_deklaracja2 = trim(zus.miesiac);
    p.zus_nrdeklaracji = trim(zus.nr_deklaracji);
    p.zus_nrdecyzji = trim(zus.nr_decyzji);
    p.zus_numeriduzup = trim(zus.numer_iduzup);
    p.zus_typwplaty = kod_pozycji(kZusTypWplaty, zus.typ_wplaty);
    p.zus_iduzup = kod_pozycji(kZusIdUzup, zus.typ_iduzup);
    p.zus_cel = zus.konto;
    p.rodzaj_przelewu = kPrzelewZus;
    p.drukuj_kwote = pola.drukuj_kwote ? 1 : 0;
}

}  // namespace zlx
