#include "db/jet_sql.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>
#include <vector>

#include "core/currency.h"
#include "core/datetime.h"
#include "db/sql_error.h"

namespace zlx {

namespace {

enum class Tok { space, word, ident, string, number, date, punct };

struct Token {
    Tok type;
    std::string text;  // word/punct/number/space: as written; ident: the name; string/date: the value
};

std::string upper_ascii(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

bool is_word_start(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) || c == '_' || static_cast<unsigned char>(c) >= 0x80;
}
bool is_word_char(char c) {
    return is_word_start(c) || std::isdigit(static_cast<unsigned char>(c)) || c == '$';
}
bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

[[noreturn]] void refuse(const std::string& what, std::string_view sql) {
    throw SqlError(what, std::string(sql));
}

std::vector<Token> tokenize(std::string_view s) {
    std::vector<Token> out;
    std::size_t i = 0;
    while (i < s.size()) {
        char c = s[i];
        std::size_t j = i + 1;
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            while (j < s.size() && (s[j] == ' ' || s[j] == '\t' || s[j] == '\r' || s[j] == '\n'))
                ++j;
            out.push_back({Tok::space, std::string(s.substr(i, j - i))});
        } else if (c == '\'' || c == '"') {
            std::string value;
            for (;; ++j) {
                if (j >= s.size()) refuse("Niezakończony tekst w instrukcji SQL", s);
                if (s[j] == c) {
                    if (j + 1 < s.size() && s[j + 1] == c) {
                        value += c;
                        ++j;
                        continue;
                    }
                    break;
                }
                value += s[j];
            }
            ++j;
            out.push_back({Tok::string, value});
        } else if (c == '[') {
            while (j < s.size() && s[j] != ']')
                ++j;
            if (j >= s.size()) refuse("Niezakończona nazwa w nawiasach w instrukcji SQL", s);
            out.push_back({Tok::ident, std::string(s.substr(i + 1, j - i - 1))});
            ++j;
        } else if (c == '#') {
            while (j < s.size() && s[j] != '#')
                ++j;
            if (j >= s.size()) refuse("Niezakończona data w instrukcji SQL", s);
            std::string date = jet_date_literal(s.substr(i + 1, j - i - 1));
            if (date.empty())
                refuse("Błąd składni w dacie w wyrażeniu: " + std::string(s.substr(i, j - i + 1)), s);
            out.push_back({Tok::date, date});
            ++j;
        } else if (is_digit(c) || (c == '.' && i + 1 < s.size() && is_digit(s[i + 1]))) {
            while (j < s.size() && (is_digit(s[j]) || s[j] == '.'))
                ++j;
            if (j < s.size() && (s[j] == 'e' || s[j] == 'E')) {
                std::size_t k = j + 1;
                if (k < s.size() && (s[k] == '+' || s[k] == '-')) ++k;
                if (k < s.size() && is_digit(s[k])) {
                    j = k;
                    while (j < s.size() && is_digit(s[j]))
                        ++j;
                }
            }
            out.push_back({Tok::number, std::string(s.substr(i, j - i))});
        } else if (is_word_start(c)) {
            while (j < s.size() && is_word_char(s[j]))
                ++j;
            out.push_back({Tok::word, std::string(s.substr(i, j - i))});
        } else {
            std::string_view two = s.substr(i, 2);
            if (two == "<=" || two == ">=" || two == "<>" || two == "!=" || two == "||") j = i + 2;
            out.push_back({Tok::punct, std::string(s.substr(i, j - i))});
        }
        i = j;
    }
    return out;
}

std::string quote_string(std::string_view v) {
    std::string out = "'";
    for (char c : v) {
        if (c == '\'') out += '\'';
        out += c;
    }
    return out + "'";
}

bool is_name(const Token& t) {
    return t.type == Tok::word || t.type == Tok::ident;
}
bool is_literal(const Token& t) {
    return t.type == Tok::string || t.type == Tok::number || t.type == Tok::date;
}
bool is_punct(const Token& t, std::string_view p) {
    return t.type == Tok::punct && t.text == p;
}
bool is_keyword(const Token& t, std::string_view k) {
    return t.type == Tok::word && upper_ascii(t.text) == k;
}

bool is_comparison(const Token& t) {
    return t.type == Tok::punct && (t.text == "=" || t.text == "<>" || t.text == "!=" || t.text == "<" ||
                                    t.text == ">" || t.text == "<=" || t.text == ">=");
}

constexpr double kFirstJetDay = -657434;  // 100-01-01
constexpr double kLastJetDay = 2958465;   // 9999-12-31

std::string canonical_date(TDateTime d) {
    return d.value() == d.date_only().value() ? d.to_text() : d.to_text_with_time();
}

// Reads a number written with a comma or a dot as the decimal separator; returns it with a dot.
std::optional<std::string> plain_number(std::string_view text, bool whole_only) {
    std::string t;
    std::size_t a = 0, b = text.size();
    while (a < b && text[a] == ' ')
        ++a;
    while (b > a && text[b - 1] == ' ')
        --b;
    text = text.substr(a, b - a);
    bool digits = false, sep = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (is_digit(c)) {
            digits = true;
            t += c;
        } else if ((c == ',' || c == '.') && !sep) {
            sep = true;
            t += '.';
        } else if ((c == '-' || c == '+') && i == 0) {
            if (c == '-') t += c;
        } else {
            return std::nullopt;
        }
    }
    if (!digits) return std::nullopt;
    if (whole_only && sep) {
        // A whole number with zero decimals still fits an integer column.
        std::size_t dot = t.find('.');
        if (t.find_first_not_of('0', dot + 1) != std::string::npos) return t;
        t.erase(dot);
        if (t.empty() || t == "-") t += '0';
    }
    return t;
}

class Translator {
  public:
    Translator(std::string_view sql, const SchemaLookup& schema) : sql_(sql), schema_(schema) {
        toks_ = tokenize(sql);
        for (std::size_t i = 0; i < toks_.size(); ++i)
            if (toks_[i].type != Tok::space) sig_.push_back(i);
    }

    JetStatement run() {
        JetStatement out;
        drop_trailing_semicolon();
        if (sig_.empty()) refuse("Pusta instrukcja SQL", sql_);
        collect_tables();
        std::string verb = upper_ascii(at(0).text);
        if (verb == "ALTER" && size() >= 5 && is_keyword(at(1), "TABLE")) {
            if (auto special = alter_table(out)) return *special;
        } else if (verb == "CREATE" && size() >= 3 && is_keyword(at(1), "TABLE")) {
            create_table();
        } else if (verb == "INSERT") {
            insert_values();
        } else if (verb == "DELETE" && size() >= 2 && is_punct(at(1), "*")) {
            erase(1);
        }
        if (verb != "CREATE" && verb != "ALTER") coerce_comparisons();
        if (verb == "SELECT") find_money_aggregates(out);
        out.sql = render();
        return out;
    }

  private:
    std::size_t size() const { return sig_.size(); }
    Token& at(std::size_t k) { return toks_[sig_[k]]; }
    void erase(std::size_t k) { toks_[sig_[k]] = {Tok::space, ""}; }

    void drop_trailing_semicolon() {
        for (std::size_t k = 0; k < size(); ++k) {
            if (!is_punct(at(k), ";")) continue;
            if (k + 1 != size()) refuse("Znaki po zakończeniu instrukcji SQL", sql_);
            erase(k);
            sig_.pop_back();
        }
    }

    void collect_tables() {
        for (std::size_t k = 0; k + 1 < size(); ++k) {
            std::string w = at(k).type == Tok::word ? upper_ascii(at(k).text) : "";
            if (w != "FROM" && w != "JOIN" && w != "UPDATE" && w != "INTO" && w != "TABLE") continue;
            std::size_t j = k + 1;
            while (j < size() && is_name(at(j))) {
                tables_.push_back(at(j).text);
                if (w != "FROM") break;
                // FROM a [AS x] [x], b ...
                ++j;
                while (j < size() && is_name(at(j)) && !is_keyword(at(j), "WHERE") &&
                       !is_keyword(at(j), "ORDER") && !is_keyword(at(j), "GROUP") &&
                       !is_keyword(at(j), "INNER") && !is_keyword(at(j), "LEFT") &&
                       !is_keyword(at(j), "RIGHT") && !is_keyword(at(j), "JOIN"))
                    ++j;
                if (j < size() && is_punct(at(j), ",")) {
                    ++j;
                    continue;
                }
                break;
            }
        }
    }

    const ColumnSchema* column(std::string_view table, std::string_view name) {
        if (!table.empty()) {
            const TableSchema* t = schema_(table);
            return t ? t->find(name) : nullptr;
        }
        for (const std::string& tn : tables_)
            if (const TableSchema* t = schema_(tn))
                if (const ColumnSchema* c = t->find(name)) return c;
        return nullptr;
    }

    // The column named at sig k, qualified by "table." when written so.
    const ColumnSchema* column_at(std::size_t k) {
        if (!is_name(at(k))) return nullptr;
        if (k >= 2 && is_punct(at(k - 1), ".") && is_name(at(k - 2)))
            return column(at(k - 2).text, at(k).text);
        return column({}, at(k).text);
    }

    // Converts the literal at sig k (with a '-' sign before it at k-1 when negative is set).
    void coerce(std::size_t k, ColumnKind kind, bool negative) {
        Token& t = at(k);
        if (kind == ColumnKind::money) {
            if (t.type == Tok::date) mismatch(t);
            std::optional<Currency> c = Currency::parse((negative ? "-" : "") + t.text);
            if (!c) mismatch(t);
            if (negative) erase(k - 1);
            t = {Tok::number, std::to_string(c->raw())};
        } else if (kind == ColumnKind::integer || kind == ColumnKind::floating) {
            if (t.type != Tok::string) return;
            if (auto n = plain_number(t.text, kind == ColumnKind::integer)) t = {Tok::number, *n};
        } else if (kind == ColumnKind::date) {
            if (t.type == Tok::number) {
                double v = 0;
                std::sscanf(t.text.c_str(), "%lf", &v);
                if (negative) v = -v;
                // Jet holds dates from 100-01-01 to 9999-12-31; any other number is no date.
                if (!(v > kFirstJetDay - 1 && v < kLastJetDay + 1))
                    refuse("Data poza zakresem w wyrażeniu: " + std::string(negative ? "-" : "") + t.text,
                           sql_);
                if (negative) erase(k - 1);
                t = {Tok::date, canonical_date(TDateTime(v))};
            } else if (t.type == Tok::string) {
                std::string d = jet_date_literal(t.text);
                if (d.empty()) mismatch(t);
                t = {Tok::date, d};
            }
        }
    }

    [[noreturn]] void mismatch(const Token& t) {
        refuse("Niezgodność typów danych w wyrażeniu: " + quote_string(t.text), sql_);
    }

    // Converts the literal starting at sig k (a literal, or '-' then a number) for the kind, when it
    // stands alone (not part of an arithmetic expression). Returns the sig index after it, or k when
    // nothing was converted.
    std::size_t coerce_literal_at(std::size_t k, ColumnKind kind) {
        if (k >= size()) return k;
        bool negative = k + 1 < size() && is_punct(at(k), "-") && at(k + 1).type == Tok::number;
        std::size_t literal = negative ? k + 1 : k;
        if (!is_literal(at(literal))) return k;
        if (k > 0 && is_arithmetic(at(k - 1))) return k;
        if (literal + 1 < size() && is_arithmetic(at(literal + 1))) return k;
        coerce(literal, kind, negative);
        return literal + 1;
    }

    static bool is_arithmetic(const Token& t) {
        return t.type == Tok::punct && (t.text == "+" || t.text == "-" || t.text == "*" || t.text == "/" ||
                                        t.text == "||" || t.text == "&");
    }

    static bool needs_coercion(const ColumnSchema* c) {
        return c && (c->kind == ColumnKind::money || c->kind == ColumnKind::date ||
                     c->kind == ColumnKind::integer || c->kind == ColumnKind::floating);
    }

    // column op literal, literal op column, column BETWEEN literal AND literal and column [NOT] IN
    // (literals), anywhere in the statement.
    void coerce_comparisons() {
        for (std::size_t k = 0; k + 2 < size(); ++k) {
            if (is_comparison(at(k + 1)) && is_name(at(k + 2))) coerce_left_of(k + 1);
            if (!is_name(at(k))) continue;
            if (is_comparison(at(k + 1))) {
                const ColumnSchema* c = column_at(k);
                if (needs_coercion(c)) coerce_literal_at(k + 2, c->kind);
            } else if (is_keyword(at(k + 1), "BETWEEN")) {
                const ColumnSchema* c = column_at(k);
                if (!needs_coercion(c)) continue;
                std::size_t j = coerce_literal_at(k + 2, c->kind);
                if (j != k + 2 && j < size() && is_keyword(at(j), "AND")) coerce_literal_at(j + 1, c->kind);
            } else if (is_keyword(at(k + 1), "IN") ||
                       (is_keyword(at(k + 1), "NOT") && is_keyword(at(k + 2), "IN"))) {
                const ColumnSchema* c = column_at(k);
                std::size_t open = is_keyword(at(k + 1), "IN") ? k + 2 : k + 3;
                if (needs_coercion(c) && open < size() && is_punct(at(open), "("))
                    coerce_list(open + 1, [&](std::size_t) { return c; });
            }
        }
    }

    // literal op column [. column]: the literal (or '-' number) just before the comparison at sig op,
    // when neither side is part of a longer expression.
    void coerce_left_of(std::size_t op) {
        std::size_t end = op + 2;  // after the column reference
        const ColumnSchema* c = nullptr;
        if (end + 1 < size() && is_punct(at(end), ".") && is_name(at(end + 1))) {
            c = column(at(op + 1).text, at(end + 1).text);
            end += 2;
        } else {
            c = column({}, at(op + 1).text);
        }
        if (!needs_coercion(c) || (end < size() && is_arithmetic(at(end)))) return;
        const std::size_t literal = op - 1;
        if (!is_literal(at(literal))) return;
        const bool negative =
            literal > 0 && is_punct(at(literal - 1), "-") && at(literal).type == Tok::number;
        if (!starts_operand(negative ? literal - 1 : literal)) return;
        coerce(literal, c->kind, negative);
    }

    // Whether an operand begins at sig k (and not the right side of an arithmetic operator).
    bool starts_operand(std::size_t k) {
        if (k == 0) return true;
        const Token& t = at(k - 1);
        if (is_punct(t, "(") || is_punct(t, ",") || is_comparison(t)) return true;
        if (t.type != Tok::word) return false;
        for (const char* w : {"WHERE", "AND", "OR", "NOT", "ON", "HAVING", "WHEN", "THEN", "ELSE", "SELECT"})
            if (is_keyword(t, w)) return true;
        return false;
    }

    // The comma-separated items from sig k up to the closing parenthesis (or, when until_from, up to
    // FROM or the end): each literal that fills its item is converted for the column column_for gives
    // for the item's position. A subquery is left alone. Returns the sig index of the closing token.
    template <class ColumnFor>
    std::size_t coerce_list(std::size_t k, ColumnFor column_for, bool until_from = false) {
        if (k < size() && is_keyword(at(k), "SELECT")) return k;
        std::size_t item = 0, start = k;
        int depth = 0;
        for (;; ++k) {
            const bool closing =
                k >= size() ||
                (depth == 0 && (until_from ? is_keyword(at(k), "FROM") : is_punct(at(k), ")")));
            if (closing || (depth == 0 && is_punct(at(k), ","))) {
                const ColumnSchema* c = column_for(item);
                if (needs_coercion(c)) coerce_literal_at(start, c->kind);
                if (closing) return k;
                ++item;
                start = k + 1;
                continue;
            }
            if (is_punct(at(k), "(")) ++depth;
            if (is_punct(at(k), ")")) --depth;
        }
    }

    // INSERT INTO t [(columns)] VALUES (values)[, (values)...] or SELECT values FROM ...: each literal
    // value converted for its column.
    void insert_values() {
        std::size_t k = 0;
        while (k < size() && !is_keyword(at(k), "INTO"))
            ++k;
        if (k + 1 >= size() || !is_name(at(k + 1))) return;
        const TableSchema* table = schema_(at(k + 1).text);
        if (!table) return;
        k += 2;
        std::vector<const ColumnSchema*> targets;
        if (k < size() && is_punct(at(k), "(")) {
            for (++k; k < size() && !is_punct(at(k), ")"); ++k)
                if (is_name(at(k))) targets.push_back(table->find(at(k).text));
            ++k;
        } else {
            for (const ColumnSchema& c : table->columns)
                targets.push_back(&c);
        }
        auto target = [&](std::size_t i) { return i < targets.size() ? targets[i] : nullptr; };
        if (k < size() && is_keyword(at(k), "SELECT")) {
            std::size_t first = k + 1;
            if (first < size() && (is_keyword(at(first), "DISTINCT") || is_keyword(at(first), "ALL")))
                ++first;
            coerce_list(first, target, true);
            return;
        }
        if (k >= size() || !is_keyword(at(k), "VALUES")) return;
        for (++k; k < size() && is_punct(at(k), "(");) {
            k = coerce_list(k + 1, target) + 1;
            if (k >= size() || !is_punct(at(k), ",")) break;
            ++k;
        }
    }

    // The result columns of the SELECT list that are SUM, MIN or MAX of a money column. Positions
    // after a '*' are unknown, so the search stops there.
    void find_money_aggregates(JetStatement& out) {
        std::size_t k = 1;
        if (k < size() && (is_keyword(at(k), "DISTINCT") || is_keyword(at(k), "ALL"))) ++k;
        std::size_t item = 0, start = k;
        int depth = 0;
        for (;; ++k) {
            const bool closing = k >= size() || (depth == 0 && is_keyword(at(k), "FROM"));
            if (closing || (depth == 0 && is_punct(at(k), ","))) {
                if (is_money_aggregate(start, k)) out.money_results.push_back(item);
                if (closing) return;
                ++item;
                start = k + 1;
                continue;
            }
            if (depth == 0 && is_punct(at(k), "*") && (k == start || is_punct(at(k - 1), "."))) return;
            if (is_punct(at(k), "(")) ++depth;
            if (is_punct(at(k), ")")) --depth;
        }
    }

    // FN ( [DISTINCT] [table .] column ) [[AS] alias] over sig [a, b).
    bool is_money_aggregate(std::size_t a, std::size_t b) {
        if (b < a + 4 ||
            !(is_keyword(at(a), "SUM") || is_keyword(at(a), "MIN") || is_keyword(at(a), "MAX")) ||
            !is_punct(at(a + 1), "("))
            return false;
        std::size_t k = a + 2;
        if (is_keyword(at(k), "DISTINCT")) ++k;
        const ColumnSchema* c = nullptr;
        if (k + 3 < b && is_name(at(k)) && is_punct(at(k + 1), ".") && is_name(at(k + 2))) {
            c = column(at(k).text, at(k + 2).text);
            k += 3;
        } else if (k + 1 < b && is_name(at(k))) {
            c = column({}, at(k).text);
            k += 1;
        }
        if (!c || c->kind != ColumnKind::money || k >= b || !is_punct(at(k), ")")) return false;
        ++k;
        if (k < b && is_keyword(at(k), "AS")) ++k;
        if (k < b && is_name(at(k))) ++k;
        return k == b;
    }

    // Rewrites the column definition whose name is at sig k: its Jet type becomes a declared type.
    // Returns the sig index after the type.
    std::size_t rewrite_column_type(std::size_t k) {
        std::size_t t = k + 1;
        if (t >= size() || at(t).type != Tok::word) return t;
        std::string width;
        std::size_t end = t + 1;
        if (end + 2 < size() && is_punct(at(end), "(") && at(end + 1).type == Tok::number &&
            is_punct(at(end + 2), ")")) {
            width = at(end + 1).text;
            for (std::size_t e = end; e < end + 3; ++e)
                erase(e);
            end += 3;
        }
        at(t) = {Tok::word, declared_type_for_jet(at(t).text, width)};
        return end;
    }

    void create_table() {
        std::size_t k = 3;
        while (k < size() && !is_punct(at(k), "("))
            ++k;
        int depth = 0;
        bool at_start = true;
        for (++k; k < size(); ++k) {
            if (is_punct(at(k), "(")) ++depth;
            if (is_punct(at(k), ")")) {
                if (depth == 0) break;
                --depth;
            }
            if (depth == 0 && is_punct(at(k), ",")) {
                at_start = true;
                continue;
            }
            if (!at_start) continue;
            at_start = false;
            std::string w = at(k).type == Tok::word ? upper_ascii(at(k).text) : "";
            if (w == "CONSTRAINT" || w == "PRIMARY" || w == "UNIQUE" || w == "FOREIGN" || w == "CHECK")
                continue;
            if (is_name(at(k))) k = rewrite_column_type(k) - 1;
        }
    }

    std::optional<JetStatement> alter_table(JetStatement& out) {
        if (!is_name(at(2))) return std::nullopt;
        std::string table = at(2).text;
        std::size_t k = 3;
        std::string action = upper_ascii(at(k).text);
        if (action == "ADD" && k + 1 < size() && is_keyword(at(k + 1), "CONSTRAINT")) {
            // ADD CONSTRAINT name PRIMARY KEY (column)
            if (k + 7 < size() && is_name(at(k + 2)) && is_keyword(at(k + 3), "PRIMARY") &&
                is_keyword(at(k + 4), "KEY") && is_punct(at(k + 5), "(") && is_name(at(k + 6)) &&
                is_punct(at(k + 7), ")") && k + 8 == size()) {
                out.kind = JetStatement::Kind::add_primary_key;
                out.table = table;
                out.constraint = at(k + 2).text;
                out.column = at(k + 6).text;
                return out;
            }
            refuse("Nieobsługiwana postać ALTER TABLE ADD CONSTRAINT", sql_);
        }
        if (action == "ADD") {
            std::size_t c = k + 1;
            if (c < size() && is_keyword(at(c), "COLUMN")) ++c;
            if (c < size() && is_name(at(c))) rewrite_column_type(c);
            return std::nullopt;
        }
        if (action == "ALTER") {
            std::size_t c = k + 1;
            if (c < size() && is_keyword(at(c), "COLUMN")) ++c;
            if (c + 1 >= size() || !is_name(at(c))) refuse("Błąd składni w instrukcji ALTER TABLE", sql_);
            std::size_t end = rewrite_column_type(c);
            if (end != size()) refuse("Nieobsługiwana postać ALTER COLUMN", sql_);
            out.kind = JetStatement::Kind::alter_column;
            out.table = table;
            out.column = at(c).text;
            out.declared_type = at(c + 1).text;
            return out;
        }
        return std::nullopt;
    }

    std::string render() const {
        std::string out;
        out.reserve(sql_.size() + 16);
        for (const Token& t : toks_) {
            switch (t.type) {
                case Tok::ident:
                    out += quote_identifier(t.text);
                    break;
                case Tok::string:
                case Tok::date:
                    out += quote_string(t.text);
                    break;
                default:
                    out += t.text;
                    break;
            }
        }
        return out;
    }

    std::string_view sql_;
    const SchemaLookup& schema_;
    std::vector<Token> toks_;
    std::vector<std::size_t> sig_;
    std::vector<std::string> tables_;
};

bool read_int(std::string_view s, int& out) {
    if (s.empty() || s.size() > 4) return false;
    for (char c : s)
        if (!is_digit(c)) return false;
    std::from_chars(s.data(), s.data() + s.size(), out);
    return true;
}

std::vector<std::string_view> split(std::string_view s, char sep) {
    std::vector<std::string_view> parts;
    std::size_t i = 0;
    for (;;) {
        std::size_t j = s.find(sep, i);
        parts.push_back(s.substr(i, j == std::string_view::npos ? std::string_view::npos : j - i));
        if (j == std::string_view::npos) break;
        i = j + 1;
    }
    return parts;
}

}  // namespace

std::string quote_identifier(std::string_view name) {
    std::string out = "\"";
    for (char c : name) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

std::string jet_date_literal(std::string_view inside) {
    std::size_t a = 0, b = inside.size();
    while (a < b && inside[a] == ' ')
        ++a;
    while (b > a && inside[b - 1] == ' ')
        --b;
    inside = inside.substr(a, b - a);
    std::string_view date = inside, time;
    if (std::size_t sp = inside.find(' '); sp != std::string_view::npos) {
        date = inside.substr(0, sp);
        time = inside.substr(sp + 1);
        while (!time.empty() && time.front() == ' ')
            time.remove_prefix(1);
    }
    int y = 0, m = 0, d = 0;
    std::vector<std::string_view> parts = split(date, date.find('/') != std::string_view::npos ? '/' : '-');
    if (parts.size() != 3) return {};
    bool ymd = parts[0].size() == 4;
    if (!read_int(parts[ymd ? 0 : 2], y) || !read_int(parts[ymd ? 1 : 0], m) ||
        !read_int(parts[ymd ? 2 : 1], d))
        return {};
    std::size_t year_digits = parts[ymd ? 0 : 2].size();
    if (year_digits <= 2)
        y += y < 30 ? 2000 : 1900;
    else if (year_digits != 4)
        return {};
    if (y < 100) return {};  // before Jet's first day
    std::optional<TDateTime> day = TDateTime::try_from_ymd(y, m, d);
    if (!day) return {};
    int hh = 0, mm = 0, ss = 0;
    if (!time.empty()) {
        bool pm = false, am = false;
        std::string t = upper_ascii(time);
        if (t.size() > 2 && (t.ends_with("PM") || t.ends_with("AM"))) {
            pm = t.ends_with("PM");
            am = !pm;
            t.resize(t.size() - 2);
            while (!t.empty() && t.back() == ' ')
                t.pop_back();
        }
        std::vector<std::string_view> tp = split(t, ':');
        if (tp.size() < 2 || tp.size() > 3 || !read_int(tp[0], hh) || !read_int(tp[1], mm) ||
            (tp.size() == 3 && !read_int(tp[2], ss)))
            return {};
        if ((am || pm) && (hh < 1 || hh > 12)) return {};
        if (pm && hh < 12) hh += 12;
        if (am && hh == 12) hh = 0;
        if (hh > 23 || mm > 59 || ss > 59) return {};
    }
    return canonical_date(TDateTime::from_ymd_hms(y, m, d, hh, mm, ss));
}

std::string declared_type_for_jet(std::string_view word, std::string_view width) {
    std::string w = upper_ascii(word);
    auto any = [&](std::initializer_list<const char*> names) {
        for (const char* n : names)
            if (w == n) return true;
        return false;
    };
    if (any({"TEXT", "VARCHAR", "CHAR", "NVARCHAR", "NCHAR", "STRING", "ALPHANUMERIC", "CHARACTER"}))
        return "TEXT(" + std::string(width.empty() ? "255" : width) + ") COLLATE NOCASE";
    if (any({"MEMO", "LONGTEXT", "NTEXT", "LONGCHAR", "NOTE"})) return "TEXT COLLATE NOCASE";
    if (any({"INTEGER", "LONG", "INT", "INTEGER4", "COUNTER", "AUTOINCREMENT"})) return "INTEGER";
    if (any({"SMALLINT", "SHORT", "INTEGER2"})) return "SMALLINT";
    if (any({"INTEGER1", "BYTE", "TINYINT"})) return "TINYINT";
    if (any({"MONEY", "CURRENCY"})) return "MONEY";
    if (any({"DATE", "DATETIME", "TIME", "TIMESTAMP"})) return "DATE";
    if (any({"FLOAT", "DOUBLE", "FLOAT8", "NUMBER"})) return "DOUBLE";
    if (any({"REAL", "SINGLE", "FLOAT4"})) return "REAL";
    if (any({"BIT", "YESNO", "LOGICAL", "LOGICAL1", "BOOLEAN"})) return "BIT";
    if (width.empty()) return std::string(word);
    return std::string(word) + "(" + std::string(width) + ")";
}

JetStatement translate_jet(std::string_view jet_sql, const SchemaLookup& schema) {
    return Translator(jet_sql, schema).run();
}

}  // namespace zlx
