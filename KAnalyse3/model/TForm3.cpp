// TForm3: creation and showing, the two sort buttons, closing and resizing.
#include "KAnalyse3/model/TForm3.h"

#include <string>

#include "toolkit/model/Win1252.h"

namespace {
constexpr int kGridColumns = 5;
constexpr int kGridRows = kBruteTableLength;  // the header row and 60 result rows
}  // namespace

TForm3::TForm3(BruteForceState& state, CipherCore& core)
    : StringGrid1(kGridColumns, kGridRows, 1, 1), state_(state), core_(core) {
  Edit1.ReadOnly = true;
}

void TForm3::FormCreate() {
  FillWordList(state_);
  InitBruteTable(state_);
  SetupBruteGrid();
}

void TForm3::FormShow() {
  // Every showing starts as the first: no row is the learner's choice yet.
  takenShift_.reset();
  StringGrid1.SetCurrent({0, 0});
  Edit1.SetText(std::to_string(core_.AlphabetSize));
  TryAllShifts(state_, core_);
  CountWords(state_, core_);
  SortByShift(state_, core_);
  FillBruteGrid();
}

void TForm3::BitBtn1Click() { Frame.Close(); }  // "Beenden"

void TForm3::BitBtn2Click() {  // sort by score ("dt. Wörter"), descending
  SortByWordCount(state_, core_);
  FillBruteGrid();
  BitBtn2.Enabled = false;
  BitBtn3.Enabled = true;
}

void TForm3::BitBtn3Click() {  // sort by shift ("Verschiebung")
  SortByShift(state_, core_);
  FillBruteGrid();
  BitBtn2.Enabled = true;
  BitBtn3.Enabled = false;
}

void TForm3::FormResize() { Frame.SnapToMinimum(); }

void TForm3::BitBtn4Click() {  // "Verschiebung übernehmen"
  takenShift_ = SelectedShift();
  Frame.Close();
}

int TForm3::SelectedShift() const {
  // The grid's current cell starts in the header row, and stays there until
  // the learner picks a cell; a row below the trials is blank.
  const int n = TrialCount(core_);
  int row = StringGrid1.Current().Row;
  if (row < 1 || row > n) row = 1;
  for (int i = 1; i < kBruteTableLength; ++i)
    if (state_.BruteTable[i].Row == row) return state_.BruteTable[i].Shift;
  return 0;
}

void TForm3::SetupBruteGrid() {
  StringGrid1.SetRowCount(kGridRows);
  StringGrid1.SetColCount(kGridColumns);
  StringGrid1.SetCell(0, 0, "Verschiebung");
  StringGrid1.SetCell(1, 0, W("dt. Wörter"));
  StringGrid1.SetCell(2, 0, "passender Klar-Text");
  StringGrid1.SetCell(3, 0, {});
  const int widths[] = {75, 55, 400, 90};  // column 4 keeps the default width
  for (int col = 0; col < 4; ++col) StringGrid1.SetColWidth(col, widths[col]);

  std::string line;
  for (int i = 0; i < kWordListLength; ++i) {
    if (i > 0) line += ", ";
    line += state_.WordList[i];
  }
  RichEdit1.Text = line;
}

void TForm3::FillBruteGrid() {
  const int n = TrialCount(core_);
  for (int r = 1; r <= kMaxTrials; ++r) {
    if (r > n) {
      for (int c = 0; c <= 3; ++c) StringGrid1.SetCell(c, r, {});
      continue;
    }
    for (int i = 1; i < kBruteTableLength; ++i) {
      const TTabElement& entry = state_.BruteTable[i];
      if (entry.Row != r) continue;
      StringGrid1.SetCell(0, r, std::to_string(entry.Shift));
      StringGrid1.SetCell(1, r, std::to_string(entry.WordCount));
      StringGrid1.SetCell(2, r, entry.TrialText);
      break;
    }
  }
}
