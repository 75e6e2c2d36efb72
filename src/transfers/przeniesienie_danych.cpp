#include "transfers/przeniesienie_danych.h"

#include <cstdint>
#include <string_view>
#include <variant>

#include "core/text.h"
#include "registers/firma_my_store.h"
#include "registers/kontrah_store.h"
#include "transfers/derivations.h"

namespace zlx {

namespace {

// Columns of ours that the older tables do not give: they keep their defaults.
bool not_in_older_file(std::string_view column) {
    for (const char* c : {"rabat", "grupa", "id_old", "znacznik"})
        if (column == c) return true;
    return false;
}

std::string as_text(const MdbValue& v) {
    if (v.is_null) return "";
    if (!v.text.empty()) return v.text;
    return std::to_string(v.integer);
}

std::int32_t as_int(const MdbValue& v) {
    if (v.is_null) return 0;
    if (!v.text.empty()) return to_int(v.text, 0);
    return static_cast<std::int32_t>(v.integer);
}

bool is_textual(MdbKind k) {
    return k == MdbKind::text || k == MdbKind::memo || k == MdbKind::guid || k == MdbKind::numeric;
}

}  // namespace

TPrzKth kth_z_wiersza_starej_bazy(const std::vector<MdbColumnDef>& columns, const std::vector<MdbValue>& row,
                                  bool firma_wlasna) {
    TPrzKth kth;
    for (const Kolumna<TPrzKth>& k : firma_wlasna ? kolumny_my() : kolumny_kontrach()) {
        if (not_in_older_file(k.nazwa)) continue;
        for (std::size_t i = 0; i < columns.size() && i < row.size(); ++i) {
            if (!equals_ci(columns[i].name, k.nazwa)) continue;
            MdbValue v = row[i];
            if (!is_textual(columns[i].kind)) v.text.clear();
            if (auto* s = std::get_if<std::string TPrzKth::*>(&k.pole))
                kth.*(*s) = as_text(v);
            else if (auto* n = std::get_if<std::int32_t TPrzKth::*>(&k.pole))
                kth.*(*n) = as_int(v);
            break;
        }
    }
    return kth;
}

void przygotuj_do_przeniesienia(TPrzKth& kth, bool firma_wlasna) {
    kth.Rachunek1 = formatuj_konto(kth.lk + kth.nr_banku + kth.Rachunek1, 0);
    kth.Rachunek2 = formatuj_konto(kth.lk2 + kth.nr_banku2 + kth.Rachunek2, 0);
    kth.ulica = kth.ulica + " " + kth.numerDomu;
    if (!trim(kth.numerMieszk).empty()) kth.ulica += "/" + kth.numerMieszk;
    if (!firma_wlasna) kth.id_old = kth.ID1;
    kth.ID1 = 0;
}

std::vector<TPrzKth> wczytaj_ze_starej_bazy(const std::string& path, bool firma_wlasna) {
    MdbFile file(path);
    const std::string wanted = firma_wlasna ? "my" : "kontrach";
    std::string table;
    for (const std::string& t : file.table_names())
        if (equals_ci(t, wanted)) table = t;
    if (table.empty())
        throw MdbError("Plik " + path + " nie zawiera tabeli " + wanted +
                       " - to nie jest baza programu Zlecenix 1");
    const std::vector<MdbColumnDef> columns = file.columns(table);
    std::vector<TPrzKth> out;
    file.read_rows(table, [&](const std::vector<MdbValue>& row) {
        TPrzKth kth = kth_z_wiersza_starej_bazy(columns, row, firma_wlasna);
        przygotuj_do_przeniesienia(kth, firma_wlasna);
        out.push_back(std::move(kth));
    });
    return out;
}

int przenies_kontrahentow(TGlAdoDs_mod& ds, const std::string& path) {
    int stored = 0;
    for (TPrzKth& k : wczytaj_ze_starej_bazy(path, false))
        if (save_kontrah(ds, k)) ++stored;
    return stored;
}

int przenies_firmy(TGlAdoDs_mod& ds, const std::string& path) {
    int stored = 0;
    for (TPrzKth& k : wczytaj_ze_starej_bazy(path, true))
        if (save_firma_my(ds, k)) ++stored;
    return stored;
}

}  // namespace zlx
