// A batch of bank orders printed with the first layout into one PDF file, as "Drukuj zbiorczo" sends
// them: pages per second and bytes per page.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <filesystem>
#include <string>
#include <vector>

#include "app/printing/wydruk_qt.h"
#include "core/folder.h"
#include "core/ini.h"
#include "core/settings.h"
#include "printing/recording_canvas.h"
#include "printing/sterowanie.h"
#include "transfers/przelew.h"

namespace {

zlx::TPrzelew zamowienie(int i) {
    zlx::TPrzelew t = zlx::nowy_przelew();
    t.dost_nazwa = "Hurtownia Spożywcza Ziarenko Sp. j. " + std::to_string(i);
    t.dost_adres = "ul. Łąkowa 12, 90-001 Łódź";
    t.dost_konto = "61 1090 1014 0000 0712 1981 2874";
    t.my_nazwa = "Biuro Rachunkowe Ćma";
    t.my_adres = "ul. Źródlana 5, 31-000 Kraków";
    t.my_konto = "12 1020 2892 0000 5502 0123 4567";
    t.tytulem = "Faktura VAT " + std::to_string(i) + "/2026";
    t.waluta = "PLN";
    t.kwota_money = zlx::Currency::from_grosze(100 + 37 * i);
    zlx::wylicz_pola_druku(t);
    return t;
}

std::string folder_roboczy() {
    const auto f = std::filesystem::temp_directory_path() / "zlx-print-bench";
    std::filesystem::create_directories(f);
    zlx::set_program_folder(f.generic_string() + "/");
    return f.generic_string() + "/";
}

void BM_Pdf1000BankOrdersLayout0(benchmark::State& state) {
    const std::string folder = folder_roboczy();
    const std::vector<zlx::TPrzelew> lista = [&] {
        std::vector<zlx::TPrzelew> l;
        for (int i = 0; i < state.range(0); ++i)
            l.push_back(zamowienie(i));
        return l;
    }();
    zlx::SterowanieWydrukiem s;
    s.set_przelew_lista(lista);
    const std::string plik = folder + "batch.pdf";
    for (auto _ : state)
        zlx::app::drukuj_do_pdf(s, 0, QString::fromStdString(plik));
    const auto strony = static_cast<double>(lista.size());
    state.counters["pages_per_s"] = benchmark::Counter(strony, benchmark::Counter::kIsIterationInvariantRate);
    state.counters["bytes_per_page"] = static_cast<double>(std::filesystem::file_size(plik)) / strony;
}
BENCHMARK(BM_Pdf1000BankOrdersLayout0)->Arg(1000)->Unit(benchmark::kMillisecond);

// The drawing alone, without the PDF writer: what the renderer and the settings reads cost.
void BM_Record1000BankOrdersLayout0(benchmark::State& state) {
    folder_roboczy();
    std::vector<zlx::TPrzelew> lista;
    for (int i = 0; i < state.range(0); ++i)
        lista.push_back(zamowienie(i));
    zlx::SterowanieWydrukiem s;
    s.set_przelew_lista(lista);
    for (auto _ : state) {
        zlx::RecordingCanvas c;
        s.drukuj_strony(c, 0);
        benchmark::DoNotOptimize(c.zapisy().size());
    }
    state.counters["pages_per_s"] =
        benchmark::Counter(static_cast<double>(lista.size()), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_Record1000BankOrdersLayout0)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
