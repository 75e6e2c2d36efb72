#include "export/profilexp.h"

#include "core/text.h"

namespace zlx {

void init_profilexp(TProfilExp& p) {
    p = TProfilExp{};
    p.prof_data_do_wczytania = TDateTime::today();
}

TProfilExp nowy_profilexp() {
    TProfilExp p;
    init_profilexp(p);
    return p;
}

int maks_w_pliku(const TProfilExp& p) {
    const int n = to_int(p.prof_maks_w_pliku, 0);
    return n > 0 ? n : 0;
}

}  // namespace zlx
