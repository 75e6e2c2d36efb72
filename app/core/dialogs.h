#pragma once

// Every message box, question, clipboard write and file or folder chooser of the program goes through
// Dialogs, so the screens can be driven in tests by a scripted replacement.

#include <QString>

class QWidget;

namespace zlx::app {

class Dialogs {
  public:
    virtual ~Dialogs() = default;

    // A plain message with an OK button and the program's name as its title.
    virtual void information(QWidget* parent, const QString& text) = 0;
    // A warning box with its own title.
    virtual void warning(QWidget* parent, const QString& title, const QString& text) = 0;
    // An error box: the text, and below it the detail (for example the engine's message).
    virtual void error(QWidget* parent, const QString& text, const QString& detail) = 0;
    // A Yes/No question with a question icon; returns true for Yes.
    virtual bool question(QWidget* parent, const QString& title, const QString& text) = 0;
    virtual void set_clipboard(const QString& text) = 0;
    // Returns the chosen file, or "" when the user cancelled. The filter is in QFileDialog's form.
    virtual QString open_file(QWidget* parent, const QString& title, const QString& start,
                              const QString& filter) = 0;
    // Returns the chosen folder, or "" when the user cancelled.
    virtual QString choose_folder(QWidget* parent, const QString& title, const QString& start) = 0;
};

// The real boxes and choosers of Qt, with Polish button texts.
class QtDialogs : public Dialogs {
  public:
    void information(QWidget* parent, const QString& text) override;
    void warning(QWidget* parent, const QString& title, const QString& text) override;
    void error(QWidget* parent, const QString& text, const QString& detail) override;
    bool question(QWidget* parent, const QString& title, const QString& text) override;
    void set_clipboard(const QString& text) override;
    QString open_file(QWidget* parent, const QString& title, const QString& start,
                      const QString& filter) override;
    QString choose_folder(QWidget* parent, const QString& title, const QString& start) override;
};

}  // namespace zlx::app
