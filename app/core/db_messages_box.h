#pragma once

#include "db/db_messages.h"

namespace zlx::app {

class Dialogs;

// Shows the database layer's messages: a plain box for the connection message; for a failing
// statement an error box whose text is the statement (the engine's message below it), with the
// statement put on the clipboard for a support request; the busy cursor while the database is waited for.
class DbMessagesBox : public DbMessages {
  public:
    explicit DbMessagesBox(Dialogs& dialogs) : dialogs_(dialogs) {}

    void message(const std::string& text) override;
    void sql_error(const std::string& statement, const std::string& detail) override;
    void database_busy(bool waiting) override;

  private:
    Dialogs& dialogs_;
};

}  // namespace zlx::app
