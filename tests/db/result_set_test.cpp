#include "db/result_set.h"

#include <gtest/gtest.h>

#include "db/sql_error.h"
#include "tests/db/db_fixture.h"

namespace zlx::test {
namespace {

// The currencies of a new database plus a few counterparties with Polish names.
struct Filled : NewDatabase {
    Filled() {
        const char* names[] = {"Łukasz", "ludwik", "Łódź Sp.", "Lublin", "Żabka"};
        int id = 0;
        for (const char* n : names) {
            ++id;
            EXPECT_TRUE(ds.exec_sql(" INSERT INTO kontrach(ID1,nazwa,rabat) VALUES ( " +
                                    std::to_string(id * 10) + ",'" + n + "','" + std::to_string(id) +
                                    ",25')"));
        }
    }
    std::unique_ptr<ResultSet> all() { return ds.open_sql("SELECT * FROM kontrach order by ID1"); }
};

std::vector<std::string> visible_names(ResultSet& rs) {
    std::vector<std::string> out;
    for (rs.first(); !rs.eof(); rs.next())
        out.push_back(rs.text("nazwa"));
    return out;
}

TEST(ResultSet, ColumnsByNameWithoutRegardToCaseAndTypedReaders) {
    Filled db;
    auto rs = db.all();
    ASSERT_EQ(rs->record_count(), 5u);
    EXPECT_EQ(rs->int_value("id1"), 10);
    EXPECT_EQ(rs->int_value("ID1"), 10);
    EXPECT_EQ(rs->text("NAZWA"), "Łukasz");
    EXPECT_EQ(rs->currency("Rabat").to_text(), "1,25");
    EXPECT_TRUE(rs->is_null("skrot"));
    EXPECT_EQ(rs->text("skrot"), "");
    EXPECT_EQ(rs->int_value("grupa"), 0);
    EXPECT_THROW(rs->text("nie_ma"), SqlError);
    rs->last();
    EXPECT_EQ(rs->int_value("ID1"), 50);
    rs->next();
    EXPECT_TRUE(rs->eof());
    EXPECT_THROW(rs->text("nazwa"), SqlError);

    auto none = db.ds.open_sql("SELECT * FROM kontrach WHERE ID1=-1");
    EXPECT_TRUE(none->eof());
    EXPECT_EQ(none->record_count(), 0u);
    EXPECT_EQ(none->field_count(), db.all()->field_count());
}

TEST(ResultSet, PrefixFilterHidesRowsWithoutANewQuery) {
    Filled db;
    auto rs = db.all();
    struct Case {
        const char* prefix;
        std::vector<std::string> names;
    } cases[] = {
        {"ł", {"Łukasz", "Łódź Sp."}},
        {"L", {"ludwik", "Lublin"}},
        {"łÓDŹ", {"Łódź Sp."}},
        {"x", {}},
        {"", {"Łukasz", "ludwik", "Łódź Sp.", "Lublin", "Żabka"}},
    };
    // The database changes meanwhile; the filter works on the rows already read.
    ASSERT_TRUE(db.ds.exec_sql("DELETE FROM kontrach"));
    for (const Case& c : cases) {
        rs->set_prefix_filter("nazwa", c.prefix);
        EXPECT_EQ(visible_names(*rs), c.names) << c.prefix;
        EXPECT_EQ(rs->record_count(), c.names.size());
    }
    rs->set_prefix_filter("nazwa", "l");
    rs->first();
    EXPECT_EQ(rs->current().row_id(), 1u);
    // Totals may still run over every row, hidden ones included.
    Currency total;
    for (std::size_t id = 0; id < rs->total_count(); ++id)
        total += rs->row(id).currency("rabat");
    EXPECT_EQ(total.to_text(), "16,25");
    rs->clear_filter();
    EXPECT_EQ(rs->record_count(), 5u);
}

TEST(ResultSet, LocateByKeyAndCopyChosenRows) {
    Filled db;
    auto rs = db.all();
    EXPECT_TRUE(rs->locate("id1", 30));
    EXPECT_EQ(rs->text("nazwa"), "Łódź Sp.");
    EXPECT_FALSE(rs->locate("id1", 31));
    EXPECT_EQ(rs->text("nazwa"), "Łódź Sp.");
    EXPECT_TRUE(rs->locate("nazwa", "ŻABKA"));
    EXPECT_EQ(rs->int_value("id1"), 50);
    rs->set_prefix_filter("nazwa", "l");
    EXPECT_FALSE(rs->locate("id1", 50));

    auto chosen = rs->copy_rows({4, 0});
    EXPECT_EQ(chosen->record_count(), 2u);
    EXPECT_EQ(visible_names(*chosen), (std::vector<std::string>{"Żabka", "Łukasz"}));
    chosen->first();
    EXPECT_EQ(chosen->currency("rabat").to_text(), "5,25");
    EXPECT_TRUE(chosen->is_null("skrot"));
    EXPECT_THROW(rs->copy_rows({5}), SqlError);
}

}  // namespace
}  // namespace zlx::test

namespace zlx::test {
namespace {

TEST(ResultSet, LongTextsComeBackWhole) {
    ResultSet rs({{"t", ColumnKind::text}});
    std::vector<std::string> texts;
    // Sizes around the storage's chunk of a megabyte, and far beyond it.
    for (std::size_t size : {700000u, 700000u, 0u, 1048576u, 5u, 2621440u, 1048575u, 1u, 300000u}) {
        texts.push_back(std::string(size, static_cast<char>('a' + texts.size())));
        rs.add_text(texts.back());
    }
    ASSERT_EQ(rs.total_count(), texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i)
        EXPECT_TRUE(rs.row(i).text("t") == texts[i]) << i;
}

}  // namespace
}  // namespace zlx::test
