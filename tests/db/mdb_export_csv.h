#pragma once

// Runs the stock mdb-export tool on a table and parses its CSV, so tests can compare what we read
// with what that tool prints.

#include <string>
#include <vector>

#include "db/mdb_file.h"
#include "tests/support/fixtures.h"

namespace zlx::test {

struct CsvCell {
    bool quoted = false;
    std::string text;
};
using CsvRow = std::vector<CsvCell>;

// Returns the header row followed by the data rows; dates are printed "%Y-%m-%d %H:%M:%S" and binary
// values in upper-case hex.
std::vector<CsvRow> mdb_export_rows(const std::string& file, const std::string& table);

bool mdb_export_available();

// Checks one value against the cell that mdb-export printed for it (gtest expectations).
void expect_same_as_mdb_export(const MdbColumnDef& col, const MdbValue& v, const CsvCell& cell,
                               const std::string& where);

}  // namespace zlx::test
