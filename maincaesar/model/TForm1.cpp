// TForm1: start-up, the alphabet and cipher options, the two shift spinners,
// the position marker and the hiding of the table selection.
#include "maincaesar/model/TForm1.h"

#include <string>

namespace {
// The marker is only useful while the whole plaintext fits into the field.
constexpr std::size_t kLongestMarkedText = 75;
}  // namespace

void MarkerLine::SetPosition(std::size_t n) {
  if (n == position_) return;
  position_ = n;
  ++revision_;
}

std::string MarkerLine::Text() const {
  std::string text(position_ > 1 ? position_ - 1 : 0, ' ');
  text.push_back('^');
  return text;
}

TForm1::TForm1(CipherCore& core, Platform& platform, Drive& driveA)
    : StringGrid1(5, 2, 0, 1),
      StringGrid2(5, 2, 0, 1),
      core_(core),
      platform_(platform),
      driveA_(driveA) {
  // Both tables show one character per cell.
  StringGrid1.SetDefaultColWidth(12);
  StringGrid2.SetDefaultColWidth(12);
  Edit2.ReadOnly = true;
  Edit4.Visible = true;
  Edit6.ReadOnly = true;
  RadioGroup1.ItemIndex = 2;
  RadioGroup2.ItemIndex = 1;
  BitBtn11.Enabled = false;
}

void TForm1::SetFocus(Control& control) {
  if (activeControl_ == &control) return;
  Control* leaving = activeControl_;
  activeControl_ = &control;
  if (leaving == &Edit1) Edit1Exit();
  if (leaving == &StringGrid1) StringGrid1Exit();
}

void TForm1::FormCreate() {
  State.EncShift = 17;
  State.DecShift = State.EncShift;
  State.EncPos = 1;
  State.DecPos = 1;
}

void TForm1::FormShow() {
  State.GridSelectionCleared = true;
  StringGrid2.SetCurrent({1, 1});
  SetFocus(StringGrid2);
  HideGridSelection(StringGrid2);
  StringGrid1.SetCurrent({1, 1});
  SetFocus(StringGrid1);
  HideGridSelection(StringGrid1);
  RadioGroup1Click();
  UpDown1.Max = StringGrid1.ColCount();
  ShowEncShift();
  UpDown2.Max = StringGrid2.ColCount();
  ShowDecShift();
  BuildMasterAlphabet(core_, StringGrid1);
  BuildMasterAlphabet(core_, StringGrid2);
  BuildEncRow();
  BuildDecRow();
  ShowPositionMarker(State.EncPos);
  SetFocus(Edit1);
}

void TForm1::RadioGroup1Click() {  // "Optionen für Alphabet"
  const int columns = AlphabetSizeForOption(RadioGroup1.ItemIndex);
  StringGrid1.SetColCount(columns);
  StringGrid2.SetColCount(columns);
  core_.AlphabetSize = columns;
  if (State.EncShift > columns) State.EncShift %= columns;
  // The spinners never lower their maximum, so after a larger alphabet they can
  // pass the column count; building row 1 reduces such a shift.
  if (columns > UpDown1.Max) UpDown1.Max = columns;
  ShowEncShift();
  if (columns > UpDown2.Max) UpDown2.Max = columns;
  ShowDecShift();
  BuildEncRow();
  BuildDecRow();
  Edit1Exit();
}

void TForm1::RadioGroup2Click() {  // "Optionen für Chiffrierung"
  Edit1Exit();
}

void TForm1::Edit1Exit() {}

void TForm1::UpDown1Click() {  // encryption shift spinner
  shiftTakenFrom_.reset();
  State.EncShift = UpDown1.Position;
  ShowEncShift();
  State.DecShift = State.EncShift;
  ShowDecShift();
  BitBtn14Click();
  BuildEncRow();
  BuildDecRow();
}

void TForm1::UpDown2Click() {  // decryption shift spinner
  shiftTakenFrom_.reset();
  State.DecShift = UpDown2.Position;
  ShowDecShift();
  BuildDecRow();
  BitBtn15Click();
}

void TForm1::StringGrid1Exit() { HideGridSelection(StringGrid1); }

void TForm1::ShowPositionMarker(std::size_t n) {
  Edit4.Visible = Edit1.Text().size() <= kLongestMarkedText;
  Edit4.SetPosition(n);
}

void TForm1::HideGridSelection(StringGrid& table) {
  // Column 0 of row 0 lies in the fixed row, which is never drawn highlighted.
  if (State.GridSelectionCleared) table.SetSelection({0, 0, 0, 0});
}

void TForm1::BuildEncRow() {
  const int columns = StringGrid1.ColCount();
  if (State.EncShift > columns) {  // a shift equal to the column count stays: the identity
    State.EncShift %= columns;
    ShowEncShift();
  }
  BuildShiftedRow(StringGrid1, State.EncShift);
}

void TForm1::BuildDecRow() {
  const int columns = StringGrid2.ColCount();
  if (State.DecShift > columns) {
    State.DecShift %= columns;
    ShowDecShift();
  }
  BuildShiftedRow(StringGrid2, State.DecShift);
}

void TForm1::ShowEncShift() {
  Edit2.SetText(std::to_string(State.EncShift));
  UpDown1.Position = State.EncShift;
}

void TForm1::ShowDecShift() {
  Edit6.SetText(std::to_string(State.DecShift));
  UpDown2.Position = State.DecShift;
}
