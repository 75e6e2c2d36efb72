#include "core/folder.h"

#include <filesystem>
#include <stdexcept>

#include "core/os.h"
#include "core/powod_bledu.h"

namespace zlx {

namespace {

std::string& current_folder() {
    static std::string folder;
    return folder;
}

std::string with_slash(std::string f) {
    for (char& c : f)
        if (c == '\\') c = '/';
    if (f.empty() || f.back() != '/') f += '/';
    return f;
}

}  // namespace

std::string choose_program_folder(const MiejscaFolderu& m) {
    if (!m.explicit_folder.empty()) {
        std::error_code ec;
        std::filesystem::path p = std::filesystem::absolute(m.explicit_folder, ec);
        return with_slash(ec ? m.explicit_folder : p.generic_string());
    }
    if (!m.executable_folder.empty()) {
        std::error_code ec;
        if (std::filesystem::exists(with_slash(m.executable_folder) + kPlikPrzenosny, ec))
            return with_slash(m.executable_folder);
    }
    std::string data_home = m.xdg_data_home;
    if (data_home.empty() || data_home.front() != '/')
        data_home = (m.home.empty() ? std::string(".") : m.home) + "/.local/share";
    return with_slash(data_home + "/zlecenix");
}

std::string choose_program_folder(const std::string& explicit_folder) {
    return choose_program_folder(MiejscaFolderu{explicit_folder, os::executable_folder(),
                                                os::environment("XDG_DATA_HOME"), os::environment("HOME")});
}

void set_program_folder(const std::string& folder) {
    std::string f = with_slash(folder);
    for (const char* sub : {"", "data", "tmp"}) {
        std::error_code ec;
        std::filesystem::create_directories(f + sub, ec);
        if (ec && !std::filesystem::is_directory(f + sub))
            throw std::runtime_error("Nie można utworzyć folderu programu " + f + sub + ": " +
                                     powod_bledu(ec));
    }
    current_folder() = f;
}

const std::string& program_folder() {
    if (current_folder().empty()) set_program_folder(choose_program_folder(""));
    return current_folder();
}

std::string program_file(const std::string& name) {
    return program_folder() + name;
}

}  // namespace zlx
