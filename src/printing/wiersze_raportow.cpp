#include "printing/wiersze_raportow.h"

#include "core/text.h"
#include "db/result_set.h"
#include "transfers/format_kwoty.h"

namespace zlx {

namespace {

// The statement's text fields hold up to 255 characters.
constexpr std::size_t kDlugoscPola = 255;

}  // namespace

WybraneWiersze wybierz_wiersze(const ResultSet& lista, const Zaznaczenie& zaznaczone, ZakresWierszy zakres) {
    WybraneWiersze w;
    if (lista.record_count() == 0) return w;
    std::vector<std::size_t> wiersze;
    if (zakres == ZakresWierszy::zaznaczone) {
        wiersze = zaznaczone.wiersze(lista);
    } else {
        for (std::size_t i = 0; i < lista.record_count(); ++i) {
            const std::size_t id = lista.row_id_at(i);
            if (zakres == ZakresWierszy::zatwierdzone && lista.row(id).int_value("bufor") != 0) continue;
            wiersze.push_back(id);
        }
    }
    if (zakres == ZakresWierszy::zaznaczone && wiersze.empty()) {
        w.brak_zaznaczenia = true;
        return w;
    }
    w.zbior = lista.copy_rows(wiersze);
    return w;
}

std::vector<WierszZbiorowki> przygotuj_zbiorowke(const ResultSet& przelewy, TDateTime data,
                                                 const std::string& rachunek, TParZbiorowka& par) {
    std::vector<WierszZbiorowki> wiersze;
    Currency suma;
    for (std::size_t i = 0; i < przelewy.record_count(); ++i) {
        const Row r = przelewy.row(przelewy.row_id_at(i));
        const Currency kwota = r.currency("kwota_money");
        wiersze.push_back({static_cast<int>(i + 1), kwota});
        suma += kwota;
    }
    par.data = data.to_text();
    par.ilosc = std::to_string(wiersze.size());
    par.suma = suma.to_text();
    par.rachunek = rachunek;
    return wiersze;
}

std::vector<WierszZestawienia> generuj_rs_zestaw_przel(const ResultSet& przelewy, TParZbiorowka& par) {
    std::vector<WierszZestawienia> wiersze;
    Currency suma;
    for (std::size_t i = 0; i < przelewy.record_count(); ++i) {
        const Row r = przelewy.row(przelewy.row_id_at(i));
        WierszZestawienia w;
        w.lp = static_cast<int>(i + 1);
        w.dost_nazwa = utf8_left(r.text("dost_nazwa"), kDlugoscPola);
        w.my_nazwa = utf8_left(r.text("my_nazwa"), kDlugoscPola);
        w.tytulem = utf8_left(r.text("tytulem"), kDlugoscPola);
        w.data = r.is_null("data") ? "" : r.date("data").to_text();
        w.kwota = r.currency("kwota_money");
        suma += w.kwota;
        wiersze.push_back(std::move(w));
    }
    par.ilosc = std::to_string(wiersze.size());
    par.suma = suma.to_text();
    return wiersze;
}

std::string pole_zestawienia(const WierszZestawienia& w, const std::string& pole) {
    if (pole == "lp") return std::to_string(w.lp);
    if (pole == "data") return w.data;
    if (pole == "dost_nazwa") return w.dost_nazwa;
    if (pole == "my_nazwa") return w.my_nazwa;
    if (pole == "tytulem") return w.tytulem;
    if (pole == "kwota") return kwota_w_grupach(w.kwota);
    return {};
}

}  // namespace zlx
