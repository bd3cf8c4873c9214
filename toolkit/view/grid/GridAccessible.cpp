// The grid as a screen reader meets it: a table whose children are its cells,
// row by row, the fixed ones included, as Qt lays out the tables of its own
// item views. A cell's object is made when a client first asks for it and kept
// until the counts change; its text is read from the model at every question
// and never copied beforehand, so a cell of 65,535 characters costs nothing
// until it is read, and then is read whole.
//
// While a screen reader listens, the grid tells it what changed, once per
// change of the model: the cells (a run, a new shift, an option, a sort, a
// tolerance click), the highlighted cells and the current cell, which takes
// the focus while the grid has it.
#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>

#include <algorithm>
#include <unordered_map>

#include "toolkit/view/grid/CellPlace.h"
#include "toolkit/view/grid/GridWidget.h"
#include "toolkit/view/text/QtText.h"
#include "toolkit/view/widgets/ScreenReader.h"

namespace {

// The cells outside the fixed rows and columns that the selection covers.
GridRect SelectedBody(const StringGrid& cells) {
  return cells.Selection().Within(cells.Body());
}

// The one cell of the selection that shows no highlight: the current cell,
// framed while the grid has the focus (unless the grid highlights it anyway).
GridCoord HighlightHole(const GridWidget& grid, const GridRect& selected) {
  const GridCoord current = grid.Model().Current();
  if (selected.Contains(current) && !grid.IsCellHighlighted(current.Col, current.Row))
    return current;
  return {-1, -1};
}

int Area(const GridRect& rect) {
  return std::max(0, rect.Right - rect.Left + 1) * std::max(0, rect.Bottom - rect.Top + 1);
}

bool InGrid(const StringGrid& cells, GridCoord cell) {
  return cell.Col >= 0 && cell.Row >= 0 && cell.Col < cells.ColCount() &&
         cell.Row < cells.RowCount();
}

// The table's child for a cell of the grid, or nullptr.
QAccessibleInterface* CellInterface(const QAccessibleInterface* table, const StringGrid& cells,
                                    GridCoord cell) {
  if (!table || !InGrid(cells, cell)) return nullptr;
  return table->child(cell.Row * cells.ColCount() + cell.Col);
}

// One cell of a grid. A cell outside the fixed rows and columns is a table
// cell with its row and column among those cells; a cell of the fixed row is
// a column header, one of the fixed column a row header. Each is named by its
// text and described by its place.
class CellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
 public:
  CellAccessible(GridWidget* grid, GridCoord cell) : grid_(grid), cell_(cell) {}

  const GridWidget* Grid() const { return grid_; }
  GridCoord Cell() const { return cell_; }

  bool isValid() const override { return grid_ && InGrid(grid_->Model(), cell_); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return grid_ ? grid_->window()->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override {
    return grid_ ? QAccessible::queryAccessibleInterface(grid_.data()) : nullptr;
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }

  QString text(QAccessible::Text t) const override {
    if (!isValid()) return {};
    switch (t) {
      case QAccessible::Name:
      case QAccessible::Value:
        return ToQString(grid_->Model().Cell(cell_.Col, cell_.Row));
      case QAccessible::Description:
        return CellPlace(grid_->Model(), cell_);
      default:
        return {};
    }
  }
  void setText(QAccessible::Text, const QString&) override {}

  QRect rect() const override {
    if (!isValid()) return {};
    const QRect local = grid_->CellRect(cell_.Col, cell_.Row);
    if (local.isEmpty()) return {};
    return QRect(grid_->viewport()->mapToGlobal(local.topLeft()), local.size());
  }

  QAccessible::Role role() const override {
    if (!grid_) return QAccessible::Cell;
    const StringGrid& cells = grid_->Model();
    if (cell_.Row < cells.FixedRows()) return QAccessible::ColumnHeader;
    if (cell_.Col < cells.FixedCols()) return QAccessible::RowHeader;
    return QAccessible::Cell;
  }

  QAccessible::State state() const override {
    QAccessible::State state;
    if (!isValid()) {
      state.invalid = true;
      return state;
    }
    const bool body = role() == QAccessible::Cell;
    state.focusable = body;
    state.focused = grid_->HoldsFocus() && cell_ == grid_->Model().Current();
    state.selectable = body;
    state.selected = grid_->IsCellHighlighted(cell_.Col, cell_.Row);
    state.editable = grid_->IsEditable(cell_);
    state.readOnly = !state.editable;
    state.offscreen = grid_->CellRect(cell_.Col, cell_.Row).isEmpty();
    return state;
  }

  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::TableCellInterface && role() == QAccessible::Cell)
      return static_cast<QAccessibleTableCellInterface*>(this);
    return nullptr;
  }

  bool isSelected() const override {
    return grid_ && grid_->IsCellHighlighted(cell_.Col, cell_.Row);
  }
  QList<QAccessibleInterface*> columnHeaderCells() const override {
    QList<QAccessibleInterface*> headers;
    if (!isValid()) return headers;
    for (int row = 0; row < std::min(grid_->Model().FixedRows(), cell_.Row); ++row)
      if (QAccessibleInterface* header = CellInterface(parent(), grid_->Model(), {cell_.Col, row}))
        headers << header;
    return headers;
  }
  QList<QAccessibleInterface*> rowHeaderCells() const override {
    QList<QAccessibleInterface*> headers;
    if (!isValid()) return headers;
    for (int col = 0; col < std::min(grid_->Model().FixedCols(), cell_.Col); ++col)
      if (QAccessibleInterface* header = CellInterface(parent(), grid_->Model(), {col, cell_.Row}))
        headers << header;
    return headers;
  }
  int columnIndex() const override { return grid_ ? cell_.Col - grid_->Model().FixedCols() : -1; }
  int rowIndex() const override { return grid_ ? cell_.Row - grid_->Model().FixedRows() : -1; }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override { return parent(); }

 private:
  QPointer<GridWidget> grid_;
  GridCoord cell_;
};

// A string grid as a table. Scroll bars and the in-place editor are left out
// of its children: the editor announces itself when it opens.
class GridAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
 public:
  explicit GridAccessible(GridWidget* grid) : QAccessibleWidget(grid, QAccessible::Table) {}
  ~GridAccessible() override { Forget(); }

  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
  }

  int childCount() const override { return Cells().ColCount() * Cells().RowCount(); }

  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= childCount()) return nullptr;
    Refresh();
    if (const auto found = made_.find(index); found != made_.end()) {
      if (QAccessibleInterface* made = QAccessible::accessibleInterface(found->second)) return made;
      made_.erase(found);
    }
    const int cols = Cells().ColCount();
    auto* cell = new CellAccessible(Grid(), {index % cols, index / cols});
    made_[index] = QAccessible::registerAccessibleInterface(cell);
    return cell;
  }

  int indexOfChild(const QAccessibleInterface* child) const override {
    const auto* cell = dynamic_cast<const CellAccessible*>(child);
    if (!cell || cell->Grid() != Grid() || !InGrid(Cells(), cell->Cell())) return -1;
    return cell->Cell().Row * Cells().ColCount() + cell->Cell().Col;
  }

  QAccessibleInterface* childAt(int x, int y) const override {
    const GridCoord cell = Grid()->CellAt(Grid()->viewport()->mapFromGlobal(QPoint(x, y)));
    return CellInterface(this, Cells(), cell);
  }

  QAccessibleInterface* focusChild() const override {
    if (!Grid()->HoldsFocus()) return nullptr;
    return CellInterface(this, Cells(), Cells().Current());
  }

  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }

  int rowCount() const override { return std::max(0, Cells().RowCount() - Cells().FixedRows()); }
  int columnCount() const override { return std::max(0, Cells().ColCount() - Cells().FixedCols()); }

  QAccessibleInterface* cellAt(int row, int column) const override {
    if (row < 0 || column < 0 || row >= rowCount() || column >= columnCount()) return nullptr;
    return child((row + Cells().FixedRows()) * Cells().ColCount() + column + Cells().FixedCols());
  }

  QString columnDescription(int column) const override {
    if (Cells().FixedRows() == 0 || column < 0 || column >= columnCount()) return {};
    return ToQString(Cells().Cell(column + Cells().FixedCols(), 0));
  }
  QString rowDescription(int row) const override {
    if (Cells().FixedCols() == 0 || row < 0 || row >= rowCount()) return {};
    return ToQString(Cells().Cell(0, row + Cells().FixedRows()));
  }

  // The selection is what the learner sees highlighted: never more than the
  // selection's rectangle, so no question walks the whole table.
  int selectedCellCount() const override { return static_cast<int>(selectedCells().size()); }
  QList<QAccessibleInterface*> selectedCells() const override {
    QList<QAccessibleInterface*> cells;
    const GridRect rect = SelectedBody(Cells());
    for (int row = rect.Top; row <= rect.Bottom; ++row)
      for (int col = rect.Left; col <= rect.Right; ++col)
        if (Grid()->IsCellHighlighted(col, row)) cells << CellInterface(this, Cells(), {col, row});
    return cells;
  }
  QList<int> selectedColumns() const override {
    QList<int> columns;
    const GridRect rect = SelectedBody(Cells());
    for (int col = rect.Left; col <= rect.Right; ++col)
      if (isColumnSelected(col - Cells().FixedCols())) columns << col - Cells().FixedCols();
    return columns;
  }
  QList<int> selectedRows() const override {
    QList<int> rows;
    const GridRect rect = SelectedBody(Cells());
    for (int row = rect.Top; row <= rect.Bottom; ++row)
      if (isRowSelected(row - Cells().FixedRows())) rows << row - Cells().FixedRows();
    return rows;
  }
  int selectedColumnCount() const override { return static_cast<int>(selectedColumns().size()); }
  int selectedRowCount() const override { return static_cast<int>(selectedRows().size()); }
  bool isColumnSelected(int column) const override {
    if (column < 0 || column >= columnCount() || rowCount() == 0) return false;
    const int col = column + Cells().FixedCols();
    for (int row = Cells().FixedRows(); row < Cells().RowCount(); ++row)
      if (!Grid()->IsCellHighlighted(col, row)) return false;
    return true;
  }
  bool isRowSelected(int row) const override {
    if (row < 0 || row >= rowCount() || columnCount() == 0) return false;
    const int r = row + Cells().FixedRows();
    for (int col = Cells().FixedCols(); col < Cells().ColCount(); ++col)
      if (!Grid()->IsCellHighlighted(col, r)) return false;
    return true;
  }
  // The learner selects with the keyboard and the mouse; a client does not.
  bool selectRow(int) override { return false; }
  bool selectColumn(int) override { return false; }
  bool unselectRow(int) override { return false; }
  bool unselectColumn(int) override { return false; }

  void modelChange(QAccessibleTableModelChangeEvent* event) override {
    if (event->modelChangeType() != QAccessibleTableModelChangeEvent::DataChanged) Forget();
  }

 private:
  GridWidget* Grid() const { return static_cast<GridWidget*>(widget()); }
  const StringGrid& Cells() const { return Grid()->Model(); }

  // A child index stands for another cell once the counts change.
  void Refresh() const {
    if (Cells().ColCount() == madeCols_ && Cells().RowCount() == madeRows_) return;
    Forget();
    madeCols_ = Cells().ColCount();
    madeRows_ = Cells().RowCount();
  }
  void Forget() const {
    for (const auto& [index, id] : made_) QAccessible::deleteAccessibleInterface(id);
    made_.clear();
  }

  // The cell objects made so far, by child index; owned by Qt's cache.
  mutable std::unordered_map<int, QAccessible::Id> made_;
  mutable int madeCols_ = -1;
  mutable int madeRows_ = -1;
};

QAccessibleInterface* GridInterface(const QString& className, QObject* object) {
  if (className == QLatin1String("GridWidget"))
    if (auto* grid = qobject_cast<GridWidget*>(object)) return new GridAccessible(grid);
  return nullptr;
}

}  // namespace

void GridWidget::InstallAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(GridInterface);
    return true;
  }();
  (void)installed;
}

void GridWidget::AnnounceCells(bool countsChanged) {
  // Qt delivers nothing while no screen reader listens; the objects need not
  // even be made then.
  if (!ScreenReaderListens()) return;
  QAccessibleInterface* table = QAccessible::queryAccessibleInterface(this);
  if (!table) return;
  QAccessibleTableModelChangeEvent event(
      this, countsChanged ? QAccessibleTableModelChangeEvent::ModelReset
                          : QAccessibleTableModelChangeEvent::DataChanged);
  if (!countsChanged) {
    QAccessibleTableInterface* cells = table->tableInterface();
    event.setFirstRow(0);
    event.setFirstColumn(0);
    event.setLastRow(cells->rowCount() - 1);
    event.setLastColumn(cells->columnCount() - 1);
  }
  TellScreenReader(event);
  if (countsChanged) {
    // The reset tells of every cell anew.
    announcedCells_ = SelectedBody(model_);
    announcedHole_ = HighlightHole(*this, announcedCells_);
  }
  // A sort or a new shift can give the current cell a new text: a screen
  // reader standing on it reads it again.
  if (QAccessibleInterface* current = CellInterface(table, model_, model_.Current())) {
    QAccessibleEvent renamed(current, QAccessible::NameChanged);
    TellScreenReader(renamed);
  }
}

void GridWidget::AnnounceSelection(MovedBy by) {
  if (!ScreenReaderListens()) return;
  QAccessibleInterface* table = QAccessible::queryAccessibleInterface(this);
  if (!table) return;
  const GridRect wasCells = announcedCells_;
  const GridCoord wasHole = announcedHole_;
  announcedCells_ = SelectedBody(model_);
  announcedHole_ = HighlightHole(*this, announcedCells_);
  if (!(wasCells == announcedCells_ && wasHole == announcedHole_)) {
    // A step moves one highlighted cell: each cell that leaves or joins the
    // highlight says so. "Alles markieren" in a large table is one event.
    constexpr int kFewCells = 64;
    if (Area(wasCells) + Area(announcedCells_) <= kFewCells) {
      auto tell = [&](const GridRect& cells, QAccessible::Event type) {
        for (int row = cells.Top; row <= cells.Bottom; ++row)
          for (int col = cells.Left; col <= cells.Right; ++col) {
            const GridCoord cell{col, row};
            const bool was = wasCells.Contains(cell) && !(cell == wasHole);
            const bool is = announcedCells_.Contains(cell) && !(cell == announcedHole_);
            if (was == is || is != (type == QAccessible::SelectionAdd)) continue;
            if (QAccessibleInterface* iface = CellInterface(table, model_, cell)) {
              QAccessibleEvent event(iface, type);
              TellScreenReader(event);
            }
          }
      };
      tell(wasCells, QAccessible::SelectionRemove);
      tell(announcedCells_, QAccessible::SelectionAdd);
    } else {
      QAccessibleEvent within(this, QAccessible::SelectionWithin);
      TellScreenReader(within);
    }
  }
  if (by == MovedBy::Learner) AnnounceCurrentCell();
}

void GridWidget::AnnounceCurrentCell() {
  if (!ScreenReaderListens() || !HoldsFocus()) return;
  QAccessibleInterface* table = QAccessible::queryAccessibleInterface(this);
  if (QAccessibleInterface* current = CellInterface(table, model_, model_.Current())) {
    QAccessibleEvent focus(current, QAccessible::Focus);
    TellScreenReader(focus);
  }
}
