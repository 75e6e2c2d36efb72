#include "tests/support/cli_run.h"

#include <sys/wait.h>

#include <cstdio>

namespace zlx::test {

CliRun run_cli(const std::string& cli, const TempFolder& folder, std::initializer_list<std::string> args) {
    auto quote = [](const std::string& s) {
        std::string q = "'";
        for (char c : s)
            q += c == '\'' ? std::string("'\\''") : std::string(1, c);
        return q + "'";
    };
    std::string command = cli + " --folder " + quote(folder.path());
    for (const std::string& a : args)
        command += " " + quote(a);
    command += " 2>" + quote(folder.file("stderr.txt"));
    FILE* p = popen(command.c_str(), "r");
    CliRun r{-1, {}, {}};
    if (!p) return r;
    char buf[512];
    while (std::fgets(buf, sizeof buf, p))
        r.out += buf;
    const int status = pclose(p);
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.err = read_text(folder.file("stderr.txt"));
    return r;
}

}  // namespace zlx::test
