#include "export/kodowanie.h"

#include <unicode/ucnv.h>
#include <unicode/unistr.h>

#include <cstdint>
#include <memory>
#include <stdexcept>

namespace zlx {

namespace {

struct ConverterCloser {
    void operator()(UConverter* c) const { ucnv_close(c); }
};

// Converts through an ICU converter, '?' standing for a character the code page lacks.
std::string to_code_page(std::string_view utf8, const char* code_page) {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<UConverter, ConverterCloser> conv(ucnv_open(code_page, &status));
    if (U_FAILURE(status)) throw std::runtime_error(std::string("brak konwertera ") + code_page);
    ucnv_setSubstChars(conv.get(), "?", 1, &status);
    const icu::UnicodeString u =
        icu::UnicodeString::fromUTF8(icu::StringPiece(utf8.data(), static_cast<std::int32_t>(utf8.size())));
    // Single-byte code pages: one byte per UTF-16 unit is always enough.
    std::string out(static_cast<std::size_t>(u.length()) + 1, '\0');
    std::int32_t n = ucnv_fromUChars(conv.get(), out.data(), static_cast<std::int32_t>(out.size()),
                                     u.getBuffer(), u.length(), &status);
    if (U_FAILURE(status)) throw std::runtime_error(std::string("błąd konwersji do ") + code_page);
    out.resize(static_cast<std::size_t>(n));
    return out;
}

std::string to_utf8(std::string_view utf8) {
    // Through ICU as well, so an invalid byte sequence comes out as a valid character.
    std::string out;
    icu::UnicodeString::fromUTF8(icu::StringPiece(utf8.data(), static_cast<std::int32_t>(utf8.size())))
        .toUTF8String(out);
    return out;
}

}  // namespace

std::string bez_polskich_znakow(std::string_view utf8) {
    static constexpr struct {
        std::string_view letter;
        char latin;
    } kLetters[] = {{"Ą", 'A'}, {"Ć", 'C'}, {"Ę", 'E'}, {"Ł", 'L'}, {"Ń", 'N'}, {"Ó", 'O'},
                    {"Ś", 'S'}, {"Ź", 'Z'}, {"Ż", 'Z'}, {"ą", 'a'}, {"ć", 'c'}, {"ę", 'e'},
                    {"ł", 'l'}, {"ń", 'n'}, {"ó", 'o'}, {"ś", 's'}, {"ź", 'z'}, {"ż", 'z'}};
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        bool replaced = false;
        if (static_cast<unsigned char>(utf8[i]) >= 0x80) {
            for (const auto& l : kLetters) {
                if (utf8.substr(i, l.letter.size()) == l.letter) {
                    out += l.latin;
                    i += l.letter.size();
                    replaced = true;
                    break;
                }
            }
        }
        if (!replaced) out += utf8[i++];
    }
    return out;
}

std::string zakoduj(std::string_view utf8, int kodowanie) {
    switch (kodowanie) {
        case 1:
            return to_utf8(utf8);
        case 2:
            return to_code_page(utf8, "ISO-8859-2");
        case 3:
            return to_code_page(bez_polskich_znakow(utf8), "windows-1250");
        default:
            return to_code_page(utf8, "windows-1250");
    }
}

}  // namespace zlx
