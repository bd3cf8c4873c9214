#pragma once
// A string grid shown like the classic desktop grid: fixed header rows and
// columns in the button-face colour, grid lines, a current cell and a range
// selection drawn highlighted, scrolling by whole cells, optional in-place
// editing and column sizing. It draws the cells of a StringGrid model and
// writes the user's moves and edits straight back into it; it makes no other
// decision.
//
// "Kopieren" (Ctrl+C) and "Alles markieren" (Ctrl+A), in its German context
// menu, copy the selection with its headers as text and as an HTML table and
// select every cell. A screen reader sees a table of cells under their headers
// and follows the selection, the current cell and every change of the cells;
// each cell reports where it stands on the screen. Where Tab walks the cells,
// Ctrl+Tab and Ctrl+Shift+Tab leave the grid.
//
// Only the visible cells are painted, and of each cell only as much text as can
// fit, so cells of tens of thousands of characters cost no more than short ones.
//
// The class is defined in several files, one for each thing it does:
//   GridWidget.cpp      syncing with the model, scrolling, the highlight
//   GridGeometry.h      where the cells stand, without a widget
//   GridPainting.cpp    drawing the cells
//   GridNavigation.cpp  moving the current cell and selecting by keys and mouse,
//                       sizing columns
//   GridEditor.cpp      the in-place editor
//   GridClipboard.cpp   copying and selecting all, the context menu
//   GridAccessible.cpp  what a screen reader reads and hears (CellPlace.h: how
//                       it says where a cell stands)

#include <QAbstractScrollArea>
#include <QList>

#include <cstdint>
#include <vector>

#include "toolkit/model/StringGrid.h"
#include "toolkit/view/grid/GridGeometry.h"

class QAction;
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
    // "Kopieren" takes the whole table, whatever is selected: for a table whose
    // selection the window's handlers place, as a step highlights its column.
    bool CopyWholeTable = false;
    // (With Tabs, Ctrl+Tab and Ctrl+Shift+Tab leave the grid at once.)
  };

  GridWidget(StringGrid& model, Options options, QWidget* parent = nullptr);

  // The cells this grid shows.
  const StringGrid& Model() const { return model_; }

  // The width a column is drawn with: the model's, as of the last Sync(), at
  // the zoom.
  int ColWidth(int col) const { return widths_.Of(col); }
  // The height of every row as designed; it is drawn at the zoom.
  void SetRowHeight(int height);
  int RowHeight() const { return rowHeight_; }  // as drawn

  // Cells, lines and scrolling at a zoom step (toolkit/model/Zoom.h); the
  // model's widths stay as designed, and a width the learner drags goes back
  // into the model at 100 %.
  void SetZoom(int percent);

  // Brings the widget up to date with the model: counts, cells, column widths
  // and selection. When the current cell has moved since the last call, it is
  // scrolled into view. A listening screen reader hears of every change once.
  void Sync();

  // Back to the first scrollable column and row, with the current cell then
  // brought into view, as a new grid shows itself.
  void ScrollToStart();

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
  // Whether the grid or its in-place editor has the keyboard focus.
  bool HoldsFocus() const;
  // Whether the learner can type into a cell.
  bool IsEditable(GridCoord cell) const;
  // The in-place editor, while it is open.
  QLineEdit* Editor() const;

  // "Kopieren": the selection (or the whole table) with its header cells onto
  // the clipboard as tab-separated text and as an HTML table. Changes nothing.
  void CopySelection() const;
  // "Alles markieren": every cell outside the fixed rows and columns, the
  // current cell staying where it is.
  void SelectAll();
  // An entry of the window's own for the context menu, after a line under
  // the grid's own ("Drucken …").
  void AddMenuAction(QAction* action);

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
  void contextMenuEvent(QContextMenuEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  bool focusNextPrevChild(bool next) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  GridGeometry Geometry() const;
  void UpdateScrollBars();
  void ApplyColWidths();
  void ScrollIntoView(GridCoord cell);
  // GridNavigation.cpp
  void MoveCurrent(GridCoord cell, bool extend);
  void LeaveByKeyboard(bool forward);  // to the next or previous control
  // GridEditor.cpp
  void OpenEditor(const QString* replaceWith);
  void CloseEditor();
  void PlaceEditor();
  // GridPainting.cpp
  void PaintCell(class QPainter& painter, int col, int row, const QRect& rect) const;
  // GridClipboard.cpp
  void MakeActions();
  void ShowMenu(QPoint viewportPos);
  void ShowMenuAtCurrentCell();  // opened from the keyboard
  // GridAccessible.cpp. A screen reader asks Qt's factory for the grid's
  // table; the constructor registers it.
  static void InstallAccessibility();
  // Tell a listening screen reader what changed since it was last told;
  // nothing while none listens. AnnounceSelection covers the highlighted cells
  // and, while the grid has the focus, the current cell, unless the window's
  // handlers moved it (a step, a run: they say what they did themselves, and
  // a cell's focus would start the screen reader reading the whole row).
  // AnnounceCurrentCell names the current cell as the focus.
  void AnnounceCells(bool countsChanged);
  enum class MovedBy { Learner, Window };
  void AnnounceSelection(MovedBy by = MovedBy::Learner);
  void AnnounceCurrentCell();

  StringGrid& model_;
  Options options_;
  ColumnWidths widths_;  // as applied from the model, at the zoom
  int designedRowHeight_ = 24;
  int rowHeight_ = 24;   // at the zoom
  int zoom_ = 100;
  int leftCol_ = 0;
  int topRow_ = 0;
  std::uint64_t syncedSelection_ = ~std::uint64_t{0};
  std::uint64_t syncedCells_ = ~std::uint64_t{0};
  std::uint64_t syncedWidths_ = ~std::uint64_t{0};
  int syncedColCount_ = -1;
  int syncedRowCount_ = -1;
  QLineEdit* editor_ = nullptr;
  GridCoord editing_{-1, -1};
  QString textBeforeEdit_;
  int sizingCol_ = -1;  // column being resized by the mouse
  int sizingStartX_ = 0;
  int sizingStartWidth_ = 0;
  bool selecting_ = false;
  QAction* copy_ = nullptr;       // "Kopieren"
  QAction* selectAll_ = nullptr;  // "Alles markieren"
  class QMenu* menu_ = nullptr;   // the context menu, made once
  QList<QAction*> windowActions_;  // the window's entries in it
  // The highlighted cells a screen reader was last told of: the selection cut
  // to the cells outside the fixed rows and columns (or nothing), but for the
  // current cell where the focus frame stands in place of the highlight.
  GridRect announcedCells_{0, 0, -1, -1};
  GridCoord announcedHole_{-1, -1};
};
