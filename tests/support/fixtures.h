#pragma once

#include <string>

namespace zlx::test {

// Returns the path of a sample Access file in tests/fixtures/mdb (ZLX_FIXTURES overrides the folder).
std::string mdb_fixture(const std::string& name);

}  // namespace zlx::test
