// TForm2 without a display: creation, a showing from the main window, the grid
// cells, the sort buttons, the tolerance spinner, "Beenden" and the minimum size.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "allgfunkt/PosixDrive.h"
#include "KAnalyse1/model/TForm2.h"
#include "maincaesar/model/TForm1.h"
#include "tests/support/FakePlatform.h"
#include "toolkit/model/Win1252.h"

namespace {

class AnalysisWindow : public testing::Test {
 protected:
  AnalysisWindow() {
    core.MasterAlphabet = std::string(MasterAlphabetCharacters());
    platform.OnShowModal = [this](ModalForm form) {
      if (form != TForm1::kForm2) return;
      form2.Frame.StartShowing();  // as the dialog starts every showing
      form2.FormShow();
    };
    form2.FormCreate();
  }

  // Opens the window on a text, as the main window's button does.
  void Show(const std::string& text, int alphabetSize) {
    core.AnalysisText = text;
    core.AlphabetSize = alphabetSize;
    platform.ShowModal(TForm1::kForm2);
  }

  // An arrow click as the view performs it: the handler runs only when the
  // position really moved.
  bool Spin(bool up) {
    const bool moved = up ? form2.UpDown1.ClickUp() : form2.UpDown1.ClickDown();
    if (moved) form2.UpDown1Click();
    return moved;
  }

  // The same for the chart's spinner, which runs round.
  bool SpinChart(bool up) {
    const bool moved = up ? form2.UpDown2.ClickUp() : form2.UpDown2.ClickDown();
    if (moved) form2.UpDown2Click();
    return moved;
  }
  // "Diagramm" clicked: the button flips, then its handler runs.
  void ClickDiagramm() {
    form2.SpeedButton1.Down = !form2.SpeedButton1.Down;
    form2.SpeedButton1Click();
  }
  // The line under the chart for a shift, its sum and its place.
  static std::string Line(int shift, const char* sum, int place, int of) {
    return W("Verschiebung ") + std::to_string(shift) + W(" · Summe der Fehler-Quadrate ") + sum +
           W(" · Platz ") + std::to_string(place) + " von " + std::to_string(of);
  }

  std::string Cells(int row) const {
    std::string s;
    for (int c = 0; c < 6; ++c) s += (c ? "|" : "") + form2.StringGrid1.Cell(c, row);
    return s;
  }
  std::string Column0() const {
    std::string s;
    for (int r = 1; r <= 61; ++r) s += form2.StringGrid1.Cell(0, r);
    return s;
  }

  CipherCore core;
  FrequencyAnalysis analysis;
  FakePlatform platform;
  TForm2 form2{analysis, core, platform};
  const FakeShiftTaker noBruteForce;
};

TEST_F(AnalysisWindow, CreationSetsToleranceAndTheGridHeaders) {
  EXPECT_EQ(analysis.Tolerance, 3);
  EXPECT_EQ(form2.UpDown1.Position, 3);
  EXPECT_EQ(form2.UpDown1.Min, 0);
  EXPECT_EQ(form2.UpDown1.Max, 10);
  EXPECT_EQ(form2.Edit1.Text(), "3");
  EXPECT_TRUE(form2.Edit1.ReadOnly);
  EXPECT_TRUE(form2.Edit6.ReadOnly);
  EXPECT_TRUE(form2.Edit2.ReadOnly);
  EXPECT_TRUE(form2.Edit3.ReadOnly);
  EXPECT_FALSE(form2.Edit4.ReadOnly);
  EXPECT_FALSE(form2.Edit5.ReadOnly);
  EXPECT_TRUE(form2.BitBtn2.Enabled);
  EXPECT_TRUE(form2.BitBtn3.Enabled);
  const StringGrid& g = form2.StringGrid1;
  EXPECT_EQ(g.ColCount(), 6);
  EXPECT_EQ(g.RowCount(), 62);
  EXPECT_EQ(g.FixedCols(), 1);
  EXPECT_EQ(g.FixedRows(), 1);
  EXPECT_EQ(Cells(0), W("Geheim-Zeichen|Anzahl|Häufigkeit [%]|erwart. Häufigkt.[%]|"
                        "zur Bewertungstoleranz passende Klar-Zeichen|"
                        "passende Cäsar-Verschiebungen"));
  std::vector<int> widths;
  for (int c = 0; c < 6; ++c) widths.push_back(g.ColWidth(c));
  EXPECT_EQ(widths, (std::vector<int>{90, 45, 75, 100, 300, 300}));
  EXPECT_EQ(form2.Frame.Width, 611);
  EXPECT_EQ(form2.Frame.Height, 442);
}

TEST_F(AnalysisWindow, OpensFromTheMainWindowOnItsCiphertext) {
  PosixDrive driveA{"/nonexistent/Laufwerk-A", false};
  TForm1 form1(core, platform, driveA);
  form1.FormCreate();
  form1.FormShow();
  form1.Edit3.SetText("yr114");
  form1.BitBtn10Click();
  EXPECT_EQ(form2.Edit6.Text(), "37");
  EXPECT_EQ(analysis.AnalyseTable[25].Count, 1u);  // Y
  EXPECT_EQ(analysis.AnalyseTable[29].Count, 2u);  // 1
  EXPECT_EQ(Cells(29), "1|2|40.000| 0.000||");
}

struct CellCase {
  const char* name;
  char separator;
  int row;
  const char* cells;  // UTF-8, columns joined by "|"
};
void PrintTo(const CellCase& c, std::ostream* os) {
  *os << c.name;
}

class GridCells : public AnalysisWindow, public testing::WithParamInterface<CellCase> {};

TEST_P(GridCells, FourEsUnder26Characters) {
  platform.Separator = GetParam().separator;
  Show("EEEE", 26);
  EXPECT_EQ(Cells(GetParam().row), W(GetParam().cells));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, GridCells,
    testing::Values(CellCase{"A", '.', 1,
                             "A|0| 0.000| 6.510|BFJKMOPQVWXYZ|25;21;17;16;14;12;11;10;5;4;3;2;1"},
                    CellCase{"E", '.', 5, "E|4|100.000|17.400||"},
                    CellCase{"EComma", ',', 5, "E|4|100,000|17,400||"},
                    CellCase{"QComma", ',', 17,
                             "Q|0| 0,000| 0,020|BFJKMOPQVWXYZ|"
                             "15;11;7;6;4;2;1;0;21;20;19;18;17"},
                    // Beyond the 26 characters in use: counted nowhere, matched with nothing.
                    CellCase{"Blank", '.', 27, " |0| 0.000| 0.000||"},
                    CellCase{"Umlaut", ',', 38, "Ä|0| 0,000| 0,000||"},
                    CellCase{"Underscore", '.', 60, "_|0| 0.000| 0.000||"},
                    CellCase{"CatchAll", '.', 61, "???|0| 0.000| 0.000||"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(AnalysisWindow, ShowingFillsTheFieldsAndCountsTheRest) {
  platform.Separator = ',';
  Show("E E", 26);
  EXPECT_EQ(form2.Edit6.Text(), "26");
  EXPECT_EQ(form2.Edit2.Text(), "0");
  EXPECT_EQ(form2.Edit3.Text(), "17; 22; 12; 13");
  EXPECT_EQ(form2.Edit4.Text(), "2886,05");
  EXPECT_EQ(Cells(5).substr(0, 11), "E|2|66,667|");
  EXPECT_EQ(Cells(61), "???|1|33,333| 0,000||");

  // What the learner typed into the sum fields does not survive a new showing.
  form2.Edit4.SetText("x");
  form2.Edit5.SetText("y");
  platform.Separator = '.';
  Show("EEEE", 26);
  EXPECT_EQ(form2.Edit4.Text(), "7281.60");
  EXPECT_EQ(form2.Edit5.Text(), "8805.60; 9251.60; 9307.60; 9361.60");
  EXPECT_EQ(Cells(61), "???|0| 0.000| 0.000||");
}

TEST_F(AnalysisWindow, SortButtonsKeepTheirStateAcrossShowings) {
  Show("BCC", 26);
  ASSERT_EQ(Column0().substr(0, 4), "ABCD");

  form2.BitBtn3Click();  // by count
  EXPECT_EQ(Column0().substr(0, 4), "CBAD");
  EXPECT_EQ(Cells(1).substr(0, 4), "C|2|");
  EXPECT_TRUE(form2.BitBtn2.Enabled);
  EXPECT_FALSE(form2.BitBtn3.Enabled);

  // Closed and shown again: character order, but the buttons as they were left.
  form2.BitBtn1Click();
  Show("BCC", 26);
  EXPECT_EQ(Column0().substr(0, 4), "ABCD");
  EXPECT_TRUE(form2.BitBtn2.Enabled);
  EXPECT_FALSE(form2.BitBtn3.Enabled);

  form2.BitBtn2Click();  // by character: the order stays, the other button returns
  EXPECT_EQ(Column0().substr(0, 4), "ABCD");
  EXPECT_FALSE(form2.BitBtn2.Enabled);
  EXPECT_TRUE(form2.BitBtn3.Enabled);

  // Every grid row holds exactly one of the 61 elements, in either order.
  form2.BitBtn3Click();
  std::string sorted = Column0();
  EXPECT_EQ(sorted.size(), 60u + 3u);
  EXPECT_EQ(sorted.substr(sorted.size() - 3), "???");
}

TEST_F(AnalysisWindow, ToleranceSpinnerStopsAtBothEndsAndRematches) {
  Show("EEEE", 26);
  form2.BitBtn3Click();  // count order must survive a change of tolerance
  const std::string order = Column0();
  const std::string shifts = form2.Edit3.Text();

  for (int expected = 4; expected <= 10; ++expected) {
    ASSERT_TRUE(Spin(true));
    EXPECT_EQ(analysis.Tolerance, expected);
    EXPECT_EQ(form2.Edit1.Text(), std::to_string(expected));
  }
  EXPECT_FALSE(Spin(true));
  EXPECT_EQ(analysis.Tolerance, 10);
  EXPECT_EQ(form2.UpDown1.Position, 10);
  // E leads in count order; A, now matching every letter but E, follows.
  EXPECT_EQ(Column0(), order);
  EXPECT_EQ(form2.StringGrid1.Cell(4, 2), "ABCDFGHIJKLMNOPQRSTUVWXYZ");
  EXPECT_EQ(form2.Edit3.Text(), shifts);

  for (int expected = 9; expected >= 0; --expected) ASSERT_TRUE(Spin(false));
  EXPECT_FALSE(Spin(false));
  EXPECT_EQ(analysis.Tolerance, 0);
  EXPECT_EQ(form2.Edit1.Text(), "0");
  EXPECT_EQ(form2.StringGrid1.Cell(4, 2), "");

  // The tolerance outlives the showing.
  Show("EEEE", 26);
  EXPECT_EQ(analysis.Tolerance, 0);
  EXPECT_EQ(form2.Edit1.Text(), "0");
  EXPECT_EQ(form2.StringGrid1.Cell(4, 1), "");
}

TEST_F(AnalysisWindow, BeendenSetsTheModalResultAndANewShowingClearsIt) {
  Show("EEEE", 26);
  EXPECT_EQ(form2.Frame.ModalResult, 0);
  form2.BitBtn1Click();
  EXPECT_EQ(form2.Frame.ModalResult, 1);
  Show("EEEE", 26);
  EXPECT_EQ(form2.Frame.ModalResult, 0);
}

TEST_F(AnalysisWindow, EveryShowingStartsWithTheTableAndTheChartAtTheRecommendedShift) {
  Show("EEEE", 26);
  const auto expectTable = [this](int recommended, int shifts, const std::string& line) {
    EXPECT_FALSE(form2.SpeedButton1.Down);
    EXPECT_FALSE(form2.ChartShown());
    EXPECT_FALSE(form2.UpDown2.Visible);
    EXPECT_FALSE(form2.Edit7.Visible);
    EXPECT_EQ(form2.Edit2.Text(), std::to_string(recommended));
    EXPECT_EQ(form2.Chart1.State.Shift, recommended);
    EXPECT_EQ(form2.Chart1.Size(), shifts);
    EXPECT_EQ(form2.UpDown2.Min, 0);
    EXPECT_EQ(form2.UpDown2.Max, shifts - 1);
    EXPECT_EQ(form2.UpDown2.Position, recommended);
    EXPECT_TRUE(form2.Edit7.ReadOnly);
    EXPECT_EQ(form2.Edit7.Text(), line);
  };
  expectTable(0, 26, Line(0, "7281.60", 1, 26));

  ClickDiagramm();
  EXPECT_TRUE(form2.ChartShown());
  EXPECT_TRUE(form2.UpDown2.Visible);
  EXPECT_TRUE(form2.Edit7.Visible);
  ASSERT_TRUE(SpinChart(true));
  ClickDiagramm();  // the table again: the chart keeps its shift while hidden
  EXPECT_FALSE(form2.UpDown2.Visible);
  EXPECT_EQ(form2.Chart1.State.Shift, 1);
  ClickDiagramm();

  // Closed with the chart shown and slid: the next showing starts over, also
  // with another alphabet.
  form2.BitBtn1Click();
  platform.Separator = ',';
  Show("EEEE", 60);
  expectTable(0, 60, Line(0, "7281,60", 1, 60));
}

TEST_F(AnalysisWindow, TheChartsSpinnerRunsRoundAndTheLineFollowsEverySlide) {
  Show("EEEE", 26);
  ClickDiagramm();
  // Down from 0 comes round to 25, up from 25 back to 0.
  ASSERT_TRUE(SpinChart(false));
  EXPECT_EQ(form2.Chart1.State.Shift, 25);
  EXPECT_EQ(form2.UpDown2.Position, 25);
  ASSERT_TRUE(SpinChart(true));
  EXPECT_EQ(form2.Chart1.State.Shift, 0);

  // The chart slid by the learner (mouse, keys): the spinner and the line
  // follow. The four alternatives of the window stand at places 2 to 5 with
  // the sums the window shows for them.
  struct Case {
    int shift;
    const char* sum;
    int place;
  };
  const Case cases[] = {{17, "8805.60", 2}, {22, "9251.60", 3}, {12, "9307.60", 4},
                        {13, "9361.60", 5}, {0, "7281.60", 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.shift);
    const std::uint64_t said = form2.Announcer.Revision();
    form2.Chart1Slide(c.shift);
    EXPECT_EQ(form2.UpDown2.Position, c.shift);
    EXPECT_EQ(form2.Edit7.Text(), Line(c.shift, c.sum, c.place, 26));
    // A screen reader hears every slide step as the line says it.
    EXPECT_EQ(form2.Announcer.Revision(), said + 1);
    EXPECT_EQ(form2.Announcer.Text(), form2.Edit7.Text());
  }
  EXPECT_EQ(form2.Edit3.Text(), "17; 22; 12; 13");
  EXPECT_EQ(form2.Edit5.Text(), "8805.60; 9251.60; 9307.60; 9361.60");

  // The tolerance moves the chart's band, not its shift.
  form2.Chart1Slide(17);
  ASSERT_TRUE(Spin(true));
  EXPECT_EQ(form2.Chart1.Tolerance(), 4);
  EXPECT_EQ(form2.Chart1.Band(4).High, 100.0);  // E: 100 % plus 4, clipped
  EXPECT_EQ(form2.Chart1.Band(0).High, 4.0);
  EXPECT_EQ(form2.Chart1.State.Shift, 17);
  EXPECT_EQ(form2.Edit7.Text(), Line(17, "8805.60", 2, 26));
}

TEST_F(AnalysisWindow, VerschiebungUebernehmenHandsBackTheChartsShiftOrTheRecommendedOne) {
  struct Case {
    const char* name;
    bool chart;      // shown when the button is pressed
    int slideTo;     // where the learner left the chart; -1: untouched
    int taken;
  };
  const Case cases[] = {
      {"table", false, -1, 0},
      {"table, the chart slid while it was shown", false, 17, 0},
      {"chart at the recommended shift", true, -1, 0},
      {"chart slid", true, 22, 22},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Show("EEEE", 26);
    if (c.slideTo >= 0) {
      ClickDiagramm();
      form2.Chart1Slide(c.slideTo);
      if (!c.chart) ClickDiagramm();
    } else if (c.chart) {
      ClickDiagramm();
    }
    form2.BitBtn4Click();
    EXPECT_EQ(form2.Frame.ModalResult, kModalResultOk);
    EXPECT_EQ(form2.TakenShift(), c.taken);
  }
  // "Beenden" hands nothing back, and a new showing forgets what was taken.
  Show("EEEE", 26);
  EXPECT_EQ(form2.Frame.ModalResult, kModalResultNone);
  EXPECT_EQ(form2.TakenShift(), std::nullopt);
  form2.BitBtn1Click();
  EXPECT_EQ(form2.Frame.ModalResult, kModalResultOk);
  EXPECT_EQ(form2.TakenShift(), std::nullopt);
}

// The learner's message, enciphered with the 26 letters and the shift 7 in the
// main window, which then decrypts with a shift of its own; the frequency
// window's shift, taken over, makes the decryption give the message back.
TEST_F(AnalysisWindow, TheTakenShiftDecryptsTheCiphertextInTheMainWindow) {
  const std::string message =
      "TREFFEN WIR UNS NACH DER SCHULE AM ALTEN BRUNNEN? BRING DIE KARTE MIT!";
  PosixDrive driveA{"/nonexistent/Laufwerk-A", false};
  TForm1 form1(core, platform, driveA);
  form1.FormCreate();
  form1.FormShow();
  form1.RadioGroup1.ItemIndex = 0;
  form1.RadioGroup1Click();
  form1.Edit1.SetText(message);
  form1.UpDown1.Position = 7;
  form1.UpDown1Click();
  form1.BitBtn3Click();  // "alles verschlüsseln"
  const std::string ciphertext = form1.Edit3.Text();
  ASSERT_EQ(ciphertext.substr(0, 7), "AYLMMLU");

  struct Case {
    const char* name;
    std::function<void()> inside;  // what the learner does in the window
    int taken;
  };
  const Case cases[] = {
      {"the recommended shift, under the table", [] {}, 7},
      {"the chart's shift", [this] {
         ClickDiagramm();
         for (int i = 0; i < 3; ++i) SpinChart(false);
         for (int i = 0; i < 3; ++i) SpinChart(true);
       }, 7},
      {"a shift the learner slid to on the chart", [this] {
         ClickDiagramm();
         SpinChart(false);
       }, 6},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    // The learner's own guess, which gives no German.
    form1.UpDown2.Position = 0;
    form1.UpDown2Click();
    form1.BitBtn9Click();
    EXPECT_EQ(form1.Edit5.Text(), ciphertext);

    platform.OnShowModal = [&](ModalForm) {
      form2.FormShow();
      c.inside();
      form2.BitBtn4Click();
    };
    form1.ReadTakenShiftsFrom(form2, noBruteForce);
    form1.BitBtn10Click();

    EXPECT_EQ(form1.Edit6.Text(), std::to_string(c.taken));
    EXPECT_EQ(form1.UpDown2.Position, c.taken);
    EXPECT_EQ(form1.State.DecShift, c.taken);
    EXPECT_EQ(form1.Edit5.Text(), "") << "the decryption starts anew";
    const std::string letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    std::string row1;
    for (int col = 0; col < 26; ++col) row1 += form1.StringGrid2.Cell(col, 1);
    EXPECT_EQ(row1, letters.substr(c.taken) + letters.substr(0, c.taken));
    form1.BitBtn7Click();  // "ein Zeichen entschlüsseln"
    if (c.taken == 7) {
      EXPECT_EQ(form1.Edit5.Text(), "T");
      form1.BitBtn9Click();  // "sofort alle Zeichen entschlüsseln"
      EXPECT_EQ(form1.Edit5.Text(), message);
    } else {
      EXPECT_EQ(form1.Edit5.Text(), "U") << "one place off the key, one letter off";
    }
  }
}

TEST_F(AnalysisWindow, ResizeSnapsBackToTheMinimum) {
  struct Case {
    int width, height, snappedWidth, snappedHeight;
  };
  const Case cases[] = {
      {500, 300, 611, 442},  // both too small
      {500, 800, 611, 800},  // only the width snaps
      {900, 441, 900, 442},  // only the height snaps
      {611, 442, 611, 442},  // the minimum itself stays
      {1200, 900, 1200, 900},
  };
  for (const Case& c : cases) {
    form2.Frame.Width = c.width;
    form2.Frame.Height = c.height;
    form2.FormResize();
    EXPECT_EQ(form2.Frame.Width, c.snappedWidth) << c.width << "x" << c.height;
    EXPECT_EQ(form2.Frame.Height, c.snappedHeight) << c.width << "x" << c.height;
  }
}

}  // namespace
