#include "core/os.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#ifdef _WIN32
#include <io.h>
#include <process.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace zlx::os {

LocalTime local_time_now() {
    std::time_t t = std::time(nullptr);
    std::tm tm{};
#ifdef _WIN32
    localtime_s(&tm, &t);
#else
    localtime_r(&t, &tm);
#endif
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

std::string executable_folder() {
    std::error_code ec;
#ifdef _WIN32
    wchar_t buf[MAX_PATH];
    DWORD n = GetModuleFileNameW(nullptr, buf, MAX_PATH);
    if (n == 0) return {};
    std::filesystem::path p(std::wstring(buf, n));
#else
    std::filesystem::path p = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return {};
#endif
    return p.parent_path().generic_string();
}

std::string environment(const char* name) {
    const char* v = std::getenv(name);
    return v ? std::string(v) : std::string();
}

std::string temporary_name_for(const std::string& path) {
#ifdef _WIN32
    int pid = _getpid();
#else
    int pid = static_cast<int>(getpid());
#endif
    return path + ".tmp" + std::to_string(pid);
}

bool folder_is_writable(const std::string& folder) {
    std::string probe = temporary_name_for(folder + "/.zlecenix-write-test");
    std::FILE* f = std::fopen(probe.c_str(), "wb");
    if (!f) return false;
    std::fclose(f);
    std::remove(probe.c_str());
    return true;
}

void write_file_atomically(const std::string& path, const std::string& content) {
    const std::string tmp = temporary_name_for(path);
    auto fail = [&](const char* what, int err) {
        std::remove(tmp.c_str());
        throw std::runtime_error(std::string(what) + ": " + std::strerror(err));
    };
#ifdef _WIN32
    std::FILE* f = std::fopen(tmp.c_str(), "wb");
    if (!f) fail("cannot create", errno);
    if (std::fwrite(content.data(), 1, content.size(), f) != content.size()) {
        int err = errno;
        std::fclose(f);
        fail("cannot write", err);
    }
    if (std::fflush(f) != 0 || _commit(_fileno(f)) != 0) {
        int err = errno;
        std::fclose(f);
        fail("cannot write", err);
    }
    std::fclose(f);
    if (!MoveFileExA(tmp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        fail("cannot replace", EACCES);
#else
    int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) fail("cannot create", errno);
    const char* p = content.data();
    std::size_t left = content.size();
    while (left > 0) {
        ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            int err = errno;
            ::close(fd);
            fail("cannot write", err);
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0) {
        int err = errno;
        ::close(fd);
        fail("cannot write", err);
    }
    if (::close(fd) != 0) fail("cannot write", errno);
    if (std::rename(tmp.c_str(), path.c_str()) != 0) fail("cannot replace", errno);
#endif
}

bool read_file(const std::string& path, std::string& content) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream ss;
    ss << in.rdbuf();
    content = ss.str();
    return true;
}

}  // namespace zlx::os
