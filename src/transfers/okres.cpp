#include "transfers/okres.h"

namespace zlx {

namespace {

Okres miesiac(int rok, int m) {
    return {TDateTime::from_ymd(rok, m, 1), TDateTime::from_ymd(rok, m, days_in_month(rok, m))};
}

Okres rok_caly(int rok) {
    return {TDateTime::from_ymd(rok, 1, 1), TDateTime::from_ymd(rok, 12, 31)};
}

}  // namespace

std::vector<std::string> pozycje_okresu() {
    return {"Dzisiaj",           "Wczoraj", "Ostatni tydzień", "Ten miesiąc",
            "Poprzedni miesiąc", "Ten rok", "Poprzedni rok"};
}

Okres okres_schematu(int pozycja, TDateTime dzisiaj) {
    const TDateTime d = dzisiaj.date_only();
    const CivilDate c = d.civil();
    switch (pozycja) {
        case 1:
            return {d.add_days(-1), d.add_days(-1)};
        case kOkresOstatniTydzien:
            return {d.add_days(-7), d};
        case 3:
            return miesiac(c.year, c.month);
        case 4:
            return c.month == 1 ? miesiac(c.year - 1, 12) : miesiac(c.year, c.month - 1);
        case 5:
            return rok_caly(c.year);
        case 6:
            return rok_caly(c.year - 1);
        default:
            return {d, d};
    }
}

}  // namespace zlx
