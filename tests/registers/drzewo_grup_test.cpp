#include "registers/drzewo_grup.h"

#include <gtest/gtest.h>

#include <string>

namespace zlx {
namespace {

// Returns the tree as "caption(children...)" in tree order.
std::string opis(const std::vector<WezelGrupy>& wezly) {
    std::string s;
    for (const auto& w : wezly) {
        if (!s.empty()) s += ",";
        s += w.kanal.kanal_nazwa;
        if (!w.dzieci.empty()) s += "(" + opis(w.dzieci) + ")";
    }
    return s;
}

TEST(ZbudujDrzewo, ChildrenInListOrderOrphansLeftOut) {
    const std::vector<TKanalTree> lista = {
        {3, "Urzędy", 2, 1, 0},  {1, "Wszyscy", 1, -1, 0}, {2, "Dostawcy", 2, 1, 0},
        {4, "Krajowi", 2, 2, 0}, {5, "Sierota", 2, 99, 0}, {6, "Drugi korzeń", 2, -1, 0},
    };
    EXPECT_EQ(opis(zbuduj_drzewo(lista)), "Wszyscy(Urzędy,Dostawcy(Krajowi)),Drugi korzeń");
    EXPECT_TRUE(zbuduj_drzewo({}).empty());
}

TEST(ZbudujDrzewo, RepeatedKeyDoesNotLoopForever) {
    const std::vector<TKanalTree> lista = {
        {1, "Wszyscy", 1, -1, 0}, {1, "Pętla", 2, 1, 0}, {2, "Dziecko", 2, 1, 0}};
    EXPECT_EQ(opis(zbuduj_drzewo(lista)), "Wszyscy(Dziecko)");
}

TEST(ZnajdzGrupe, FirstInTreeOrderIgnoringCase) {
    const std::vector<TKanalTree> lista = {
        {1, "Wszyscy", 1, -1, 0}, {2, "A", 2, 1, 0}, {3, "ŁÓDŹ", 2, 2, 0}, {4, "łódź", 2, 1, 0}};
    const auto drzewo = zbuduj_drzewo(lista);
    const TKanalTree* k = znajdz_grupe(drzewo, "łódź");
    ASSERT_NE(k, nullptr);
    EXPECT_EQ(k->kanal_id, 3);
    EXPECT_EQ(znajdz_grupe(drzewo, "Brak"), nullptr);
}

TEST(Grupy, NewAndRenamedNodes) {
    EXPECT_EQ(nowa_grupa("  Nowa  ", 7), (TKanalTree{0, "Nowa", 2, 7, 0}));
    EXPECT_EQ(zmieniona_grupa(TKanalTree{9, "Stara", 0, 3, 4}, " Inna "), (TKanalTree{9, "Inna", 2, 3, 4}));
}

}  // namespace
}  // namespace zlx
