#include "scheibe/model/DiskForm.h"

#include "maincaesar/model/TForm1.h"
#include "toolkit/model/StringGrid.h"

namespace {

// A blank is said, not left as a gap: "X wird zu Leerzeichen".
std::string Spoken(char c) { return c == ' ' ? std::string("Leerzeichen") : std::string(1, c); }

}  // namespace

DiskForm::DiskForm(TForm1& main) : main_(main) { Edit1.ReadOnly = true; }

UpDown& DiskForm::Spinner() const {
  return side_ == kEncryption ? main_.UpDown1 : main_.UpDown2;
}

void (TForm1::*DiskForm::SpinnerClick() const)() {
  return side_ == kEncryption ? &TForm1::UpDown1Click : &TForm1::UpDown2Click;
}

StringGrid& DiskForm::Table() const {
  return side_ == kEncryption ? main_.StringGrid1 : main_.StringGrid2;
}

std::size_t DiskForm::Position() const {
  return side_ == kEncryption ? main_.State.EncPos : main_.State.DecPos;
}

int DiskForm::MinShift() const { return Spinner().Min; }
int DiskForm::MaxShift() const { return Spinner().Max; }

std::string DiskForm::PairLine() const {
  const std::optional<DiskPair> pair = PairAtPointer(alphabet_, shift_);
  std::string line = "Verschiebung " + std::to_string(shift_);
  if (!pair) return line;
  // The decryption reads the pair the other way: the cipher character
  // becomes the plain one again.
  const bool encrypting = side_ == kEncryption;
  return line + ": " + Spoken(encrypting ? pair->Plain : pair->Cipher) + " wird zu " +
         Spoken(encrypting ? pair->Cipher : pair->Plain);
}

void DiskForm::FormShow() {
  alphabet_.clear();
  side_ = RadioGroup1.ItemIndex;
  Follow();
  lit_.reset();
  position_ = Position();
  ++revision_;
}

void DiskForm::RadioGroup1Click() { FormShow(); }

void DiskForm::Follow() {
  const StringGrid& table = Table();
  std::string alphabet;
  alphabet.reserve(static_cast<std::size_t>(table.ColCount()));
  for (int c = 0; c < table.ColCount(); ++c) {
    const std::string& cell = table.Cell(c, 0);
    alphabet.push_back(cell.empty() ? ' ' : cell[0]);
  }
  const int shift = side_ == kEncryption ? main_.State.EncShift : main_.State.DecShift;
  const std::size_t position = Position();
  bool changed = false;
  if (alphabet != alphabet_ || shift != shift_) {
    // A new table: what was lit belonged to the old one.
    alphabet_ = std::move(alphabet);
    shift_ = shift;
    lit_.reset();
    changed = true;
  } else if (position > position_) {
    // One step or more since the last look: the last one's column, or none
    // for a character the alphabet does not hold.
    const std::optional<int> lit =
        main_.State.HitColumn >= 0 ? std::optional<int>(main_.State.HitColumn) : std::nullopt;
    changed = lit != lit_;
    lit_ = lit;
  } else if (position < position_) {
    changed = lit_.has_value();  // started anew
    lit_.reset();
  }
  position_ = position;
  if (!changed) return;
  Edit1.SetText(PairLine());
  ++revision_;
}

bool DiskForm::TurnBy(int positions) {
  UpDown& spinner = Spinner();
  const auto click = SpinnerClick();
  bool moved = false;
  for (int i = 0; i < (positions < 0 ? -positions : positions); ++i) {
    if (!(positions > 0 ? spinner.ClickUp() : spinner.ClickDown())) break;
    (main_.*click)();
    moved = true;
  }
  Follow();
  if (moved) Announcer.Say(Edit1.Text());
  return moved;
}

bool DiskForm::TurnTo(int shift) {
  // Shifts beyond the column count come round again, so the spinner's own
  // position, not the shift shown, is where the clicks start.
  return TurnBy(shift - Spinner().Position);
}
