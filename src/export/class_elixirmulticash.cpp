#include "export/class_elixirmulticash.h"

#include <fmt/format.h>

#include "core/fitting.h"
#include "core/text.h"
#include "payments/rachunek.h"
#include "payments/tytul_podatkowy.h"
#include "registers/przkth.h"

namespace zlx {

namespace {

constexpr int kKawalek = 35;  // piece length of names, addresses and titles

std::string nazwa_adres(const std::string& nazwa, const std::string& adres) {
    const TDzielTekst n = dziel_tekst(kKawalek, nazwa);
    const TDzielTekst a = dziel_tekst(kKawalek, adres);
    return trim(n.linia1) + "|" + trim(n.linia2) + "|" + trim(a.linia1) + "|" + trim(a.linia2);
}

void oczysc(std::string& text, const std::string& zakazane) {
    for (char& c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F || zakazane.find(c) != std::string::npos)
            c = ' ';
}

}  // namespace

std::string TElixirClass::typ_komunikatu() const {
    return przelew_.rodzaj_przelewu == kPrzelewZus ? "120" : "110";
}

TDateTime TElixirClass::data_przelewu() const {
    return profil_.prof_rodzaj_daty == 1 ? przelew_.data : profil_.prof_data_do_wczytania;
}

std::string TElixirClass::data_platnosci() const {
    const CivilDate d = data_przelewu().civil();
    return fmt::format("{:04}{:02}{:02}", d.year, d.month, d.day);
}

std::string TElixirClass::kwota_grosze() const {
    return std::to_string(przelew_.kwota_money.grosze());
}

std::string TElixirClass::konto_nadawcy(const TPrzelew& p) {
    std::string d = cyfry_poprawnego_rachunku(p.my_konto);
    if (d.empty()) dodaj_blad(" BŁĘDNE KONTO WYSTAWIAJĄCEGO");
    return d;
}

std::string TElixirClass::konto_odbiorcy() {
    std::string d = cyfry_poprawnego_rachunku(przelew_.dost_konto);
    if (d.empty()) dodaj_blad(" BŁĘDNE KONTO ODBIORCY");
    return d;
}

std::string TElixirClass::bank_nadawcy() {
    std::string d = cyfry_poprawnego_rachunku(przelew_.my_konto);
    if (d.empty()) {
        dodaj_blad(" BŁĘDNE KONTO NADAWCY");
        return {};
    }
    return d.substr(2, 8);
}

std::string TElixirClass::bank_odbiorcy() {
    std::string d = cyfry_poprawnego_rachunku(przelew_.dost_konto);
    if (d.empty()) {
        dodaj_blad(" BŁĘDNE KONTO ODBIORCY");
        return {};
    }
    return d.substr(2, 8);
}

std::string TElixirClass::nadawca_nazwa_adres() const {
    return nazwa_adres(przelew_.my_nazwa, sklej_adres(przelew_.my_adres_ulica, przelew_.my_adres_kodp,
                                                      przelew_.my_adres_miejscowosc));
}

std::string TElixirClass::odbiorca_nazwa_adres() const {
    return nazwa_adres(przelew_.dost_nazwa, sklej_adres(przelew_.dost_adres_ulica, przelew_.dost_adres_kodp,
                                                        przelew_.dost_adres_miejscowosc));
}

std::string TElixirClass::tytul() const {
    const TDzielTekst t = dziel_tekst(kKawalek, przelew_.tytulem + " " + przelew_.tytulemcd);
    return t.linia1 + "|" + t.linia2 + "|" + t.linia3 + "|" + t.linia4;
}

std::string TElixirClass::klasyfikacja() const {
    return przelew_.rodzaj_przelewu == kPrzelewPodatkowy ? "71" : "51";
}

void TElixirClass::oczysc_teksty(const std::string& zakazane) {
    TPrzelew& p = przelew_;
    for (std::string* t : {&p.my_nazwa,
                           &p.my_adres_ulica,
                           &p.my_adres_kodp,
                           &p.my_adres_miejscowosc,
                           &p.dost_nazwa,
                           &p.dost_adres_ulica,
                           &p.dost_adres_kodp,
                           &p.dost_adres_miejscowosc,
                           &p.tytulem,
                           &p.tytulemcd,
                           &p.zus_nipplatnik,
                           &p.zus_iduzup,
                           &p.zus_numeriduzup,
                           &p.zus_typwplaty,
                           &p.zus_deklaracja1,
                           &p.zus_deklaracja2,
                           &p.zus_nrdeklaracji,
                           &p.zus_nrdecyzji,
                           &p.us_typiduzup,
                           &p.us_iduzup,
                           &p.us_rokokresu,
                           &p.us_typokresu,
                           &p.us_nrokresu,
                           &p.us_symbolformularza,
                           &p.us_identyfikacjazobowiazania})
        oczysc(*t, zakazane);
}

void TElixirClass::wypelnij_rekord() {
    const TPrzelew& p = przelew_;
    TExpElixir0& r = rekord_;
    r = TExpElixir0{};
    r[1] = typ_komunikatu();
    r[2] = data_platnosci();
    r[3] = kwota_grosze();
    r[4] = bank_nadawcy();
    r[5] = konto_nadawcy(p);
    r[6] = konto_odbiorcy();
    r[7] = nadawca_nazwa_adres();
    r[8] = odbiorca_nazwa_adres();
    r[14] = bank_odbiorcy();
    r[15] = klasyfikacja();
    r[17] = tytul();
    r[19] = tylko_cyfry(p.zus_nipplatnik);
    r[20] = trim(p.my_nazwa);
    r[21] = p.zus_iduzup;
    r[22] = trim(p.zus_numeriduzup);
    r[23] = trim(p.zus_typwplaty);
    r[24] = trim(p.zus_deklaracja1 + p.zus_deklaracja2);
    r[25] = trim(p.zus_nrdeklaracji);
    r[26] = r[25];
    r[27] = trim(p.zus_nrdecyzji);
    r[28] = trim(p.my_nazwa);
    r[29] = trim(p.us_typiduzup);
    r[30] = upper_pl(r[29]) == "N" ? tylko_cyfry(p.us_iduzup) : trim(p.us_iduzup);
    r[31] = trim(p.us_rokokresu);
    r[32] = trim(p.us_typokresu);
    r[33] = trim(p.us_nrokresu);
    r[34] = trim(p.us_symbolformularza);
    r[35] = trim(p.us_identyfikacjazobowiazania);
}

std::string TElixirClass::generuj_linie() {
    std::string zakazane = "|\"" + ogranicznik_;
    if (ogranicznik_.empty()) zakazane += separator_;
    oczysc_teksty(zakazane);
    wypelnij_rekord();
    TExpElixir0& r = rekord_;

    switch (przelew_.rodzaj_przelewu) {
        case kPrzelewBankowy:
            break;  // the bank title is in place
        case kPrzelewZus:
            r[17] = przytnij(r[19], 10) + "|" + przytnij(r[21], 1) + "|" + przytnij(r[22], 14) + "|" +
                    przytnij(r[23], 1) + "|" +
                    (r[23] == "D" || r[23] == "E" ? std::string("000000") : przytnij(r[24], 6)) + "|" +
                    przytnij(r[25], 2) + "|" + przytnij(r[27], 15);
            break;
        case kPrzelewPodatkowy:
            r[17] = tytul_podatkowy({r[29], r[30], r[31], r[32], r[33], r[34], r[35]});
            break;
        default:
            return {};
    }

    const std::string s(1, separator_);
    const std::string& q = ogranicznik_;
    auto quoted = [&](const std::string& v) { return q + v + q; };
    return przytnij(r[1], 3) + s + przytnij(r[2], 8) + s + przytnij(r[3], 15) + s + przytnij(r[4], 8) + s +
           "0" + s + quoted(przytnij(r[5], 26)) + s + quoted(przytnij(r[6], 26)) + s + quoted(r[7]) + s +
           quoted(r[8]) + s + "0" + s + r[14] + s + quoted(r[17]) + s + quoted("") + s + quoted("") + s +
           quoted(r[15]) + s + quoted("");
}

}  // namespace zlx
