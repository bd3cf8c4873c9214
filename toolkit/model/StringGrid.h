#pragma once
// The model of a string grid: cells of text by column and row, the visible
// column and row counts, fixed header rows and columns, the column widths, the
// current cell and the selection. Cells outside the counts keep their text, so
// a grid that shrinks and grows again shows its old cells. Fonts and the row
// height belong to the view.

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "toolkit/model/Controls.h"

struct GridCoord {
  int Col = 0;
  int Row = 0;
  friend bool operator==(const GridCoord&, const GridCoord&) = default;
};

struct GridRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  friend bool operator==(const GridRect&, const GridRect&) = default;
  bool Contains(GridCoord c) const {
    return c.Col >= Left && c.Col <= Right && c.Row >= Top && c.Row <= Bottom;
  }
  bool Empty() const { return Right < Left || Bottom < Top; }
  // The cells this rectangle shares with another; Empty() when none.
  GridRect Within(const GridRect& other) const {
    return {std::max(Left, other.Left), std::max(Top, other.Top), std::min(Right, other.Right),
            std::min(Bottom, other.Bottom)};
  }
};

// The widths of a grid's columns in pixels: every column has the default width
// until it is given one of its own.
struct ColumnWidths {
  int Default = 64;
  std::vector<int> Own;  // by column; -1 for a column at the default width

  int Of(int col) const {
    return col >= 0 && col < static_cast<int>(Own.size()) && Own[col] >= 0 ? Own[col] : Default;
  }
};

class StringGrid : public Control {
 public:
  StringGrid(int colCount, int rowCount, int fixedCols, int fixedRows);

  int ColCount() const { return colCount_; }
  int RowCount() const { return rowCount_; }
  void SetColCount(int count);
  void SetRowCount(int count);
  int FixedCols() const { return fixedCols_; }
  int FixedRows() const { return fixedRows_; }

  // The text of a cell; empty for a cell never written.
  const std::string& Cell(int col, int row) const;
  void SetCell(int col, int row, std::string text);

  // Bumped by every change of a cell or of the counts.
  std::uint64_t Revision() const { return revision_; }

  // Column widths in pixels, set by handlers and by the learner dragging a
  // column border. A width set beyond the column count waits for its column.
  const ColumnWidths& ColWidths() const { return widths_; }
  int ColWidth(int col) const { return widths_.Of(col); }
  void SetColWidth(int col, int width);
  void SetDefaultColWidth(int width);
  // Bumped by every change of a width.
  std::uint64_t WidthRevision() const { return widthRevision_; }

  // The current cell. Moving it collapses the selection onto it.
  GridCoord Current() const { return current_; }
  void SetCurrent(GridCoord cell);
  // Moves the current cell and keeps the anchor: a range selection.
  void ExtendSelectionTo(GridCoord cell);
  // The rectangle between the anchor and the current cell; after SelectAll,
  // every cell outside the fixed rows and columns.
  GridRect Selection() const;
  // Sets anchor and current cell to the corners of a rectangle.
  void SetSelection(GridRect rect);
  // Selects every cell outside the fixed rows and columns, whatever the counts
  // become, and leaves the current cell where it is: a handler that goes on
  // from the current cell (a step keeps its column) finds it where it was. The
  // next move of the current cell or the selection ends it.
  void SelectAll();
  // The cells outside the fixed rows and columns; Right or Bottom lies before
  // Left or Top when there are none.
  GridRect Body() const;

  // Bumped by every change of the current cell or the selection.
  std::uint64_t SelectionRevision() const { return selectionRevision_; }

 private:
  int colCount_;
  int rowCount_;
  int fixedCols_;
  int fixedRows_;
  std::vector<std::vector<std::string>> rows_;  // grows on demand, never shrinks
  ColumnWidths widths_;
  GridCoord anchor_;
  GridCoord current_;
  bool allSelected_ = false;
  std::uint64_t revision_ = 0;
  std::uint64_t widthRevision_ = 0;
  std::uint64_t selectionRevision_ = 0;
};
