// Where the cells of a string grid stand, without a widget or a display: a
// grid of the frequency table's shape with one fixed row and column, cells
// 18 pixels high with a line of one pixel after each, scrolled or not.
#include <gtest/gtest.h>

#include "toolkit/model/StringGrid.h"
#include "toolkit/view/grid/GridGeometry.h"

namespace {

class GridGeometryTest : public testing::Test {
 protected:
  GridGeometryTest() : cells(6, 62, 1, 1) { widths.Own = {90, 45, 75, 100, 300, 300}; }

  // A viewport of 300 x 100 pixels: the fixed row and four rows below it, the
  // fixed column and about two more columns.
  GridGeometry At(int leftCol, int topRow) const {
    return {cells, widths, 18, leftCol, topRow, QSize(300, 100)};
  }

  StringGrid cells;
  ColumnWidths widths;
};

TEST_F(GridGeometryTest, CellsStandAfterTheFixedOnesFromTheScrollPosition) {
  struct Case {
    int leftCol, topRow;
    GridCoord cell;
    QRect rect;  // empty: out of view
  } const cases[] = {
      {1, 1, {0, 0}, {0, 0, 90, 18}},
      {1, 1, {1, 1}, {91, 19, 45, 18}},
      {1, 1, {2, 3}, {137, 57, 75, 18}},
      {1, 1, {4, 1}, {}},                 // beyond the right edge: starts at 314
      {3, 10, {0, 10}, {0, 19, 90, 18}},  // the fixed column stays, the row scrolled up
      {3, 10, {3, 11}, {91, 38, 100, 18}},
      {3, 10, {2, 10}, {}},  // scrolled out to the left
      {3, 10, {1, 9}, {}},   // and up
      {1, 1, {6, 1}, {}},    // outside the grid
  };
  for (const Case& c : cases)
    EXPECT_EQ(At(c.leftCol, c.topRow).CellRect(c.cell.Col, c.cell.Row), c.rect)
        << c.cell.Col << "," << c.cell.Row << " from " << c.leftCol << "," << c.topRow;
}

TEST_F(GridGeometryTest, APointHitsTheCellWhoseLinesFollowIt) {
  const GridGeometry g = At(3, 10);
  struct Case {
    QPoint point;
    GridCoord cell;
  } const cases[] = {
      {{0, 0}, {0, 0}},     {{90, 18}, {0, 0}},  // on the lines after the corner cell
      {{91, 19}, {3, 10}},                       // the first scrolled cell
      {{191, 37}, {3, 10}}, {{192, 38}, {4, 11}}, {{299, 99}, {4, 14}}, {{-1, 5}, {-1, -1}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(g.CellAt(c.point), c.cell) << c.point.x() << "," << c.point.y();
}

TEST_F(GridGeometryTest, ScrollingStopsWhereTheLastCellsFillTheViewport) {
  const GridGeometry g = At(1, 1);
  EXPECT_EQ(g.MaxTopRow(), 58);  // rows 58 to 61 fill the 81 pixels below the header
  EXPECT_EQ(g.MaxLeftCol(), 5);  // column 5 is wider than the room; it may stand first
  EXPECT_EQ(g.LastFullyVisibleRow(), 4);
  EXPECT_EQ(g.LastFullyVisibleCol(), 2);
  // A cell is brought into view by moving no further than needed, each way on its own.
  EXPECT_EQ(g.ScrolledTo({3, 30}), (GridCoord{2, 27}));
  EXPECT_EQ(At(3, 30).ScrolledTo({1, 2}), (GridCoord{1, 2}));
  EXPECT_EQ(At(3, 30).ScrolledTo({0, 0}), (GridCoord{3, 30}));  // a header cell moves nothing
}

TEST_F(GridGeometryTest, AColumnBorderIsFoundWithinTwoPixelsInTheHeaderOnly) {
  const GridGeometry g = At(1, 1);
  EXPECT_EQ(g.ColumnBorderAt({90, 5}), 0);
  EXPECT_EQ(g.ColumnBorderAt({138, 5}), 1);  // the border of column 1 lies at 136
  EXPECT_EQ(g.ColumnBorderAt({139, 5}), -1);
  EXPECT_EQ(g.ColumnBorderAt({90, 19}), -1);  // below the header
}

}  // namespace
