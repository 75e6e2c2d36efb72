#include "printing/czcionki.h"

#include "core/text.h"

namespace zlx {

RodzinaCzcionki rodzina_czcionki(const std::string& nazwa) {
    std::string n = trim(nazwa);
    if (utf8_length(n) > 3 && equals_ci(n.substr(n.size() - 3), " CE")) n = trim(n.substr(0, n.size() - 3));
    if (equals_ci(n, "Arial Black")) return {"Arial", true};
    return {n, false};
}

}  // namespace zlx
