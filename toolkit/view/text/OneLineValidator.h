#pragma once
// What a one-line field or table cell takes from the keyboard, a paste or a
// drop. The program's texts are one line of Windows-1252 characters, at most
// kMaxFieldLength of them, so the text a widget is about to take is mended
// before it reaches a model:
//   - line breaks (CR LF, LF, CR and Unicode's line and paragraph separators)
//     become blanks: a pasted second line stays in the text instead of
//     vanishing from a file; so do control characters (a tab, say), which
//     would show as nothing;
//   - a letter followed by a combining accent, as text copied from a PDF often
//     has it, is composed into the accented letter;
//   - characters Windows-1252 still cannot hold (emoji, Greek, a stray accent)
//     are left out, and a box names them; when nothing of an insertion is left,
//     the insertion is refused as a whole, so a selection it would have
//     replaced stays, and so does the undo history;
//   - a paste that would make the text longer than the limit is cut to what
//     fits, and a box says how much was left out.
// A widget using it should allow any length itself, so the cut is made here
// where it can be reported; typing into a full field is refused silently, as
// in any editor. Mending takes one pass over the text, however long the paste.

#include <QString>
#include <QValidator>

class QLineEdit;

class OneLineValidator : public QValidator {
 public:
  // Validates the field's text; reports go to message boxes over its window.
  OneLineValidator(int maxLength, QLineEdit* field);

  State validate(QString& input, int& pos) const override;

 private:
  void Report(const QString& text) const;

  int maxLength_;
  QLineEdit* field_;
  // The field as it was before the change being validated: its text, and the
  // selection (or the cursor, when nothing is selected) that an insertion
  // replaces. The field reports its selection only after validating a change,
  // so these still describe the text before it.
  mutable QString lastTaken_;
  int selectionStart_ = 0;
  int selectionLength_ = 0;
};
