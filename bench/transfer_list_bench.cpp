// The transfer list on a database of 100 000 orders of which 10 000 fall in one month: the time from
// the list's query to a filled grid model (the rows of a screen read, totals summed), sorting by a
// column, and re-querying. Targets: each under 300 ms and the process under 100 MB. Counters: rows,
// the heap the model holds, and the process's peak memory.

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "app/transfers/przelew_list_model.h"
#include "bench/support/baza_bench.h"
#include "core/folder.h"
#include "db/gl_ado_cn.h"
#include "db/gl_ado_ds.h"
#include "db/sql_format.h"
#include "transfers/lista_przelewow.h"
#include "transfers/lista_sql.h"

namespace {

using namespace zlx;
using bench::heap_in_use;
using bench::peak_mb;

constexpr int kRows = 100000;
constexpr int kWMiesiacu = 10000;
// Rows a maximised list shows at once.
constexpr int kWidoczne = 40;
const TDateTime kOd = TDateTime::from_ymd(2026, 3, 1);
const TDateTime kDo = TDateTime::from_ymd(2026, 3, 31);

const char* const kFirmy[] = {"Przedsiębiorstwo Handlowo-Usługowe \"Łączność\" Sp. z o.o.",
                              "Zakład Usług Remontowo-Budowlanych Józef Żółkiewski",
                              "Biuro Rachunkowe Ćwik & Wspólnicy s.c.",
                              "Hurtownia Spożywcza ŚNIEŻKA",
                              "Urząd Skarbowy Łódź-Śródmieście",
                              "Zakład Ubezpieczeń Społecznych"};
const char* const kMiasta[] = {"Łódź", "Kraków", "Gdańsk", "Wrocław", "Białystok", "Zielona Góra"};

// One order with the columns the screens fill; one in ten of them in the benchmark's month.
std::string wstaw(int id) {
    const auto s = [](const std::string& t) { return sql_str(t); };
    const TDateTime data =
        id % 10 == 0 ? kOd.add_days(id % 31) : TDateTime::from_ymd(2016, 1, 1).add_days(id % 3600);
    const std::string payer = kFirmy[id % 6], payee = kFirmy[(id + 3) % 6], miasto = kMiasta[id % 6];
    const Currency kwota = Currency::from_grosze(id * 137 % 10000000);
    return " INSERT INTO kartoteka(nr_id,id_kontrah,id_my,my_nazwa,my_adres,my_konto,dost_nazwa,dost_adres,"
           "dost_konto,data,tytulem,kwota_money,uwagi_tekst,p_w,data1,bufor,tytulemcd,waluta,rodzaj_przelewu,"
           "zus_nrdecyzji,us_identyfikacjazobowiazania,cykliczne,dost_adres_ulica,dost_adres_kodp,"
           "dost_adres_miejscowosc,my_adres_ulica,my_adres_kodp,my_adres_miejscowosc,znacznik) VALUES ( " +
           sql_int(id) + "," + sql_int(id % 500) + "," + sql_int(1) + "," + s(payer) + "," +
           s("ul. Piotrkowska 104 90-001 " + miasto) + "," + s("12 1020 3040 5060 7080 9000 1234") + "," +
           s(payee) + "," + s("ul. Długa 3/5 00-950 " + miasto) + "," + s("61109010140000071219812874") +
           "," + sql_date(data) + "," + s("Faktura VAT nr " + std::to_string(id) + "/2026") + "," +
           sql_money(kwota) + "," + s(id % 10 == 3 ? "pilne - zapłacić do końca miesiąca" : "") + "," +
           sql_int(0) + "," + sql_date(data) + "," + sql_int(id % 2) + "," + s("za usługi księgowe") + "," +
           s("PLN") + "," + sql_int(id % 3) + "," + s(id % 3 == 1 ? "DEC/123/2026" : "") + "," +
           s(id % 3 == 2 ? "PIT-4R 2026" : "") + "," + sql_int(0) + "," + s("ul. Długa 3/5") + "," +
           s("00-950") + "," + s(miasto) + "," + s("ul. Piotrkowska 104") + "," + s("90-001") + "," +
           s(miasto) + "," + sql_int(id % 21) + ")";
}

bench::BazaBench& baza() {
    static bench::BazaBench b("zlx-bench-lista", kRows, wstaw);
    return b;
}

// What the screen does on each query: open the set, hand it to the grid, let the grid paint a
// screenful, sum the totals.
std::size_t otworz(app::PrzelewListModel& model, const std::string& sql) {
    model.ustaw(baza().ds->open_sql(sql));
    for (int r = 0; r < kWidoczne && r < model.rowCount(); ++r)
        for (int k = 0; k < model.columnCount(); ++k)
            for (int role : {Qt::DisplayRole, Qt::DecorationRole, Qt::BackgroundRole, Qt::CheckStateRole})
                benchmark::DoNotOptimize(model.data(model.index(r, k), role));
    const Podsumowanie s = podsumuj(*model.zbior(), model.zaznaczenie());
    benchmark::DoNotOptimize(s);
    return static_cast<std::size_t>(model.rowCount());
}

const std::string kWhere = where_listy({false, kOd, kDo, kRodzajWszystkie});

void liczniki(benchmark::State& state, std::size_t rows, double held_mb) {
    state.counters["rows"] = static_cast<double>(rows);
    state.counters["held_MB"] = held_mb;
    state.counters["peak_MB"] = peak_mb();
    if (rows != kWMiesiacu) state.SkipWithError("the month does not hold the expected rows");
}

void BM_lista_miesiaca(benchmark::State& state) {
    baza();
    std::size_t rows = 0;
    double held = 0;
    for (auto _ : state) {
        app::PrzelewListModel model;
        const std::size_t before = heap_in_use();
        rows = otworz(model, sql_listy(kWhere, kDomyslnySortListy));
        held = static_cast<double>(heap_in_use() - before) / (1024.0 * 1024.0);
    }
    liczniki(state, rows, held);
}

// A click on "Kwota": the next mark, the new order, the query again into the same model.
void BM_sortowanie_wg_kwoty(benchmark::State& state) {
    baza();
    app::PrzelewListModel model;
    otworz(model, sql_listy(kWhere, kDomyslnySortListy));
    SortowanieListy sort;
    std::size_t rows = 0;
    for (auto _ : state) {
        sort.klik(7);
        rows = otworz(model, sql_listy(kWhere, sort.order()));
    }
    liczniki(state, rows, 0);
}

// The re-query after an add, edit or delete, with ticks held over.
void BM_ponowne_zapytanie(benchmark::State& state) {
    baza();
    app::PrzelewListModel model;
    otworz(model, sql_listy(kWhere, kDomyslnySortListy));
    model.zaznacz_wszystkie(true);
    std::size_t rows = 0;
    for (auto _ : state)
        rows = otworz(model, sql_listy(kWhere, kDomyslnySortListy));
    liczniki(state, rows, 0);
}

BENCHMARK(BM_lista_miesiaca)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_sortowanie_wg_kwoty)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ponowne_zapytanie)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    // The grid's pictures need a GUI application; no window is shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
