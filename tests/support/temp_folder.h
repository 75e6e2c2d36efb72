#pragma once

#include <string>

namespace zlx::test {

// A fresh folder under the system's temporary folder, removed with everything in it at the end.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // Returns the folder with a trailing '/'.
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + name; }

private:
    std::string path_;
};

// A temporary folder set as the program folder for the lifetime of the object.
class TempProgramFolder : public TempFolder {
public:
    TempProgramFolder();
};

// Returns a folder in which no file can be created, even by root.
std::string read_only_folder(const TempFolder& scratch);

std::string read_text(const std::string& path);
void write_text(const std::string& path, const std::string& content);

}  // namespace zlx::test
