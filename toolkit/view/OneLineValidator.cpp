#include "toolkit/view/OneLineValidator.h"

#include <QPointer>
#include <QTimer>
#include <QLineEdit>

#include <algorithm>
#include <vector>

#include "toolkit/model/Win1252.h"
#include "toolkit/view/MessageBox.h"

namespace {

// The boxes list at most this many different characters by name.
constexpr int kNamedCharacters = 8;

bool Holds(char32_t c) { return c != '\r' && c != '\n' && win1252::FromUnicode(c).has_value(); }

// Whether the text can be taken as it is: the common case, checked first so
// that typing into a long field costs one pass.
bool Clean(const QString& text, int maxLength) {
  if (text.size() > maxLength) return false;
  for (const QChar ch : text)
    if (!Holds(ch.unicode())) return false;  // a surrogate half never matches
  return true;
}

bool IsLineBreak(char32_t c) { return c == '\n' || c == '\r' || c == 0x2028 || c == 0x2029 || c == 0x85; }

// Replaces text[from, to) and keeps the cursor where it was relative to the rest.
void Replace(QString& text, int& pos, int from, int to, const QString& with) {
  text.replace(from, to - from, with);
  if (pos >= to)
    pos += with.size() - (to - from);
  else if (pos > from)
    pos = from + static_cast<int>(with.size());
}

// "U+1F600", and the character itself where it can be shown on its own.
QString Describe(char32_t c) {
  const QString code = QStringLiteral("U+%1").arg(static_cast<uint>(c), 4, 16, QLatin1Char('0')).toUpper();
  const QString character = QString::fromUcs4(&c, 1);
  switch (QChar::category(c)) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing:
      // A lone accent is shown on a dotted circle, as character tables show it.
      return QChar(0x25CC) + character + QLatin1Char(' ') + code;
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Other_NotAssigned:
    case QChar::Other_PrivateUse:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
      return code;
    default:
      return character + QLatin1Char(' ') + code;
  }
}

}  // namespace

OneLineValidator::OneLineValidator(int maxLength, QLineEdit* field)
    : QValidator(field), maxLength_(maxLength), field_(field) {
  const auto noteSelection = [this] {
    selectionStart_ = field_->hasSelectedText() ? field_->selectionStart() : field_->cursorPosition();
    selectionLength_ = field_->hasSelectedText() ? field_->selectionLength() : 0;
  };
  connect(field_, &QLineEdit::selectionChanged, this, noteSelection);
  connect(field_, &QLineEdit::cursorPositionChanged, this, noteSelection);
}

QValidator::State OneLineValidator::validate(QString& input, int& pos) const {
  if (Clean(input, maxLength_)) {
    lastTaken_ = input;  // shared, not copied
    return Acceptable;
  }

  // Line breaks become blanks; CR LF is one break.
  for (int i = 0; i < input.size(); ++i) {
    if (!IsLineBreak(input.at(i).unicode())) continue;
    const int end = input.at(i) == QLatin1Char('\r') && i + 1 < input.size() &&
                            input.at(i + 1) == QLatin1Char('\n')
                        ? i + 2
                        : i + 1;
    Replace(input, pos, i, end, QStringLiteral(" "));
  }

  // Composing changes the text's length, so the cursor keeps its place by
  // composing the part before it on its own.
  if (!Clean(input, maxLength_)) {
    const QString composed = input.normalized(QString::NormalizationForm_C);
    if (composed != input) {
      pos = std::min<int>(input.left(pos).normalized(QString::NormalizationForm_C).size(),
                          composed.size());
      input = composed;
    }
  }

  std::vector<char32_t> leftOut;
  for (int i = 0; i < input.size();) {
    const int length = input.at(i).isHighSurrogate() && i + 1 < input.size() &&
                               input.at(i + 1).isLowSurrogate()
                           ? 2
                           : 1;
    const char32_t c = length == 2 ? QChar::surrogateToUcs4(input.at(i), input.at(i + 1))
                                   : input.at(i).unicode();
    if (Holds(c)) {
      i += length;
      continue;
    }
    if (std::find(leftOut.begin(), leftOut.end(), c) == leftOut.end()) leftOut.push_back(c);
    Replace(input, pos, i, i + length, {});
  }

  // What does not fit is cut from the end of what was just put in, which ends
  // at the cursor.
  const int excess = static_cast<int>(input.size()) - maxLength_;
  if (excess > 0) {
    const int from = std::max(0, pos - excess);
    Replace(input, pos, from, from + excess, {});
  }

  QStringList report;
  if (!leftOut.empty()) {
    QStringList names;
    for (std::size_t i = 0; i < leftOut.size() && i < kNamedCharacters; ++i)
      names << Describe(leftOut[i]);
    if (leftOut.size() > kNamedCharacters)
      names << QString::fromUtf8("und %1 weitere").arg(leftOut.size() - kNamedCharacters);
    report << QString::fromUtf8(
                  "Diese Zeichen kennt das Programm nicht;\nsie wurden weggelassen:\n") +
                  names.join(QStringLiteral(", "));
  }
  // One character too many is a key typed into a full field: refused silently.
  if (excess > 1)
    report << QString::fromUtf8(
                  "Das Feld fasst höchstens %1 Zeichen;\n%2 Zeichen wurden nicht eingefügt.")
                  .arg(maxLength_)
                  .arg(excess);
  if (!report.isEmpty()) Report(report.join(QStringLiteral("\n\n")));
  // When nothing of an insertion could be taken, the field keeps what it had,
  // the selection it would have replaced included.
  const int keptEnd = selectionStart_ + selectionLength_;
  if (selectionStart_ <= lastTaken_.size() && keptEnd <= lastTaken_.size() &&
      input == lastTaken_.left(selectionStart_) + lastTaken_.mid(keptEnd))
    return Invalid;
  lastTaken_ = input;
  return Acceptable;
}

void OneLineValidator::Report(const QString& text) const {
  // The box comes up once the field has taken the mended text: a modal box
  // opened in the middle of the field's own editing would interrupt it.
  QTimer::singleShot(0, field_, [field = QPointer<QLineEdit>(field_), text] {
    if (field) ShowMessageBox(MessageKind::Warning, text, MessageButtons::Ok, field->window());
  });
}
