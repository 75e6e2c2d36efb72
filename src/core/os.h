#pragma once

// The few operating-system calls of the GUI-free code, kept here so the rest stays portable.

#include <string>

namespace zlx::os {

struct LocalTime {
    int year, month, day, hour, minute, second;
};

LocalTime local_time_now();

// Returns the folder of the running executable ("" when it cannot be told).
std::string executable_folder();

// Returns the value of an environment variable, or "" when unset.
std::string environment(const char* name);

// Tells whether a file can be created in the folder.
bool folder_is_writable(const std::string& folder);

// Replaces the file's content in one step: writes a temporary file beside it, flushes it to disk and
// renames it over the old one, so a crash or a full disk never leaves a truncated file. Throws
// std::runtime_error with the reason; the old file is then untouched.
void write_file_atomically(const std::string& path, const std::string& content);

// Returns the name of the temporary file write_file_atomically uses for a path.
std::string temporary_name_for(const std::string& path);

// Reads the whole file; returns false when it cannot be opened.
bool read_file(const std::string& path, std::string& content);

}  // namespace zlx::os
