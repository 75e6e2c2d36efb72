#pragma once

// The commands of zlecenix-cli. Each takes the arguments after its name and returns the exit status;
// output goes to stdout, errors to stderr.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zlx::cli {

using Args = std::vector<std::string>;

struct Command {
    const char* name;
    const char* usage;
    const char* summary;
    int (*run)(const Args& args);
};

// Returns the value after "--name" in args, or "" when absent.
std::string option_value(const Args& args, const std::string& name);
bool has_flag(const Args& args, const std::string& name);
// Reads "N[,M...]", the order keys of --ids; nothing when a part is not a whole number above 0.
std::optional<std::vector<std::int32_t>> read_ids(const std::string& text);

// The commands, one file each.
int run_archive(const Args& args);
int run_demo(const Args& args);
int run_import_mdb(const Args& args);
int run_mikrorachunek(const Args& args);
int run_export(const Args& args);
int run_print(const Args& args);
int run_report(const Args& args);
int run_sprawdz(const Args& args);
int run_sql(const Args& args);
int run_upgrade(const Args& args);

}  // namespace zlx::cli
