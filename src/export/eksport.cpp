#include "export/eksport.h"

#include <memory>

#include "db/result_set.h"
#include "export/class_Mbank.h"
#include "export/class_bzwbk.h"
#include "export/class_elixirmulticash_pkobp.h"
#include "export/class_elixirmulticash_slaski.h"
#include "export/plik_eksportu.h"
#include "transfers/przelew_store.h"

namespace zlx {

namespace {

LiniaEksportu wynik(TElixirClass& w, std::string linia) {
    return {std::move(linia), w.blad(), w.powody_bledow()};
}

}  // namespace

LiniaEksportu zapisz_linie_eksportu(const TPrzelew& przelew, const TProfilExp& profil) {
    switch (profil.prof_rodzaj_formatu) {
        case 0: {
            TElixirPkoBP w(przelew);
            w.set_profil(profil);
            w.set_separator(',');
            w.set_ogranicznik("");
            w.set_kodowanie(profil.prof_rodzaj_kodowania);
            return wynik(w, w.generuj_linie());
        }
        case 1: {
            TElixirSlaski w(przelew);
            w.set_profil(profil);
            w.set_separator(',');
            w.set_ogranicznik("\"");
            w.set_kodowanie(profil.prof_rodzaj_kodowania);
            return wynik(w, w.generuj_linie());
        }
        case kFormatBzwbk: {
            TElixirBzwbk w(przelew);
            w.set_profil(profil);
            w.set_separator('|');
            w.set_ogranicznik("\"");
            w.set_kodowanie(1);
            return wynik(w, w.generuj_linie_bzwbk());
        }
        case 3: {
            TElixirMbank w(przelew);
            w.set_profil(profil);
            w.set_separator(',');
            w.set_ogranicznik("\"");
            w.set_kodowanie(1);
            return wynik(w, w.generuj_linie());
        }
        default:
            return {};
    }
}

std::string opis_bledow(const TPrzelew& przelew, const LiniaEksportu& linia) {
    if (linia.powody.empty()) return {};
    std::string text = "Przelew dla: " + przelew.dost_nazwa + " na kwotę: " + przelew.kwota_money.to_text();
    for (std::size_t i = 0; i < linia.powody.size(); ++i)
        text += (i ? "," : "") + linia.powody[i];
    return text;
}

WynikEksportu exportuj(const TProfilExp& profil, const ZrodloPrzelewow& przelewy, const WyborDaty& data,
                       TDateTime teraz, const PoZapisaniuPliku& po_pliku) {
    WynikEksportu w;
    const bool bzwbk = profil.prof_rodzaj_formatu == kFormatBzwbk;
    const std::size_t limit = static_cast<std::size_t>(maks_w_pliku(profil));

    // The lines of each file, the header line included.
    std::vector<std::vector<std::string>> pliki(1);
    std::size_t w_pliku = 0;
    if (bzwbk) pliki.back().push_back(kNaglowekBzwbk);

    TProfilExp kopia = profil;
    kopia.prof_rodzaj_daty = data.rodzaj == 0 ? 0 : 1;
    while (std::optional<TPrzelew> p = przelewy()) {
        if (kopia.prof_rodzaj_daty == 0) {
            kopia.prof_data_do_wczytania = data.data;
            p->data = data.data;
        } else {
            kopia.prof_data_do_wczytania = p->data;
        }
        if (limit > 0 && w_pliku == limit) {
            pliki.emplace_back();
            w_pliku = 0;
            if (bzwbk) pliki.back().push_back(kNaglowekBzwbk);
        }
        LiniaEksportu l = zapisz_linie_eksportu(*p, kopia);
        pliki.back().push_back(std::move(l.linia));
        ++w_pliku;
        if (std::string opis = opis_bledow(*p, l); !opis.empty()) w.bledy.push_back(std::move(opis));
    }

    const std::string nazwa = nazwa_pliku_eksportu(profil, teraz);
    std::vector<PlikEksportu> run;
    for (std::size_t k = 0; k < pliki.size(); ++k)
        run.push_back({nazwa_kolejnego_pliku(nazwa, static_cast<int>(k + 1)), std::move(pliki[k])});
    try {
        zapisz_pliki_eksportu(run, profil.prof_rodzaj_kodowania, po_pliku);
        for (const PlikEksportu& p : run)
            w.pliki.push_back(p.path);
    } catch (const BladZapisuEksportu& e) {
        w.blad_zapisu = e.what();
    }
    return w;
}

ZrodloPrzelewow z_listy(const std::vector<TPrzelew>& przelewy) {
    auto next = std::make_shared<std::size_t>(0);
    return [&przelewy, next]() -> std::optional<TPrzelew> {
        if (*next >= przelewy.size()) return std::nullopt;
        return przelewy[(*next)++];
    };
}

ZrodloPrzelewow z_wierszy(ResultSet& wiersze) {
    wiersze.first();
    return [&wiersze]() -> std::optional<TPrzelew> {
        if (wiersze.eof()) return std::nullopt;
        TPrzelew p = load_przelew_from_rows(wiersze.int_value("nr_id"), wiersze);
        wiersze.next();
        return p;
    };
}

}  // namespace zlx
