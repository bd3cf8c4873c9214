// TForm1: the single encryption and decryption steps and the runs built from
// them, animated (one step every 400 ms) and immediate.
//
// A run of 65,535 steps must stay linear: each step upper-cases its source
// field only when the field has changed since it was last upper-cased, the
// marker keeps just its position, the tables answer from an index, and the
// destination grows by appending.
#include "maincaesar/model/TForm1.h"

#include "ciphercore/Upcase.h"
#include "toolkit/model/Win1252.h"

namespace {

// How long an animated run shows each step before the next one.
constexpr int kStepPauseMilliseconds = 400;

// A step needs a character at pos in its source and room for one more in its
// destination. The field widgets hold kMaxFieldLength characters; once the
// destination is full, a step is refused like a used-up one rather than drop
// a character the learner would never see.
bool CanStep(const Edit& source, std::size_t pos, const Edit& destination) {
  return pos <= source.Text().size() && destination.Text().size() < kMaxFieldLength;
}

// Only the first character of a cell counts; an emptied cell answers none.
// The unknown-character option decides only for characters that no column
// holds: "überspringen" appends nothing, "übernehmen" the character itself
// (every byte, "ÿ" too), "Leerzeichen für unbek. Zeichen" a space.
std::optional<char> EncryptionResult(const Lookup& hit, char ch, int unknownOption) {
  if (hit.Column >= 0) return hit.Character;
  switch (unknownOption) {
    case 0:
      return std::nullopt;
    case 2:
      return ' ';
    default:
      return ch;
  }
}

// What a screen reader says of a character: the character itself, or the word
// for a blank, which would be heard as nothing.
std::string Spoken(char c) { return c == ' ' ? std::string("Leerzeichen") : std::string(1, c); }

// A text as a screen reader hears it after a step: whole while it is short, a
// long one by its length and its last characters.
std::string SpokenSoFar(const char* name, const std::string& text) {
  constexpr std::size_t kWhole = 80;
  constexpr std::size_t kTail = 30;
  if (text.size() <= kWhole) return std::string(name) + ": " + text;
  return std::string(name) + ", " + std::to_string(text.size()) + " Zeichen, zuletzt: " +
         text.substr(text.size() - kTail);
}

// "H wird zu Y", "$ übernommen", "$ übersprungen": what became of ch.
std::string SpokenStep(char ch, const Lookup& hit, const std::optional<char>& appended) {
  if (hit.Column >= 0)
    return appended ? Spoken(ch) + " wird zu " + Spoken(*appended)
                    : Spoken(ch) + W(": die Tabellenzelle ist leer");
  if (!appended) return Spoken(ch) + W(" übersprungen");
  if (*appended == ch) return Spoken(ch) + W(" übernommen");
  return Spoken(ch) + " wird zu " + Spoken(*appended);
}

constexpr const char* kCipherText = "Geheimtext";
constexpr const char* kPlainText = "Klartext";

}  // namespace

void TForm1::UpcaseField(Edit& field, std::optional<std::uint64_t>& upcasedAt) {
  // Every change of the text moves the revision on, so an unchanged revision
  // means the text is still exactly what this function left behind.
  if (upcasedAt == field.Revision()) return;
  field.SetText(UpcaseText(field.Text()));
  upcasedAt = field.Revision();
}

void TForm1::BitBtn1Click() {  // "ein Zeichen verschlüsseln"
  State.HitColumn = -1;
  UpcaseField(Edit1, edit1UpcasedAt_);
  if (!CanStep(Edit1, State.EncPos, Edit3)) {
    BitBtn1.Enabled = false;
    if (!inRun_)
      Announcer.Say(Edit3.Text().size() >= kMaxFieldLength
                        ? W("Der Geheimtext fasst kein weiteres Zeichen.")
                        : W("Der Klartext ist ganz verschlüsselt."));
    return;
  }
  State.GridSelectionCleared = false;
  const char ch = Edit1.Text()[State.EncPos - 1];
  ShowPositionMarker(State.EncPos);
  const Lookup hit = EncLookup(EncTable, core_.AlphabetSize, ch);
  State.HitColumn = hit.Column;
  // A learner who has emptied the row-1 cell under ch sees that column
  // selected and nothing appended: the cell offers no character to take.
  const std::optional<char> result = EncryptionResult(hit, ch, RadioGroup2.ItemIndex);
  // The cipher character just used is shown selected under its plaintext
  // character; an unknown character leaves the column and the focus alone.
  StringGrid1.SetCurrent({hit.Column >= 0 ? hit.Column : StringGrid1.Current().Col, 1});
  if (hit.Column >= 0) SetFocus(StringGrid1);
  if (result) Edit3.Append(*result);
  ++State.EncPos;
  // A screen reader hears every single step, the same letter again too; a
  // run says its result once, at its end.
  if (!inRun_) Announcer.Say(SpokenStep(ch, hit, result) + ". " + SpokenSoFar(kCipherText, Edit3.Text()));
}

bool TForm1::RunSteps(void (TForm1::*step)(), const Edit& source, const std::size_t& pos,
                      const Edit& destination, const char* destinationName, bool animated) {
  // The learner sees every step: the new character, the marker and the
  // selected column are drawn before the pause, the last step's too. A
  // screen reader hears the result once, when the run ends or is stopped:
  // speech of every step would be cut off by the next one.
  inRun_ = true;
  bool completed = true;
  while (CanStep(source, pos, destination)) {
    (this->*step)();
    platform_.RedrawNow();
    // Escape or closing the window during a pause stops the run after the
    // step just shown: 65,535 steps of 400 ms would take seven hours.
    if (animated && platform_.Pause(kStepPauseMilliseconds) == PauseEnd::StopAsked) {
      completed = !CanStep(source, pos, destination);
      break;
    }
  }
  inRun_ = false;
  Announcer.Say((completed ? std::string() : std::string("Angehalten. ")) +
                SpokenSoFar(destinationName, destination.Text()));
  return completed;
}

void TForm1::BitBtn2Click() {  // "schrittweise verschlüsseln"
  // Continues from EncPos and appends to what the ciphertext already holds.
  // Stopped by the learner, it leaves the position and the buttons as they
  // are, so that the learner can go on step by step from there.
  if (!RunSteps(&TForm1::BitBtn1Click, Edit1, State.EncPos, Edit3, kCipherText, true)) return;
  BitBtn1.Enabled = false;
  BitBtn2.Enabled = false;
  State.EncPos = 1;
}

void TForm1::BitBtn3Click() {  // "alles verschlüsseln"
  State.EncPos = 1;
  Edit3.SetText({});
  RunSteps(&TForm1::BitBtn1Click, Edit1, State.EncPos, Edit3, kCipherText, false);
  State.EncPos = 1;
}

void TForm1::BitBtn7Click() {  // "ein Zeichen entschlüsseln"
  State.HitColumn = -1;
  UpcaseField(Edit3, edit3UpcasedAt_);
  if (!CanStep(Edit3, State.DecPos, Edit5)) {
    BitBtn7.Enabled = false;
    if (!inRun_)
      Announcer.Say(Edit5.Text().size() >= kMaxFieldLength
                        ? W("Der Klartext fasst kein weiteres Zeichen.")
                        : W("Der Geheimtext ist ganz entschlüsselt."));
    return;
  }
  State.GridSelectionCleared = false;
  const char ch = UpcaseGerman(Edit3.Text()[State.DecPos - 1]);
  const Lookup hit = DecLookup(DecTable, core_.AlphabetSize, ch);
  State.HitColumn = hit.Column;
  StringGrid2.SetCurrent({hit.Column >= 0 ? hit.Column : StringGrid2.Current().Col, 1});
  if (hit.Column >= 0) SetFocus(StringGrid2);
  // Decryption ignores the unknown-character option: a character outside the
  // table comes back unchanged and is appended like any other.
  if (hit.Character) Edit5.Append(*hit.Character);
  ++State.DecPos;
  if (!inRun_)
    Announcer.Say(SpokenStep(ch, hit, hit.Character) + ". " + SpokenSoFar(kPlainText, Edit5.Text()));
}

void TForm1::BitBtn8Click() {  // "schrittweise alle Zeichen entschlüsseln"
  if (!RunSteps(&TForm1::BitBtn7Click, Edit3, State.DecPos, Edit5, kPlainText, true)) return;
  BitBtn7.Enabled = false;
  BitBtn8.Enabled = false;
  State.DecPos = 1;
}

void TForm1::BitBtn9Click() {  // "sofort alle Zeichen entschlüsseln"
  State.DecPos = 1;
  Edit5.SetText({});
  RunSteps(&TForm1::BitBtn7Click, Edit3, State.DecPos, Edit5, kPlainText, false);
  State.DecPos = 1;
}
