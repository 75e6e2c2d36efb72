#include "db/archive.h"

#include <zip.h>

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <vector>

#include "core/os.h"
#include "core/powod_bledu.h"
#include "core/text.h"

namespace zlx {

namespace {

struct ZipCloser {
    void operator()(zip_t* z) const {
        if (z) zip_discard(z);
    }
};
using ZipPtr = std::unique_ptr<zip_t, ZipCloser>;

std::string zip_message(int code) {
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    std::string text = zip_error_strerror(&error);
    zip_error_fini(&error);
    return text;
}

std::string file_name_of(const std::string& path) {
    std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Returns the reason of a libzip failure, in Polish where the system refused a file operation.
std::string powod_zip(zip_error_t* error) {
    if (zip_error_system_type(error) == ZIP_ET_SYS) return powod_bledu(zip_error_code_system(error));
    return zip_error_strerror(error);
}

// Reads until the buffer is full or the entry ends; returns the count or -1.
zip_int64_t read_full(zip_file_t* f, char* buf, std::size_t size) {
    std::size_t got = 0;
    while (got < size) {
        zip_int64_t n = zip_fread(f, buf + got, size - got);
        if (n < 0) return -1;
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    return static_cast<zip_int64_t>(got);
}

// Compares the archived entry byte for byte with the file on disk.
void verify(const std::string& archive, const std::string& entry, const std::string& source) {
    int code = 0;
    ZipPtr z(zip_open(archive.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &code));
    if (!z) throw ArchiveError("Archiwum " + archive + " nie daje się odczytać: " + zip_message(code));
    zip_int64_t index = zip_name_locate(z.get(), entry.c_str(), 0);
    if (index < 0) throw ArchiveError("Archiwum " + archive + " nie zawiera pliku " + entry);
    zip_file_t* f = zip_fopen_index(z.get(), static_cast<zip_uint64_t>(index), 0);
    if (!f) throw ArchiveError("Archiwum " + archive + ": " + zip_strerror(z.get()));
    std::ifstream in(source, std::ios::binary);
    std::vector<char> a(1 << 16), b(1 << 16);
    bool same = static_cast<bool>(in);
    while (same) {
        zip_int64_t n = read_full(f, a.data(), a.size());
        in.read(b.data(), static_cast<std::streamsize>(b.size()));
        std::streamsize m = in.gcount();
        if (n < 0 || n != m || !std::equal(a.begin(), a.begin() + n, b.begin())) same = false;
        if (n <= 0) break;
    }
    zip_fclose(f);
    if (!same) throw ArchiveError("Archiwum " + archive + " różni się od pliku bazy " + source);
}

// Tells whether the name is one libzip gives the temporary file of an archive of ours while writing
// it: the archive's name followed by a dot and six letters or digits ("20100531_4073.zip.Ab12Cd").
bool plik_tymczasowy_archiwum(const std::string& name) {
    constexpr std::string_view kWzor = "dddddddd_dddd.zip.xxxxxx";
    if (name.size() != kWzor.size()) return false;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(name[i]);
        const bool pasuje = kWzor[i] == 'd'   ? std::isdigit(c) != 0
                            : kWzor[i] == 'x' ? std::isalnum(c) != 0
                                              : name[i] == kWzor[i];
        if (!pasuje) return false;
    }
    return true;
}

}  // namespace

int losuj_cyfre_archiwum() {
    static std::mt19937 engine{std::random_device{}()};
    return std::uniform_int_distribution<int>(0, 8)(engine);
}

std::string nazwa_archiwum(const std::string& folder, TDateTime day, const LosujCyfre& cyfra) {
    std::string name = folder;
    if (name.empty() || (name.back() != '/' && name.back() != '\\')) name += '/';
    CivilDate c = day.civil();
    char stamp[16];
    std::snprintf(stamp, sizeof stamp, "%04d%02d%02d_", c.year, c.month, c.day);
    name += stamp;
    for (int i = 0; i < 4; ++i)
        name += static_cast<char>('0' + cyfra());
    return name + ".zip";
}

std::string archiwizuj_baze(const std::string& sciezka_bazy, const std::string& folder, TDateTime day,
                            const LosujCyfre& cyfra) {
    const std::string dir = trim(folder);
    if (dir.empty()) throw ArchiveError("Nie podano folderu archiwum");
    std::error_code ec;
    if (!std::filesystem::is_directory(dir, ec))
        throw ArchiveError("Folder archiwum " + dir + " nie istnieje");
    if (!std::filesystem::is_regular_file(sciezka_bazy, ec))
        throw ArchiveError("Brak pliku bazy danych " + sciezka_bazy);

    // Archives of one folder are made one at a time, so a temporary file found under the lock was left
    // by a run that was killed.
    const std::string folder_slash = dir.back() == '/' || dir.back() == '\\' ? dir : dir + "/";
    std::unique_ptr<os::FileLock> lock;
    try {
        lock = std::make_unique<os::FileLock>(folder_slash + ".zlecenix-archiwum.lock");
    } catch (const std::runtime_error& e) {
        throw ArchiveError("Nie można utworzyć archiwum w folderze " + dir + ": " + e.what());
    }
    os::remove_files_in(folder_slash, plik_tymczasowy_archiwum);

    // Another archive of that name stays as it is: draw new digits instead.
    std::string archive;
    for (int attempt = 0; attempt < 1000; ++attempt) {
        archive = nazwa_archiwum(dir, day, cyfra);
        if (!std::filesystem::exists(archive, ec)) break;
        archive.clear();
    }
    if (archive.empty()) throw ArchiveError("Wszystkie nazwy archiwum z dnia są zajęte w folderze " + dir);

    int code = 0;
    ZipPtr z(zip_open(archive.c_str(), ZIP_CREATE | ZIP_EXCL, &code));
    if (!z) throw ArchiveError("Nie można utworzyć archiwum " + archive + ": " + zip_message(code));
    const std::string entry = file_name_of(sciezka_bazy);
    zip_source_t* source = zip_source_file(z.get(), sciezka_bazy.c_str(), 0, -1);
    if (!source || zip_file_add(z.get(), entry.c_str(), source, 0) < 0) {
        std::string why = powod_zip(zip_get_error(z.get()));
        if (source) zip_source_free(source);
        throw ArchiveError("Nie można dodać pliku " + sciezka_bazy + " do archiwum: " + why);
    }
    if (zip_close(z.get()) != 0) {
        std::string why = powod_zip(zip_get_error(z.get()));
        std::remove(archive.c_str());
        throw ArchiveError("Nie można zapisać archiwum " + archive + ": " + why);
    }
    z.release();  // zip_close freed it
    try {
        verify(archive, entry, sciezka_bazy);
    } catch (...) {
        std::remove(archive.c_str());
        throw;
    }
    return archive;
}

}  // namespace zlx
