#include "app/core/pole_ograniczone.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QValidator>

#include <algorithm>
#include <memory>

namespace zlx::app {

namespace {

// Qt asks the validator both when the program sets the text and when the user edits it; only a user
// edit leaves the edit modified while it is asked, and only such an edit is held to the limit.
class LimitWpisywania : public QValidator {
  public:
    LimitWpisywania(QLineEdit& edit, int limit) : QValidator(&edit), edit_(edit), limit_(limit) {
        connect(&edit, &QLineEdit::textChanged, this, [this](const QString& t) { poprzedni_ = t; });
    }

    State validate(QString& input, int& pos) const override {
        if (!edit_.isModified()) return Acceptable;
        const qsizetype dozwolone = std::max<qsizetype>(limit_, poprzedni_.size());
        const qsizetype nadmiar = input.size() - dozwolone;
        if (nadmiar <= 0) return Acceptable;
        // Keeps what fits of a paste, as a maximum length does; a key beyond the limit is refused.
        if (nadmiar > pos) return Invalid;
        QString przyciety = input;
        przyciety.remove(pos - nadmiar, nadmiar);
        if (przyciety == poprzedni_) return Invalid;
        input = przyciety;
        pos -= static_cast<int>(nadmiar);
        return Acceptable;
    }

  private:
    QLineEdit& edit_;
    int limit_;
    QString poprzedni_;
};

}  // namespace

void ogranicz_wpisywanie(QLineEdit& edit, int limit) {
    edit.setValidator(new LimitWpisywania(edit, limit));
}

void ogranicz_wpisywanie(QPlainTextEdit& edit, int limit) {
    // setPlainText reports its change while the document's undo is switched off; typing and pasting
    // are recorded for undo.
    auto poprzedni = std::make_shared<qsizetype>(edit.toPlainText().size());
    QObject::connect(&edit, &QPlainTextEdit::textChanged, &edit, [&edit, limit, poprzedni] {
        const qsizetype dlugosc = edit.toPlainText().size();
        const qsizetype dozwolone = std::max<qsizetype>(limit, *poprzedni);
        if (edit.document()->isUndoRedoEnabled() && dlugosc > dozwolone) {
            // Takes back what went past the limit, just before the cursor where it was typed.
            QTextCursor c = edit.textCursor();
            const int nadmiar = static_cast<int>(dlugosc - dozwolone);
            c.movePosition(QTextCursor::PreviousCharacter, QTextCursor::KeepAnchor, nadmiar);
            c.removeSelectedText();
            return;  // the removal comes back here within the limit
        }
        *poprzedni = dlugosc;
    });
}

}  // namespace zlx::app
