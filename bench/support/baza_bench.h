#pragma once

// What the benchmarks share: a database in a temporary program folder filled once per run, and the
// process's memory readings.

#include <cstddef>
#include <functional>
#include <memory>
#include <string>

#include "db/gl_ado_cn.h"
#include "db/gl_ado_ds.h"

namespace zlx::bench {

// Prints failing statements; everything else the database layer would show is dropped.
struct Quiet : DbMessages {
    void message(const std::string&) override {}
    void sql_error(const std::string& statement, const std::string& detail) override;
};

// A new database filled with `rows` statements from `statement(id)`, id 1 … rows, in one transaction;
// removed with its folder at the end.
struct BazaBench {
    BazaBench(const std::string& name, int rows, const std::function<std::string(int)>& statement);
    ~BazaBench();
    BazaBench(const BazaBench&) = delete;
    BazaBench& operator=(const BazaBench&) = delete;

    std::string folder;
    Quiet quiet;
    std::unique_ptr<TGlAdoCn_mod> cn;
    std::unique_ptr<TGlAdoDs_mod> ds;
};

// Heap in use: small blocks and mapped ones.
std::size_t heap_in_use();
// The process's peak resident memory in MB.
double peak_mb();

}  // namespace zlx::bench
