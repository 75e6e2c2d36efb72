#include "transfers/zaznaczenie.h"

#include "db/result_set.h"

namespace zlx {

namespace {

std::int32_t klucz(const ResultSet& rows, std::size_t row_id, std::size_t pole) {
    return static_cast<std::int32_t>(rows.row(row_id).int64_value(pole));
}

}  // namespace

void Zaznaczenie::zaznacz(std::int32_t nr_id, bool tak) {
    if (tak)
        klucze_.insert(nr_id);
    else
        klucze_.erase(nr_id);
}

void Zaznaczenie::zaznacz_wszystkie(const ResultSet& rows, bool tak) {
    if (!tak) {
        klucze_.clear();
        return;
    }
    const std::size_t pole = rows.field_index("nr_id");
    for (std::size_t r = 0; r < rows.total_count(); ++r)
        klucze_.insert(klucz(rows, r, pole));
}

void Zaznaczenie::zostaw_w_zbiorze(const ResultSet& rows) {
    const std::vector<std::int32_t> zostaja = klucze(rows);
    klucze_ = std::set<std::int32_t>(zostaja.begin(), zostaja.end());
}

std::vector<std::size_t> Zaznaczenie::wiersze(const ResultSet& rows) const {
    std::vector<std::size_t> out;
    if (klucze_.empty()) return out;
    const std::size_t pole = rows.field_index("nr_id");
    for (std::size_t r = 0; r < rows.total_count(); ++r)
        if (klucze_.contains(klucz(rows, r, pole))) out.push_back(r);
    return out;
}

std::vector<std::int32_t> Zaznaczenie::klucze(const ResultSet& rows) const {
    std::vector<std::int32_t> out;
    if (klucze_.empty()) return out;
    const std::size_t pole = rows.field_index("nr_id");
    for (const std::size_t r : wiersze(rows))
        out.push_back(klucz(rows, r, pole));
    return out;
}

std::size_t Zaznaczenie::ukryte(const ResultSet& rows) const {
    if (klucze_.empty() || !rows.filtered()) return 0;
    const std::size_t pole = rows.field_index("nr_id");
    std::size_t widoczne = 0;
    for (std::size_t i = 0; i < rows.record_count(); ++i)
        if (klucze_.contains(klucz(rows, rows.row_id_at(i), pole))) ++widoczne;
    return wiersze(rows).size() - widoczne;
}

std::vector<std::int32_t> cele_akcji(const ResultSet& rows, const Zaznaczenie& z, std::int32_t biezacy) {
    std::vector<std::int32_t> ids = z.klucze(rows);
    if (ids.empty() && biezacy != 0) ids.push_back(biezacy);
    return ids;
}

}  // namespace zlx
