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
        if (!zaznaczone.empty() && zaznaczone.contains(klucz(rows, r, nr_id))) {
            s.zaznaczone += k;
            ++s.ile_zaznaczonych;
        }
    }
    return s;
}

std::string etykieta_podsumowania(std::size_t ile_zaznaczonych) {
    if (ile_zaznaczonych == 0) return "Podsumowania";
    return "Podsumowania zaznaczono: " + std::to_string(ile_zaznaczonych);
}

std::vector<std::int32_t> zaznaczone_w_kolejnosci(const ResultSet& rows, const Zaznaczenie& zaznaczone) {
    std::vector<std::int32_t> ids;
    if (zaznaczone.empty()) return ids;
    const std::size_t nr_id = rows.field_index("nr_id");
    for (std::size_t r = 0; r < rows.total_count(); ++r) {
        const std::int32_t id = klucz(rows, r, nr_id);
        if (zaznaczone.contains(id)) ids.push_back(id);
    }
    return ids;
}

Zaznaczenie zaznaczenie_w_zbiorze(const ResultSet& rows, const Zaznaczenie& zaznaczone) {
    const auto ids = zaznaczone_w_kolejnosci(rows, zaznaczone);
    return Zaznaczenie(ids.begin(), ids.end());
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
