#include <iostream>

#include "cli/commands.h"
#include "db/gl_ado_cn.h"
#include "db/gl_ado_ds.h"
#include "transfers/demo.h"

namespace zlx::cli {

namespace {

// Database messages go to stderr, the statement of a failure with them.
struct StderrMessages : DbMessages {
    void message(const std::string& text) override { std::cerr << text << "\n"; }
    void sql_error(const std::string& statement, const std::string& detail) override {
        std::cerr << "błąd SQL: " << detail << "\n" << statement << "\n";
    }
};

}  // namespace

int run_demo(const Args&) {
    StderrMessages messages;
    TGlAdoCn_mod cn(messages);
    if (!cn.is_connected()) return 1;
    TGlAdoDs_mod ds(cn, messages);
    const DemoWynik w = wypelnij_demo(ds, TDateTime::today());
    std::cout << "Dodano: firmy " << w.firmy << ", kontrahenci " << w.kontrahenci << ", tytuły " << w.tytuly
              << ", przelewy " << w.przelewy << "\n";
    return 0;
}

}  // namespace zlx::cli
