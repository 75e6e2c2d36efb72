#include "registers/drzewo_grup.h"

#include <algorithm>

#include "core/text.h"

namespace zlx {

namespace {

void dodaj_dzieci(const std::vector<TKanalTree>& lista, std::int32_t parent, std::vector<std::int32_t>& droga,
                  std::vector<WezelGrupy>& cel) {
    for (const TKanalTree& k : lista) {
        if (k.kanal_parent != parent) continue;
        if (std::find(droga.begin(), droga.end(), k.kanal_id) != droga.end()) continue;
        WezelGrupy w{k, {}};
        droga.push_back(k.kanal_id);
        dodaj_dzieci(lista, k.kanal_id, droga, w.dzieci);
        droga.pop_back();
        cel.push_back(std::move(w));
    }
}

const TKanalTree* szukaj(const std::vector<WezelGrupy>& wezly, std::string_view nazwa) {
    for (const WezelGrupy& w : wezly) {
        if (equals_ci(w.kanal.kanal_nazwa, nazwa)) return &w.kanal;
        if (const TKanalTree* k = szukaj(w.dzieci, nazwa)) return k;
    }
    return nullptr;
}

}  // namespace

std::vector<WezelGrupy> zbuduj_drzewo(const std::vector<TKanalTree>& lista) {
    std::vector<WezelGrupy> drzewo;
    std::vector<std::int32_t> droga;
    dodaj_dzieci(lista, -1, droga, drzewo);
    return drzewo;
}

const TKanalTree* znajdz_grupe(const std::vector<WezelGrupy>& drzewo, std::string_view nazwa) {
    return szukaj(drzewo, nazwa);
}

TKanalTree nowa_grupa(std::string_view nazwa, std::int32_t parent) {
    return TKanalTree{0, trim(nazwa), kKanalTypGrupy, parent, 0};
}

TKanalTree zmieniona_grupa(const TKanalTree& grupa, std::string_view nazwa) {
    TKanalTree k = grupa;
    k.kanal_nazwa = trim(nazwa);
    k.kanal_typ = kKanalTypGrupy;
    return k;
}

}  // namespace zlx
