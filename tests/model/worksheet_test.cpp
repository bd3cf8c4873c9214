// The worksheet's pages without a printer: how a text breaks into lines of
// boxes, how tables and texts spread over pages, and which texts, key and
// pages a worksheet gets from the main window.
#include <gtest/gtest.h>

#include <string>

#include "arbeitsblatt/model/SheetLayout.h"
#include "arbeitsblatt/model/TablePages.h"
#include "arbeitsblatt/model/Worksheet.h"
#include "toolkit/model/Win1252.h"

namespace {

std::vector<std::string> Lines(std::string_view text, int width) {
  std::vector<std::string> out;
  for (const TextLine& line : BreakIntoLines(text, width))
    out.emplace_back(text.substr(line.Begin, line.Length));
  return out;
}

TEST(SheetLayout, LinesBreakAfterBlanksAndKeepEveryCharacter) {
  struct Case {
    const char* what;
    const char* text;
    int width;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"fits", "HALLO WELT", 10, {"HALLO WELT"}},
      {"after the blank before a word that would not fit", "HALLO WELT", 8, {"HALLO ", "WELT"}},
      {"a word longer than a line is cut", "DONAUDAMPFSCHIFF", 6, {"DONAUD", "AMPFSC", "HIFF"}},
      {"after a hyphen", "Geheim-Zeichen", 8, {"Geheim-", "Zeichen"}},
      {"a full line's blank opens the next", "ABC DEF", 3, {"ABC", " ", "DEF"}},
      {"blanks in a row stay", "A  B", 2, {"A ", " B"}},
      {"nothing", "", 5, {}},
      {"a width below 1 counts as 1", "AB", 0, {"A", "B"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Lines(c.text, c.width), c.lines) << c.what;
    std::string joined;
    for (const std::string& line : Lines(c.text, c.width)) joined += line;
    EXPECT_EQ(joined, c.text) << c.what;
  }
}

TEST(SheetLayout, PagesTakeTheirShareAndNothingIsOnePage) {
  const auto spread = SpreadOverPages(25, 4, 10);
  ASSERT_EQ(spread.size(), 4u);
  EXPECT_EQ(spread[0].Length, 4u);
  EXPECT_EQ(spread[1].Begin, 4u);
  EXPECT_EQ(spread[3].Begin, 24u);
  EXPECT_EQ(spread[3].Length, 1u);
  EXPECT_EQ(SpreadOverPages(0, 4, 10).size(), 1u);
  EXPECT_EQ(SpreadOverPages(14, 4, 10).size(), 2u);
  EXPECT_EQ(HowManyFit(17.0 * 3, 17.0), 3);
  EXPECT_EQ(HowManyFit(-1, 5), 0);
}

WorksheetSource Source() {
  WorksheetSource s;
  s.Alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
  s.AlphabetName = "nur Buchstaben (original)";
  s.EncShift = 7;
  s.DecShift = 7;
  return s;
}

TEST(Worksheet, TheCiphertextIsTheTaskAndTheDecryptionShiftItsKey) {
  WorksheetSource s = Source();
  s.Plaintext = "treffen";
  s.Ciphertext = "aylmmlu";
  const Worksheet w = PlanWorksheet(s, {}, {});
  EXPECT_TRUE(w.Deciphering);
  EXPECT_EQ(w.TaskText, "AYLMMLU");
  EXPECT_EQ(w.Key, 7);
  EXPECT_EQ(w.SolutionText, "TREFFEN");
  // Task, frequencies, disk; the solution only when chosen.
  ASSERT_EQ(w.Pages.size(), 3u);
  EXPECT_EQ(w.Pages[0].Part, SheetPart::Task);
  EXPECT_EQ(w.Pages[1].Part, SheetPart::Frequencies);
  EXPECT_EQ(w.Pages[2].Part, SheetPart::Disk);
  WorksheetChoice all;
  all.Solution = true;
  EXPECT_EQ(PlanWorksheet(s, all, {}).Pages.back().Part, SheetPart::Solution);

  // An exercise's secret is the solution, whatever the spinners say.
  s.SecretShift = 3;
  s.SecretPlaintext = "GEHEIM";
  const Worksheet exercise = PlanWorksheet(s, all, {});
  EXPECT_EQ(exercise.Key, 3);
  EXPECT_EQ(exercise.SolutionText, "GEHEIM");
}

TEST(Worksheet, WithoutCiphertextThePlaintextIsToBeEnciphered) {
  WorksheetSource s = Source();
  s.Plaintext = W("grüße");
  s.UnknownOption = 1;  // "übernehmen"
  WorksheetChoice choice;
  choice.ShiftGiven = true;
  const Worksheet w = PlanWorksheet(s, choice, {});
  EXPECT_FALSE(w.Deciphering);
  EXPECT_EQ(w.TaskText, W("GRÜßE"));  // upper-cased as a step does: ß stays
  EXPECT_EQ(w.SolutionText, W("NYÜßL"));
  EXPECT_TRUE(w.ShiftGiven);
}

TEST(Worksheet, LongTextsFlowOverPagesAndWideAlphabetsIntoBlocks) {
  WorksheetSource s = Source();
  s.Ciphertext = std::string(65535, 'X');
  WorksheetChoice all;
  all.Solution = true;
  const SheetMetrics m;
  const Worksheet w = PlanWorksheet(s, all, m);
  EXPECT_EQ(w.BoxesPerLine, 30);
  EXPECT_EQ(w.TaskLines.size(), (65535u + 29) / 30);
  std::size_t lines = 0;
  std::size_t solution = 0;
  int taskPages = 0;
  for (const SheetPage& page : w.Pages) {
    if (page.Part == SheetPart::Task) {
      EXPECT_EQ(page.Items.Begin, lines) << "no line left out or twice";
      lines += page.Items.Length;
      ++taskPages;
      EXPECT_LE(page.Items.Length * m.LinePitch(), m.Body());
    }
    if (page.Part == SheetPart::Solution) solution += page.Items.Length;
  }
  EXPECT_EQ(lines, w.TaskLines.size());
  EXPECT_EQ(solution, w.SolutionLines.size());
  EXPECT_GT(taskPages, 100);

  // 60 characters: two blocks of 30 rows side by side on one page.
  s.Alphabet = std::string(60, 'A');
  const Worksheet wide = PlanWorksheet(s, {}, m);
  EXPECT_EQ(wide.RowsPerBlock, 30);
  EXPECT_EQ(wide.BlocksPerPage, 2);
  int frequencyPages = 0;
  for (const SheetPage& page : wide.Pages) frequencyPages += page.Part == SheetPart::Frequencies;
  EXPECT_EQ(frequencyPages, 1);
  EXPECT_EQ(wide.SubstitutionRows, 3);
}

}  // namespace

namespace {

TEST(TablePages, CellsWrapRowsStayWholeAndLongOnesGoOnOver) {
  PrintedTable table;
  table.ColumnChars = {4, 10};
  table.Rows = {{"Nr.", "Text"},
                {"1", "KURZ"},
                {"2", std::string(25, 'A')},  // 3 lines
                {"3", std::string(95, 'B')},  // 10 lines
                {"4", "X"}};
  const TablePlan plan = PlanTable(table, 5, 6);
  EXPECT_EQ(plan.RowLines[2], 3u);
  EXPECT_EQ(plan.RowLines[3], 10u);
  ASSERT_EQ(plan.Pages.size(), 3u);
  // Rows 1 and 2 on the first page; row 3 longer than any page fills the
  // rest of it and goes on over; row 4 after its end.
  ASSERT_EQ(plan.Pages[0].Slices.size(), 3u);
  EXPECT_EQ(plan.Pages[0].Slices[2].Row, 3u);
  EXPECT_EQ(plan.Pages[0].Slices[2].Lines, 1u);
  EXPECT_EQ(plan.Pages[1].Slices[0].FirstLine, 1u);
  EXPECT_EQ(plan.Pages[1].Slices[0].Lines, 6u);
  EXPECT_EQ(plan.Pages[2].Slices[0].Lines, 3u);
  EXPECT_EQ(plan.Pages[2].Slices[1].Row, 4u);

  // A row that fits on a page of its own is not split.
  table.Rows = {{"Nr.", "Text"}, {"1", std::string(35, 'A')}, {"2", std::string(45, 'B')}};
  const TablePlan whole = PlanTable(table, 6, 6);
  ASSERT_EQ(whole.Pages.size(), 2u);
  EXPECT_EQ(whole.Pages[1].Slices.size(), 1u);
  EXPECT_EQ(whole.Pages[1].Slices[0].Lines, 5u);
  EXPECT_EQ(PlanTable({{{"Kopf"}}, {5}}, 3, 3).Pages.size(), 1u);
}

}  // namespace
