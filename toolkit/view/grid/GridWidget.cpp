// The grid as a whole: bringing it up to date with its model, scrolling, and
// which cells show highlighted. Its other parts have files of their own
// (GridWidget.h lists them).
#include "toolkit/view/grid/GridWidget.h"

#include <QLineEdit>
#include <QFocusEvent>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>

#include "toolkit/model/Zoom.h"
#include "toolkit/view/text/QtText.h"

GridWidget::GridWidget(StringGrid& model, Options options, QWidget* parent)
    : QAbstractScrollArea(parent), model_(model), options_(options) {
  InstallAccessibility();
  setFocusPolicy(Qt::StrongFocus);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  viewport()->setAutoFillBackground(true);
  viewport()->setBackgroundRole(QPalette::Base);
  viewport()->setMouseTracking(options_.ColSizing);
  leftCol_ = model_.FixedCols();
  topRow_ = model_.FixedRows();
  MakeActions();
  ApplyColWidths();
}

GridGeometry GridWidget::Geometry() const {
  return {model_, widths_, rowHeight_, leftCol_, topRow_, viewport()->size()};
}

void GridWidget::ApplyColWidths() {
  widths_ = model_.ColWidths();
  widths_.Default = ZoomLength(widths_.Default, zoom_);
  for (int& width : widths_.Own)
    if (width >= 0) width = ZoomLength(width, zoom_);
  syncedWidths_ = model_.WidthRevision();
  UpdateScrollBars();
  PlaceEditor();
  viewport()->update();
}

void GridWidget::SetRowHeight(int height) {
  designedRowHeight_ = height;
  rowHeight_ = ZoomLength(height, zoom_);
  UpdateScrollBars();
  viewport()->update();
}

void GridWidget::SetZoom(int percent) {
  zoom_ = percent;
  SetRowHeight(designedRowHeight_);
  ApplyColWidths();
  ScrollIntoView(model_.Current());
}

void GridWidget::Sync() {
  if (model_.WidthRevision() != syncedWidths_) ApplyColWidths();
  if (model_.Revision() != syncedCells_) {
    syncedCells_ = model_.Revision();
    const bool countsChanged =
        model_.ColCount() != syncedColCount_ || model_.RowCount() != syncedRowCount_;
    syncedColCount_ = model_.ColCount();
    syncedRowCount_ = model_.RowCount();
    const GridGeometry geometry = Geometry();
    leftCol_ = std::clamp(leftCol_, model_.FixedCols(),
                          std::max(model_.FixedCols(), geometry.MaxLeftCol()));
    topRow_ = std::clamp(topRow_, model_.FixedRows(),
                         std::max(model_.FixedRows(), geometry.MaxTopRow()));
    UpdateScrollBars();
    if (editor_ && editor_->isVisible()) {
      const QString text = ToQString(model_.Cell(editing_.Col, editing_.Row));
      if (editor_->text() != text) editor_->setText(text);
    }
    viewport()->update();
    AnnounceCells(countsChanged);
  }
  if (model_.SelectionRevision() != syncedSelection_) {
    syncedSelection_ = model_.SelectionRevision();
    if (editor_ && editor_->isVisible() && !(model_.Current() == editing_)) CloseEditor();
    ScrollIntoView(model_.Current());
    viewport()->update();
    AnnounceSelection(MovedBy::Window);
  }
}

QRect GridWidget::CellRect(int col, int row) const { return Geometry().CellRect(col, row); }

GridCoord GridWidget::CellAt(QPoint point) const { return Geometry().CellAt(point); }

void GridWidget::UpdateScrollBars() {
  const GridGeometry geometry = Geometry();
  const int fc = model_.FixedCols();
  const int fr = model_.FixedRows();
  horizontalScrollBar()->setRange(0, std::max(0, geometry.MaxLeftCol() - fc));
  horizontalScrollBar()->setPageStep(std::max(1, geometry.LastFullyVisibleCol() - leftCol_ + 1));
  horizontalScrollBar()->setValue(leftCol_ - fc);
  verticalScrollBar()->setRange(0, std::max(0, geometry.MaxTopRow() - fr));
  verticalScrollBar()->setPageStep(std::max(1, geometry.LastFullyVisibleRow() - topRow_ + 1));
  verticalScrollBar()->setValue(topRow_ - fr);
}

void GridWidget::scrollContentsBy(int, int) {
  leftCol_ = model_.FixedCols() + horizontalScrollBar()->value();
  topRow_ = model_.FixedRows() + verticalScrollBar()->value();
  PlaceEditor();
  viewport()->update();
}

void GridWidget::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  UpdateScrollBars();
  PlaceEditor();
}

void GridWidget::ScrollToStart() {
  leftCol_ = model_.FixedCols();
  topRow_ = model_.FixedRows();
  const GridCoord scrolled = Geometry().ScrolledTo(model_.Current());
  leftCol_ = scrolled.Col;
  topRow_ = scrolled.Row;
  UpdateScrollBars();
  PlaceEditor();
  viewport()->update();
}

void GridWidget::ScrollIntoView(GridCoord cell) {
  const GridCoord scrolled = Geometry().ScrolledTo(cell);
  if (scrolled.Col == leftCol_ && scrolled.Row == topRow_) return;
  leftCol_ = scrolled.Col;
  topRow_ = scrolled.Row;
  UpdateScrollBars();
  PlaceEditor();
  viewport()->update();
}

bool GridWidget::HoldsFocus() const { return hasFocus() || (editor_ && editor_->hasFocus()); }

bool GridWidget::IsCellHighlighted(int col, int row) const {
  if (col < model_.FixedCols() || row < model_.FixedRows()) return false;
  const GridCoord cell{col, row};
  if (!model_.Selection().Contains(cell)) return false;
  if (HoldsFocus() && cell == model_.Current() && !options_.DrawFocusSelected) return false;
  return true;
}

// The focus decides whether the current cell shows highlighted or framed.
void GridWidget::focusInEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusInEvent(event);
  viewport()->update();
  AnnounceSelection(MovedBy::Window);
  // The learner who comes in by Tab or the mouse hears the table and then the
  // cell they stand on: the cell's focus goes out after Qt's own focus event
  // for the table, which would drown it otherwise. A step that moves the
  // focus here says what it did itself (the window's announcer).
  switch (event->reason()) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::MouseFocusReason:
    case Qt::ShortcutFocusReason:
    case Qt::ActiveWindowFocusReason:
      QTimer::singleShot(0, this, [this] { AnnounceCurrentCell(); });
      break;
    default:
      break;
  }
}

void GridWidget::focusOutEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusOutEvent(event);
  viewport()->update();
  AnnounceSelection(MovedBy::Window);
}
