#pragma once

#include <stdexcept>
#include <string>

namespace zlx {

// A statement or query the database refused; what() is the engine's message.
class SqlError : public std::runtime_error {
  public:
    SqlError(const std::string& message, std::string statement = {})
        : std::runtime_error(message), statement_(std::move(statement)) {}
    const std::string& statement() const { return statement_; }

  private:
    std::string statement_;
};

}  // namespace zlx
