#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/stderr_messages.h"
#include "core/text.h"
#include "db/gl_ado_cn.h"
#include "db/gl_ado_ds.h"
#include "db/result_set.h"
#include "export/eksport.h"
#include "export/lista_profili.h"
#include "export/profilexp_store.h"
#include "transfers/przelew_store.h"

namespace zlx::cli {

namespace {

constexpr const char* kUsage =
    "użycie: zlecenix-cli export --profile NAZWA --ids N[,M...] (--date rrrr-mm-dd | --own-dates)";

// Returns the key of the first profile of that name (letter case ignored), or 0.
std::int32_t profile_id(TGlAdoDs_mod& ds, const std::string& name) {
    std::unique_ptr<ResultSet> rs = ds.open_sql(kSqlListaProfili);
    if (!rs) return 0;
    std::vector<std::string> names;
    std::vector<std::int32_t> ids;
    for (; !rs->eof(); rs->next()) {
        names.push_back(rs->text("prof_nazwa"));
        ids.push_back(rs->int_value("prof_id"));
    }
    const int at = znajdz_profil(names, name);
    return at < 0 ? 0 : ids[static_cast<std::size_t>(at)];
}

}  // namespace

int run_export(const Args& args) {
    const std::string name = option_value(args, "--profile");
    const std::string date_text = option_value(args, "--date");
    const bool own_dates = has_flag(args, "--own-dates");
    const std::optional<std::vector<std::int32_t>> ids = read_ids(option_value(args, "--ids"));
    const std::optional<TDateTime> date = TDateTime::parse(date_text);
    if (trim(name).empty() || !ids || own_dates == !date_text.empty() || (!own_dates && !date)) {
        std::cerr << kUsage << "\n";
        return 2;
    }

    StderrMessages messages;
    TGlAdoCn_mod cn(messages);
    if (!cn.is_connected()) return 1;
    TGlAdoDs_mod ds(cn, messages);

    const std::int32_t prof_id = profile_id(ds, name);
    if (prof_id == 0) {
        std::cerr << "Nie ma profilu eksportu: " << name << "\n";
        return 1;
    }
    std::vector<TPrzelew> przelewy;
    for (std::int32_t id : *ids) {
        przelewy.push_back(load_przelew(ds, id));
        if (przelewy.back().nr_id != id) {
            std::cerr << "Nie ma przelewu o numerze: " << id << "\n";
            return 1;
        }
    }

    const WyborDaty wybor{own_dates ? 1 : 0, own_dates ? TDateTime() : date->date_only()};
    const WynikEksportu w = exportuj(get_profilexp(ds, prof_id), z_listy(przelewy), wybor, TDateTime::now());
    for (const std::string& blad : w.bledy)
        std::cerr << blad << "\n";
    if (!w.zapisano()) {
        std::cerr << w.blad_zapisu << "\n";
        return 1;
    }
    for (const std::string& plik : w.pliki)
        std::cout << plik << "\n";
    return 0;
}

}  // namespace zlx::cli
