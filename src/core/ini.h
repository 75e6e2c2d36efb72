#pragma once

// Settings live in INI files in the program folder. Nothing is cached: every read opens the file, reads
// one key with a default and closes it; every write replaces the file in one step, keeping every other
// line as it was. Section and key names compare without regard to letter case.

#include <functional>
#include <stdexcept>
#include <string>

namespace zlx {

// Thrown when a settings file cannot be written; what() names the file and the reason in Polish.
class IniWriteError : public std::runtime_error {
  public:
    IniWriteError(const std::string& path, const std::string& reason);
    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

// Returns the path of a settings file: a bare name lies in the program folder.
std::string ini_path(const std::string& file);

// Returns the key's value (blanks around it removed), or the default when the file, section or key
// is missing.
std::string czytaj_ini(const std::string& file, const std::string& section, const std::string& key,
                       const std::string& default_value);
// Reads a key that holds a whole number; text that is not one gives the default.
int czytaj_ini_int(const std::string& file, const std::string& section, const std::string& key,
                   int default_value);

// Writes the value, creating the file, section or key when missing. Line breaks in the value become
// blanks. Throws IniWriteError when the system refuses the write; the old file is then untouched.
void zapisz_ini(const std::string& file, const std::string& section, const std::string& key,
                const std::string& value);

// Replaces the settings file at the path with what `change` makes of its content ("" for a missing
// file). Writers of one file take turns on the lock file beside it (the name + ".lock"), so no process
// loses another's update; temporary files of writers that died are removed first. Throws IniWriteError
// when the system refuses the write or the file is read-only; the file is then untouched.
void zmien_plik_ini(const std::string& path, const std::function<std::string(const std::string&)>& change);

// Returns the file's content with the key set, as zapisz_ini writes it.
std::string ini_with_value(const std::string& content, const std::string& section, const std::string& key,
                           const std::string& value);

}  // namespace zlx
