#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/folder.h"

namespace zlx::test {

TempFolder::TempFolder() {
    static std::atomic<int> counter{0};
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = info ? std::string(info->test_suite_name()) + "." + info->name() : "zlx";
    for (char& c : name)
        if (c == '/') c = '_';
    auto base = std::filesystem::temp_directory_path() /
                ("zlx-" + std::to_string(getpid()) + "-" + std::to_string(counter++) + "-" + name);
    std::filesystem::remove_all(base);
    std::filesystem::create_directories(base);
    path_ = base.generic_string() + "/";
}

TempFolder::~TempFolder() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ec);
    std::filesystem::remove_all(path_, ec);
}

TempProgramFolder::TempProgramFolder() { set_program_folder(path()); }

std::string read_only_folder(const TempFolder& scratch) {
    if (geteuid() != 0) {
        std::string f = scratch.file("read-only");
        std::filesystem::create_directories(f);
        chmod(f.c_str(), 0555);
        return f + "/";
    }
    // Root writes through permission bits; /proc takes no new files from anyone.
    return "/proc/";
}

std::string read_text(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void write_text(const std::string& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
}

}  // namespace zlx::test
