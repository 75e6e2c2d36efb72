#include "registers/wstaw.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>

#include "registers/kontrah_store.h"
#include "tests/db/db_fixture.h"

namespace zlx::test {
namespace {

using namespace std::chrono_literals;
using namespace std::string_literals;

// The next key tb_key would hand out for counterparties (1 when none was drawn yet).
int nastepny_klucz(NewDatabase& db) {
    auto rs = db.ds.open_sql(" SELECT tb_nr FROM tb_key WHERE tb_nazwa = 'kontrach'");
    return rs->eof() ? 1 : rs->int_value("tb_nr");
}

int wierszy(NewDatabase& db) {
    return static_cast<int>(db.ds.open_sql("SELECT * FROM kontrach")->record_count());
}

TEST(WstawZKluczem, EveryFailureToStoreANewRowIsShownOnce) {
    struct Case {
        const char* name;
        std::function<void(NewDatabase&, std::unique_ptr<HeldWriteLock>&)> break_it;
        const char* statement;  // how the shown statement starts
        const char* detail;     // a part of the engine's message
        int next_key;           // what tb_key hands out afterwards
    };
    const Case cases[] = {
        {"another instance holds the write lock past the wait",
         [](NewDatabase& db, std::unique_ptr<HeldWriteLock>& lock) {
             lock = std::make_unique<HeldWriteLock>(db.cn.sciezka());
         },
         "BEGIN IMMEDIATE", kBazaZajeta, 1},
        {"the key table is gone", [](NewDatabase& db, auto&) { db.cn.execute("DROP TABLE tb_key"); },
         " SELECT tb_nr FROM tb_key WHERE tb_nazwa = 'kontrach'", "no such table: tb_key", 0},
        {"the counter refuses its increment",
         [](NewDatabase& db, auto&) {
             db.cn.execute_native(
                 "CREATE TRIGGER stop BEFORE UPDATE ON tb_key BEGIN SELECT RAISE(ABORT, 'licznik "
                 "zablokowany'); "
                 "END");
         },
         " UPDATE tb_key SET tb_nr=2 WHERE tb_nazwa = 'kontrach'", "licznik zablokowany", 1},
        {"the insert is refused",
         [](NewDatabase& db, auto&) {
             db.cn.execute_native(
                 "CREATE TRIGGER stop BEFORE INSERT ON kontrach BEGIN SELECT RAISE(ABORT, 'tabela "
                 "zablokowana'); "
                 "END");
         },
         " INSERT INTO kontrach(", "tabela zablokowana", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        NewDatabase db;
        db.cn.set_busy_timeout(300ms);
        // The counter row exists, so the increment is an UPDATE.
        ASSERT_EQ(nowy_klucz(db.ds, "kontrach"), 1);
        ASSERT_TRUE(db.ds.exec_sql(" UPDATE tb_key SET tb_nr=1 WHERE tb_nazwa = 'kontrach'"));
        std::unique_ptr<HeldWriteLock> lock;
        c.break_it(db, lock);

        TPrzKth k;
        k.nazwa = "Nie zginie";
        EXPECT_FALSE(save_kontrah(db.ds, k));
        EXPECT_EQ(k.ID1, 0);
        EXPECT_EQ(k.nazwa, "Nie zginie");
        ASSERT_EQ(db.msgs.errors.size(), 1u);
        EXPECT_EQ(db.msgs.errors[0].statement.rfind(c.statement, 0), 0u) << db.msgs.errors[0].statement;
        EXPECT_NE(db.msgs.errors[0].detail.find(c.detail), std::string::npos) << db.msgs.errors[0].detail;
        EXPECT_TRUE(db.msgs.messages.empty());

        lock.reset();
        db.cn.execute_native("DROP TRIGGER IF EXISTS stop");
        if (db.cn.table_schema("tb_key")) {
            EXPECT_EQ(nastepny_klucz(db), c.next_key);
            EXPECT_EQ(wierszy(db), 0);
        }
    }
}

TEST(WstawZKluczem, ASaveWaitsForAnotherInstanceAndSaysSoWhileItWaits) {
    NewDatabase db;
    auto lock = std::make_unique<HeldWriteLock>(db.cn.sciezka());
    // The other instance finishes once this one shows that it waits.
    db.msgs.on_busy = [&](bool waiting) {
        if (waiting) lock->release();
    };
    TPrzKth k;
    k.nazwa = "Po chwili";
    EXPECT_TRUE(save_kontrah(db.ds, k));
    EXPECT_EQ(k.ID1, 1);
    EXPECT_EQ(db.msgs.busy, (std::vector<bool>{true, false}));
    EXPECT_TRUE(db.msgs.errors.empty());
    EXPECT_EQ(get_kontrah(db.ds, 1).nazwa, "Po chwili");
}

TEST(WstawZKluczem, WithoutAConnectionNoKeyIsDrawn) {
    NewDatabase db;
    db.cn.disconnect_db();
    TPrzKth k;
    EXPECT_FALSE(save_kontrah(db.ds, k));
    EXPECT_EQ(k.ID1, 0);
    EXPECT_EQ(db.msgs.messages, std::vector<std::string>{kBrakPolaczenia});
}

// A NUL character cannot stand in statement text: the text is stored without it, under the first key.
TEST(WstawZKluczem, ANulCharacterInATextIsLeftOut) {
    NewDatabase db;
    TPrzKth k;
    k.nazwa = "Firma\0 Łódź"s;
    k.skrot = "\0"s;
    EXPECT_TRUE(save_kontrah(db.ds, k));
    EXPECT_TRUE(db.msgs.errors.empty()) << db.msgs.errors[0].detail;
    EXPECT_EQ(k.ID1, 1);
    const TPrzKth stored = get_kontrah(db.ds, 1);
    EXPECT_EQ(stored.nazwa, "Firma Łódź");
    EXPECT_EQ(stored.skrot, "");
    EXPECT_EQ(nastepny_klucz(db), 2);
}

}  // namespace
}  // namespace zlx::test
