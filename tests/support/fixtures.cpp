#include "tests/support/fixtures.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace zlx::test {

std::string mdb_fixture(const std::string& name) {
    const char* dir = std::getenv("ZLX_FIXTURES");
    return std::string(dir && *dir ? dir : ZLX_FIXTURES_DIR) + "/mdb/" + name;
}

namespace {

void replace_all_bytes(std::string& data, const std::string& from, const std::string& to) {
    for (std::size_t at = data.find(from); at != std::string::npos; at = data.find(from, at + to.size()))
        data.replace(at, from.size(), to);
}

}  // namespace

std::string older_version_mdb(const std::string& folder) {
    std::ifstream in(mdb_fixture("nwind.mdb"), std::ios::binary);
    std::string data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (data.empty()) throw std::runtime_error("cannot read nwind.mdb");
    // Same lengths, so the catalog stays valid.
    replace_all_bytes(data, "Shippers", "kontrach");
    replace_all_bytes(data, "Suppliers", "kartoteka");
    const std::string path = folder + "przelewy2008.mdb";
    std::ofstream(path, std::ios::binary) << data;
    return path;
}

}  // namespace zlx::test
