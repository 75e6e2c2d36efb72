#pragma once

// The groups tree of the counterparty register as the screen shows it: built from the flat list of
// `tb_kanaltree` rows, starting at the roots (parent -1), children in list order. Nodes whose parent is
// missing are not reachable and do not appear.

#include <cstdint>
#include <string_view>
#include <vector>

#include "registers/kanal_tree.h"

namespace zlx {

struct WezelGrupy {
    TKanalTree kanal;
    std::vector<WezelGrupy> dzieci;
};

// Builds the tree from parent -1. A node met again below itself (a loop through repeated keys) is left
// out there, so a damaged table cannot make the tree endless.
std::vector<WezelGrupy> zbuduj_drzewo(const std::vector<TKanalTree>& lista);

// Returns the first node in tree order (each node before its children) whose caption equals the name,
// letter case ignored; nullptr when there is none.
const TKanalTree* znajdz_grupe(const std::vector<WezelGrupy>& drzewo, std::string_view nazwa);

// Message of the group dialog for a blank name.
inline constexpr const char* kBladNazwyGrupy = "Nazwa grupy nie może być pusta";

// Returns the new group under the parent: key 0, the trimmed name, kind 2, order 0.
TKanalTree nowa_grupa(std::string_view nazwa, std::int32_t parent);
// Returns the group renamed: the trimmed name and kind 2; key, parent and order kept.
TKanalTree zmieniona_grupa(const TKanalTree& grupa, std::string_view nazwa);

}  // namespace zlx
