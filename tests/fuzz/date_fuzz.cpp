// The date readers: what TDateTime::parse accepts formats back to the same text (seconds written
// out), and what the Jet date-literal reader returns is a date TDateTime::parse reads back unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/datetime.h"
#include "db/jet_sql.h"

namespace {

std::string formatted(zlx::TDateTime d, bool with_time) {
    return with_time ? d.to_text_with_time() : d.to_text();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    if (std::optional<zlx::TDateTime> d = zlx::TDateTime::parse(text)) {
        const bool with_time = text.size() > 10;
        std::string expected(text);
        if (text.size() == 16) expected += ":00";
        if (formatted(*d, with_time) != expected) std::abort();
    }
    const std::string literal = zlx::jet_date_literal(text);
    if (!literal.empty()) {
        std::optional<zlx::TDateTime> d = zlx::TDateTime::parse(literal);
        if (!d || formatted(*d, literal.size() > 10) != literal) std::abort();
    }
    return 0;
}
