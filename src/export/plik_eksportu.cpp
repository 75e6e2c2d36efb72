#include "export/plik_eksportu.h"

#include <fmt/format.h>

#include "core/folder.h"
#include "core/os.h"
#include "export/kodowanie.h"

namespace zlx {

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

void zapisz_plik_eksportu(const std::vector<std::string>& lines, const std::string& path, int kodowanie) {
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
    try {
        os::write_file_atomically(path, bytes);
    } catch (const std::exception& e) {
        throw BladZapisuEksportu(path, e.what());
    }
}

}  // namespace zlx
