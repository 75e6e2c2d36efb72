#pragma once

// The program folder holds the settings files, data/, tmp/ and rpt/. It is the executable's folder
// when that is writable (a portable install), otherwise $XDG_DATA_HOME/zlecenix (by default
// ~/.local/share/zlecenix); --folder DIR on the command line chooses it explicitly. It is set once at
// start, before anything reads a setting; paths use '/' and the folder ends with one.

#include <string>

namespace zlx {

// Returns the folder the program would use: the explicit one when given, else as above.
std::string choose_program_folder(const std::string& explicit_folder);

// Sets the program folder and creates it with data/ and tmp/ when missing. Throws std::runtime_error
// naming the folder when it cannot be created.
void set_program_folder(const std::string& folder);

// Returns the program folder with its trailing '/'; chooses the default on first use when unset.
const std::string& program_folder();

// Returns program_folder() + name.
std::string program_file(const std::string& name);

}  // namespace zlx
