#include "tests/db/db_fixture.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include "core/settings.h"
#include "db/upgrade.h"

namespace zlx::test {

EmptyDatabase::EmptyDatabase() : path(file("baza uzytkownika.sqlite")) {
    write_text(path, "");
    zapisz_sciezka_bazy(path);
}

OldDatabase::OldDatabase() {
    const char* statements[] = {
        "CREATE TABLE kartoteka (nr_id integer, id_kontrah integer, id_my integer, my_nazwa text(50), "
        "my_adres text(50), my_konto text(50), dost_nazwa text(50), dost_adres text(50), dost_konto "
        "text(50), "
        "data date, tytulem text(255), tytulemcd text(255), kwota text(255), kwota_money money, "
        "uwagi text(255), p_w integer, data1 date, bufor integer, rodzaj_przelewu integer, waluta text(10), "
        "cykliczne integer, znacznik integer)",
        "CREATE TABLE kontrach (ID1 integer, skrot text(50), nazwa text(100), grupa integer, "
        "znacznik integer, rabat money)",
        "CREATE TABLE my (ID1 integer, mskrot text(20), mnazwa text(50))",
        "CREATE TABLE tb_key (tb_nazwa text(255), tb_nr integer)",
        "CREATE TABLE konta_zus (nr_id integer not null primary key, konto_zus text(50), opis_konta "
        "text(255))",
        "INSERT INTO konta_zus(nr_id,konto_zus,opis_konta) VALUES (0,'83101010230000261395100000','83-FUS')",
        "INSERT INTO konta_zus(nr_id,konto_zus,opis_konta) VALUES (1,'78101010230000261395200000','78-FUZ')",
        "INSERT INTO konta_zus(nr_id,konto_zus,opis_konta) VALUES (2,'73101010230000261395300000','73-FP')",
        " INSERT INTO kartoteka(nr_id,my_nazwa,dost_nazwa,data,kwota_money,rodzaj_przelewu) VALUES ( "
        "1,'Firma','Urząd Skarbowy Łódź','2009-12-31','1234,56',2)",
        " INSERT INTO kontrach(ID1,skrot,nazwa,rabat) VALUES ( 1,'US','Urząd Skarbowy Łódź','0,00')",
        " INSERT INTO kontrach(ID1,skrot,nazwa,rabat) VALUES ( 2,'ZUS','Zakład','0,00')",
        " INSERT INTO my(ID1,mskrot,mnazwa) VALUES ( 1,'FIRMA','Firma')",
    };
    EXPECT_TRUE(cn.is_connected());
    for (const char* s : statements)
        EXPECT_TRUE(ds.exec_sql(s)) << s;
    EXPECT_TRUE(msgs.errors.empty());
}

void OldDatabase::at_version(int n) {
    for (int k = 1; k <= n; ++k)
        krok_aktualizacji(ds, k);
    msgs.errors.clear();
}

HeldWriteLock::HeldWriteLock(const std::string& path) {
    EXPECT_EQ(sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK) << path;
    EXPECT_EQ(sqlite3_exec(db_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
}

HeldWriteLock::~HeldWriteLock() {
    release();
}

void HeldWriteLock::release() {
    if (db_) sqlite3_close_v2(db_);  // an open transaction rolls back on close
    db_ = nullptr;
}

}  // namespace zlx::test
