#pragma once

#include <iostream>

#include "db/db_messages.h"

namespace zlx::cli {

// The database layer's messages, for a program without windows: everything goes to stderr.
struct StderrMessages : DbMessages {
    void message(const std::string& text) override { std::cerr << text << "\n"; }
    void sql_error(const std::string& statement, const std::string& detail) override {
        std::cerr << "Błąd instrukcji SQL: " << statement << "\n" << detail << "\n";
    }
    void database_busy(bool waiting) override {
        if (waiting) std::cerr << "Baza danych jest zajęta przez inny program - czekam...\n";
    }
};

}  // namespace zlx::cli
