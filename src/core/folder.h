#pragma once

// The program folder holds the settings files, data/, tmp/ and rpt/. By default it is
// $XDG_DATA_HOME/zlecenix (~/.local/share/zlecenix when unset), for the program and the CLI alike, so a
// rebuilt or cleaned build tree never takes the user's data with it. A portable install (a file
// "zlecenix.portable" beside the executable) keeps it beside the executable; --folder DIR on the
// command line wins over both. It is set once at start, before anything reads a setting; paths use
// '/' and the folder ends with one.

#include <string>

namespace zlx {

// The file beside the executable that makes an install portable.
inline constexpr const char* kPlikPrzenosny = "zlecenix.portable";

// Where the choice looks: the explicit folder ("" when not given), the executable's folder ("" when
// unknown) and the environment's XDG_DATA_HOME and HOME.
struct MiejscaFolderu {
    std::string explicit_folder;
    std::string executable_folder;
    std::string xdg_data_home;
    std::string home;
};

// Returns the folder the program uses for these places, as above. A relative XDG_DATA_HOME is
// ignored, as the base directory rules say.
std::string choose_program_folder(const MiejscaFolderu& miejsca);

// Returns the folder for this process: the explicit one when given, else by the rules above.
std::string choose_program_folder(const std::string& explicit_folder);

// Sets the program folder and creates it with data/ and tmp/ when missing. Throws std::runtime_error
// naming the folder when it cannot be created.
void set_program_folder(const std::string& folder);

// Returns the program folder with its trailing '/'; chooses the default on first use when unset.
const std::string& program_folder();

// Returns program_folder() + name.
std::string program_file(const std::string& name);

}  // namespace zlx
