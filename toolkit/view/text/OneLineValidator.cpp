#include "toolkit/view/text/OneLineValidator.h"

#include <QLineEdit>
#include <QPointer>
#include <QTimer>

#include <algorithm>
#include <unordered_set>
#include <utility>
#include <vector>

#include "toolkit/model/Win1252.h"
#include "toolkit/view/widgets/MessageBox.h"

namespace {

// The boxes list at most this many different characters by name.
constexpr std::size_t kNamedCharacters = 8;

bool IsLineBreak(char32_t c) {
  return c == '\n' || c == '\r' || c == 0x2028 || c == 0x2029 || c == 0x85;
}

// Control characters show as nothing and cut what a screen reader reads of the
// field; like line breaks they become blanks.
bool IsControl(char32_t c) {
  return c < 0x20 || c == 0x7F || (c >= 0x80 && c <= 0x9F);
}

bool Holds(char32_t c) {
  return !IsControl(c) && win1252::FromUnicode(c).has_value();
}

// Whether the text can be taken as it is: the common case, checked first so
// that typing into a long field costs one pass.
bool Clean(const QString& text, int maxLength) {
  if (text.size() > maxLength) return false;
  for (const QChar ch : text)
    if (!Holds(ch.unicode())) return false;  // a surrogate half never matches
  return true;
}

// One character of a text: a code point and how many UTF-16 units it takes.
struct Unit {
  char32_t Code;
  int Length;
};
Unit UnitAt(const QString& text, int i) {
  if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
    return {QChar::surrogateToUcs4(text.at(i), text.at(i + 1)), 2};
  return {text.at(i).unicode(), 1};
}

// Builds the mended text in one pass over the old one, whatever the length:
// every unit goes in as it is, as its replacement or not at all, and the
// cursor keeps its place among the units that stay. A cursor inside a unit
// that is replaced (between the CR and the LF of a break) ends up after its
// replacement.
class Rewriter {
 public:
  Rewriter(const QString& text, int cursor) : text_(text), cursor_(cursor) {
    out_.reserve(text.size());
  }
  int At() const { return at_; }
  bool Done() const { return at_ >= text_.size(); }
  void Keep(int length) { Put(text_.mid(at_, length), length); }
  void Replace(int length, QChar with) { Put(QString(with), length); }
  void Drop(int length) { Put({}, length); }
  QString Finish(int& cursor) {
    if (!cursorPlaced_) newCursor_ = static_cast<int>(out_.size());
    cursor = newCursor_;
    return std::move(out_);
  }

 private:
  void Put(const QString& with, int length) {
    if (!cursorPlaced_ && cursor_ == at_) Place();
    out_ += with;
    if (!cursorPlaced_ && cursor_ > at_ && cursor_ < at_ + length) Place();
    at_ += length;
  }
  void Place() {
    newCursor_ = static_cast<int>(out_.size());
    cursorPlaced_ = true;
  }

  const QString& text_;
  int cursor_;
  QString out_;
  int at_ = 0;
  int newCursor_ = 0;
  bool cursorPlaced_ = false;
};

// "U+1F600", and the character itself where it can be shown on its own.
QString Describe(char32_t c) {
  const QString code =
      QStringLiteral("U+%1").arg(static_cast<uint>(c), 4, 16, QLatin1Char('0')).toUpper();
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
    selectionStart_ =
        field_->hasSelectedText() ? field_->selectionStart() : field_->cursorPosition();
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

  // Line breaks and control characters become blanks; CR LF is one break.
  {
    Rewriter blanks(input, pos);
    while (!blanks.Done()) {
      const int i = blanks.At();
      const QChar c = input.at(i);
      if (c == QLatin1Char('\r') && i + 1 < input.size() && input.at(i + 1) == QLatin1Char('\n'))
        blanks.Replace(2, QLatin1Char(' '));
      else if (IsLineBreak(c.unicode()) || IsControl(c.unicode()))
        blanks.Replace(1, QLatin1Char(' '));
      else
        blanks.Keep(1);
    }
    input = blanks.Finish(pos);
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

  // What the code page cannot hold is left out; the box names the first few
  // different characters in the order they came.
  std::vector<char32_t> named;
  std::unordered_set<char32_t> leftOut;
  {
    Rewriter kept(input, pos);
    while (!kept.Done()) {
      const Unit unit = UnitAt(input, kept.At());
      if (Holds(unit.Code)) {
        kept.Keep(unit.Length);
        continue;
      }
      if (leftOut.insert(unit.Code).second && named.size() < kNamedCharacters)
        named.push_back(unit.Code);
      kept.Drop(unit.Length);
    }
    input = kept.Finish(pos);
  }

  // What does not fit is cut from the end of what was just put in, which ends
  // at the cursor.
  const int excess = static_cast<int>(input.size()) - maxLength_;
  if (excess > 0) {
    const int from = std::max(0, pos - excess);
    input.remove(from, excess);
    pos = pos >= from + excess ? pos - excess : std::min(pos, from);
  }

  QStringList report;
  if (!leftOut.empty()) {
    QStringList names;
    for (const char32_t c : named) names << Describe(c);
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
