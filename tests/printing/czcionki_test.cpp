#include "printing/czcionki.h"

#include <gtest/gtest.h>

namespace zlx {
namespace {

TEST(Czcionki, CentralEuropeanCutsAndArialBlack) {
    struct Przypadek {
        const char* nazwa;
        const char* rodzina;
        bool pogrubiona;
    };
    const Przypadek przypadki[] = {
        {"Arial CE", "Arial", false},
        {"Times New Roman CE", "Times New Roman", false},
        {"ARIAL", "ARIAL", false},
        {"Courier NEW", "Courier NEW", false},
        {"Arial Black", "Arial", true},
        {"arial black ce", "Arial", true},
        {"CE", "CE", false},
    };
    for (const Przypadek& p : przypadki) {
        const RodzinaCzcionki r = rodzina_czcionki(p.nazwa);
        EXPECT_EQ(r.nazwa, p.rodzina) << p.nazwa;
        EXPECT_EQ(r.pogrubiona, p.pogrubiona) << p.nazwa;
    }
}

}  // namespace
}  // namespace zlx
