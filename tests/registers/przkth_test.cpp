#include "registers/przkth.h"

#include <gtest/gtest.h>

#include "core/ini.h"
#include "core/settings.h"
#include "tests/support/temp_folder.h"

namespace zlx {
namespace {

TEST(KontoKth, DefaultAccountPicksTheParts) {
    TPrzKth k;
    k.lk = "61";
    k.Rachunek1 = "111";
    k.nr_banku = "10901014";
    k.lk2 = "62";
    k.Rachunek2 = "222";
    k.nr_banku2 = "20202020";
    struct Case {
        int domyslne;
        TKonto konto;
    };
    const Case cases[] = {
        {0, {"61", "111", "10901014"}},
        {1, {"62", "222", "20202020"}},
        {2, {}},
        {-1, {}},
    };
    for (const Case& c : cases) {
        k.domyslnekonto = c.domyslne;
        EXPECT_EQ(konto_kth(k), c.konto) << c.domyslne;
    }
}

TEST(SklejAdres, OrderFollowsTheSetting) {
    test::TempProgramFolder folder;
    TPrzKth k;
    k.ulica = "ul. Długa 5";
    k.kod = "00-950";
    k.Miejscowosc = "Łódź";
    EXPECT_EQ(sklej_adres_kth(k), "ul. Długa 5 00-950 Łódź");
    zapisz_ini(kUstPrzelewIni, "opcje_wydrukow", "jaknazwacd", "1");
    EXPECT_EQ(sklej_adres_kth(k), "00-950 Łódź ul. Długa 5");
    EXPECT_EQ(sklej_adres("", "", ""), "  ");
    zapisz_ini(kUstPrzelewIni, "opcje_wydrukow", "jaknazwacd", "2");
    EXPECT_EQ(sklej_adres("a", "b", "c"), "a b c");
}

}  // namespace
}  // namespace zlx
