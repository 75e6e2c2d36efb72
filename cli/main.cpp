#include <cstdio>
#include <exception>
#include <iostream>
#include <string>

#include "cli/commands.h"
#include "core/folder.h"
#include "core/text.h"
#include "core/version.h"

namespace zlx::cli {

std::string option_value(const Args& args, const std::string& name) {
    for (std::size_t i = 0; i + 1 < args.size(); ++i)
        if (args[i] == name) return args[i + 1];
    return {};
}

bool has_flag(const Args& args, const std::string& name) {
    for (const std::string& a : args)
        if (a == name) return true;
    return false;
}

std::optional<std::vector<std::int32_t>> read_ids(const std::string& text) {
    std::vector<std::int32_t> ids;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        std::size_t comma = text.find(',', pos);
        if (comma == std::string::npos) comma = text.size();
        const int id = to_int(text.substr(pos, comma - pos), 0);
        if (id <= 0) return std::nullopt;
        ids.push_back(id);
        pos = comma + 1;
    }
    return ids;
}

namespace {

int run_help(const Args& args);

const Command kCommands[] = {
    {"help", "help", "lists the commands", run_help},
    {"sql", "sql \"STATEMENT\"", "runs one statement, or a query printed as tab-separated lines", run_sql},
    {"upgrade", "upgrade", "brings the database schema up to date; prints the version before and after",
     run_upgrade},
    {"archive", "archive [--to DIR]", "zips the database into the archive folder and verifies the archive",
     run_archive},
    {"import-mdb", "import-mdb FILE.mdb [--to PATH]",
     "imports an Access database of the older version into a new database (default data/przDB.sqlite)",
     run_import_mdb},
    {"demo", "demo", "adds a small sample data set to the current database", run_demo},
    {"sprawdz", "sprawdz rachunek|nip|regon|pesel|nrs|ksef NUMBER [--nip N]",
     "checks an account, NIP, REGON, PESEL, ZUS contribution account (NRS, against the payer's NIP) or KSeF "
     "number; prints whether it is valid and why; exit status 0 valid, 1 not",
     run_sprawdz},
    {"mikrorachunek", "mikrorachunek NIP|PESEL",
     "prints the tax micro-account of a NIP (10 digits) or PESEL (11)", run_mikrorachunek},
    {"export", "export --profile NAME --ids N[,M...] (--date yyyy-mm-dd | --own-dates)",
     "writes the orders to the bank file of the export profile; prints the file's path", run_export},
#ifdef ZLX_CLI_PRINT
    {"print", "print --ids N[,M...] --layout K --out FILE.pdf",
     "prints stored orders of one kind with item K of their print list into a PDF file", run_print},
    {"report",
     "report --kind zbiorowka|zestawienie1|zestawienie2 --ids N[,M...] --out FILE.pdf [--account TEXT] "
     "[--date yyyy-mm-dd] [--from yyyy-mm-dd --to yyyy-mm-dd]",
     "prints the collective order (account and date; by default the default own company's account and today) "
     "or a statement (period; by default the orders' dates) of stored orders into a PDF file",
     run_report},
#endif
};

int run_help(const Args&) {
    std::cout << "zlecenix-cli " << kVersion << "\n"
              << "usage: zlecenix-cli [--folder DIR] COMMAND [ARGS...]\n"
              << "       zlecenix-cli --version\n\n"
              << "  --folder DIR   the program folder (settings, data/, tmp/)\n\n"
              << "commands:\n";
    for (const Command& c : kCommands)
        std::cout << "  " << c.usage << "\n      " << c.summary << "\n";
    return 0;
}

}  // namespace
}  // namespace zlx::cli

int main(int argc, char** argv) {
    using namespace zlx;
    cli::Args args(argv + 1, argv + argc);
    std::string folder;
    while (!args.empty() && args.front().rfind("--", 0) == 0) {
        if (args.front() == "--version") {
            std::cout << "zlecenix-cli " << kVersion << "\n";
            return 0;
        }
        if (args.front() == "--folder" && args.size() > 1) {
            folder = args[1];
            args.erase(args.begin(), args.begin() + 2);
            continue;
        }
        std::cerr << "nieznana opcja: " << args.front() << "\n";
        return 2;
    }
    if (args.empty()) {
        cli::run_help({});
        return 2;
    }
    const std::string name = args.front();
    args.erase(args.begin());
    for (const cli::Command& c : cli::kCommands) {
        if (name != c.name) continue;
        try {
            set_program_folder(choose_program_folder(folder));
            return c.run(args);
        } catch (const std::exception& e) {
            std::cerr << e.what() << "\n";
            return 1;
        }
    }
    std::cerr << "nieznane polecenie: " << name << " (zobacz: zlecenix-cli help)\n";
    return 2;
}
