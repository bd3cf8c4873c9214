#pragma once
// Where the cells of a string grid stand in its viewport: the fixed columns at
// the left and the fixed rows at the top stay put, the others scroll by whole
// cells from the first scrollable column and row on screen; every cell is
// followed by a grid line of one pixel. Pure arithmetic over the model's
// counts, the column widths, the row height, the scroll position and the
// viewport's size: it needs no widget and no display, so the hit-testing and
// the scrolling limits can be tested by themselves. It draws nothing.

#include <QPoint>
#include <QRect>
#include <QSize>

#include "toolkit/model/StringGrid.h"

struct GridGeometry {
  static constexpr int kLine = 1;  // width of a grid line

  const StringGrid& Cells;
  const ColumnWidths& Widths;
  int RowHeight;
  int LeftCol;  // the first scrollable column on screen
  int TopRow;   // the first scrollable row on screen
  QSize Viewport;

  // A column's left edge or a row's top edge in the viewport, or -1 when it is
  // scrolled out of view (before LeftCol or TopRow).
  int ColX(int col) const;
  int RowY(int row) const;
  // A cell's rectangle without its grid lines, or an empty rectangle when the
  // cell lies outside the grid or out of view.
  QRect CellRect(int col, int row) const;
  // The cell under a viewport point, its grid lines included, or {-1, -1}.
  GridCoord CellAt(QPoint point) const;
  // The last scrollable column and row that show whole; at least LeftCol and TopRow.
  int LastFullyVisibleCol() const;
  int LastFullyVisibleRow() const;
  // The furthest the grid scrolls: the last columns, and rows, fill the viewport.
  int MaxLeftCol() const;
  int MaxTopRow() const;
  // The bottom edge of the fixed rows.
  int HeaderBottom() const;
  // The column whose right border lies within two pixels of a point in the
  // fixed rows, or -1.
  int ColumnBorderAt(QPoint point) const;
  // The first scrollable column and row that bring a cell into view, moved no
  // further than needed; a cell in a fixed row or column leaves that direction
  // as it is.
  GridCoord ScrolledTo(GridCoord cell) const;
};
