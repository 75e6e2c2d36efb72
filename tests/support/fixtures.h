#pragma once

#include <string>

namespace zlx::test {

// Returns the path of a sample Access file in tests/fixtures/mdb (ZLX_FIXTURES overrides the folder).
std::string mdb_fixture(const std::string& name);

// Writes into folder (ending in '/') a copy of nwind.mdb whose tables Shippers and Suppliers are named
// kontrach and kartoteka, so it passes for the older version's file, though its upgrade cannot finish
// (kontrach has no id1 for the primary key); returns its path.
std::string older_version_mdb(const std::string& folder);

}  // namespace zlx::test
