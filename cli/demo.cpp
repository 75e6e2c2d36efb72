#include <iostream>

#include "cli/commands.h"
#include "cli/stderr_messages.h"
#include "db/gl_ado_cn.h"
#include "db/gl_ado_ds.h"
#include "transfers/demo.h"

namespace zlx::cli {

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
