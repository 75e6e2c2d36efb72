#pragma once

// A limited edit that never cuts what it was given. Qt's own maximum length cuts a longer text as the
// program sets it, so a stored value longer than a screen's limit (from the older version's import or
// another writer) would be stored back cut by an unchanged save. Here the limit holds for typing
// only: a text the program puts in is shown and read back whole, the user may shorten it but never
// lengthen it past the limit (or past its own length, while it is longer).

class QLineEdit;
class QPlainTextEdit;

namespace zlx::app {

void ogranicz_wpisywanie(QLineEdit& edit, int limit);
void ogranicz_wpisywanie(QPlainTextEdit& edit, int limit);

}  // namespace zlx::app
