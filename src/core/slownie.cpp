#include "core/slownie.h"

namespace zlx {

namespace {

std::string words_of(const std::string& digits) {
    std::string out;
    for (char c : digits)
        if (c >= '0' && c <= '9') out += slowo_cyfry(c - '0') + "*";
    return out;
}

}  // namespace

std::string slowo_cyfry(int digit) {
    static const char* const kWords[] = {"zer", "jed", "dwa", "trz", "czt", "pie", "sze", "sie", "osi", "dzi"};
    return digit >= 0 && digit <= 9 ? kWords[digit] : "";
}

std::string slownie_cyframi(int mode, Currency amount) {
    const std::string s = amount.to_text();
    std::size_t sep = s.find(',');
    const std::string whole = words_of(s.substr(0, sep));
    const std::string fraction = sep == std::string::npos ? std::string() : words_of(s.substr(sep + 1));
    if (mode == 0) return whole + "zł" + " " + fraction + "gr";
    if (mode == 2) return whole + " " + fraction;
    return "";
}

}  // namespace zlx
