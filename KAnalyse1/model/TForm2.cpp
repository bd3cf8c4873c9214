// TForm2: the handlers of the window "Kryptoanalyse -- Einzelzeichen".
#include "KAnalyse1/model/TForm2.h"

#include <algorithm>
#include <string>

#include "toolkit/model/Win1252.h"

namespace {

enum Column { kCharacter, kCount, kObserved, kExpected, kMatchingChars, kMatchingShifts };
constexpr int kColumns = 6;
// Together wider than the grid, which therefore scrolls sideways.
constexpr int kColumnWidths[kColumns] = {90, 45, 75, 100, 300, 300};
constexpr int kRows = kAnalyseTableSize;  // the header row and one row per element 1..61

}  // namespace

TForm2::TForm2(FrequencyAnalysis& analysis, CipherCore& core, Platform& platform)
    : StringGrid1(kColumns, kRows, 1, 1), analysis_(analysis), core_(core), platform_(platform) {
  Edit6.ReadOnly = true;
  Edit1.ReadOnly = true;
  UpDown1.Min = 0;
  UpDown1.Max = kMaxTolerance;
  // Like any new grid, the table starts with its first cell below and right of
  // the headers as the current cell, shown highlighted while another control
  // has the focus.
  StringGrid1.SetCurrent({1, 1});
  Edit2.ReadOnly = true;
  Edit3.ReadOnly = true;
  // Edit4 and Edit5 stay editable; whatever the learner types there is
  // overwritten at the next showing.
  // The chart's spinner runs round the alphabet as the chart does.
  UpDown2.Min = 0;
  UpDown2.Max = 0;
  UpDown2.Wrap = true;
  Edit7.ReadOnly = true;
  ShowChartOrTable();
}

void TForm2::FormCreate() {  // window created at program start
  analysis_.Tolerance = 3;
  UpDown1.Position = analysis_.Tolerance;
  Edit1.SetText(std::to_string(analysis_.Tolerance));
  SetupAnalyseGrid();
}

void TForm2::FormShow() {  // every modal showing recomputes the whole analysis
  // Every showing starts as the first, the table's first cell current.
  takenShift_.reset();
  StringGrid1.SetCurrent({1, 1});
  Edit6.SetText(std::to_string(core_.AlphabetSize));
  InitAnalyseTable(analysis_, core_);
  CountCharacters(analysis_, core_);
  MatchTolerance(analysis_, core_);
  const ShiftRanking ranking = RankShifts(analysis_, core_, platform_.DecimalSeparator());
  Edit2.SetText(ranking.BestShift);
  Edit3.SetText(ranking.FurtherShifts);
  Edit4.SetText(ranking.BestSum);
  Edit5.SetText(ranking.FurtherSums);
  FillAnalyseGrid();
  // The chart takes in the same analysis and opens at the recommended shift;
  // every showing starts with the table.
  Chart1.Rebuild(analysis_, core_, ranking);
  UpDown2.Max = std::max(Chart1.Size() - 1, 0);
  ShowChartShift();
  SpeedButton1.Down = false;
  ShowChartOrTable();
}

void TForm2::BitBtn1Click() { Frame.Close(); }  // "Beenden"

void TForm2::BitBtn2Click() {  // sort by character
  SortByCharacter(analysis_);
  FillAnalyseGrid();
  BitBtn2.Enabled = false;
  BitBtn3.Enabled = true;
}

void TForm2::BitBtn3Click() {  // sort by count
  SortByFrequency(analysis_, core_);
  FillAnalyseGrid();
  BitBtn2.Enabled = true;
  BitBtn3.Enabled = false;
}

void TForm2::UpDown1Click() {  // tolerance spinner moved by one
  // Only the matches depend on the tolerance: counts, ranking and row order stay.
  analysis_.Tolerance = UpDown1.Position;
  Edit1.SetText(std::to_string(analysis_.Tolerance));
  MatchTolerance(analysis_, core_);
  FillAnalyseGrid();
  Chart1.SetTolerance(analysis_.Tolerance);  // the band follows; the shift stays
}

void TForm2::FormResize() { Frame.SnapToMinimum(); }

void TForm2::SpeedButton1Click() { ShowChartOrTable(); }  // "Diagramm"

void TForm2::UpDown2Click() { Chart1Slide(UpDown2.Position); }  // the chart's spinner

void TForm2::Chart1Slide(int shift) {  // the chart slid, by whatever means; it wraps round
  Chart1.State.SlideTo(shift);
  ShowChartShift();
  // Every slide step is heard: its shift, sum and place.
  Announcer.Say(Edit7.Text());
}

void TForm2::BitBtn4Click() {  // "Verschiebung übernehmen"
  // The shift the learner looks at: the chart's while it is shown, the
  // recommended one under the table.
  takenShift_ = ChartShown() ? Chart1.State.Shift : Chart1.RecommendedShift();
  Frame.Close();
}

void TForm2::ShowChartOrTable() {
  UpDown2.Visible = ChartShown();
  Edit7.Visible = ChartShown();
}

void TForm2::ShowChartShift() {
  UpDown2.Position = Chart1.State.Shift;
  Edit7.SetText(Chart1.ShiftLine(platform_.DecimalSeparator()));
}

void TForm2::SetupAnalyseGrid() {
  StringGrid1.SetColCount(kColumns);
  StringGrid1.SetRowCount(kRows);
  StringGrid1.SetCell(kCharacter, 0, W("Geheim-Zeichen"));
  StringGrid1.SetCell(kCount, 0, W("Anzahl"));
  StringGrid1.SetCell(kObserved, 0, W("Häufigkeit [%]"));
  StringGrid1.SetCell(kExpected, 0, W("erwart. Häufigkt.[%]"));
  StringGrid1.SetCell(kMatchingChars, 0, W("zur Bewertungstoleranz passende Klar-Zeichen"));
  StringGrid1.SetCell(kMatchingShifts, 0, W("passende Cäsar-Verschiebungen"));
  for (int col = 0; col < kColumns; ++col) StringGrid1.SetColWidth(col, kColumnWidths[col]);
}

void TForm2::FillAnalyseGrid() {
  const char separator = platform_.DecimalSeparator();
  for (int i = 1; i < kAnalyseTableSize; ++i) {
    const TAnalyseElement& e = analysis_.AnalyseTable[i];
    // Row is a permutation of 1..61 once the table is built, so every grid row
    // is written exactly once and the header row never.
    const int row = e.Row;
    if (row < 1 || row >= kRows) continue;
    StringGrid1.SetCell(kCharacter, row, e.Character);
    StringGrid1.SetCell(kCount, row, std::to_string(e.Count));
    StringGrid1.SetCell(kObserved, row, FormatFixed(e.ObservedPercent, 6, 3, separator));
    StringGrid1.SetCell(kExpected, row, FormatFixed(e.ExpectedPercent, 6, 3, separator));
    StringGrid1.SetCell(kMatchingChars, row, e.MatchingChars);
    StringGrid1.SetCell(kMatchingShifts, row, e.MatchingShifts);
  }
}
