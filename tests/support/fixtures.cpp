#include "tests/support/fixtures.h"

#include <cstdlib>

namespace zlx::test {

std::string mdb_fixture(const std::string& name) {
    const char* dir = std::getenv("ZLX_FIXTURES");
    return std::string(dir && *dir ? dir : ZLX_FIXTURES_DIR) + "/mdb/" + name;
}

}  // namespace zlx::test
