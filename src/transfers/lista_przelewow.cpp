#include "transfers/lista_przelewow.h"

#include "db/result_set.h"
#include "transfers/przelew_store.h"

namespace zlx {

namespace {

std::int32_t klucz(const ResultSet& rows, std::size_t row_id, std::size_t kolumna) {
    return static_cast<std::int32_t>(rows.row(row_id).int64_value(kolumna));
}

}  // namespace

Podsumowanie podsumuj(const ResultSet& rows, const Zaznaczenie& zaznaczone) {
    Podsumowanie s;
    const std::size_t kwota = rows.field_index("kwota_money");
    const std::size_t nr_id = rows.field_index("nr_id");
    for (std::size_t r = 0; r < rows.total_count(); ++r) {
        const Currency k = rows.row(r).currency(kwota);
        s.wszystkie += k;
        if (!zaznaczone.pusty() && zaznaczone.zaznaczony(klucz(rows, r, nr_id))) {
            s.zaznaczone += k;
            ++s.ile_zaznaczonych;
        }
    }
    s.ukrytych_zaznaczonych = zaznaczone.ukryte(rows);
    return s;
}

std::string etykieta_podsumowania(const Podsumowanie& s) {
    if (s.ile_zaznaczonych == 0) return "Podsumowania";
    std::string tekst = "Podsumowania zaznaczono: " + std::to_string(s.ile_zaznaczonych);
    if (s.ukrytych_zaznaczonych > 0)
        tekst += " (ukryte przez filtr: " + std::to_string(s.ukrytych_zaznaczonych) + ")";
    return tekst;
}

std::string pytanie_usuniecia(const Podsumowanie& s) {
    std::string tekst = "Czy na pewno chcesz usunąć kartoteki ?";
    if (s.ukrytych_zaznaczonych > 0)
        tekst += "\n\nZaznaczone: " + std::to_string(s.ile_zaznaczonych) +
                 ", w tym ukryte przez filtr: " + std::to_string(s.ukrytych_zaznaczonych);
    return tekst;
}

std::int32_t klonuj_przelewy(TGlAdoDs_mod& ds, const std::vector<std::int32_t>& ids, bool nowa_data,
                             TDateTime data) {
    std::int32_t ostatni = 0;
    for (const std::int32_t id : ids) {
        TPrzelew p = load_przelew(ds, id);
        // The defaults come back for a row another workstation deleted; storing them would add an
        // empty order.
        if (p.nr_id != id) continue;
        if (nowa_data) p.data = data;
        p.nr_id = 0;
        if (!save_przelew(ds, p)) break;
        ostatni = p.nr_id;
    }
    return ostatni;
}

bool zmien_znacznik_dla_zaznaczonych(TGlAdoDs_mod& ds, const std::vector<std::int32_t>& ids, int znacznik) {
    for (const std::int32_t id : ids) {
        if (!set_znacznik(ds, id, znacznik)) return false;
    }
    return true;
}

bool usun_przelewy(TGlAdoDs_mod& ds, const std::vector<std::int32_t>& ids) {
    for (const std::int32_t id : ids) {
        if (!delete_przelew(ds, id)) return false;
    }
    return true;
}

}  // namespace zlx
