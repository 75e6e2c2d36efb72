#include "cli/offscreen_gui.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace zlx::cli {

namespace {

// Sets XDG_RUNTIME_DIR to a folder of our own (mode 0700) under the temporary folder when unset, as
// Qt's own fallback would, but without its warning. Leaves it unset when no such folder can be had.
void ensure_runtime_folder() {
    if (const char* set = std::getenv("XDG_RUNTIME_DIR"); set && *set) return;
    std::error_code ec;
    const std::filesystem::path tmp = std::filesystem::temp_directory_path(ec);
    if (ec) return;
    const std::string folder = (tmp / ("zlecenix-runtime-" + std::to_string(getuid()))).string();
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return;
    struct stat st {};
    if (::lstat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != getuid()) return;
    if ((st.st_mode & 0777) != 0700 && ::chmod(folder.c_str(), 0700) != 0) return;
    ::setenv("XDG_RUNTIME_DIR", folder.c_str(), 1);
}

int g_argc = 1;
char g_name[] = "zlecenix-cli";
char* g_argv[] = {g_name, nullptr};

}  // namespace

OffscreenGui::OffscreenGui() {
    // Offscreen even when a display is there: nothing is shown, and a broken display cannot stop a print.
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ensure_runtime_folder();
    app_ = std::make_unique<QGuiApplication>(g_argc, g_argv);
}

OffscreenGui::~OffscreenGui() = default;

}  // namespace zlx::cli
