#include "app/core/db_messages_box.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>

#include <memory>

#include "tests/app/support/scripted_dialogs.h"
#include "tests/db/db_fixture.h"

namespace zlx::app {
namespace {

// Looks at the cursor while the statement waits, then lets the other instance finish.
struct WatchingBox : DbMessagesBox {
    using DbMessagesBox::DbMessagesBox;
    std::unique_ptr<test::HeldWriteLock> lock;
    int cursor_while_waiting = -1;
    void database_busy(bool waiting) override {
        DbMessagesBox::database_busy(waiting);
        if (!waiting) return;
        const QCursor* c = QApplication::overrideCursor();
        cursor_while_waiting = c ? c->shape() : -1;
        lock->release();
    }
};

TEST(DbMessagesBox, TheBusyCursorShowsWhileABusyDatabaseIsWaitedFor) {
    test::TempProgramFolder folder;
    test::ScriptedDialogs dialogs;
    WatchingBox box(dialogs);
    TGlAdoCn_mod cn(box);
    TGlAdoDs_mod ds(cn, box);
    ASSERT_TRUE(cn.is_connected());
    box.lock = std::make_unique<test::HeldWriteLock>(cn.sciezka());
    EXPECT_TRUE(ds.exec_sql("INSERT INTO tb_key(tb_nazwa ,tb_nr) VALUES ('x', 2 )"));
    EXPECT_EQ(box.cursor_while_waiting, Qt::WaitCursor);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the normal cursor is back";
    EXPECT_TRUE(dialogs.shown.empty());
}

}  // namespace
}  // namespace zlx::app
