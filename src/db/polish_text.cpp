#include "db/polish_text.h"

#include <sqlite3.h>
#include <unicode/uchar.h>
#include <unicode/ucol.h>
#include <unicode/utf8.h>

#include <cstdint>

namespace zlx {

namespace {

int compare_polish(void* collator, int la, const void* a, int lb, const void* b) {
    UErrorCode status = U_ZERO_ERROR;
    UCollationResult r = ucol_strcollUTF8(static_cast<UCollator*>(collator), static_cast<const char*>(a), la,
                                          static_cast<const char*>(b), lb, &status);
    if (U_FAILURE(status)) return 0;
    return r == UCOL_LESS ? -1 : r == UCOL_GREATER ? 1 : 0;
}

void close_collator(void* collator) {
    ucol_close(static_cast<UCollator*>(collator));
}

void like_function(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    for (int i = 0; i < argc; ++i)
        if (sqlite3_value_type(argv[i]) == SQLITE_NULL) return sqlite3_result_null(ctx);
    auto text_of = [](sqlite3_value* v) {
        const unsigned char* t = sqlite3_value_text(v);
        return std::string_view(reinterpret_cast<const char*>(t),
                                static_cast<std::size_t>(sqlite3_value_bytes(v)));
    };
    char32_t escape = 0;
    if (argc == 3) {
        std::u32string e = fold_case(text_of(argv[2]));
        if (e.size() != 1) {
            sqlite3_result_error(ctx, "ESCAPE expression must be a single character", -1);
            return;
        }
        escape = e[0];
    }
    sqlite3_result_int(ctx, like_matches(text_of(argv[0]), text_of(argv[1]), escape) ? 1 : 0);
}

}  // namespace

std::u32string fold_case(std::string_view text) {
    std::u32string out;
    out.reserve(text.size());
    const auto* s = reinterpret_cast<const std::uint8_t*>(text.data());
    auto length = static_cast<std::int32_t>(text.size());
    for (std::int32_t i = 0; i < length;) {
        UChar32 c = 0;
        U8_NEXT(s, i, length, c);
        if (c < 0) c = 0xFFFD;
        out += static_cast<char32_t>(u_foldCase(c, U_FOLD_CASE_DEFAULT));
    }
    return out;
}

bool like_matches(std::string_view pattern, std::string_view text, char32_t escape) {
    std::u32string p = fold_case(pattern), t = fold_case(text);
    // Iterative matching with one backtrack point: the last % seen.
    std::size_t pi = 0, ti = 0, star_p = std::u32string::npos, star_t = 0;
    while (ti < t.size()) {
        if (pi < p.size() && p[pi] == U'%') {
            star_p = ++pi;
            star_t = ti;
            continue;
        }
        if (pi < p.size()) {
            bool literal = escape != 0 && p[pi] == escape && pi + 1 < p.size();
            char32_t pc = literal ? p[pi + 1] : p[pi];
            if ((!literal && pc == U'_') || pc == t[ti]) {
                pi += literal ? 2 : 1;
                ++ti;
                continue;
            }
        }
        if (star_p == std::u32string::npos) return false;
        pi = star_p;
        ti = ++star_t;
    }
    while (pi < p.size() && p[pi] == U'%')
        ++pi;
    return pi == p.size();
}

int register_polish_text(sqlite3* db) {
    UErrorCode status = U_ZERO_ERROR;
    UCollator* collator = ucol_open("pl", &status);
    if (U_FAILURE(status)) return SQLITE_ERROR;
    ucol_setStrength(collator, UCOL_SECONDARY);
    int rc = sqlite3_create_collation_v2(db, "NOCASE", SQLITE_UTF8, collator, compare_polish, close_collator);
    if (rc != SQLITE_OK) {
        ucol_close(collator);
        return rc;
    }
    for (int args : {2, 3}) {
        rc = sqlite3_create_function(db, "like", args, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                                     like_function, nullptr, nullptr);
        if (rc != SQLITE_OK) return rc;
    }
    return SQLITE_OK;
}

}  // namespace zlx
