#pragma once

// The groups tree of the counterparty register (`tb_kanaltree`). The node with key 1 is the root group:
// choosing it lists every counterparty, and it cannot be deleted. A counterparty belongs to the group
// whose key stands in its `grupa`.

#include <cstdint>
#include <string>
#include <vector>

namespace zlx {

class TGlAdoDs_mod;

inline constexpr std::int32_t kGrupaGlowna = 1;
inline constexpr std::int32_t kKanalTypGrupy = 2;  // kind of the groups the register creates

struct TKanalTree {
    std::int32_t kanal_id = 0;
    std::string kanal_nazwa;
    std::int32_t kanal_typ = 0;
    std::int32_t kanal_parent = 0;  // -1 for a root
    std::int32_t kanal_order = 0;

    bool operator==(const TKanalTree&) const = default;
};

// Clears the list and fills it in the order kanal_order, kanal_nazwa; returns the number of nodes.
int get_kanal_tree_list(TGlAdoDs_mod& ds, std::vector<TKanalTree>& list, const std::string& table);
// Returns the node, or a cleared one (key 0) when absent.
TKanalTree get_kanal_tree(TGlAdoDs_mod& ds, std::int32_t key, const std::string& table);
// Inserts (key 0, the new key is written back; a failed insert leaves it 0) or updates the node.
bool save_kanal_tree(TGlAdoDs_mod& ds, TKanalTree& node, const std::string& table);
// Deletes that one row; sub-groups and counterparties are not touched.
bool del_kanal_tree(TGlAdoDs_mod& ds, std::int32_t key, const std::string& table);

}  // namespace zlx
