// open_sql of the transfer list's query on 100 000 transfers, beside SQLite's own C API and the stock
// sqlite3 tool reading the same rows in the same run. Targets: at most twice sqlite3's time, under
// 150 MB. Counters: rows, the heap the result set holds, and the process's peak memory.

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sqlite3.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "bench/support/baza_bench.h"
#include "core/folder.h"
#include "db/gl_ado_ds.h"
#include "db/sql_format.h"

namespace {

using namespace zlx;
using bench::heap_in_use;
using bench::peak_mb;

constexpr int kRows = 100000;
const std::string kQuery = " select * from kartoteka ";

const char* const kFirms[] = {"Przedsiębiorstwo Handlowo-Usługowe \"Łączność\" Sp. z o.o.",
                              "Zakład Usług Remontowo-Budowlanych Józef Żółkiewski",
                              "Biuro Rachunkowe Ćwik & Wspólnicy s.c.",
                              "Hurtownia Spożywcza ŚNIEŻKA",
                              "Urząd Skarbowy Łódź-Śródmieście",
                              "Zakład Ubezpieczeń Społecznych"};
const char* const kTowns[] = {"Łódź", "Kraków", "Gdańsk", "Wrocław", "Białystok", "Zielona Góra"};
const char* const kStreets[] = {"ul. Piotrkowska 104", "al. Jerozolimskie 44 lok. 12", "ul. Długa 3/5",
                                "ul. Świętokrzyska 11", "pl. Wolności 1"};

std::string account(int i) {
    std::string digits = std::to_string(10000000 + i * 7919 % 90000000);
    return "12 1020 " + digits.substr(0, 4) + " 0000 " + digits.substr(4, 4) + " 0123 4567";
}

// One transfer as the store writes it: every column, empty texts as ''.
std::string insert_transfer(int id) {
    auto s = [](const std::string& t) { return sql_str(t); };
    const std::string payer = kFirms[id % 6], payee = kFirms[(id + 3) % 6];
    const std::string town = kTowns[id % 6], street = kStreets[id % 5];
    const std::string kwota = Currency::from_grosze(id * 137 % 10000000).to_text();
    TDateTime data = TDateTime::from_ymd(2020, 1, 1).add_days(id % 2200);
    std::string v = sql_int(id) + "," + sql_int(id % 500) + "," + sql_int(1) + "," + s(payer) + "," +
                    s(payer.substr(0, 12)) + "," + s(street + ", 90-001 " + town) + "," + s(account(id)) +
                    "," + s(payee) + "," + s(payee.substr(0, 12)) + "," + s(street + ", 00-950 " + town) +
                    "," + s(account(id + 1)) + "," + sql_date(data) + "," +
                    s("Faktura VAT nr " + std::to_string(id) + "/2024") + "," + s(kwota) + "," +
                    sql_money(Currency::from_grosze(id * 137 % 10000000)) + "," + s("") + "," +
                    s(id % 10 == 0 ? "pilne - zapłacić do końca miesiąca" : "") + "," + sql_int(0) + "," +
                    sql_date(data) + "," + sql_int(id % 2) + "," + s("za usługi księgowe") + "," + s("12") +
                    "," + s("10203040") + "," + s("34") + "," + s("10205050") + "," + sql_int(0) + "," +
                    sql_int(0);
    for (int k = 0; k < 7; ++k)
        v += "," + s(id % 3 == 2 ? "N" : "");
    v += "," + sql_int(id % 3) + "," + s(id % 3 == 1 ? "" : "");
    v += "," + s("PLN");
    for (int k = 0; k < 7; ++k)
        v += "," + s(id % 3 == 1 ? "1234567890" : "");
    v += "," + sql_int(0) + "," + sql_int(0) + "," + s(street) + "," + s("00-950") + "," + s(town) + "," +
         s(street) + "," + s("90-001") + "," + s(town) + "," + sql_int(0) + "," + sql_money(Currency()) +
         "," + sql_int(id % 21) + "," + s("");
    return " INSERT INTO kartoteka(nr_id,id_kontrah,id_my,my_nazwa,my_skrot,my_adres,my_konto,dost_nazwa,"
           "dost_skrot,dost_adres,dost_konto,data,tytulem,kwota,kwota_money,uwagi,uwagi_tekst,p_w,data1,"
           "bufor,"
           "tytulemcd,dost_lk,dost_bank,my_lk,my_bank,czypracownik,nr_id_staryprzelew,us_iduzup,us_typiduzup,"
           "us_rokokresu,us_typokresu,us_nrokresu,us_identyfikacjazobowiazania,us_symbolformularza,"
           "rodzaj_przelewu,zus_numeriduzup,waluta,zus_nipplatnik,zus_iduzup,zus_deklaracja1,zus_deklaracja2,"
           "zus_nrdeklaracji,zus_typwplaty,zus_nrdecyzji,zus_cel,cykliczne,dost_adres_ulica,dost_adres_kodp,"
           "dost_adres_miejscowosc,my_adres_ulica,my_adres_kodp,my_adres_miejscowosc,rozliczony,"
           "kwota_rozliczenia,znacznik,waluta) VALUES ( " +
           v + ")";
}

bench::BazaBench& database() {
    static bench::BazaBench b("zlx-bench", kRows, insert_transfer);
    return b;
}

void BM_open_sql(benchmark::State& state) {
    bench::BazaBench& db = database();
    std::size_t rows = 0;
    double held_mb = 0;
    for (auto _ : state) {
        std::size_t before = heap_in_use();
        auto rs = db.ds->open_sql(kQuery);
        held_mb = static_cast<double>(heap_in_use() - before) / (1024.0 * 1024.0);
        rows = rs->record_count();
        benchmark::DoNotOptimize(rs.get());
    }
    state.counters["rows"] = static_cast<double>(rows);
    state.counters["held_MB"] = held_mb;
    state.counters["peak_MB"] = peak_mb();
}

// SQLite alone: the same query stepped through, every column fetched as its own type.
void BM_sqlite3_c_api(benchmark::State& state) {
    bench::BazaBench& db = database();
    sqlite3* h = db.cn->get_glCn();
    std::size_t rows = 0;
    for (auto _ : state) {
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(h, kQuery.c_str(), -1, &st, nullptr);
        int n = sqlite3_column_count(st);
        rows = 0;
        std::size_t bytes = 0;
        while (sqlite3_step(st) == SQLITE_ROW) {
            ++rows;
            for (int i = 0; i < n; ++i) {
                if (sqlite3_column_type(st, i) == SQLITE_TEXT) {
                    benchmark::DoNotOptimize(sqlite3_column_text(st, i));
                    bytes += static_cast<std::size_t>(sqlite3_column_bytes(st, i));
                } else {
                    benchmark::DoNotOptimize(sqlite3_column_int64(st, i));
                }
            }
        }
        sqlite3_finalize(st);
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["rows"] = static_cast<double>(rows);
}

// The stock sqlite3 tool printing the same rows (to /dev/null); includes starting the process.
void BM_sqlite3_tool(benchmark::State& state) {
    bench::BazaBench& db = database();
    const std::string command = "sqlite3 '" + db.cn->sciezka() + "' '" + kQuery + "' > /dev/null";
    for (auto _ : state)
        if (std::system(command.c_str()) != 0) state.SkipWithError("sqlite3 tool failed");
}

BENCHMARK(BM_sqlite3_c_api)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_open_sql)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_sqlite3_tool)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
