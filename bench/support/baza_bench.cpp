#include "bench/support/baza_bench.h"

#include <malloc.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "core/folder.h"

namespace zlx::bench {

void Quiet::sql_error(const std::string& statement, const std::string& detail) {
    std::fprintf(stderr, "%s\n%s\n", statement.c_str(), detail.c_str());
}

BazaBench::BazaBench(const std::string& name, int rows, const std::function<std::string(int)>& statement) {
    folder =
        (std::filesystem::temp_directory_path() / (name + "-" + std::to_string(getpid()))).string() + "/";
    set_program_folder(folder);
    cn = std::make_unique<TGlAdoCn_mod>(quiet);
    ds = std::make_unique<TGlAdoDs_mod>(*cn, quiet);
    WriteTransaction tx(*cn);
    for (int id = 1; id <= rows; ++id)
        if (!ds->exec_sql(statement(id))) std::abort();
    tx.commit();
}

BazaBench::~BazaBench() {
    ds.reset();
    cn.reset();
    std::filesystem::remove_all(folder);
}

std::size_t heap_in_use() {
    struct mallinfo2 m = mallinfo2();
    return m.uordblks + m.hblkhd;
}

double peak_mb() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return static_cast<double>(u.ru_maxrss) / 1024.0;
}

}  // namespace zlx::bench
