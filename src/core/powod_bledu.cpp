#include "core/powod_bledu.h"

namespace zlx {

std::string powod_bledu(std::error_code ec) {
    struct Powod {
        std::errc kod;
        const char* tekst;
    };
    static constexpr Powod kPowody[] = {
        {std::errc::no_such_file_or_directory, "nie ma takiego folderu"},
        {std::errc::permission_denied, "brak uprawnień"},
        {std::errc::operation_not_permitted, "brak uprawnień"},
        {std::errc::no_space_on_device, "brak miejsca na dysku"},
        {std::errc::read_only_file_system, "system plików tylko do odczytu"},
        {std::errc::not_a_directory, "to nie jest folder"},
    };
    for (const Powod& p : kPowody)
        if (ec == p.kod) return p.tekst;
    return ec.message();
}

std::string powod_bledu(int errno_value) {
    return powod_bledu(std::error_code(errno_value, std::generic_category()));
}

}  // namespace zlx
