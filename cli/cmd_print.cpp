// zlecenix-cli print: stored orders of one kind into a PDF file, with one item of that kind's list of
// layouts, as the print dialog would print them. Qt draws offscreen; no window opens.

#include <cstdlib>
#include <iostream>
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
#include "printing/sterowanie.h"
#include "transfers/przelew_store.h"

namespace zlx::cli {

namespace {

const char* nazwa_rodzaju(std::int32_t rodzaj) {
    switch (rodzaj) {
        case kPrzelewBankowy:
            return "bankowy";
        case kPrzelewZus:
            return "ZUS";
        case kPrzelewPodatkowy:
            return "podatkowy";
        default:
            return "nieznany";
    }
}

void przekaz(SterowanieWydrukiem& s, const std::vector<TPrzelew>& lista) {
    const std::int32_t rodzaj = lista.front().rodzaj_przelewu;
    if (lista.size() == 1) {
        if (rodzaj == kPrzelewZus)
            s.set_przelew_zus(lista.front());
        else if (rodzaj == kPrzelewPodatkowy)
            s.set_przelew_us(lista.front());
        else
            s.set_przelew(lista.front());
    } else {
        if (rodzaj == kPrzelewZus)
            s.set_przelew_zus_lista(lista);
        else if (rodzaj == kPrzelewPodatkowy)
            s.set_przelew_us_lista(lista);
        else
            s.set_przelew_lista(lista);
    }
}

}  // namespace

int run_print(const Args& args) {
    const std::string ids = option_value(args, "--ids");
    const std::string uklad = option_value(args, "--layout");
    const std::string plik = option_value(args, "--out");
    if (ids.empty() || uklad.empty() || plik.empty()) {
        std::cerr << "użycie: zlecenix-cli print --ids N[,M...] --layout K --out PLIK.pdf\n";
        return 2;
    }
    const std::optional<std::vector<std::int32_t>> wybrane = read_ids(ids);
    if (!wybrane) {
        std::cerr << "nieprawidłowy numer przelewu w: " << ids << "\n";
        return 1;
    }
    const std::vector<std::int32_t>& numery = *wybrane;
    const int pozycja = to_int(uklad, -1);

    StderrMessages messages;
    TGlAdoCn_mod cn(messages);
    if (!cn.is_connected()) return 1;
    TGlAdoDs_mod ds(cn, messages);
    std::vector<TPrzelew> lista;
    for (std::int32_t n : numery) {
        TPrzelew t = load_przelew(ds, n);
        if (t.nr_id != n) {
            std::cerr << "Nie ma przelewu o numerze " << n << "\n";
            return 1;
        }
        wylicz_pola_druku(t);
        if (!lista.empty() && t.rodzaj_przelewu != lista.front().rodzaj_przelewu) {
            std::cerr << "Przelewy są różnych rodzajów (" << nazwa_rodzaju(lista.front().rodzaj_przelewu)
                      << " nr " << lista.front().nr_id << ", " << nazwa_rodzaju(t.rodzaj_przelewu) << " nr "
                      << n << "); w jednym wydruku można drukować przelewy jednego rodzaju.\n";
            return 1;
        }
        if (t.rodzaj_przelewu != kPrzelewBankowy && t.rodzaj_przelewu != kPrzelewZus &&
            t.rodzaj_przelewu != kPrzelewPodatkowy) {
            std::cerr << "Przelew nr " << n << " ma nieznany rodzaj " << t.rodzaj_przelewu << "\n";
            return 1;
        }
        lista.push_back(t);
    }

    SterowanieWydrukiem s;
    przekaz(s, lista);
    const std::vector<std::string> pozycje = s.pozycje();
    if (pozycja < 0 || pozycja >= static_cast<int>(pozycje.size()) || to_int(uklad, -2) != pozycja) {
        std::cerr << "Nie ma układu " << uklad << "; do wyboru:\n";
        for (std::size_t i = 0; i < pozycje.size(); ++i)
            std::cerr << "  " << i << "  " << pozycje[i] << "\n";
        return 2;
    }

    OffscreenGui gui;
    app::drukuj_do_pdf(s, pozycja, QString::fromStdString(plik));
    std::cout << "Wydrukowano przelewów: " << lista.size() << ", układ „"
              << trim(pozycje[static_cast<std::size_t>(pozycja)]) << "”, plik " << plik << "\n";
    return 0;
}

}  // namespace zlx::cli
