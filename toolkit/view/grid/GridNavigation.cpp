// Moving the current cell and selecting, by keys and by the mouse; Tab from
// cell to cell; dragging a column border in the fixed rows.
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include <algorithm>

#include "toolkit/model/Zoom.h"
#include "toolkit/view/grid/GridWidget.h"

void GridWidget::MoveCurrent(GridCoord cell, bool extend) {
  // A grid of headers only has no cell to move to.
  if (model_.Body().Empty()) return;
  cell.Col = std::clamp(cell.Col, model_.FixedCols(), model_.ColCount() - 1);
  cell.Row = std::clamp(cell.Row, model_.FixedRows(), model_.RowCount() - 1);
  CloseEditor();
  if (extend && options_.RangeSelect)
    model_.ExtendSelectionTo(cell);
  else
    model_.SetCurrent(cell);
  syncedSelection_ = model_.SelectionRevision();
  ScrollIntoView(cell);
  viewport()->update();
  AnnounceSelection();
}

void GridWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPoint pos = viewport()->mapFrom(this, event->position().toPoint());
  const int border = options_.ColSizing ? Geometry().ColumnBorderAt(pos) : -1;
  if (border >= 0) {
    sizingCol_ = border;
    sizingStartX_ = pos.x();
    sizingStartWidth_ = ColWidth(border);
    return;
  }
  const GridCoord cell = CellAt(pos);
  setFocus(Qt::MouseFocusReason);
  if (cell.Col < model_.FixedCols() || cell.Row < model_.FixedRows()) return;
  const bool again = cell == model_.Current() && model_.Selection() == GridRect{cell.Col, cell.Row, cell.Col, cell.Row};
  MoveCurrent(cell, event->modifiers() & Qt::ShiftModifier);
  selecting_ = options_.RangeSelect;
  if (again && IsEditable(cell)) OpenEditor(nullptr);
}

void GridWidget::mouseMoveEvent(QMouseEvent* event) {
  const QPoint pos = viewport()->mapFrom(this, event->position().toPoint());
  if (sizingCol_ >= 0) {
    // The learner's width goes into the model like a typed cell, and shows at once.
    const int drawn = std::max(1, sizingStartWidth_ + pos.x() - sizingStartX_);
    model_.SetColWidth(sizingCol_, std::max(1, UnzoomLength(drawn, zoom_)));
    ApplyColWidths();
    return;
  }
  if (options_.ColSizing)
    viewport()->setCursor(Geometry().ColumnBorderAt(pos) >= 0 ? Qt::SplitHCursor : Qt::ArrowCursor);
  if (selecting_ && (event->buttons() & Qt::LeftButton)) {
    const GridCoord cell = CellAt(pos);
    if (cell.Col >= model_.FixedCols() && cell.Row >= model_.FixedRows() &&
        !(cell == model_.Current()))
      MoveCurrent(cell, true);
  }
}

void GridWidget::mouseReleaseEvent(QMouseEvent*) {
  sizingCol_ = -1;
  selecting_ = false;
}

void GridWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  const GridCoord cell = CellAt(viewport()->mapFrom(this, event->position().toPoint()));
  if (cell == model_.Current() && IsEditable(cell)) OpenEditor(nullptr);
}

void GridWidget::LeaveByKeyboard(bool forward) {
  CloseEditor();
  QAbstractScrollArea::focusNextPrevChild(forward);
}

bool GridWidget::focusNextPrevChild(bool next) {
  // Tab walks the cells while there is a cell to go to, then leaves the grid
  // like any other control, so the keyboard never gets trapped.
  if (options_.Tabs && HoldsFocus()) {
    GridCoord cell = model_.Current();
    const int firstCol = model_.FixedCols();
    const int lastCol = model_.ColCount() - 1;
    const int firstRow = model_.FixedRows();
    const int lastRow = model_.RowCount() - 1;
    if (next) {
      if (cell.Col < lastCol) {
        ++cell.Col;
      } else if (cell.Row < lastRow) {
        cell = {firstCol, cell.Row + 1};
      } else {
        cell = {-1, -1};
      }
    } else {
      if (cell.Col > firstCol) {
        --cell.Col;
      } else if (cell.Row > firstRow) {
        cell = {lastCol, cell.Row - 1};
      } else {
        cell = {-1, -1};
      }
    }
    if (cell.Col >= firstCol && cell.Row >= firstRow && !(model_.Current().Row < firstRow)) {
      const bool editorHadFocus = editor_ && editor_->hasFocus();
      MoveCurrent(cell, false);
      if (editorHadFocus) setFocus(Qt::TabFocusReason);
      return true;
    }
    CloseEditor();
  }
  return QAbstractScrollArea::focusNextPrevChild(next);
}

void GridWidget::keyPressEvent(QKeyEvent* event) {
  GridCoord cell = model_.Current();
  // A current cell in the headers (where a hidden selection puts it, and
  // where a grid starts) shows nothing: the first arrow lands on the body
  // cell nearest to it, Down from the header row on the first row.
  const bool outsideBody = cell.Col < model_.FixedCols() || cell.Row < model_.FixedRows();
  if (outsideBody)
    cell = {std::max(cell.Col, model_.FixedCols()), std::max(cell.Row, model_.FixedRows())};
  const int step = outsideBody ? 0 : 1;
  const bool extend = event->modifiers() & Qt::ShiftModifier;
  const int pageRows = std::max(1, Geometry().LastFullyVisibleRow() - topRow_ + 1);
  switch (event->key()) {
    case Qt::Key_Left: cell.Col -= step; break;
    case Qt::Key_Right: cell.Col += step; break;
    case Qt::Key_Up: cell.Row -= step; break;
    case Qt::Key_Down: cell.Row += step; break;
    case Qt::Key_PageUp: cell.Row -= step * pageRows; break;
    case Qt::Key_PageDown: cell.Row += step * pageRows; break;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      // Ctrl+Tab and Ctrl+Shift+Tab leave a grid whose Tab walks the cells.
      if (options_.Tabs && (event->modifiers() & Qt::ControlModifier)) {
        LeaveByKeyboard(event->key() == Qt::Key_Tab && !(event->modifiers() & Qt::ShiftModifier));
        return;
      }
      QAbstractScrollArea::keyPressEvent(event);
      return;
    case Qt::Key_Home:
      cell.Col = model_.FixedCols();
      if (event->modifiers() & Qt::ControlModifier) cell.Row = model_.FixedRows();
      break;
    case Qt::Key_End:
      cell.Col = model_.ColCount() - 1;
      if (event->modifiers() & Qt::ControlModifier) cell.Row = model_.RowCount() - 1;
      break;
    case Qt::Key_F2:
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (IsEditable(model_.Current())) OpenEditor(nullptr);
      return;
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
      // An editor standing open in the cell would hold its text selected, so
      // either key empties the cell and leaves the editor open for a new one.
      if (IsEditable(model_.Current()) && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        const QString nothing;
        OpenEditor(&nothing);
        return;
      }
      QAbstractScrollArea::keyPressEvent(event);
      return;
    default: {
      const QString text = event->text();
      if (IsEditable(model_.Current()) && !text.isEmpty() &&
          (text.at(0).isPrint() || text.at(0).isSurrogate()) &&
          !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        // The key types over the cell's text in the editor, whose validator
        // refuses, with a word, what the cells cannot hold.
        OpenEditor(nullptr);
        QCoreApplication::sendEvent(editor_, event);
        return;
      }
      QAbstractScrollArea::keyPressEvent(event);
      return;
    }
  }
  MoveCurrent(cell, extend);
}
