#include "db/jet_sql.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <utility>
#include <vector>

#include "db/sql_format.h"
#include "tests/db/db_fixture.h"

namespace zlx::test {
namespace {

const SchemaLookup kNoSchema = [](std::string_view) -> const TableSchema* { return nullptr; };

TEST(JetSql, TranslatesNamesTextsAndDateLiterals) {
    struct Case {
        const char* jet;
        const char* sqlite;
    } cases[] = {
        {"DELETE  FROM [kartoteka] where [kartoteka].[nr_id]=5",
         R"(DELETE  FROM "kartoteka" where "kartoteka"."nr_id"=5)"},
        {"DELETE * FROM kartoteka", "DELETE  FROM kartoteka"},
        {"SELECT \"a\"\"b\" FROM t", "SELECT 'a\"b' FROM t"},
        {"SELECT 'O''Neil'", "SELECT 'O''Neil'"},
        {" data BETWEEN  #1/5/10#  AND  #12/31/10#  ", " data BETWEEN  '2010-01-05'  AND  '2010-12-31'  "},
        {"x=#1/1/29#", "x='2029-01-01'"},
        {"x=#1/1/30#", "x='1930-01-01'"},
        {"x=#12/31/99#", "x='1999-12-31'"},
        {"x=#1/1/00#", "x='2000-01-01'"},
        {"x=#2/3/2031#", "x='2031-02-03'"},
        {"x=#2010-05-31#", "x='2010-05-31'"},
        {"x=#5/31/10 3:04:05 PM#", "x='2010-05-31 15:04:05'"},
        {"SELECT 1;", "SELECT 1"},
    };
    for (const Case& c : cases) {
        JetStatement st = translate_jet(c.jet, kNoSchema);
        EXPECT_EQ(st.kind, JetStatement::Kind::sql);
        EXPECT_EQ(st.sql, c.sqlite) << c.jet;
    }
}

TEST(JetSql, RefusesWhatJetRefuses) {
    for (const char* bad : {"SELECT 'open", "SELECT [open", "x=#2/30/10#", "x=#13/1/10#", "x=#soon#",
                            "x=#1/1/0099#", "DELETE FROM a; DELETE FROM b", ""}) {
        EXPECT_THROW(translate_jet(bad, kNoSchema), SqlError) << bad;
    }
}

TEST(JetSql, JetTypesBecomeDeclaredTypes) {
    struct Case {
        const char* word;
        const char* width;
        const char* declared;
        ColumnKind kind;
    } cases[] = {
        {"text", "155", "TEXT(155) COLLATE NOCASE", ColumnKind::text},
        {"TEXT", "", "TEXT(255) COLLATE NOCASE", ColumnKind::text},
        {"memo", "", "TEXT COLLATE NOCASE", ColumnKind::text},
        {"integer", "", "INTEGER", ColumnKind::integer},
        {"integer1", "", "TINYINT", ColumnKind::integer},
        {"money", "", "MONEY", ColumnKind::money},
        {"currency", "", "MONEY", ColumnKind::money},
        {"date", "", "DATE", ColumnKind::date},
        {"float", "", "DOUBLE", ColumnKind::floating},
        {"bit", "", "BIT", ColumnKind::integer},
    };
    for (const Case& c : cases) {
        std::string declared = declared_type_for_jet(c.word, c.width);
        EXPECT_EQ(declared, c.declared) << c.word;
        EXPECT_EQ(kind_of_declared_type(declared), c.kind) << c.word;
    }
}

// The transfer store's INSERT and UPDATE, as every save writes them.
std::vector<std::pair<std::string, std::string>> transfer_values(int nr_id) {
    return {
        {"nr_id", sql_int(nr_id)},
        {"id_kontrah", "0"},
        {"id_my", "0"},
        {"my_nazwa", sql_str("Firma O'Neil")},
        {"my_skrot", sql_str("ONEIL")},
        {"my_adres", sql_str("ul. Długa 1, 00-001 Łódź")},
        {"my_konto", sql_str("12 1020 3040 0000 1111 2222 3333")},
        {"dost_nazwa", sql_str("Żabka sp. z o.o.")},
        {"dost_skrot", sql_str("")},
        {"dost_adres", sql_str("")},
        {"dost_konto", sql_str("")},
        {"data", sql_date(TDateTime::from_ymd(2010, 5, 31))},
        {"tytulem", sql_str("Faktura 1/2010")},
        {"kwota", sql_str("1234,50")},
        {"kwota_money", sql_money(*Currency::parse("1234,5"))},
        {"uwagi", sql_str("")},
        {"uwagi_tekst", sql_str("")},
        {"p_w", "0"},
        {"data1", sql_date(TDateTime::from_ymd(2010, 5, 30))},
        {"bufor", "1"},
        {"tytulemcd", sql_str("")},
        {"dost_lk", sql_str("")},
        {"dost_bank", sql_str("")},
        {"my_lk", sql_str("")},
        {"my_bank", sql_str("")},
        {"czypracownik", "0"},
        {"nr_id_staryprzelew", "0"},
        {"us_iduzup", sql_str("")},
        {"us_typiduzup", sql_str("")},
        {"us_rokokresu", sql_str("")},
        {"us_typokresu", sql_str("")},
        {"us_nrokresu", sql_str("")},
        {"us_identyfikacjazobowiazania", sql_str("")},
        {"us_symbolformularza", sql_str("")},
        {"rodzaj_przelewu", "0"},
        {"zus_numeriduzup", sql_str("")},
        {"waluta", sql_str("PLN")},
        {"zus_nipplatnik", sql_str("")},
        {"zus_iduzup", sql_str("")},
        {"zus_deklaracja1", sql_str("")},
        {"zus_deklaracja2", sql_str("")},
        {"zus_nrdeklaracji", sql_str("")},
        {"zus_typwplaty", sql_str("")},
        {"zus_cel", "0"},
        {"cykliczne", "0"},
        {"dost_adres_ulica", sql_str("")},
        {"dost_adres_kodp", sql_str("")},
        {"dost_adres_miejscowosc", sql_str("")},
        {"my_adres_ulica", sql_str("ul. Długa 1")},
        {"my_adres_kodp", sql_str("00-001")},
        {"my_adres_miejscowosc", sql_str("Łódź")},
        {"rozliczony", "0"},
        {"kwota_rozliczenia", sql_money(Currency())},
        {"znacznik", "0"},
        {"zus_nrdecyzji", sql_str("")},
    };
}

std::string insert_transfer(int nr_id, const std::string& kwota, const std::string& data) {
    std::string cols, vals;
    for (auto [c, v] : transfer_values(nr_id)) {
        if (c == "kwota_money") v = kwota;
        if (c == "data") v = data;
        cols += (cols.empty() ? "" : ",") + c;
        vals += (vals.empty() ? "" : ",") + v;
    }
    return " INSERT INTO kartoteka(" + cols + ") VALUES ( " + vals + ")";
}

TEST(JetSql, TransferRoundTripKeepsAmountsAndDatesExact) {
    NewDatabase db;
    struct Case {
        int id;
        std::string kwota, data;
        const char* amount_text;
        std::int64_t raw;
        const char* date_text;
    } cases[] = {
        {1, "'1234,50'", "'2010-05-31'", "1234,50", 12345000, "2010-05-31"},
        {2, "'0,00'", "'2010-1-5'", "0,00", 0, "2010-01-05"},
        {3, "'-17,01'", "#12/31/10#", "-17,01", -170100, "2010-12-31"},
        {4, "'92233720368,54'", "'2026-03-08'", "92233720368,54", 922337203685400, "2026-03-08"},
        {5, "'0,1'", "'1999-12-31'", "0,10", 1000, "1999-12-31"},
        {6, "12.5", "40329", "12,50", 125000, "2010-05-31"},
    };
    for (const Case& c : cases)
        ASSERT_TRUE(db.ds.exec_sql(insert_transfer(c.id, c.kwota, c.data))) << c.kwota;
    ASSERT_TRUE(db.msgs.errors.empty()) << db.msgs.errors[0].detail;
    for (const Case& c : cases) {
        auto rs = db.ds.open_sql(" select * from kartoteka  WHERE nr_id=" + sql_int(c.id));
        ASSERT_FALSE(rs->eof());
        EXPECT_EQ(rs->currency("kwota_money").raw(), c.raw) << c.kwota;
        EXPECT_EQ(rs->text("kwota_money"), c.amount_text);
        EXPECT_EQ(rs->date("data").to_text(), c.date_text);
        EXPECT_EQ(rs->text("data"), c.date_text);
        EXPECT_EQ(rs->text("my_nazwa"), "Firma O'Neil");
        EXPECT_EQ(rs->text("dost_skrot"), "");
        EXPECT_FALSE(rs->is_null("dost_skrot"));
    }
    // Sums stay exact: 1234,50 + 0 - 17,01 + 92233720368,54 + 0,10 + 12,50.
    auto sum = db.ds.open_sql("SELECT sum(kwota_money) AS razem FROM kartoteka");
    EXPECT_EQ(sum->currency("razem").to_text(), "92233721598,63");
}

TEST(JetSql, AmountsAndDatesInConditionsAndUpdates) {
    NewDatabase db;
    ASSERT_TRUE(db.ds.exec_sql(insert_transfer(1, "'100,00'", "'2026-03-08'")));
    ASSERT_TRUE(db.ds.exec_sql(insert_transfer(2, "'250,75'", "'2026-03-15'")));
    ASSERT_TRUE(db.ds.exec_sql(insert_transfer(3, "'99,99'", "'2026-03-16'")));
    ASSERT_TRUE(
        db.ds.exec_sql(" UPDATE kartoteka set  kwota_money='300,25', rodzaj_przelewu=1, data=#3/9/26#"
                       " WHERE nr_id = 1"));
    struct Case {
        std::string where;
        std::size_t rows;
    } cases[] = {
        {" WHERE kwota_money='300,25'", 1},
        {" WHERE kwota_money > '100,00'", 2},
        {" WHERE kwota_money >= 99.99", 3},
        {" WHERE [kartoteka].[kwota_money] BETWEEN '99,99' AND '250,75'", 2},
        {" WHERE data = '2026-03-09'", 1},
        {" WHERE " + sql_okres_daty(0, TDateTime::from_ymd(2026, 3, 8), TDateTime::from_ymd(2026, 3, 15)), 2},
        {" WHERE" + sql_okres_daty(0, TDateTime::from_ymd(2026, 3, 8), TDateTime::from_ymd(2026, 3, 15)) +
             "AND cykliczne=0 AND rodzaj_przelewu=1 ",
         1},
        {" WHERE kwota_money > -1", 3},
        // An expression is left to the engine: kwota_money holds 1/10000 złoty.
        {" WHERE kwota_money > 999900 + 1", 2},
    };
    for (const Case& c : cases) {
        auto rs = db.ds.open_sql(" select * from kartoteka " + c.where + " order by data,nr_id  asc");
        EXPECT_EQ(rs->record_count(), c.rows) << c.where;
    }
    auto one = db.ds.open_sql(" select * from kartoteka  WHERE nr_id = 1");
    EXPECT_EQ(one->text("kwota_money"), "300,25");
    EXPECT_EQ(one->text("data"), "2026-03-09");
    EXPECT_TRUE(db.msgs.errors.empty());
}

TEST(JetSql, TextsJetWouldRefuseIntoMoneyOrDatesAreReported) {
    NewDatabase db;
    for (const auto& [kwota, data] : std::vector<std::pair<std::string, std::string>>{
             {"''", "'2010-01-01'"}, {"'dużo'", "'2010-01-01'"}, {"'1,00'", "'jutro'"}, {"'1,00'", "''"}}) {
        db.msgs.errors.clear();
        EXPECT_FALSE(db.ds.exec_sql(insert_transfer(7, kwota, data)));
        ASSERT_EQ(db.msgs.errors.size(), 1u);
        EXPECT_NE(db.msgs.errors[0].detail.find("Niezgodność typów danych"), std::string::npos);
    }
    EXPECT_TRUE(db.ds.open_sql("SELECT * FROM kartoteka")->eof());
}

TEST(JetSql, TextComparesWithoutRegardToCaseAndSortsInPolishOrder) {
    NewDatabase db;
    const char* names[] = {"Łukasz", "Ludwik", "żaneta", "Źdźbło", "zenon",
                           "Ąbc",    "abc",    "ŁÓDŹ",   "Osa",    "Ósemka"};
    int id = 0;
    for (const char* n : names) {
        ++id;
        ASSERT_TRUE(db.ds.exec_sql(" INSERT INTO kontrach(ID1,skrot,nazwa) VALUES ( " + sql_int(id) + "," +
                                   sql_str(n) + "," + sql_str(n) + ")"));
    }
    auto sorted = db.ds.open_sql("SELECT * FROM kontrach order by nazwa");
    std::vector<std::string> order;
    for (; !sorted->eof(); sorted->next())
        order.push_back(sorted->text("nazwa"));
    EXPECT_EQ(order, (std::vector<std::string>{"abc", "Ąbc", "Ludwik", "ŁÓDŹ", "Łukasz", "Osa", "Ósemka",
                                               "zenon", "Źdźbło", "żaneta"}));

    struct Case {
        std::string where;
        std::vector<int> ids;
    } cases[] = {
        {" where nazwa=" + sql_str("łódź"), {8}}, {" where nazwa=" + sql_str("ŻANETA"), {3}},
        {" where nazwa=" + sql_str("ABC"), {7}},  {" where nazwa like '%ŁÓ%'", {8}},
        {" where nazwa like 'ł%'", {1, 8}},       {" where skrot like '%A'", {3, 9, 10}},
        {" where nazwa like '_bc'", {6, 7}},      {" where [kontrach].[nazwa] like 'ósemka'", {10}},
    };
    for (const Case& c : cases) {
        auto rs = db.ds.open_sql("SELECT * FROM kontrach " + c.where + " order by ID1");
        std::vector<int> ids;
        for (; !rs->eof(); rs->next())
            ids.push_back(rs->int_value("id1"));
        EXPECT_EQ(ids, c.ids) << c.where;
    }
}

TEST(JetSql, TableDefinitionsInJetWords) {
    NewDatabase db;
    ASSERT_TRUE(
        db.ds.exec_sql("CREATE TABLE [proba] ([p_id] integer not null primary key, [p_nazwa] text(20), "
                       "[p_kwota] money, [p_data] date, [p_flaga] integer1, p_opis memo, p_ile float, "
                       "[p_x] integer  null)"));
    ASSERT_TRUE(
        db.ds.exec_sql("INSERT INTO proba(p_id,p_nazwa,p_kwota,p_data,p_flaga,p_opis,p_ile) VALUES "
                       "(1,'Łąka','12,34','2010-01-05',1,'długi opis','2,5')"));
    ASSERT_TRUE(db.ds.exec_sql("ALTER TABLE [proba]  ADD COLUMN [p_nowa] text(6)"));
    ASSERT_TRUE(db.ds.exec_sql("ALTER TABLE proba  ADD COLUMN p_suma money "));
    ASSERT_TRUE(db.ds.exec_sql("ALTER TABLE proba  ALTER COLUMN [p_nazwa] text(155)"));
    ASSERT_TRUE(db.msgs.errors.empty()) << db.msgs.errors[0].detail;

    const TableSchema* t = db.cn.table_schema("PROBA");
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->find("p_nazwa")->declared_type, "TEXT(155)");
    EXPECT_EQ(t->find("P_SUMA")->kind, ColumnKind::money);
    EXPECT_EQ(t->find("p_id")->primary_key, 1);
    auto rs = db.ds.open_sql("SELECT * FROM proba WHERE p_nazwa = 'ŁĄKA'");
    ASSERT_FALSE(rs->eof());
    EXPECT_EQ(rs->currency("p_kwota").to_text(), "12,34");
    EXPECT_EQ(rs->text("p_ile"), "2,5");
    EXPECT_EQ(rs->text("p_opis"), "długi opis");
    EXPECT_TRUE(rs->is_null("p_nowa"));

    // Each of these fails the way Jet fails, and is reported with the statement.
    for (const char* bad :
         {"ALTER TABLE proba  ADD COLUMN [p_nowa] text(6)",
          "ALTER TABLE proba  ALTER COLUMN [nie_ma] text(155)",
          "ALTER TABLE nie_ma  ALTER COLUMN [p_nazwa] text(155)",
          "ALTER TABLE proba ADD CONSTRAINT PrimaryKey PRIMARY KEY (p_nazwa)",
          "CREATE TABLE [proba] ([a] integer)", "INSERT INTO proba(p_id,p_nazwa) VALUES (1,'dubel')"}) {
        db.msgs.errors.clear();
        EXPECT_FALSE(db.ds.exec_sql(bad)) << bad;
        ASSERT_EQ(db.msgs.errors.size(), 1u) << bad;
        EXPECT_EQ(db.msgs.errors[0].statement, bad);
    }
}

TEST(JetSql, AddingAPrimaryKeyRefusesDuplicatesAndKeepsRows) {
    NewDatabase db;
    ASSERT_TRUE(db.ds.exec_sql("CREATE TABLE stara (id1 integer, nazwa text(50))"));
    ASSERT_TRUE(db.ds.exec_sql("CREATE INDEX stara_nazwa ON stara (nazwa)"));
    ASSERT_TRUE(db.ds.exec_sql("INSERT INTO stara(id1,nazwa) VALUES (1,'a')"));
    ASSERT_TRUE(db.ds.exec_sql("INSERT INTO stara(id1,nazwa) VALUES (1,'b')"));
    const std::string add = "ALTER TABLE [stara] ADD CONSTRAINT PrimaryKey PRIMARY KEY ([id1])";
    EXPECT_THROW(db.cn.execute(add), SqlError);
    EXPECT_EQ(db.ds.open_sql("SELECT * FROM stara")->record_count(), 2u);
    ASSERT_TRUE(db.ds.exec_sql("UPDATE stara set id1=2 WHERE nazwa='B'"));
    db.cn.execute(add);
    EXPECT_EQ(db.cn.table_schema("stara")->find("id1")->primary_key, 1);
    EXPECT_EQ(db.ds.open_sql("SELECT * FROM stara")->record_count(), 2u);
    EXPECT_FALSE(db.ds.exec_sql("INSERT INTO stara(id1,nazwa) VALUES (2,'c')"));
    EXPECT_THROW(db.cn.execute(add), SqlError);
    auto ix = db.cn.query("SELECT name FROM sqlite_master WHERE type='index' AND name='stara_nazwa'");
    EXPECT_FALSE(ix->eof());
}

// A table with a column of each kind the adapter converts for, for tests of translation alone.
TableSchema proba_schema() {
    TableSchema t;
    t.name = "proba";
    for (auto [name, type] :
         {std::pair{"p_id", "INTEGER"}, {"p_kwota", "MONEY"}, {"p_data", "DATE"}, {"p_ile", "DOUBLE"}}) {
        ColumnSchema c;
        c.name = name;
        c.declared_type = type;
        c.kind = kind_of_declared_type(type);
        t.columns.push_back(c);
    }
    return t;
}
const TableSchema kProba = proba_schema();
const SchemaLookup kProbaSchema = [](std::string_view t) -> const TableSchema* {
    return t == "proba" ? &kProba : nullptr;
};

// Literals meet their column on either side of a comparison, in an IN list and in the values of
// INSERT ... SELECT, and are converted there as in VALUES; a number for a date must be a date Jet can
// hold (years 100 to 9999).
TEST(JetSql, LiteralsAreConvertedWhereverTheyMeetTheirColumn) {
    struct Case {
        const char* jet;
        const char* sqlite;  // nullptr: refused
    } cases[] = {
        {"SELECT * FROM proba WHERE '12,50' < p_kwota", "SELECT * FROM proba WHERE 125000 < p_kwota"},
        {"SELECT * FROM proba WHERE -1 = proba.p_kwota", "SELECT * FROM proba WHERE -10000 = proba.p_kwota"},
        {"SELECT * FROM proba WHERE '2010-1-5' <= [p_data]",
         R"(SELECT * FROM proba WHERE '2010-01-05' <= "p_data")"},
        {"SELECT * FROM proba WHERE '2,5' = p_ile", "SELECT * FROM proba WHERE 2.5 = p_ile"},
        {"SELECT * FROM proba WHERE 1 + '12,50' < p_kwota",
         "SELECT * FROM proba WHERE 1 + '12,50' < p_kwota"},
        {"SELECT * FROM proba WHERE p_kwota IN ('12,50', 3, -1)",
         "SELECT * FROM proba WHERE p_kwota IN (125000, 30000, -10000)"},
        {"SELECT * FROM proba WHERE p_kwota NOT IN ('1,5')",
         "SELECT * FROM proba WHERE p_kwota NOT IN (15000)"},
        {"SELECT * FROM proba WHERE p_data IN ('2010-1-5', #1/6/10#)",
         "SELECT * FROM proba WHERE p_data IN ('2010-01-05', '2010-01-06')"},
        {"SELECT * FROM proba WHERE p_kwota IN (SELECT p_kwota FROM proba)",
         "SELECT * FROM proba WHERE p_kwota IN (SELECT p_kwota FROM proba)"},
        {"INSERT INTO proba (p_id, p_kwota, p_data) SELECT p_id, '12,50', '2010-1-5' FROM proba",
         "INSERT INTO proba (p_id, p_kwota, p_data) SELECT p_id, 125000, '2010-01-05' FROM proba"},
        {"INSERT INTO proba SELECT 2, '1,5', p_data, '0,5' FROM proba WHERE p_kwota = '1'",
         "INSERT INTO proba SELECT 2, 15000, p_data, 0.5 FROM proba WHERE p_kwota = 10000"},
        {"INSERT INTO proba (p_id, p_kwota) VALUES (1, '1,5'), (2, '2,5')",
         "INSERT INTO proba (p_id, p_kwota) VALUES (1, 15000), (2, 25000)"},
        {"SELECT * FROM proba WHERE p_data = 2958465.5",
         "SELECT * FROM proba WHERE p_data = '9999-12-31 12:00:00'"},
        {"SELECT * FROM proba WHERE p_data = -657434", "SELECT * FROM proba WHERE p_data = '0100-01-01'"},
        {"UPDATE proba SET p_data = -1.25", "UPDATE proba SET p_data = '1899-12-29 06:00:00'"},
        {"SELECT * FROM proba WHERE '' = p_kwota", nullptr},
        {"SELECT * FROM proba WHERE p_kwota IN (1, 'dużo')", nullptr},
        {"INSERT INTO proba (p_id, p_kwota) SELECT 1, '' FROM proba", nullptr},
        {"SELECT * FROM proba WHERE p_data = 3.E105", nullptr},
        {"UPDATE proba SET p_data = -3E105", nullptr},
        {"SELECT * FROM proba WHERE 1e400 < p_data", nullptr},
        {"SELECT * FROM proba WHERE p_data = 2958466", nullptr},
        {"SELECT * FROM proba WHERE p_data IN (-657435)", nullptr},
    };
    for (const Case& c : cases) {
        if (!c.sqlite) {
            EXPECT_THROW(translate_jet(c.jet, kProbaSchema), SqlError) << c.jet;
            continue;
        }
        EXPECT_EQ(translate_jet(c.jet, kProbaSchema).sql, c.sqlite) << c.jet;
    }
}

// Sums, minima and maxima of amounts read as amounts; a number that is no whole count of 1/10000
// złoty (a REAL another tool wrote) is refused rather than read one way as text and another as money.
TEST(JetSql, AggregatesOfAmountsAreAmountsAndForeignRealsAreRefused) {
    NewDatabase db;
    ASSERT_TRUE(db.ds.exec_sql("CREATE TABLE proba ([p_id] integer, [p_kwota] money, [p_data] date)"));
    ASSERT_TRUE(
        db.ds.exec_sql("INSERT INTO proba (p_id, p_kwota, p_data) VALUES (1, '1234,50', '2010-01-05')"));
    ASSERT_TRUE(
        db.ds.exec_sql("INSERT INTO proba (p_id, p_kwota, p_data) VALUES (2, '12,34', '2010-01-06')"));
    auto rs = db.ds.open_sql(
        "SELECT SUM(p_kwota) AS s, min( [proba].[p_kwota] ) AS mn, MAX(p_kwota), COUNT(p_kwota) AS n, "
        "MAX(p_data) AS d FROM proba");
    ASSERT_FALSE(rs->eof());
    EXPECT_EQ(rs->text("s"), "1246,84");
    EXPECT_EQ(rs->currency("s").raw(), 12468400);
    EXPECT_EQ(rs->text("mn"), "12,34");
    EXPECT_EQ(rs->current().text(2), "1234,50");
    EXPECT_EQ(rs->text("n"), "2");
    EXPECT_EQ(rs->text("d"), "2010-01-06");

    db.cn.execute_native("UPDATE proba SET p_kwota = 12.5 WHERE p_id = 1");
    for (const char* q : {"SELECT * FROM proba", "SELECT SUM(p_kwota) AS s FROM proba"}) {
        try {
            db.ds.open_sql(q);
            ADD_FAILURE() << q;
        } catch (const SqlError& e) {
            EXPECT_NE(std::string(e.what()).find("12.5"), std::string::npos) << e.what();
            EXPECT_EQ(e.statement(), q);
        }
    }
    EXPECT_EQ(db.ds.open_sql("SELECT p_id FROM proba WHERE p_id = 2")->text("p_id"), "2");
}

// Date-times before 1899-12-30 keep their day and time through the database.
TEST(JetSql, DateTimesBeforeTheEpochRoundTrip) {
    NewDatabase db;
    ASSERT_TRUE(db.ds.exec_sql("CREATE TABLE proba ([p_id] integer, [p_data] date)"));
    ASSERT_TRUE(db.ds.exec_sql("INSERT INTO proba (p_id, p_data) VALUES (1, '1005-05-31 10:30')"));
    ASSERT_TRUE(db.ds.exec_sql("INSERT INTO proba (p_id, p_data) VALUES (2, #5/31/1005 10:30#)"));
    for (int id : {1, 2}) {
        auto rs = db.ds.open_sql("SELECT p_data FROM proba WHERE p_id = " + sql_int(id));
        EXPECT_EQ(rs->text("p_data"), "1005-05-31 10:30:00");
        EXPECT_EQ(rs->date("p_data").to_text_with_time(), "1005-05-31 10:30:00");
    }
}

TEST(JetSql, TheFileStaysReadableByTheStockTool) {
    NewDatabase db;
    ASSERT_TRUE(db.ds.exec_sql(insert_transfer(1, "'1234,50'", "'2010-05-31'")));
    std::string command = "sqlite3 '" + db.cn.sciezka() +
                          "' \"SELECT kwota_money, data, my_adres_miejscowosc FROM kartoteka\" 2>&1";
    FILE* p = popen(command.c_str(), "r");
    ASSERT_NE(p, nullptr);
    std::string out;
    char buf[256];
    while (std::fgets(buf, sizeof buf, p))
        out += buf;
    ASSERT_EQ(pclose(p), 0) << out;
    EXPECT_EQ(out, "12345000|2010-05-31|Łódź\n");
}

}  // namespace
}  // namespace zlx::test
