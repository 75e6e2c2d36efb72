#pragma once

// Demo orders of the three kinds, with Polish letters, full-length accounts and the print texts
// derived as a screen would derive them.

#include "core/currency.h"
#include "core/datetime.h"
#include "transfers/przelew.h"

namespace zlx::test {

inline TPrzelew demo_bankowy() {
    TPrzelew t = nowy_przelew();
    t.dost_nazwa = "Przedsiębiorstwo Żółć Sp. z o.o.";
    t.dost_adres = "ul. Łąkowa 12, 90-001 Łódź";
    t.dost_konto = "PL 61 1090 1014 0000 0712 1981 2874";
    t.my_nazwa = "Biuro Rachunkowe Ćma";
    t.my_adres = "ul. Źródlana 5, 31-000 Kraków";
    t.my_konto = "12 1020 2892 0000 5502 0123 4567";
    t.tytulem = "Faktura VAT 14/2026";
    t.tytulemcd = "za usługi księgowe";
    t.waluta = "PLN";
    t.kwota_money = Currency::from_grosze(123450);
    t.data = TDateTime::from_ymd(2026, 3, 14);
    wylicz_pola_druku(t);
    return t;
}

inline TPrzelew demo_us() {
    TPrzelew t = demo_bankowy();
    t.rodzaj_przelewu = kPrzelewPodatkowy;
    t.dost_nazwa = "Urząd Skarbowy Łódź-Śródmieście";
    t.dost_adres = "ul. Piotrkowska 1, 90-001 Łódź";
    t.dost_konto = "81 1010 1371 0000 0022 2300 0000";
    t.tytulem = "";
    t.tytulemcd = "";
    t.us_iduzup = "7251234567";
    t.us_typiduzup = "N";
    t.us_rokokresu = "26";
    t.us_typokresu = "M";
    t.us_nrokresu = "02";
    t.us_symbolformularza = "VAT-7";
    t.us_identyfikacjazobowiazania = "decyzja 123/2026";
    wylicz_pola_druku(t);
    return t;
}

inline TPrzelew demo_zus() {
    TPrzelew t = demo_bankowy();
    t.rodzaj_przelewu = kPrzelewZus;
    t.dost_nazwa = "Zakład Ubezpieczeń Społecznych";
    t.dost_adres = "";
    t.dost_konto = "83 1010 1023 0000 2613 9510 0000";
    t.my_adres = "Ćma Sp. j.";
    t.tytulem = "Ubezpieczenie społeczne";
    t.zus_nipplatnik = "725-123-45-67";
    t.zus_iduzup = "R";
    t.zus_numeriduzup = "472836510";
    t.zus_typwplaty = "S";
    t.zus_nrdeklaracji = "01";
    t.zus_deklaracja2 = "02";
    t.zus_deklaracja1 = "2026";
    t.zus_nrdecyzji = "";
    wylicz_pola_druku(t);
    return t;
}

}  // namespace zlx::test
