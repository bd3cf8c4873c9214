#include "toolkit/model/StringGrid.h"

#include <algorithm>
#include <utility>

namespace {
const std::string kEmpty;
}

StringGrid::StringGrid(int colCount, int rowCount, int fixedCols, int fixedRows)
    : colCount_(colCount), rowCount_(rowCount), fixedCols_(fixedCols), fixedRows_(fixedRows) {}

void StringGrid::SetColCount(int count) {
  if (count == colCount_) return;
  colCount_ = count;
  ++revision_;
}

void StringGrid::SetRowCount(int count) {
  if (count == rowCount_) return;
  rowCount_ = count;
  ++revision_;
}

const std::string& StringGrid::Cell(int col, int row) const {
  if (row < 0 || col < 0 || row >= static_cast<int>(rows_.size())) return kEmpty;
  const auto& cells = rows_[row];
  return col < static_cast<int>(cells.size()) ? cells[col] : kEmpty;
}

void StringGrid::SetCell(int col, int row, std::string text) {
  if (row < 0 || col < 0) return;
  if (row >= static_cast<int>(rows_.size())) rows_.resize(row + 1);
  auto& cells = rows_[row];
  if (col >= static_cast<int>(cells.size())) cells.resize(col + 1);
  cells[col] = std::move(text);
  ++revision_;
}

void StringGrid::SetColWidth(int col, int width) {
  if (col < 0) return;
  width = std::max(0, width);
  if (col >= static_cast<int>(widths_.Own.size())) widths_.Own.resize(col + 1, -1);
  if (widths_.Own[col] == width) return;
  widths_.Own[col] = width;
  ++widthRevision_;
}

void StringGrid::SetDefaultColWidth(int width) {
  width = std::max(0, width);
  if (widths_.Default == width) return;
  widths_.Default = width;
  ++widthRevision_;
}

void StringGrid::SetCurrent(GridCoord cell) {
  anchor_ = cell;
  current_ = cell;
  allSelected_ = false;
  ++selectionRevision_;
}

void StringGrid::ExtendSelectionTo(GridCoord cell) {
  current_ = cell;
  allSelected_ = false;
  ++selectionRevision_;
}

GridRect StringGrid::Selection() const {
  if (allSelected_) return Body();
  return {std::min(anchor_.Col, current_.Col), std::min(anchor_.Row, current_.Row),
          std::max(anchor_.Col, current_.Col), std::max(anchor_.Row, current_.Row)};
}

void StringGrid::SetSelection(GridRect rect) {
  anchor_ = {rect.Left, rect.Top};
  current_ = {rect.Right, rect.Bottom};
  allSelected_ = false;
  ++selectionRevision_;
}

void StringGrid::SelectAll() {
  allSelected_ = true;
  ++selectionRevision_;
}

GridRect StringGrid::Body() const {
  return {fixedCols_, fixedRows_, colCount_ - 1, rowCount_ - 1};
}
