// Any text either is refused or reads as an amount whose two-decimal form reads back as the same
// amount rounded to grosze, with either decimal separator.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/currency.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    std::optional<zlx::Currency> c = zlx::Currency::parse(text);
    if (!c) return 0;
    const zlx::Currency rounded = c->rounded_to_grosze();
    for (char separator : {',', '.'}) {
        std::optional<zlx::Currency> again = zlx::Currency::parse(c->to_text(separator));
        if (!again || *again != rounded) std::abort();
    }
    return 0;
}
