#include "core/ini.h"

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "core/folder.h"
#include "core/os.h"
#include "core/settings.h"
#include "core/text.h"

namespace zlx {

namespace {

// One line of the file with its own line end, so an untouched line is written back byte for byte.
struct Line {
    std::string text;
    std::string end;
};

std::vector<Line> split_lines(const std::string& content) {
    std::vector<Line> lines;
    std::size_t pos = 0;
    while (pos < content.size()) {
        std::size_t nl = content.find('\n', pos);
        if (nl == std::string::npos) {
            lines.push_back({content.substr(pos), ""});
            break;
        }
        const bool crlf = nl > pos && content[nl - 1] == '\r';
        const std::size_t end = crlf ? nl - 1 : nl;
        lines.push_back({content.substr(pos, end - pos), crlf ? "\r\n" : "\n"});
        pos = nl + 1;
    }
    return lines;
}

std::optional<std::string> section_name(const std::string& line) {
    std::string t = trim(line);
    if (t.size() < 2 || t.front() != '[') return std::nullopt;
    std::size_t close = t.find(']');
    if (close == std::string::npos) return std::nullopt;
    return trim(std::string_view(t).substr(1, close - 1));
}

bool is_comment(const std::string& line) {
    std::string t = trim_left(line);
    return !t.empty() && (t[0] == ';' || t[0] == '#');
}

// Splits "key=value"; returns false for lines that are not key lines.
bool key_value(const std::string& line, std::string& key, std::string& value) {
    if (is_comment(line)) return false;
    std::size_t eq = line.find('=');
    if (eq == std::string::npos) return false;
    key = trim(std::string_view(line).substr(0, eq));
    value = trim(std::string_view(line).substr(eq + 1));
    return !key.empty();
}

// Editors such as Notepad may start a UTF-8 file with a byte-order mark; it is no part of the first line.
constexpr std::string_view kBom = "\xEF\xBB\xBF";

std::string_view without_bom(std::string_view content) {
    return content.substr(0, kBom.size()) == kBom ? content.substr(kBom.size()) : content;
}

std::optional<std::string> find_value(const std::string& content, const std::string& section,
                                      const std::string& key) {
    bool in_section = false;
    for (const Line& l : split_lines(std::string(without_bom(content)))) {
        if (auto name = section_name(l.text)) {
            in_section = equals_ci(*name, section);
            continue;
        }
        std::string k, v;
        if (in_section && key_value(l.text, k, v) && equals_ci(k, key)) return v;
    }
    return std::nullopt;
}

std::string join(std::string_view bom, const std::vector<Line>& lines) {
    std::string out(bom);
    for (const Line& l : lines)
        out += l.text + l.end;
    return out;
}

std::string one_line(const std::string& value) {
    std::string v = value;
    for (char& c : v)
        if (c == '\r' || c == '\n') c = ' ';
    return v;
}

// Removes what writers killed between writing their temporary file and the rename left behind. Only
// called under the file's lock, which every writer holds while its temporary file exists.
void remove_temporaries_of(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    const std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
    const std::string name = path.substr(folder.size());
    os::remove_files_in(folder, [&](const std::string& file) {
        std::string base;
        return os::is_temporary_name(file, &base) && base == name;
    });
}

}  // namespace

IniWriteError::IniWriteError(const std::string& path, const std::string& reason)
    : std::runtime_error("Nie można zapisać ustawień do pliku " + path + " (" + reason + ")"), path_(path) {}

std::string ini_path(const std::string& file) {
    bool absolute = !file.empty() && (file[0] == '/' || (file.size() > 1 && file[1] == ':'));
    return absolute ? file : program_file(file);
}

std::string czytaj_ini(const std::string& file, const std::string& section, const std::string& key,
                       const std::string& default_value) {
    std::string content;
    if (!os::read_file(ini_path(file), content)) return default_value;
    return find_value(content, section, key).value_or(default_value);
}

int czytaj_ini_int(const std::string& file, const std::string& section, const std::string& key,
                   int default_value) {
    return to_int(czytaj_ini(file, section, key, std::to_string(default_value)), default_value);
}

std::string ini_with_value(const std::string& content, const std::string& section, const std::string& key,
                           const std::string& value) {
    const std::string_view text = without_bom(content);
    const std::string_view bom = std::string_view(content).substr(0, content.size() - text.size());
    std::vector<Line> lines = split_lines(std::string(text));
    std::string eol = lines.empty() || lines.front().end.empty() ? "\n" : lines.front().end;
    const std::string entry = key + "=" + one_line(value);

    bool found_section = false;
    std::size_t insert_after = 0;  // the last non-blank line of the section
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (auto name = section_name(lines[i].text)) {
            if (found_section) break;
            if (equals_ci(*name, section)) {
                found_section = true;
                insert_after = i;
            }
            continue;
        }
        if (!found_section) continue;
        std::string k, v;
        if (key_value(lines[i].text, k, v) && equals_ci(k, key)) {
            lines[i].text = entry;
            if (lines[i].end.empty()) lines[i].end = eol;
            return join(bom, lines);
        }
        if (!trim(lines[i].text).empty()) insert_after = i;
    }

    if (found_section) {
        if (lines[insert_after].end.empty()) lines[insert_after].end = eol;
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insert_after) + 1, Line{entry, eol});
    } else {
        if (!lines.empty() && lines.back().end.empty()) lines.back().end = eol;
        lines.push_back({"[" + section + "]", eol});
        lines.push_back({entry, eol});
    }
    return join(bom, lines);
}

void zmien_plik_ini(const std::string& path, const std::function<std::string(const std::string&)>& change) {
    try {
        os::FileLock lock(path + ".lock");
        // The rename below would replace even a file the user protected against writing.
        if (os::file_is_read_only(path)) throw IniWriteError(path, "plik jest tylko do odczytu");
        remove_temporaries_of(path);
        std::string content;
        os::read_file(path, content);
        os::write_file_atomically(path, change(content));
    } catch (const IniWriteError&) {
        throw;
    } catch (const std::runtime_error& e) {
        throw IniWriteError(path, e.what());
    }
}

void zapisz_ini(const std::string& file, const std::string& section, const std::string& key,
                const std::string& value) {
    zmien_plik_ini(ini_path(file), [&](std::string content) {
        // A new print settings file starts with the values an upgraded one gets from step 5.
        if (content.empty() && equals_ci(file, kUstPrzelewIni))
            for (const UstawienieKroku5& u : kUstawieniaKroku5)
                content = ini_with_value(content, u.sekcja, u.klucz, u.wartosc);
        return ini_with_value(content, section, key, value);
    });
}

}  // namespace zlx
