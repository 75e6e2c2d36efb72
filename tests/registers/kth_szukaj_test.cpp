#include "registers/kth_szukaj.h"

#include <gtest/gtest.h>

namespace zlx {
namespace {

struct Warunek {
    const char* tekst;
    const char* oczekiwany;
};

TEST(WarunekSzukania, FormsOfTheAsteriskAndQuoting) {
    const Warunek przypadki[] = {
        {"ab", "='ab'"},
        {"  ab  ", "='ab'"},
        {"*ab", " like '%ab'"},
        {"ab*", " like 'ab%'"},
        {"a*b", " like 'ab%'"},
        {"*ab*", " like '%ab*'"},  // only the first asterisk goes
        {"a*b*", " like 'ab*%'"},
        {"*", " like '%'"},
        {"O'Neil", "='O''Neil'"},
        {"*O'Neil", " like '%O''Neil'"},
        {"O'N*", " like 'O''N%'"},
        {"x' OR '1'='1*", " like 'x'' OR ''1''=''1%'"},
        {"100%*", " like '100\\%%' ESCAPE '\\'"},
        {"*a_b", " like '%a\\_b' ESCAPE '\\'"},
        {"C:\\x*", " like 'C:\\\\x%' ESCAPE '\\'"},
        {"[x]*", " like '[x]%'"},
        {"100%", "='100%'"},
        {"Łódź*", " like 'Łódź%'"},
    };
    for (const auto& p : przypadki)
        EXPECT_EQ(warunek_szukania(p.tekst), p.oczekiwany) << p.tekst;
}

TEST(SqlSzukajKth, ColumnMarkerAndOrder) {
    struct Przypadek {
        int wg;
        const char* tekst;
        int znacznik;
        const char* order;
        const char* sql;
    };
    const Przypadek przypadki[] = {
        {2, "ab", -1, "", "SELECT * FROM kontrach where nazwa='ab'"},
        {1, "*ab", 0, "", "SELECT * FROM kontrach where Skrot like '%ab'"},
        {3, "War*", 5, " order by  nazwa ",
         "SELECT * FROM kontrach where miejscowosc like 'War%' AND znacznik=5 order by  nazwa "},
        {0, "ab", 5, "", "SELECT * FROM kontrach where znacznik=5"},
        {2, "", 20, "", "SELECT * FROM kontrach where znacznik=20"},
        {0, "", -1, "", "SELECT * FROM kontrach"},
        {0, "", 0, " order by  skrot ", "SELECT * FROM kontrach order by  skrot "},
        {2, "", 21, "", "SELECT * FROM kontrach"},
    };
    for (const auto& p : przypadki)
        EXPECT_EQ(sql_szukaj_kth(p.wg, p.tekst, p.znacznik, p.order), p.sql) << p.sql;
}

TEST(SqlGrupyKth, RootListsEveryGroup) {
    EXPECT_EQ(sql_grupy_kth(1, ""), "SELECT * FROM kontrach");
    EXPECT_EQ(sql_grupy_kth(7, " order by  nazwa DESC "),
              "SELECT * FROM kontrach WHERE grupa=7 order by  nazwa DESC ");
    EXPECT_EQ(sql_grupy_kth(-1, ""), "SELECT * FROM kontrach WHERE grupa=-1");
}

TEST(KlauzulaSortowania, BlankFieldsGiveNoClause) {
    EXPECT_EQ(klauzula_sortowania(""), "");
    EXPECT_EQ(klauzula_sortowania("  "), "");
    EXPECT_EQ(klauzula_sortowania("nazwa DESC"), " order by  nazwa DESC ");
}

TEST(KolumnyKth, SearchAndFilterItems) {
    EXPECT_EQ(kolumna_szukania(0), "");
    EXPECT_EQ(kolumna_szukania(1), "Skrot");
    EXPECT_EQ(kolumna_szukania(2), "nazwa");
    EXPECT_EQ(kolumna_szukania(3), "miejscowosc");
    EXPECT_EQ(kolumna_szukania(4), "");
    EXPECT_EQ(kolumna_szukania(-1), "");
    EXPECT_EQ(kolumna_filtru_kth(0), "skrot");
    EXPECT_EQ(kolumna_filtru_kth(1), "nazwa");
    EXPECT_EQ(kolumna_filtru_kth(2), "nip");
}

}  // namespace
}  // namespace zlx
