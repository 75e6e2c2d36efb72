#include "core/os.h"

#include "core/powod_bledu.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#include <process.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
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

namespace {

[[noreturn]] void fail(const char* what, int err) {
    throw std::runtime_error(std::string(what) + ": " + powod_bledu(err));
}

#ifdef _WIN32
[[noreturn]] void fail_last_error(const char* what) {
    const std::error_code ec(static_cast<int>(GetLastError()), std::system_category());
    throw std::runtime_error(std::string(what) + ": " + powod_bledu(ec));
}
#endif

}  // namespace

void write_file_synced(const std::string& path, const std::string& content) {
#ifdef _WIN32
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) fail("nie można utworzyć pliku", errno);
    if (std::fwrite(content.data(), 1, content.size(), f) != content.size() || std::fflush(f) != 0 ||
        _commit(_fileno(f)) != 0) {
        int err = errno;
        std::fclose(f);
        fail("błąd zapisu pliku", err);
    }
    if (std::fclose(f) != 0) fail("błąd zapisu pliku", errno);
#else
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) fail("nie można utworzyć pliku", errno);
    const char* p = content.data();
    std::size_t left = content.size();
    while (left > 0) {
        ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            int err = errno;
            ::close(fd);
            fail("błąd zapisu pliku", err);
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0) {
        int err = errno;
        ::close(fd);
        fail("błąd zapisu pliku", err);
    }
    if (::close(fd) != 0) fail("błąd zapisu pliku", errno);
#endif
}

void write_file_atomically(const std::string& path, const std::string& content) {
    const std::string tmp = temporary_name_for(path);
    try {
        write_file_synced(tmp, content);
#ifdef _WIN32
        if (!MoveFileExA(tmp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            fail_last_error("nie można zastąpić pliku");
#else
        if (std::rename(tmp.c_str(), path.c_str()) != 0) fail("nie można zastąpić pliku", errno);
#endif
    } catch (...) {
        std::remove(tmp.c_str());
        throw;
    }
}

bool is_temporary_name(const std::string& name, std::string* base) {
    const std::size_t tmp = name.rfind(".tmp");
    if (tmp == std::string::npos || tmp == 0 || tmp + 4 == name.size()) return false;
    if (name.find_first_not_of("0123456789", tmp + 4) != std::string::npos) return false;
    if (base) *base = name.substr(0, tmp);
    return true;
}

void remove_files_in(const std::string& folder, const std::function<bool(const std::string& name)>& pick) {
    namespace fs = std::filesystem;
    std::error_code ec;
    for (fs::directory_iterator it(folder.empty() ? fs::path(".") : fs::path(folder), ec), end;
         !ec && it != end; it.increment(ec)) {
        std::error_code ignored;
        if (!it->is_regular_file(ignored) || !pick(it->path().filename().string())) continue;
        fs::remove(it->path(), ignored);
    }
}

bool file_is_read_only(const std::string& path) {
#ifdef _WIN32
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
#else
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return false;
    if (::geteuid() == 0) return (st.st_mode & 0222) == 0;
    return ::access(path.c_str(), W_OK) != 0;
#endif
}

FileLock::FileLock(const std::string& lock_path) {
#ifdef _WIN32
    HANDLE h = CreateFileA(lock_path.c_str(), GENERIC_READ | GENERIC_WRITE,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) fail_last_error("nie można utworzyć pliku");
    OVERLAPPED whole{};
    LockFileEx(h, LOCKFILE_EXCLUSIVE_LOCK, 0, MAXDWORD, MAXDWORD, &whole);
    handle_ = reinterpret_cast<std::intptr_t>(h);
#else
    // Readable by everyone and writable by everyone the umask lets, so users sharing a folder share it.
    int fd = ::open(lock_path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0 && errno == EACCES) fd = ::open(lock_path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) fail("nie można utworzyć pliku", errno);
    // A file system without advisory locks leaves the lock out rather than refusing every write.
    while (::flock(fd, LOCK_EX) != 0 && errno == EINTR) {
    }
    handle_ = fd;
#endif
}

FileLock::~FileLock() {
#ifdef _WIN32
    HANDLE h = reinterpret_cast<HANDLE>(handle_);
    OVERLAPPED whole{};
    UnlockFileEx(h, 0, MAXDWORD, MAXDWORD, &whole);
    CloseHandle(h);
#else
    ::close(static_cast<int>(handle_));  // releases the lock
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
