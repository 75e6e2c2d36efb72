#include "transfers/formularz.h"

#include <utility>

#include "core/text.h"
#include "registers/kontrah_store.h"
#include "transfers/przelew_store.h"

namespace zlx {

void pokaz_przelew(const TPrzelew& p, PolaFormularza& pola) {
    pola.data = p.data;
    if (p.p_w == 0) pola.wplata = false;
    if (p.p_w == 1) pola.wplata = true;
    if (!trim(p.waluta).empty()) pola.waluta = p.waluta;
    pola.zatwierdz = p.bufor == 0;
    pola.znacznik = p.znacznik;

    pola.odbiorca.nazwa = p.dost_nazwa;
    pola.odbiorca.nazwacd = p.dost_adres;
    pola.odbiorca.rachunek = p.dost_konto;
    pola.odbiorca.adres = p.dost_adres_ulica;
    pola.odbiorca.kodp = p.dost_adres_kodp;
    pola.odbiorca.miejscowosc = p.dost_adres_miejscowosc;
    pola.odbiorca.skrot = p.dost_skrot;

    pola.wystawiajacy.nazwa = p.my_nazwa;
    pola.wystawiajacy.nazwacd = p.my_adres;
    pola.wystawiajacy.rachunek = p.my_konto;
    pola.wystawiajacy.adres = p.my_adres_ulica;
    pola.wystawiajacy.kodp = p.my_adres_kodp;
    pola.wystawiajacy.miejscowosc = p.my_adres_miejscowosc;
    pola.wystawiajacy.skrot = p.my_skrot;

    pola.tytulem = p.tytulem;
    pola.tytulemcd = p.tytulemcd;
    pola.kwota = p.kwota_money;
    pola.uwagi = p.uwagi_tekst;
}

void pokaz_strone(const TPrzKth& party, StronaFormularza& strona) {
    strona.nazwa = party.nazwa;
    strona.adres = party.ulica;
    strona.kodp = party.kod;
    strona.miejscowosc = party.Miejscowosc;
    strona.skrot = party.skrot;
    strona.rachunek = konto_kth(party).rachunek;
}

namespace {

// Steps 4 to 8 of save_data, shared by the screen and the wizard.
void zbierz_wspolne(const PolaFormularza& pola, TPrzelew& p) {
    p.tytulem = pola.tytulem;
    p.tytulemcd = pola.tytulemcd;
    // Amounts are kept to the grosz, as they are stored.
    p.kwota_money = pola.kwota.rounded_to_grosze();
    p.waluta = pola.waluta;
    p.data = pola.data;
    p.p_w = pola.wplata ? 1 : 0;
    p.rodzaj_przelewu = kPrzelewBankowy;
    wylicz_pola_druku(p);
    p.znacznik = pola.znacznik;
    p.bufor = pola.zatwierdz ? 0 : 1;
    p.drukuj_kwote = pola.drukuj_kwote ? 1 : 0;
    p.drukuj_date = pola.drukuj_date ? 1 : 0;
}

void wystawiajacy_z_pol(const StronaFormularza& s, TPrzelew& p) {
    p.my_nazwa = s.nazwa;
    p.my_konto = s.rachunek;
    p.my_adres_kodp = s.kodp;
    p.my_adres_miejscowosc = s.miejscowosc;
    p.my_adres_ulica = s.adres;
    p.my_adres = sklej_adres(s.adres, s.kodp, s.miejscowosc);
}

void odbiorca_z_pol(const StronaFormularza& s, TPrzelew& p) {
    p.dost_nazwa = s.nazwa;
    p.dost_konto = s.rachunek;
    p.dost_adres_ulica = s.adres;
    p.dost_adres_kodp = s.kodp;
    p.dost_adres_miejscowosc = s.miejscowosc;
    p.dost_adres = sklej_adres(s.adres, s.kodp, s.miejscowosc);
}

}  // namespace

void zbierz_przelew(const PolaFormularza& pola, std::int32_t klucz_odbiorcy,
                    std::int32_t klucz_wystawiajacego, TPrzelew& p) {
    if (pola.zapisz_jako_nowy) p.nr_id = 0;
    if (klucz_odbiorcy != 0) p.id_kontrah = klucz_odbiorcy;
    if (klucz_wystawiajacego != 0) p.id_my = klucz_wystawiajacego;
    wystawiajacy_z_pol(pola.wystawiajacy, p);
    p.my_skrot = pola.wystawiajacy.skrot;
    odbiorca_z_pol(pola.odbiorca, p);
    p.dost_skrot = pola.odbiorca.skrot;
    p.uwagi_tekst = pola.uwagi;
    zbierz_wspolne(pola, p);
}

void zamien_konta(PolaFormularza& pola) {
    auto& o = pola.odbiorca;
    auto& w = pola.wystawiajacy;
    std::swap(o.nazwa, w.nazwa);
    std::swap(o.adres, w.adres);
    std::swap(o.kodp, w.kodp);
    std::swap(o.miejscowosc, w.miejscowosc);
    std::swap(o.rachunek, w.rachunek);
}

void przygotuj_zapis(RodzajZapisu rodzaj, TPrzelew& p) {
    if (rodzaj == RodzajZapisu::zapisz && p.cykliczne == 1) {
        p.cykliczne = 0;
        p.nr_id = 0;
    } else if (rodzaj == RodzajZapisu::do_cyklicznych && p.cykliczne == 0) {
        p.cykliczne = 1;
        p.nr_id = 0;
    }
}

bool zapisz_przelew(TGlAdoDs_mod& ds, RodzajZapisu rodzaj, TPrzelew& p) {
    TPrzelew kopia = p;
    przygotuj_zapis(rodzaj, kopia);
    if (!save_przelew(ds, kopia)) return false;
    p = std::move(kopia);
    return true;
}

std::optional<TSlowTyt> tytul_do_slownika(const std::string& tytulem, const std::string& tytulemcd) {
    if (trim(tytulem).empty()) return std::nullopt;
    TSlowTyt t;
    t.slow_tytulem = tytulem;
    t.slow_tytulemcd = tytulemcd;
    return t;
}

void zbierz_przelew_kreatora(const PolaFormularza& pola, const TPrzKth& kth,
                             std::int32_t klucz_wystawiajacego, TPrzelew& p) {
    if (pola.zapisz_jako_nowy) p.nr_id = 0;
    p.id_kontrah = kth.ID1;
    if (klucz_wystawiajacego != 0) p.id_my = klucz_wystawiajacego;
    StronaFormularza z_listy;
    z_listy.nazwa = kth.nazwa;
    z_listy.rachunek = konto_kth(kth).rachunek;
    z_listy.adres = kth.ulica;
    z_listy.kodp = kth.kod;
    z_listy.miejscowosc = kth.Miejscowosc;
    if (pola.wystawiajacy.nazwa != kFirmaZListy) {
        wystawiajacy_z_pol(pola.wystawiajacy, p);
        odbiorca_z_pol(z_listy, p);
    } else {
        wystawiajacy_z_pol(z_listy, p);
        odbiorca_z_pol(pola.odbiorca, p);
    }
    p.my_skrot.clear();
    p.dost_skrot.clear();
    p.uwagi_tekst.clear();
    zbierz_wspolne(pola, p);
}

TPrzelew generuj_przelewy(TGlAdoDs_mod& ds, const PolaFormularza& pola,
                          const std::vector<std::int32_t>& klucze, std::int32_t klucz_wystawiajacego,
                          int* ile_zapisanych) {
    TPrzelew ostatni = nowy_przelew();
    int ile = 0;
    for (const std::int32_t klucz : klucze) {
        const TPrzKth kth = get_kontrah(ds, klucz);
        // A counterparty deleted meanwhile would give an order without a payee.
        if (kth.ID1 == 0) continue;
        TPrzelew p = nowy_przelew();
        zbierz_przelew_kreatora(pola, kth, klucz_wystawiajacego, p);
        if (!save_przelew(ds, p)) break;
        ostatni = p;
        ++ile;
    }
    if (ile_zapisanych) *ile_zapisanych = ile;
    return ostatni;
}

}  // namespace zlx
