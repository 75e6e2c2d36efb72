#pragma once

#include <initializer_list>
#include <string>

#include "tests/support/temp_folder.h"

namespace zlx::test {

struct CliRun {
    int status;
    std::string out, err;
};

// Runs the command-line tool `cli` on the program folder with the arguments (each quoted for the
// shell), as a user runs it; returns its exit status, stdout and stderr.
CliRun run_cli(const std::string& cli, const TempFolder& folder, std::initializer_list<std::string> args);

}  // namespace zlx::test
