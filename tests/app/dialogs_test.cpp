#include "app/core/dialogs.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <functional>

#include "tests/app/support/qt_print.h"

namespace zlx::app {
namespace {

// What the box looked like when it came up.
struct Seen {
    QString title, text, detail;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
};

// Looks at the message box the next call brings up, then lets `act` close it.
void when_box_appears(Seen& seen, std::function<void(QMessageBox&)> act, int tries = 200) {
    QTimer::singleShot(tries == 200 ? 0 : 10, [&seen, act, tries] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) {
            if (tries > 0) return when_box_appears(seen, act, tries - 1);
            ADD_FAILURE() << "no message box came up";
            return;
        }
        seen = {box->windowTitle(), box->text(), box->informativeText(), box->icon(), {}};
        for (QAbstractButton* b : box->buttons())
            seen.buttons << b->text();
        act(*box);
    });
}

void click(QMessageBox& box, const QString& caption) {
    for (QAbstractButton* b : box.buttons())
        if (b->text() == caption) return b->click();
    ADD_FAILURE() << "no button " << caption.toStdString();
    box.reject();
}

TEST(QtDialogs, QuestionHasPolishButtonsAndOnlyTakMeansYes) {
    struct Case {
        const char* name;
        std::function<void(QMessageBox&)> answer;
        bool expected;
    };
    const Case cases[] = {
        {"Tak", [](QMessageBox& b) { click(b, QStringLiteral("Tak")); }, true},
        {"Nie", [](QMessageBox& b) { click(b, QStringLiteral("Nie")); }, false},
        {"Esc", [](QMessageBox& b) { QTest::keyClick(&b, Qt::Key_Escape); }, false},
        {"Enter", [](QMessageBox& b) { QTest::keyClick(&b, Qt::Key_Return); }, true},
    };
    QtDialogs dialogs;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Seen seen;
        when_box_appears(seen, c.answer);
        bool answer = dialogs.question(nullptr, QStringLiteral("Koniec programu"),
                                       QStringLiteral("Czy na pewno chcesz wyjść z programu ?"));
        EXPECT_EQ(answer, c.expected);
        EXPECT_EQ(seen.title, QStringLiteral("Koniec programu"));
        EXPECT_EQ(seen.text, QStringLiteral("Czy na pewno chcesz wyjść z programu ?"));
        EXPECT_EQ(seen.icon, QMessageBox::Question);
        seen.buttons.sort();
        EXPECT_EQ(seen.buttons, (QStringList{QStringLiteral("Nie"), QStringLiteral("Tak")}));
    }
}

TEST(QtDialogs, BoxesShowTheirTitleIconTextAndDetail) {
    QtDialogs dialogs;
    const auto ok = [](QMessageBox& b) { click(b, QStringLiteral("OK")); };
    Seen seen;

    when_box_appears(seen, ok);
    dialogs.information(nullptr, QStringLiteral("Naprawiono"));
    EXPECT_EQ(seen.title, QStringLiteral("Zlecenix 2010")) << "the program's name";
    EXPECT_EQ(seen.text, QStringLiteral("Naprawiono"));
    EXPECT_EQ(seen.icon, QMessageBox::NoIcon);

    when_box_appears(seen, ok);
    dialogs.warning(nullptr, QStringLiteral("Baza danych"), QStringLiteral("Nie można zapisać"));
    EXPECT_EQ(seen.title, QStringLiteral("Baza danych"));
    EXPECT_EQ(seen.icon, QMessageBox::Warning);

    when_box_appears(seen, ok);
    dialogs.error(nullptr, QStringLiteral("SELECT x FROM brak"), QStringLiteral("no such table: brak"));
    EXPECT_EQ(seen.text, QStringLiteral("SELECT x FROM brak")) << "the statement is the text";
    EXPECT_EQ(seen.detail, QStringLiteral("no such table: brak"));
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
    EXPECT_EQ(seen.buttons, QStringList{QStringLiteral("OK")});
}

TEST(QtDialogs, ClipboardTakesTheText) {
    QtDialogs dialogs;
    dialogs.set_clipboard(QStringLiteral("UPDATE kontrach SET nazwa='Łódź'"));
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("UPDATE kontrach SET nazwa='Łódź'"));
}

}  // namespace
}  // namespace zlx::app
