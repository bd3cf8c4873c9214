#include "toolkit/view/grid/GridGeometry.h"

#include <algorithm>
#include <cstdlib>

int GridGeometry::ColX(int col) const {
  int x = 0;
  const int fixed = std::min(Cells.FixedCols(), Cells.ColCount());
  for (int c = 0; c < fixed; ++c) {
    if (c == col) return x;
    x += Widths.Of(c) + kLine;
  }
  if (col < LeftCol) return -1;
  for (int c = LeftCol; c < col; ++c) x += Widths.Of(c) + kLine;
  return x;
}

int GridGeometry::RowY(int row) const {
  const int fixed = std::min(Cells.FixedRows(), Cells.RowCount());
  if (row < fixed) return row * (RowHeight + kLine);
  if (row < TopRow) return -1;
  return fixed * (RowHeight + kLine) + (row - TopRow) * (RowHeight + kLine);
}

QRect GridGeometry::CellRect(int col, int row) const {
  if (col < 0 || row < 0 || col >= Cells.ColCount() || row >= Cells.RowCount()) return {};
  const int x = ColX(col);
  const int y = RowY(row);
  if (x < 0 || y < 0 || x >= Viewport.width() || y >= Viewport.height()) return {};
  return QRect(x, y, Widths.Of(col), RowHeight);
}

GridCoord GridGeometry::CellAt(QPoint point) const {
  GridCoord cell{-1, -1};
  for (int c = 0; c < Cells.ColCount(); ++c) {
    const int x = ColX(c);
    if (x < 0) continue;
    if (x > point.x()) break;
    if (point.x() < x + Widths.Of(c) + kLine) {
      cell.Col = c;
      break;
    }
  }
  for (int r = 0; r < Cells.RowCount(); ++r) {
    const int y = RowY(r);
    if (y < 0) continue;
    if (y > point.y()) break;
    if (point.y() < y + RowHeight + kLine) {
      cell.Row = r;
      break;
    }
  }
  if (cell.Col < 0 || cell.Row < 0) return {-1, -1};
  return cell;
}

int GridGeometry::LastFullyVisibleCol() const {
  int last = LeftCol - 1;
  for (int c = LeftCol; c < Cells.ColCount(); ++c) {
    if (ColX(c) + Widths.Of(c) > Viewport.width()) break;
    last = c;
  }
  return std::max(last, LeftCol);
}

int GridGeometry::LastFullyVisibleRow() const {
  int last = TopRow - 1;
  for (int r = TopRow; r < Cells.RowCount(); ++r) {
    if (RowY(r) + RowHeight > Viewport.height()) break;
    last = r;
  }
  return std::max(last, TopRow);
}

int GridGeometry::MaxLeftCol() const {
  int fixedWidth = 0;
  for (int c = 0; c < std::min(Cells.FixedCols(), Cells.ColCount()); ++c)
    fixedWidth += Widths.Of(c) + kLine;
  int room = Viewport.width() - fixedWidth;
  int col = Cells.ColCount();
  while (col > Cells.FixedCols() && room >= Widths.Of(col - 1)) {
    room -= Widths.Of(col - 1) + kLine;
    --col;
  }
  return std::max(Cells.FixedCols(), std::min(col, Cells.ColCount() - 1));
}

int GridGeometry::MaxTopRow() const {
  const int fit = std::max(1, (Viewport.height() - HeaderBottom() + kLine) / (RowHeight + kLine));
  return std::max(Cells.FixedRows(), Cells.RowCount() - fit);
}

int GridGeometry::HeaderBottom() const {
  return std::min(Cells.FixedRows(), Cells.RowCount()) * (RowHeight + kLine);
}

int GridGeometry::ColumnBorderAt(QPoint point) const {
  if (point.y() >= HeaderBottom()) return -1;
  for (int c = 0; c < Cells.ColCount(); ++c) {
    const int x = ColX(c);
    if (x < 0) continue;
    const int border = x + Widths.Of(c);
    if (std::abs(point.x() - border) <= 2) return c;
    if (border > point.x() + 2) break;
  }
  return -1;
}

GridCoord GridGeometry::ScrolledTo(GridCoord cell) const {
  GridGeometry moved = *this;
  if (cell.Col >= Cells.FixedCols() && cell.Col < Cells.ColCount()) {
    if (cell.Col < moved.LeftCol) {
      moved.LeftCol = cell.Col;
    } else {
      while (moved.LeftCol < cell.Col &&
             moved.ColX(cell.Col) + Widths.Of(cell.Col) > Viewport.width())
        ++moved.LeftCol;
    }
  }
  if (cell.Row >= Cells.FixedRows() && cell.Row < Cells.RowCount()) {
    if (cell.Row < moved.TopRow) {
      moved.TopRow = cell.Row;
    } else {
      while (moved.TopRow < cell.Row && moved.RowY(cell.Row) + RowHeight > Viewport.height())
        ++moved.TopRow;
    }
  }
  return {moved.LeftCol, moved.TopRow};
}
