#pragma once

// Transfers of each kind with the accounts, names and amounts the line tests expect.

#include "transfers/przelew.h"

namespace zlx::test {

// Payer account typed with a country prefix and blanks; its digits and sort code.
inline constexpr const char* kKontoMy = "PL 61 1090 1014 0000 0712 1981 2874";
inline constexpr const char* kCyfryMy = "61109010140000071219812874";
inline constexpr const char* kCyfryDost = "20102055581111123456789012";

inline TPrzelew przelew_bankowy() {
    TPrzelew p = nowy_przelew();
    p.nr_id = 1;
    p.my_nazwa = "Firma Testowa Sp. z o.o.";
    p.my_konto = kKontoMy;
    p.my_adres_ulica = "ul. Długa 5";
    p.my_adres_kodp = "00-950";
    p.my_adres_miejscowosc = "Warszawa";
    p.dost_nazwa = "Jan Kowalski";
    p.dost_konto = "20 1020 5558 1111 1234 5678 9012";
    p.dost_adres_ulica = "Polna 1";
    p.dost_adres_kodp = "90-001";
    p.dost_adres_miejscowosc = "Łódź";
    p.tytulem = "Faktura 12/2026";
    p.kwota_money = Currency::from_grosze(1250);
    p.data = TDateTime::from_ymd(2026, 3, 15);
    return p;
}

inline TPrzelew przelew_zus(const char* typ_wplaty) {
    TPrzelew p = przelew_bankowy();
    p.rodzaj_przelewu = kPrzelewZus;
    p.dost_nazwa = "Zakład Ubezpieczeń Społecznych";
    p.dost_konto = "83101010230000261395100000";
    p.dost_adres_ulica = p.dost_adres_kodp = p.dost_adres_miejscowosc = "";
    p.tytulem = "Ubezpieczenia społeczne";
    p.zus_nipplatnik = "123-456-32-18";
    p.zus_iduzup = "R";
    p.zus_numeriduzup = "123456785";
    p.zus_typwplaty = typ_wplaty;
    p.zus_deklaracja1 = "2026";
    p.zus_deklaracja2 = "02";
    p.zus_nrdeklaracji = "01";
    p.zus_nrdecyzji = "";
    return p;
}

// A VAT payment of the payer with NIP 1234563218 to its micro-account.
inline constexpr const char* kMikrorachunek = "88101000712222123456321800";

inline TPrzelew przelew_na_mikrorachunek() {
    TPrzelew p = przelew_bankowy();
    p.rodzaj_przelewu = kPrzelewPodatkowy;
    p.dost_nazwa = "Mikrorachunek podatkowy";
    p.dost_konto = "88 1010 0071 2222 1234 5632 1800";
    p.dost_adres_ulica = p.dost_adres_kodp = p.dost_adres_miejscowosc = "";
    p.kwota_money = Currency::from_grosze(1234500);
    p.us_typiduzup = "N";
    p.us_iduzup = "123-456-32-18";
    p.us_rokokresu = "26";
    p.us_typokresu = "K";
    p.us_nrokresu = "01";
    p.us_symbolformularza = "VAT-7K";
    p.us_identyfikacjazobowiazania = "";
    return p;
}

inline TPrzelew przelew_podatkowy() {
    TPrzelew p = przelew_bankowy();
    p.rodzaj_przelewu = kPrzelewPodatkowy;
    p.dost_nazwa = "Urząd Skarbowy Łódź-Bałuty";
    p.dost_adres_ulica = "Wróblewskiego 1";
    p.dost_adres_kodp = "93-578";
    p.us_typiduzup = "N";
    p.us_iduzup = "123-456-32-18";
    p.us_rokokresu = "26";
    p.us_typokresu = "M";
    p.us_nrokresu = "02";
    p.us_symbolformularza = "VAT-7";
    p.us_identyfikacjazobowiazania = "abc";
    return p;
}

}  // namespace zlx::test
