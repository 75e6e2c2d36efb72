#include "export/plik_eksportu.h"

#include <fmt/format.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <sstream>

#include "core/folder.h"
#include "core/os.h"
#include "core/powod_bledu.h"
#include "export/kodowanie.h"

namespace zlx {

namespace {

constexpr const char* kBlokada = ".zlecenix-eksport.lock";
// Lists the temporary and final names of a run that has written all its files, while it renames them.
constexpr const char* kDziennik = ".zlecenix-eksport.pliki";
// Marks the temporary files of a run, so that no other writer's temporary files in the folder are taken.
constexpr const char* kZnakPliku = ".eksport";

std::string folder_pliku(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? "" : path.substr(0, slash + 1);
}

std::string zakoduj_linie(const std::vector<std::string>& lines, int kodowanie) {
    // Converted in pieces of about a megabyte, so a large run never holds its text three times over.
    constexpr std::size_t kKawalek = 1 << 20;
    std::string bytes, piece;
    std::size_t size = 0;
    for (const std::string& l : lines)
        size += l.size() + 2;
    bytes.reserve(size);
    for (std::size_t i = 0; i < lines.size();) {
        piece.clear();
        for (; i < lines.size() && piece.size() < kKawalek; ++i) {
            piece += lines[i];
            piece += "\r\n";
        }
        bytes += zakoduj(piece, kodowanie);
    }
    return bytes;
}

// Finishes the renames of a run that was killed between them and removes the temporary files of runs
// killed before they had written everything. Only called under the folder's lock.
void posprzataj(const std::string& folder) {
    std::string dziennik;
    if (os::read_file(folder + kDziennik, dziennik)) {
        std::istringstream in(dziennik);
        for (std::string tmp, path; std::getline(in, tmp) && std::getline(in, path);) {
            std::error_code ec;
            if (std::filesystem::exists(tmp, ec)) std::filesystem::rename(tmp, path, ec);
        }
        std::remove((folder + kDziennik).c_str());
    }
    os::remove_files_in(folder, [](const std::string& name) {
        std::string base;
        return os::is_temporary_name(name, &base) && (base.ends_with(kZnakPliku) || base == kDziennik);
    });
}

}  // namespace

BladZapisuEksportu::BladZapisuEksportu(const std::string& path, const std::string& reason)
    : std::runtime_error("Nie można zapisać pliku " + path + " (" + reason + ")"), path_(path) {}

std::string nazwa_pliku_eksportu(const TProfilExp& p, TDateTime teraz) {
    switch (p.prof_rodzaj_nazwy_pliku) {
        case 0:
            return p.prof_katalog_out + p.prof_nazwa_stala;
        case 1: {
            const CivilDate d = teraz.civil();
            int h = 0, m = 0, s = 0;
            teraz.time_of_day(h, m, s);
            return p.prof_katalog_out +
                   fmt::format("{:04}{:02}{:02}_{:02}{:02}{:02}.", d.year, d.month, d.day, h, m, s) +
                   p.prof_nazwa_gen_rozsz;
        }
        default:
            return program_file("plik_przelew.txt");
    }
}

std::string nazwa_kolejnego_pliku(const std::string& path, int k) {
    if (k <= 1) return path;
    const std::size_t folder_end = path.find_last_of("/\\");
    const std::size_t name_start = folder_end == std::string::npos ? 0 : folder_end + 1;
    std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || dot < name_start) dot = path.size();
    return path.substr(0, dot) + "_" + std::to_string(k) + path.substr(dot);
}

void zapisz_pliki_eksportu(const std::vector<PlikEksportu>& pliki, int kodowanie,
                           const PoZapisaniuPliku& po_pliku) {
    if (pliki.empty()) return;
    const std::string folder = folder_pliku(pliki.front().path);
    std::unique_ptr<os::FileLock> blokada;
    try {
        blokada = std::make_unique<os::FileLock>(folder + kBlokada);
    } catch (const std::runtime_error& e) {
        throw BladZapisuEksportu(pliki.front().path, e.what());
    }
    posprzataj(folder);

    std::vector<std::string> tymczasowe;
    auto usun = [](const std::vector<std::string>& paths, std::size_t from) {
        for (std::size_t i = from; i < paths.size(); ++i)
            std::remove(paths[i].c_str());
    };
    std::string dziennik;
    for (std::size_t k = 0; k < pliki.size(); ++k) {
        tymczasowe.push_back(os::temporary_name_for(pliki[k].path + kZnakPliku));
        try {
            os::write_file_synced(tymczasowe.back(), zakoduj_linie(pliki[k].lines, kodowanie));
        } catch (const std::runtime_error& e) {
            usun(tymczasowe, 0);
            throw BladZapisuEksportu(pliki[k].path, e.what());
        }
        dziennik += tymczasowe.back() + "\n" + pliki[k].path + "\n";
        if (po_pliku) po_pliku(k + 1);
    }
    // A folder standing where a file goes would stop the renames halfway.
    for (const PlikEksportu& p : pliki) {
        std::error_code ec;
        if (std::filesystem::is_directory(p.path, ec)) {
            usun(tymczasowe, 0);
            throw BladZapisuEksportu(p.path, "w tym miejscu jest folder");
        }
    }
    // With the list on disk, a run killed between its renames is finished by the next one.
    const bool z_dziennikiem = pliki.size() > 1;
    if (z_dziennikiem) {
        try {
            os::write_file_atomically(folder + kDziennik, dziennik);
        } catch (const std::runtime_error& e) {
            usun(tymczasowe, 0);
            throw BladZapisuEksportu(pliki.front().path, e.what());
        }
    }
    for (std::size_t k = 0; k < pliki.size(); ++k) {
        std::error_code ec;
        std::filesystem::rename(tymczasowe[k], pliki[k].path, ec);
        if (ec) {
            for (std::size_t i = 0; i < k; ++i)
                std::remove(pliki[i].path.c_str());
            usun(tymczasowe, k);
            std::remove((folder + kDziennik).c_str());
            throw BladZapisuEksportu(pliki[k].path, "nie można zastąpić pliku: " + powod_bledu(ec));
        }
    }
    if (z_dziennikiem) std::remove((folder + kDziennik).c_str());
}

}  // namespace zlx
