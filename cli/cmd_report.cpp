// zlecenix-cli report: the collective order or the statement of stored orders into a PDF file, as the
// print dialog prints them. Qt draws offscreen; no window opens.

#include <cstdlib>
#include <iostream>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/printing/wydruk_qt.h"
#include "cli/commands.h"
#include "cli/offscreen_gui.h"
#include "cli/stderr_messages.h"
#include "core/text.h"
#include "db/gl_ado_cn.h"
#include "db/gl_ado_ds.h"
#include "db/result_set.h"
#include "db/sql_format.h"
#include "printing/sterowanie.h"
#include "registers/firma_my_store.h"
#include "transfers/formularz.h"

namespace zlx::cli {

namespace {

// The stored orders in the order given, as a set with the columns of `kartoteka`; nullptr after
// telling which order is missing.
std::unique_ptr<ResultSet> wczytaj_przelewy(TGlAdoDs_mod& ds, const std::vector<std::int32_t>& numery) {
    std::string lista;
    for (std::int32_t n : numery)
        lista += (lista.empty() ? "" : ",") + sql_int(n);
    std::unique_ptr<ResultSet> rs = ds.open_sql(" select * from kartoteka  WHERE nr_id in (" + lista + ")");
    if (!rs) return nullptr;
    std::map<std::int32_t, std::size_t> wiersz;
    for (std::size_t i = 0; i < rs->total_count(); ++i)
        wiersz[rs->row(i).int_value("nr_id")] = i;
    std::vector<std::size_t> kolejnosc;
    for (std::int32_t n : numery) {
        const auto w = wiersz.find(n);
        if (w == wiersz.end()) {
            std::cerr << "Nie ma przelewu o numerze " << n << "\n";
            return nullptr;
        }
        kolejnosc.push_back(w->second);
    }
    return rs->copy_rows(kolejnosc);
}

// The statement's period when none is given: from the earliest to the latest order date.
void okres_przelewow(const ResultSet& rs, TParZbiorowka& par) {
    for (std::size_t i = 0; i < rs.total_count(); ++i) {
        const std::string d = rs.row(i).date("data").to_text();
        if (par.data_od.empty() || d < par.data_od) par.data_od = d;
        if (par.data_do.empty() || d > par.data_do) par.data_do = d;
    }
}

}  // namespace

int run_report(const Args& args) {
    const std::string rodzaj = option_value(args, "--kind");
    const std::string ids = option_value(args, "--ids");
    const std::string plik = option_value(args, "--out");
    const bool zbiorowka = rodzaj == "zbiorowka";
    const int pozycja = rodzaj == "zestawienie2" ? 1 : 0;
    if ((!zbiorowka && rodzaj != "zestawienie1" && rodzaj != "zestawienie2") || ids.empty() || plik.empty()) {
        std::cerr
            << "użycie: zlecenix-cli report --kind zbiorowka|zestawienie1|zestawienie2 --ids N[,M...] "
               "--out PLIK.pdf [--account TEKST] [--date rrrr-mm-dd] [--from rrrr-mm-dd --to rrrr-mm-dd]\n";
        return 2;
    }
    const std::optional<std::vector<std::int32_t>> wybrane = read_ids(ids);
    if (!wybrane) {
        std::cerr << "nieprawidłowy numer przelewu w: " << ids << "\n";
        return 1;
    }
    const std::vector<std::int32_t>& numery = *wybrane;

    std::optional<TDateTime> data = TDateTime::today();
    if (const std::string d = option_value(args, "--date"); !d.empty()) data = TDateTime::parse(d);
    if (!data) {
        std::cerr << "nieprawidłowa data: " << option_value(args, "--date") << "\n";
        return 2;
    }

    StderrMessages messages;
    TGlAdoCn_mod cn(messages);
    if (!cn.is_connected()) return 1;
    TGlAdoDs_mod ds(cn, messages);
    const std::unique_ptr<ResultSet> przelewy = wczytaj_przelewy(ds, numery);
    if (!przelewy) return 1;

    SterowanieWydrukiem s;
    TParZbiorowka par;
    if (zbiorowka) {
        std::string rachunek = option_value(args, "--account");
        if (rachunek.empty()) {
            // As the collective order screen starts: the default own company's account.
            StronaFormularza wystawiajacy;
            pokaz_strone(get_firma_my(ds, 0, kFirmaDomyslna), wystawiajacy);
            rachunek = wystawiajacy.rachunek;
        }
        s.set_zbiorowka(przygotuj_zbiorowke(*przelewy, *data, rachunek, par), par);
    } else {
        par.data_od = option_value(args, "--from");
        par.data_do = option_value(args, "--to");
        if (par.data_od.empty() && par.data_do.empty()) okres_przelewow(*przelewy, par);
        s.set_zest_przel(generuj_rs_zestaw_przel(*przelewy, par), par);
    }

    OffscreenGui gui;
    try {
        app::drukuj_do_pdf(s, pozycja, QString::fromStdString(plik));
    } catch (const BladRaportu& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
    std::cout << "Wydrukowano „" << s.pozycje()[static_cast<std::size_t>(pozycja)] << "”: przelewów "
              << par.ilosc << ", suma " << par.suma << ", plik " << plik << "\n";
    return 0;
}

}  // namespace zlx::cli
