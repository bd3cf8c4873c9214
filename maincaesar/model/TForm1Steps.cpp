// TForm1: the single encryption and decryption steps and the runs built from
// them, animated (one step every 400 ms) and immediate.
//
// A run of 65,535 steps must stay linear: each step upper-cases its source
// field only when the field has changed since it was last upper-cased, the
// marker keeps just its position, the tables answer from an index, and the
// destination grows by appending.
#include "maincaesar/model/TForm1.h"

#include "ciphercore/Upcase.h"

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
}

bool TForm1::RunSteps(void (TForm1::*step)(), const Edit& source, const std::size_t& pos,
                      const Edit& destination, bool animated) {
  // The learner sees every step: the new character, the marker and the
  // selected column are drawn before the pause, the last step's too.
  while (CanStep(source, pos, destination)) {
    (this->*step)();
    platform_.RedrawNow();
    // Escape or closing the window during a pause stops the run after the
    // step just shown: 65,535 steps of 400 ms would take seven hours.
    if (animated && platform_.Pause(kStepPauseMilliseconds) == PauseEnd::StopAsked)
      return !CanStep(source, pos, destination);
  }
  return true;
}

void TForm1::BitBtn2Click() {  // "schrittweise verschlüsseln"
  // Continues from EncPos and appends to what the ciphertext already holds.
  // Stopped by the learner, it leaves the position and the buttons as they
  // are, so that the learner can go on step by step from there.
  if (!RunSteps(&TForm1::BitBtn1Click, Edit1, State.EncPos, Edit3, true)) return;
  BitBtn1.Enabled = false;
  BitBtn2.Enabled = false;
  State.EncPos = 1;
}

void TForm1::BitBtn3Click() {  // "alles verschlüsseln"
  State.EncPos = 1;
  Edit3.SetText({});
  RunSteps(&TForm1::BitBtn1Click, Edit1, State.EncPos, Edit3, false);
  State.EncPos = 1;
}

void TForm1::BitBtn7Click() {  // "ein Zeichen entschlüsseln"
  State.HitColumn = -1;
  UpcaseField(Edit3, edit3UpcasedAt_);
  if (!CanStep(Edit3, State.DecPos, Edit5)) {
    BitBtn7.Enabled = false;
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
}

void TForm1::BitBtn8Click() {  // "schrittweise alle Zeichen entschlüsseln"
  if (!RunSteps(&TForm1::BitBtn7Click, Edit3, State.DecPos, Edit5, true)) return;
  BitBtn7.Enabled = false;
  BitBtn8.Enabled = false;
  State.DecPos = 1;
}

void TForm1::BitBtn9Click() {  // "sofort alle Zeichen entschlüsseln"
  State.DecPos = 1;
  Edit5.SetText({});
  RunSteps(&TForm1::BitBtn7Click, Edit3, State.DecPos, Edit5, false);
  State.DecPos = 1;
}
