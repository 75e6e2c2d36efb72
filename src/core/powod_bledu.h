#pragma once

// The reason of a refused file operation as the user reads it: the common reasons in Polish, any other
// in the system's own words. Every message about a file that cannot be written takes its reason here.

#include <string>
#include <system_error>

namespace zlx {

// Returns "nie ma takiego folderu", "brak uprawnień", "brak miejsca na dysku", "system plików tylko do
// odczytu" or "to nie jest folder" for those errors, and the system's text for the rest.
std::string powod_bledu(std::error_code ec);

// The same for an errno value.
std::string powod_bledu(int errno_value);

}  // namespace zlx
