// What "Kopieren" and "Alles markieren" do to a string grid's model, without a
// display: which cells a copy takes with which header cells, the text and the
// HTML table made of them, and a selection of every cell that leaves the
// current cell where it was.
#include <gtest/gtest.h>

#include <string>

#include "toolkit/model/GridCopy.h"
#include "toolkit/model/StringGrid.h"
#include "toolkit/model/Win1252.h"

namespace {

// A small frequency table: the header row, a header column of characters.
StringGrid FrequencyLike() {
  StringGrid grid(4, 4, 1, 1);
  const char* rows[4][4] = {{"Zeichen", "Anzahl", "H\xE4ufigkeit", "Klar"},
                            {"E", "5", "50,0", "A"},
                            {" ", "3", "30,0", "<B&C>"},
                            {"\xC4", "2", "20,0", "\"D\""}};
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 4; ++c) grid.SetCell(c, r, rows[r][c]);
  return grid;
}

TEST(GridCopy, TakesTheRectangleUnderItsHeadersAndFallsBackToTheWholeTable) {
  const StringGrid grid = FrequencyLike();
  struct Case {
    const char* what;
    GridRect rect;
    const char* text;
  } const cases[] = {
      {"one cell", {1, 1, 1, 1}, "Zeichen\tAnzahl\nE\t5\n"},
      {"a range",
       {2, 2, 3, 3},
       "Zeichen\tH\xE4ufigkeit\tKlar\n \t30,0\t<B&C>\n\xC4\t20,0\t\"D\"\n"},
      {"a range reaching into the headers is cut to the cells",
       {0, 0, 1, 1},
       "Zeichen\tAnzahl\nE\t5\n"},
      {"a range beyond the counts is cut too", {3, 3, 9, 9}, "Zeichen\tKlar\n\xC4\t\"D\"\n"},
      {"a selection hidden in the header copies everything",
       {0, 0, 0, 0},
       "Zeichen\tAnzahl\tH\xE4ufigkeit\tKlar\nE\t5\t50,0\tA\n "
       "\t3\t30,0\t<B&C>\n\xC4\t2\t20,0\t\"D\"\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(TabSeparated(CopyCells(grid, c.rect)), c.text) << c.what;
}

TEST(GridCopy, AGridWithoutAHeaderColumnCopiesItsHeaderRowAboveTheCells) {
  StringGrid cipher(3, 2, 0, 1);
  for (int c = 0; c < 3; ++c) {
    cipher.SetCell(c, 0, std::string(1, "AB\xC4"[c]));
    cipher.SetCell(c, 1, std::string(1, "XY\xDF"[c]));
  }
  const CopiedTable table = CopyCells(cipher, cipher.Body());
  EXPECT_EQ(table.HeaderRows, 1);
  EXPECT_EQ(table.HeaderCols, 0);
  EXPECT_EQ(TabSeparated(table), "A\tB\t\xC4\nX\tY\t\xDF\n");
  EXPECT_EQ(HtmlTable(table),
            "<table>\n<tr><th>A</th><th>B</th><th>\xC4</th></tr>\n"
            "<tr><td>X</td><td>Y</td><td>\xDF</td></tr>\n</table>\n");
}

TEST(GridCopy, HtmlEscapesTheMarkupCharactersAndMarksTheHeaderCells) {
  const StringGrid grid = FrequencyLike();
  EXPECT_EQ(HtmlTable(CopyCells(grid, {3, 2, 3, 3})),
            "<table>\n<tr><th>Zeichen</th><th>Klar</th></tr>\n"
            "<tr><th> </th><td>&lt;B&amp;C&gt;</td></tr>\n"
            "<tr><th>\xC4</th><td>&quot;D&quot;</td></tr>\n</table>\n");
}

// A text read from a file may hold a tab; in the copy it must not split its
// cell into two columns, nor a line break its row into two.
TEST(GridCopy, ATabOrLineBreakInACellBecomesABlank) {
  StringGrid grid(2, 2, 1, 1);
  grid.SetCell(0, 0, "Verschiebung");
  grid.SetCell(1, 0, "Text");
  grid.SetCell(0, 1, "3");
  grid.SetCell(1, 1, "DER\tLEHRER\r\nIST\nDA");
  EXPECT_EQ(TabSeparated(CopyCells(grid, grid.Body())),
            "Verschiebung\tText\n3\tDER LEHRER  IST DA\n");
}

TEST(GridCopy, ALongCellIsCopiedWhole) {
  StringGrid grid(2, 2, 1, 1);
  const std::string text(kMaxFieldLength, 'Q');
  grid.SetCell(1, 1, text);
  EXPECT_EQ(TabSeparated(CopyCells(grid, {1, 1, 1, 1})), "\t\n\t" + text + "\n");
}

TEST(StringGridSelectAll, SelectsEveryCellKeepsTheCurrentCellAndEndsAtTheNextMove) {
  StringGrid grid(37, 2, 0, 1);
  grid.SetCurrent({7, 1});
  const auto before = grid.SelectionRevision();
  grid.SelectAll();
  EXPECT_GT(grid.SelectionRevision(), before);
  EXPECT_EQ(grid.Selection(), (GridRect{0, 1, 36, 1}));
  EXPECT_EQ(grid.Current(), (GridCoord{7, 1}));

  // The selection follows the counts while it stands.
  grid.SetColCount(60);
  EXPECT_EQ(grid.Selection(), (GridRect{0, 1, 59, 1}));

  grid.SetCurrent({14, 1});
  EXPECT_EQ(grid.Selection(), (GridRect{14, 1, 14, 1}));
  grid.SelectAll();
  grid.ExtendSelectionTo({16, 1});
  EXPECT_EQ(grid.Selection(), (GridRect{14, 1, 16, 1}));
  grid.SelectAll();
  grid.SetSelection({0, 0, 0, 0});
  EXPECT_EQ(grid.Selection(), (GridRect{0, 0, 0, 0}));
}

}  // namespace
