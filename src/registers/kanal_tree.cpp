#include "registers/kanal_tree.h"

#include <exception>
#include <memory>

#include "core/text.h"
#include "db/gl_ado_ds.h"
#include "db/result_set.h"
#include "db/sql_format.h"
#include "registers/wstaw.h"

namespace zlx {

namespace {

std::string poczatek_select(const std::string& table) {
    return "SELECT kanal_id,kanal_nazwa,kanal_typ,kanal_parent,kanal_order  FROM " + table + " ";
}

TKanalTree wezel_z(const ResultSet& rs) {
    return {rs.int_value("kanal_id"), rs.text("kanal_nazwa"), rs.int_value("kanal_typ"),
            rs.int_value("kanal_parent"), rs.int_value("kanal_order")};
}

}  // namespace

int get_kanal_tree_list(TGlAdoDs_mod& ds, std::vector<TKanalTree>& list, const std::string& table) {
    list.clear();
    try {
        std::unique_ptr<ResultSet> rs =
            ds.open_sql(poczatek_select(table) + "  order by kanal_order,kanal_nazwa ");
        if (rs)
            for (; !rs->eof(); rs->next())
                list.push_back(wezel_z(*rs));
    } catch (const std::exception&) {
        list.clear();
    }
    return static_cast<int>(list.size());
}

TKanalTree get_kanal_tree(TGlAdoDs_mod& ds, std::int32_t key, const std::string& table) {
    TKanalTree node;
    try {
        std::unique_ptr<ResultSet> rs =
            ds.open_sql(poczatek_select(table) + "WHERE kanal_id=" + sql_int(key));
        if (rs)
            for (; !rs->eof(); rs->next())
                node = wezel_z(*rs);
    } catch (const std::exception&) {
        return TKanalTree{};
    }
    return node;
}

bool save_kanal_tree(TGlAdoDs_mod& ds, TKanalTree& node, const std::string& table) {
    if (node.kanal_id != 0)
        return ds.exec_sql(" UPDATE " + table + " set " + " kanal_nazwa=" + sql_str(node.kanal_nazwa) + "," +
                           " kanal_typ=" + sql_int(node.kanal_typ) + "," + " kanal_parent=" +
                           sql_int(node.kanal_parent) + "," + " kanal_order=" + sql_int(node.kanal_order) +
                           " WHERE kanal_id = " + sql_int(node.kanal_id));
    return wstaw_z_kluczem(ds, table, node.kanal_id, [&] {
        return " INSERT INTO " + table + "(" + "kanal_id," + "kanal_nazwa," + "kanal_typ," + "kanal_parent," +
               "kanal_order " + ") VALUES ( " + sql_int(node.kanal_id) + "," +
               sql_str(trim(node.kanal_nazwa)) + "," + sql_int(node.kanal_typ) + "," +
               sql_int(node.kanal_parent) + "," + sql_int(node.kanal_order) + ")";
    });
}

bool del_kanal_tree(TGlAdoDs_mod& ds, std::int32_t key, const std::string& table) {
    return ds.exec_sql("DELETE  FROM [" + table + "] where [" + table + "].[kanal_id]=" + sql_int(key));
}

}  // namespace zlx
