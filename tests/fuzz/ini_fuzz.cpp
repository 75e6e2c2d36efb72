// The settings reader and writer on any file content: after writing a key, reading it gives the value
// written (trimmed, line breaks as blanks), and every other key of the section reads as before.
#include <fuzzer/FuzzedDataProvider.h>

#include <unistd.h>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "core/ini.h"
#include "core/text.h"

namespace {

// Names as the program uses them: lower-case letters, digits and '_', never empty.
std::string name_from(FuzzedDataProvider& in) {
    std::string raw = in.ConsumeRandomLengthString(12);
    std::string name;
    for (char c : raw) {
        const auto u = static_cast<unsigned char>(c);
        name += "abcdefghijklmnopqrstuvwxyz0123456789_"[u % 37];
    }
    return name.empty() ? "k" : name;
}

std::string as_read(std::string value) {
    for (char& c : value)
        if (c == '\r' || c == '\n') c = ' ';
    return zlx::trim(value);
}

// In memory (every write syncs the file to disk), one file per process; removed at exit.
const std::string& file_path() {
    static const std::string path = [] {
        std::string p = "/dev/shm/zlx-fuzz-ini-" + std::to_string(getpid()) + ".ini";
        std::atexit([] { std::remove(file_path().c_str()); });
        return p;
    }();
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const std::string section = name_from(in);
    const std::string key = name_from(in);
    const std::string other = name_from(in);
    const std::string value = in.ConsumeRandomLengthString(64);
    const std::string content = in.ConsumeRemainingBytesAsString();
    {
        std::ofstream out(file_path(), std::ios::binary | std::ios::trunc);
        out << content;
    }
    const std::string missing = "\x01missing";
    const std::string before = zlx::czytaj_ini(file_path(), section, other, missing);
    zlx::zapisz_ini(file_path(), section, key, value);
    if (zlx::czytaj_ini(file_path(), section, key, missing) != as_read(value)) std::abort();
    if (other != key && zlx::czytaj_ini(file_path(), section, other, missing) != before) std::abort();
    return 0;
}
