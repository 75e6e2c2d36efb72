#include "tests/app/support/scripted_dialogs.h"

#include <gtest/gtest.h>

namespace zlx::test {

QStringList ScriptedDialogs::texts() const {
    QStringList result;
    for (const Shown& s : shown)
        result << s.text;
    return result;
}

void ScriptedDialogs::information(QWidget*, const QString& text) {
    shown.push_back({QStringLiteral("information"), {}, text, {}});
}

void ScriptedDialogs::warning(QWidget*, const QString& title, const QString& text) {
    shown.push_back({QStringLiteral("warning"), title, text, {}});
}

void ScriptedDialogs::error(QWidget*, const QString& text, const QString& detail) {
    shown.push_back({QStringLiteral("error"), {}, text, detail});
}

bool ScriptedDialogs::question(QWidget*, const QString& title, const QString& text) {
    shown.push_back({QStringLiteral("question"), title, text, {}});
    if (answers.empty()) {
        ADD_FAILURE() << "unexpected question: " << text.toStdString();
        return false;
    }
    bool answer = answers.front();
    answers.pop_front();
    return answer;
}

void ScriptedDialogs::set_clipboard(const QString& text) {
    clipboard = text;
}

QString ScriptedDialogs::open_file(QWidget*, const QString& title, const QString& start, const QString&) {
    shown.push_back({QStringLiteral("open_file"), title, start, {}});
    if (files.empty()) {
        ADD_FAILURE() << "unexpected file chooser: " << title.toStdString();
        return {};
    }
    QString file = files.front();
    files.pop_front();
    return file;
}

QString ScriptedDialogs::choose_folder(QWidget*, const QString& title, const QString& start) {
    shown.push_back({QStringLiteral("choose_folder"), title, start, {}});
    if (folders.empty()) {
        ADD_FAILURE() << "unexpected folder chooser: " << title.toStdString();
        return {};
    }
    QString folder = folders.front();
    folders.pop_front();
    return folder;
}

}  // namespace zlx::test
