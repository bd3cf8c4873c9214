#pragma once
// A string grid shown like the classic desktop grid: fixed header rows and
// columns in the button-face colour, grid lines, a current cell and a range
// selection drawn highlighted, scrolling by whole cells, optional in-place
// editing and column sizing. It draws the cells of a StringGrid model and
// writes the user's moves and edits straight back into it; it makes no other
// decision.
//
// A screen reader sees a table whose current cell is announced as it moves
// (Accessibility.h).
//
// Only the visible cells are painted, and of each cell only as much text as can
// fit, so cells of tens of thousands of characters cost no more than short ones.

#include <QAbstractScrollArea>

#include <cstdint>
#include <vector>

#include "toolkit/model/StringGrid.h"

class QLineEdit;

class GridWidget : public QAbstractScrollArea {
  Q_OBJECT

 public:
  struct Options {
    bool Editing = false;            // cells outside the fixed rows and columns can be typed over
    bool Tabs = false;               // Tab and Shift+Tab move from cell to cell
    bool RangeSelect = true;         // dragging or Shift+arrows select a rectangle
    bool ColSizing = false;          // the user can drag column borders in the fixed rows
    bool DrawFocusSelected = false;  // the current cell stays highlighted while focused
  };

  GridWidget(StringGrid& model, Options options, QWidget* parent = nullptr);

  // The cells this grid shows.
  const StringGrid& Model() const { return model_; }

  // The width a column is drawn with: the model's, as of the last Sync().
  int ColWidth(int col) const { return widths_.Of(col); }
  void SetRowHeight(int height);
  int RowHeight() const { return rowHeight_; }

  // Brings the widget up to date with the model: counts, cells, column widths
  // and selection. When the current cell has moved since the last call, it is
  // scrolled into view.
  void Sync();

  // The first scrollable column and row on screen.
  int LeftCol() const { return leftCol_; }
  int TopRow() const { return topRow_; }
  // A cell's rectangle in viewport coordinates (without its grid lines), or an
  // empty rectangle when the cell is scrolled out of view.
  QRect CellRect(int col, int row) const;
  // The cell under a viewport point, or {-1, -1}.
  GridCoord CellAt(QPoint point) const;
  // Whether a cell is drawn in the highlight colour right now.
  bool IsCellHighlighted(int col, int row) const;
  // The in-place editor, while it is open.
  QLineEdit* Editor() const;

 Q_SIGNALS:
  // The user typed into a cell; the model already holds the new text.
  void CellEdited(int col, int row);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  bool focusNextPrevChild(bool next) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  int ColX(int col) const;  // -1 when scrolled out of view
  int RowY(int row) const;
  int LastFullyVisibleCol() const;
  int LastFullyVisibleRow() const;
  int MaxLeftCol() const;
  int MaxTopRow() const;
  void UpdateScrollBars();
  void ApplyColWidths();
  void ScrollIntoView(GridCoord cell);
  void MoveCurrent(GridCoord cell, bool extend);
  bool IsEditable(GridCoord cell) const;
  void OpenEditor(const QString* replaceWith);
  void CloseEditor();
  void PlaceEditor();
  int ColumnBorderAt(QPoint point) const;  // the column whose right border is under point, or -1
  void PaintCell(class QPainter& painter, int col, int row, const QRect& rect) const;

  StringGrid& model_;
  Options options_;
  ColumnWidths widths_;  // as applied from the model
  int rowHeight_ = 24;
  int leftCol_ = 0;
  int topRow_ = 0;
  std::uint64_t syncedSelection_ = ~std::uint64_t{0};
  std::uint64_t syncedCells_ = ~std::uint64_t{0};
  std::uint64_t syncedWidths_ = ~std::uint64_t{0};
  QLineEdit* editor_ = nullptr;
  GridCoord editing_{-1, -1};
  QString textBeforeEdit_;
  int sizingCol_ = -1;  // column being resized by the mouse
  int sizingStartX_ = 0;
  int sizingStartWidth_ = 0;
  bool selecting_ = false;
};
