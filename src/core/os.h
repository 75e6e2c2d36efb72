#pragma once

// The few operating-system calls of the GUI-free code, kept here so the rest stays portable.

#include <cstdint>
#include <functional>
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

// Writes the content into the file (created or emptied) and flushes it to disk. Throws
// std::runtime_error with the reason.
void write_file_synced(const std::string& path, const std::string& content);

// Replaces the file's content in one step: writes a temporary file beside it, flushes it to disk and
// renames it over the old one, so a crash or a full disk never leaves a truncated file. Throws
// std::runtime_error with the reason; the old file is then untouched.
void write_file_atomically(const std::string& path, const std::string& content);

// Returns the name of the temporary file write_file_atomically uses for a path.
std::string temporary_name_for(const std::string& path);

// Tells whether the file name is one temporary_name_for gives ("a.ini.tmp123"); base receives the name
// it stands for ("a.ini").
bool is_temporary_name(const std::string& name, std::string* base = nullptr);

// Removes the plain files of the folder whose names `pick` accepts; files that cannot be removed stay.
void remove_files_in(const std::string& folder, const std::function<bool(const std::string& name)>& pick);

// Tells whether an existing file may not be changed: this user has no write permission on it (for the
// superuser, who passes every permission check, when none of its write permission bits is set).
bool file_is_read_only(const std::string& path);

// Holds an exclusive advisory lock on a lock file (created when missing) from construction to
// destruction; cooperating processes that take the same lock run one after the other. Throws
// std::runtime_error with the reason when the lock file cannot be opened.
class FileLock {
  public:
    explicit FileLock(const std::string& lock_path);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

  private:
    std::intptr_t handle_;
};

// Reads the whole file; returns false when it cannot be opened.
bool read_file(const std::string& path, std::string& content);

}  // namespace zlx::os
