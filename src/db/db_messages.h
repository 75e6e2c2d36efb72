#pragma once

// What the database layer tells the user goes through this interface, given at construction: the
// program shows a message box or an error box (with the statement put on the clipboard), tests record.

#include <string>

namespace zlx {

struct DbMessages {
    virtual ~DbMessages() = default;
    // A plain message box (for example, the database cannot be opened).
    virtual void message(const std::string& text) = 0;
    // A statement failed: the error box shows the statement itself; detail is the engine's message.
    virtual void sql_error(const std::string& statement, const std::string& detail) = 0;
    // The database stays busy (another instance writes) past a moment: true when the wait starts,
    // false when it ends either way, so the program can show that it waits and why.
    virtual void database_busy(bool waiting) { (void)waiting; }
};

}  // namespace zlx
