#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <set>
#include <sstream>

#include "db/keys.h"
#include "tests/db/db_fixture.h"

namespace zlx::test {
namespace {

// Draws keys in a child process with its own connection and writes them to a file, one a line. The
// child starts drawing when the start pipe closes, so both children draw at the same moment.
pid_t draw_keys_in_child(const std::string& out_file, int count, const int start_pipe[2]) {
    pid_t pid = fork();
    if (pid != 0) return pid;
    int status = 0;
    close(start_pipe[1]);
    char c;
    while (read(start_pipe[0], &c, 1) > 0) {
    }
    {
        RecordingMessages msgs;
        TGlAdoCn_mod cn(msgs);
        TGlAdoDs_mod ds(cn, msgs);
        std::ofstream out(out_file);
        try {
            for (int i = 0; i < count; ++i)
                out << nowy_klucz(ds, "kartoteka") << "\n";
        } catch (const std::exception& e) {
            out << "blad: " << e.what() << "\n";
            status = 1;
        }
    }
    _exit(status);
}

TEST(KeysAcrossProcesses, TwoInstancesNeverReceiveTheSameKey) {
    TempProgramFolder folder;
    {
        // Create the database before the children start.
        RecordingMessages msgs;
        TGlAdoCn_mod cn(msgs);
        ASSERT_TRUE(cn.is_connected());
    }
    const int per_process = 500;
    int start[2];
    ASSERT_EQ(pipe(start), 0);
    pid_t a = draw_keys_in_child(folder.file("a.txt"), per_process, start);
    pid_t b = draw_keys_in_child(folder.file("b.txt"), per_process, start);
    close(start[0]);
    close(start[1]);
    for (pid_t p : {a, b}) {
        int status = 0;
        ASSERT_EQ(waitpid(p, &status, 0), p);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    std::set<int> keys;
    std::size_t lines = 0;
    for (const char* f : {"a.txt", "b.txt"}) {
        std::istringstream in(read_text(folder.file(f)));
        for (std::string line; std::getline(in, line); ++lines)
            keys.insert(std::stoi(line));
    }
    EXPECT_EQ(lines, 2u * per_process);
    EXPECT_EQ(keys.size(), 2u * per_process);
    EXPECT_EQ(*keys.begin(), 1);
    EXPECT_EQ(*keys.rbegin(), 2 * per_process);
}

}  // namespace
}  // namespace zlx::test
