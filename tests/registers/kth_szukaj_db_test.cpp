// The search statements run on a real database: the "*" forms find what they promise, and typed
// quotes and wildcards stay text.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "registers/kontrah_store.h"
#include "registers/kth_szukaj.h"
#include "tests/db/db_fixture.h"

namespace zlx::test {
namespace {

class SzukajNaBazie : public ::testing::Test {
  protected:
    NewDatabase db;

    void SetUp() override {
        int znacznik = 0;
        for (const char* nazwa : {"ab", "xab", "abc", "ABX", "a b", "O'Neil", "O'Neil i syn", "100% pewny",
                                  "100 procent", "a_b", "axb", "ŁÓDŹ zakład"}) {
            TPrzKth k;
            k.skrot = nazwa;
            k.nazwa = nazwa;
            k.znacznik = znacznik++ % 3;  // 0, 1, 2 in turn
            ASSERT_TRUE(save_kontrah(db.ds, k)) << nazwa;
        }
    }

    // Returns the names the search finds, sorted.
    std::vector<std::string> znajdz(int wg, const std::string& tekst, int znacznik = -1) {
        auto rs = db.ds.open_sql(sql_szukaj_kth(wg, tekst, znacznik, ""));
        std::vector<std::string> nazwy;
        for (rs->first(); !rs->eof(); rs->next())
            nazwy.push_back(rs->text("nazwa"));
        std::sort(nazwy.begin(), nazwy.end());
        return nazwy;
    }
};

using Nazwy = std::vector<std::string>;

TEST_F(SzukajNaBazie, AsteriskForms) {
    EXPECT_EQ(znajdz(2, "ab"), (Nazwy{"ab"}));
    EXPECT_EQ(znajdz(2, "*ab"), (Nazwy{"ab", "xab"}));
    EXPECT_EQ(znajdz(2, "ab*"), (Nazwy{"ABX", "ab", "abc"}));
    EXPECT_EQ(znajdz(2, "a*b"), (Nazwy{"ABX", "ab", "abc"}));
    EXPECT_EQ(znajdz(2, "łódź*"), (Nazwy{"ŁÓDŹ zakład"}));
}

TEST_F(SzukajNaBazie, QuotesAndWildcardsAreText) {
    EXPECT_EQ(znajdz(2, "O'Neil"), (Nazwy{"O'Neil"}));
    EXPECT_EQ(znajdz(2, "O'Neil*"), (Nazwy{"O'Neil", "O'Neil i syn"}));
    EXPECT_EQ(znajdz(2, "*'Neil i syn"), (Nazwy{"O'Neil i syn"}));
    EXPECT_EQ(znajdz(2, "x' OR 'a'='a*"), Nazwy{});
    EXPECT_EQ(znajdz(2, "100%*"), (Nazwy{"100% pewny"}));
    EXPECT_EQ(znajdz(2, "*_b"), (Nazwy{"a_b"}));
    EXPECT_EQ(db.msgs.errors.size(), 0u);
}

TEST_F(SzukajNaBazie, MarkerAloneOrWithText) {
    // Markers 0, 1, 2 in turn: "xab", "a b", "100% pewny", "axb" carry 1.
    EXPECT_EQ(znajdz(0, "ab", 1), (Nazwy{"100% pewny", "a b", "axb", "xab"}));
    EXPECT_EQ(znajdz(2, "*b", 1), (Nazwy{"a b", "axb", "xab"}));
    EXPECT_EQ(znajdz(2, "*b", 0), (Nazwy{"a b", "a_b", "ab", "axb", "xab"}))
        << "\"brak\" adds no marker condition";
}

}  // namespace
}  // namespace zlx::test
