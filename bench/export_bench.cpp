// Exporting 100 000 orders: the lines of every format and the file in every encoding.
// Reports the time per run and the process's peak resident memory (peak_rss_mb).

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <filesystem>
#include <string>

#include "core/folder.h"
#include "export/eksport.h"

namespace zlx {
namespace {

using namespace std::string_literals;

constexpr int kZlecen = 100000;

TPrzelew zlecenie(int i) {
    TPrzelew p = nowy_przelew();
    p.nr_id = i;
    p.rodzaj_przelewu = i % 3 == 0 ? kPrzelewBankowy : i % 3 == 1 ? kPrzelewZus : kPrzelewPodatkowy;
    p.my_nazwa = "Przedsiębiorstwo Handlowo-Usługowe Żuraw Spółka z o.o."s;
    p.my_konto = "PL 61 1090 1014 0000 0712 1981 2874"s;
    p.my_adres_ulica = "ul. Świętokrzyska 12/4"s;
    p.my_adres_kodp = "00-916"s;
    p.my_adres_miejscowosc = "Warszawa"s;
    const std::string nr = std::to_string(i);
    p.dost_nazwa.append("Kontrahent nr ").append(nr).append(" Łódzka Spółdzielnia Mleczarska");
    p.dost_konto = "12 1020 5558 1111 1234 5678 9012"s;
    p.dost_adres_ulica = "Piotrkowska 100"s;
    p.dost_adres_kodp = "90-001"s;
    p.dost_adres_miejscowosc = "Łódź"s;
    p.tytulem.append("Faktura VAT nr ").append(nr).append("/2026 za dostawę towarów");
    p.tytulemcd = "zamówienie z dnia 2026-03-01"s;
    p.kwota_money = Currency::from_grosze(100 + i);
    p.zus_nipplatnik = "123-456-32-18"s;
    p.zus_iduzup = "R"s;
    p.zus_numeriduzup = "123456785"s;
    p.zus_typwplaty = "S"s;
    p.zus_deklaracja1 = "2026"s;
    p.zus_deklaracja2 = "02"s;
    p.us_typiduzup = "N"s;
    p.us_iduzup = "123-456-32-18"s;
    p.us_rokokresu = "26"s;
    p.us_typokresu = "M"s;
    p.us_nrokresu = "02"s;
    p.us_symbolformularza = "VAT-7"s;
    p.us_identyfikacjazobowiazania = "zaliczka za luty"s;
    return p;
}

void BM_Eksport100000(benchmark::State& state) {
    const std::string folder =
        (std::filesystem::temp_directory_path() / "zlx-export-bench/").generic_string();
    std::filesystem::create_directories(folder);
    set_program_folder(folder);
    TProfilExp profil = nowy_profilexp();
    profil.prof_katalog_out = folder;
    profil.prof_nazwa_stala = "przelewy.txt";
    profil.prof_rodzaj_formatu = static_cast<int>(state.range(0));
    profil.prof_rodzaj_kodowania = static_cast<int>(state.range(1));

    for (auto _ : state) {
        int i = 0;
        WynikEksportu w = exportuj(
            profil,
            [&i]() -> std::optional<TPrzelew> {
                return i < kZlecen ? std::optional(zlecenie(++i)) : std::nullopt;
            },
            {0, TDateTime::from_ymd(2026, 4, 1)}, TDateTime::now());
        if (!w.zapisano()) state.SkipWithError(w.blad_zapisu.c_str());
        state.counters["file_mb"] =
            static_cast<double>(std::filesystem::file_size(folder + "przelewy.txt")) / (1024.0 * 1024.0);
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_mb"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
    state.SetItemsProcessed(state.iterations() * kZlecen);
    std::filesystem::remove_all(folder);
}

// Formats: 0 PKOBP, 2 BZ WBK, 3 MBank; encodings: 0 Windows-1250, 1 UTF-8, 3 without Polish letters.
BENCHMARK(BM_Eksport100000)
    ->Args({0, 0})
    ->Args({3, 1})
    ->Args({2, 3})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

}  // namespace
}  // namespace zlx

BENCHMARK_MAIN();
