#include "registers/kanal_tree.h"

#include <gtest/gtest.h>

#include "tests/db/db_fixture.h"

namespace zlx::test {
namespace {

constexpr const char* kTabela = "tb_kanaltree";

TEST(KanalTree, InsertTrimsUpdateKeepsAndListIsInOrderThenPolishName) {
    NewDatabase db;
    TKanalTree lodz{0, "  Łódź  ", kKanalTypGrupy, kGrupaGlowna, 0};
    TKanalTree lublin{0, "Lublin", kKanalTypGrupy, kGrupaGlowna, 0};
    TKanalTree pierwszy{0, "Zakopane", kKanalTypGrupy, kGrupaGlowna, -1};
    for (TKanalTree* n : {&lodz, &lublin, &pierwszy})
        ASSERT_TRUE(save_kanal_tree(db.ds, *n, kTabela));
    EXPECT_GT(lodz.kanal_id, kGrupaGlowna);
    EXPECT_EQ(get_kanal_tree(db.ds, lodz.kanal_id, kTabela).kanal_nazwa, "Łódź");

    std::vector<TKanalTree> lista{TKanalTree{}};
    ASSERT_EQ(get_kanal_tree_list(db.ds, lista, kTabela), 4);
    std::vector<std::string> nazwy;
    for (const TKanalTree& n : lista)
        nazwy.push_back(n.kanal_nazwa);
    EXPECT_EQ(nazwy[0], "Zakopane");
    EXPECT_EQ(lista[1].kanal_id, kGrupaGlowna);  // the root's own caption comes from the database
    EXPECT_EQ(nazwy[2], "Lublin");
    EXPECT_EQ(nazwy[3], "Łódź");

    lodz.kanal_nazwa = " Łódź Widzew ";
    lodz.kanal_order = 5;
    ASSERT_TRUE(save_kanal_tree(db.ds, lodz, kTabela));
    const TKanalTree po = get_kanal_tree(db.ds, lodz.kanal_id, kTabela);
    EXPECT_EQ(po, lodz);
    EXPECT_TRUE(db.msgs.errors.empty());
}

TEST(KanalTree, DeleteRemovesOnlyThatRowAndMissingNodesAreCleared) {
    NewDatabase db;
    TKanalTree rodzic{0, "Rodzic", kKanalTypGrupy, kGrupaGlowna, 0};
    ASSERT_TRUE(save_kanal_tree(db.ds, rodzic, kTabela));
    TKanalTree dziecko{0, "Dziecko", kKanalTypGrupy, rodzic.kanal_id, 0};
    ASSERT_TRUE(save_kanal_tree(db.ds, dziecko, kTabela));
    EXPECT_TRUE(del_kanal_tree(db.ds, rodzic.kanal_id, kTabela));
    EXPECT_EQ(get_kanal_tree(db.ds, rodzic.kanal_id, kTabela), TKanalTree{});
    EXPECT_EQ(get_kanal_tree(db.ds, dziecko.kanal_id, kTabela), dziecko);
}

TEST(KanalTree, StatementsAreWrittenExactlyAndAFailedInsertKeepsNoKey) {
    NewDatabase db;
    ASSERT_TRUE(db.ds.exec_sql("DROP TABLE tb_kanaltree"));
    TKanalTree n{0, " Nowa 'grupa' ", 2, 1, 0};
    EXPECT_FALSE(save_kanal_tree(db.ds, n, kTabela));
    EXPECT_EQ(n.kanal_id, 0);
    n.kanal_id = 6;
    EXPECT_FALSE(save_kanal_tree(db.ds, n, kTabela));
    EXPECT_FALSE(del_kanal_tree(db.ds, 6, kTabela));
    std::vector<TKanalTree> lista;
    EXPECT_EQ(get_kanal_tree_list(db.ds, lista, kTabela), 0);
    ASSERT_EQ(db.msgs.errors.size(), 3u);
    EXPECT_EQ(db.msgs.errors[0].statement,
              " INSERT INTO tb_kanaltree(kanal_id,kanal_nazwa,kanal_typ,kanal_parent,kanal_order ) VALUES ( "
              "2,'Nowa "
              "''grupa''',2,1,0)");
    EXPECT_EQ(db.msgs.errors[1].statement,
              " UPDATE tb_kanaltree set  kanal_nazwa=' Nowa ''grupa'' ', kanal_typ=2, kanal_parent=1, "
              "kanal_order=0 "
              "WHERE kanal_id = 6");
    EXPECT_EQ(db.msgs.errors[2].statement, "DELETE  FROM [tb_kanaltree] where [tb_kanaltree].[kanal_id]=6");
}

}  // namespace
}  // namespace zlx::test
