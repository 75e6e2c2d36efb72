#pragma once

// A Dialogs replacement for screen tests: records every box, question and clipboard write, answers
// questions and choosers from scripts given in advance. A question or chooser with no scripted
// answer fails the test.

#include <QString>
#include <QStringList>

#include <deque>
#include <vector>

#include "app/core/dialogs.h"
#include "tests/app/support/qt_print.h"

namespace zlx::test {

class ScriptedDialogs : public app::Dialogs {
  public:
    struct Shown {
        QString kind;  // "information", "warning", "error", "question", "open_file", "choose_folder"
        QString title;
        QString text;
        QString detail;
    };

    std::vector<Shown> shown;     // in the order they appeared
    std::deque<bool> answers;     // for question(): true is Yes
    std::deque<QString> files;    // for open_file(): "" is a cancelled chooser
    std::deque<QString> folders;  // for choose_folder()
    QString clipboard;

    // Returns the texts of everything shown, in order.
    QStringList texts() const;

    void information(QWidget* parent, const QString& text) override;
    void warning(QWidget* parent, const QString& title, const QString& text) override;
    void error(QWidget* parent, const QString& text, const QString& detail) override;
    bool question(QWidget* parent, const QString& title, const QString& text) override;
    void set_clipboard(const QString& text) override;
    QString open_file(QWidget* parent, const QString& title, const QString& start,
                      const QString& filter) override;
    QString choose_folder(QWidget* parent, const QString& title, const QString& start) override;
};

}  // namespace zlx::test
