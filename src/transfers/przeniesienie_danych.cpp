#include "transfers/przeniesienie_danych.h"

#include <cstdint>
#include <variant>

#include "core/text.h"
#include "registers/firma_my_store.h"
#include "registers/kontrah_store.h"
#include "transfers/derivations.h"

namespace zlx {

namespace {

using Field = std::variant<std::string TPrzKth::*, std::int32_t TPrzKth::*>;

struct Column {
    const char* name;  // the counterparty column; own companies add the prefix "m" (but to ID1 and id)
    Field field;
    bool counterparty_only = false;
    bool company_only = false;
};

// The columns the transfer reads, in the order of the older version's tables.
const Column kColumns[] = {
    {"ID1", &TPrzKth::ID1},
    {"id", &TPrzKth::id},
    {"aktywny", &TPrzKth::aktywny, true},
    {"skrot", &TPrzKth::skrot},
    {"nazwa", &TPrzKth::nazwa},
    {"Kraj", &TPrzKth::Kraj},
    {"Miejscowosc", &TPrzKth::Miejscowosc},
    {"gmina", &TPrzKth::gmina},
    {"ulica", &TPrzKth::ulica},
    {"numerDomu", &TPrzKth::numerDomu},
    {"numerMieszk", &TPrzKth::numerMieszk},
    {"kod", &TPrzKth::kod},
    {"poczta", &TPrzKth::poczta},
    {"Telefon1", &TPrzKth::Telefon1},
    {"Telefon2", &TPrzKth::Telefon2},
    {"Telefax", &TPrzKth::Telefax},
    {"Telex", &TPrzKth::Telex},
    {"email", &TPrzKth::email},
    {"W_banku1", &TPrzKth::W_banku1},
    {"nr_banku", &TPrzKth::nr_banku},
    {"lk", &TPrzKth::lk},
    {"Rachunek1", &TPrzKth::Rachunek1},
    {"rezerwa2", &TPrzKth::rezerwa2},
    {"W_banku2", &TPrzKth::W_banku2},
    {"Rachunek2", &TPrzKth::Rachunek2},
    {"PlatnikVAT", &TPrzKth::PlatnikVAT},
    {"naglowek", &TPrzKth::naglowek},
    {"nazwisko", &TPrzKth::nazwisko},
    {"imie", &TPrzKth::imie},
    {"pracownik", &TPrzKth::pracownik},
    {"typ", &TPrzKth::typ},
    {"nip", &TPrzKth::nip},
    {"pesel", &TPrzKth::pesel},
    {"Regon", &TPrzKth::Regon},
    {"zaufanie", &TPrzKth::zaufanie},
    {"notatki", &TPrzKth::notatki},
    {"klienturzad", &TPrzKth::klienturzad, true},
    {"czypracownik", &TPrzKth::czypracownik, true},
    {"www", &TPrzKth::www},
    {"imienazwiskoosoba1", &TPrzKth::imienazwiskoosoba1},
    {"imienazwiskoosoba2", &TPrzKth::imienazwiskoosoba2},
    {"telefonosoba1", &TPrzKth::telefonosoba1},
    {"telefonosoba2", &TPrzKth::telefonosoba2},
    {"emailosoba1", &TPrzKth::emailosoba1},
    {"emailosoba2", &TPrzKth::emailosoba2},
    {"lk2", &TPrzKth::lk2},
    {"nr_banku2", &TPrzKth::nr_banku2},
    {"domyslnekonto", &TPrzKth::domyslnekonto},
    {"domyslnafirma", &TPrzKth::domyslnafirma, false, true},
};

std::string column_name(const Column& c, bool firma_wlasna) {
    std::string name = c.name;
    if (firma_wlasna && name != "ID1" && name != "id") return "m" + name;
    return name;
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
    for (const Column& c : kColumns) {
        if ((c.counterparty_only && firma_wlasna) || (c.company_only && !firma_wlasna)) continue;
        const std::string name = column_name(c, firma_wlasna);
        for (std::size_t i = 0; i < columns.size() && i < row.size(); ++i) {
            if (!equals_ci(columns[i].name, name)) continue;
            MdbValue v = row[i];
            if (!is_textual(columns[i].kind)) v.text.clear();
            if (auto* s = std::get_if<std::string TPrzKth::*>(&c.field))
                kth.*(*s) = as_text(v);
            else
                kth.*std::get<std::int32_t TPrzKth::*>(c.field) = as_int(v);
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
