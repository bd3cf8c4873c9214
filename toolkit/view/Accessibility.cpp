#include "toolkit/view/Accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeySequence>
#include <QLineEdit>
#include <QPointer>

#include "toolkit/view/GridWidget.h"
#include "toolkit/view/QtText.h"
#include "toolkit/view/UpDownWidget.h"

namespace {

bool HoldsFocus(const GridWidget* grid) {
  return grid->hasFocus() || (grid->Editor() && grid->Editor()->hasFocus());
}

// The grid's current cell, wherever it moves: one object that a screen reader
// can focus and read, named by the cell's text and described by its place.
class CurrentCellAccessible : public QAccessibleInterface {
 public:
  explicit CurrentCellAccessible(GridWidget* grid) : grid_(grid) {}

  bool isValid() const override { return !grid_.isNull(); }
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
    if (!grid_) return {};
    const StringGrid& cells = grid_->Model();
    const GridCoord cell = cells.Current();
    switch (t) {
      case QAccessible::Name:
      case QAccessible::Value:
        return ToQString(cells.Cell(cell.Col, cell.Row));
      case QAccessible::Description:
        return CellPlace(cells, cell);
      default:
        return {};
    }
  }
  void setText(QAccessible::Text, const QString&) override {}

  QRect rect() const override {
    if (!grid_) return {};
    const GridCoord cell = grid_->Model().Current();
    const QRect local = grid_->CellRect(cell.Col, cell.Row);
    if (local.isEmpty()) return {};
    return QRect(grid_->viewport()->mapToGlobal(local.topLeft()), local.size());
  }
  QAccessible::Role role() const override { return QAccessible::Cell; }
  QAccessible::State state() const override {
    QAccessible::State state;
    if (!grid_) {
      state.invalid = true;
      return state;
    }
    const GridCoord cell = grid_->Model().Current();
    state.focusable = true;
    state.focused = HoldsFocus(grid_);
    state.selectable = true;
    state.selected = grid_->IsCellHighlighted(cell.Col, cell.Row);
    state.invisible = grid_->CellRect(cell.Col, cell.Row).isEmpty();
    return state;
  }

 private:
  QPointer<GridWidget> grid_;
};

// A string grid as a table with one child, its current cell. Scroll bars and
// the in-place editor are left out: the editor announces itself when it opens.
class GridAccessible : public QAccessibleWidget {
 public:
  explicit GridAccessible(GridWidget* grid)
      : QAccessibleWidget(grid, QAccessible::Table), cell_(new CurrentCellAccessible(grid)) {
    cellId_ = QAccessible::registerAccessibleInterface(cell_);
  }
  ~GridAccessible() override { QAccessible::deleteAccessibleInterface(cellId_); }

  int childCount() const override { return 1; }
  QAccessibleInterface* child(int index) const override { return index == 0 ? cell_ : nullptr; }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return child == cell_ ? 0 : -1;
  }
  QAccessibleInterface* focusChild() const override {
    return HoldsFocus(static_cast<GridWidget*>(widget())) ? cell_ : nullptr;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    return cell_->rect().contains(x, y) ? cell_ : nullptr;
  }

 private:
  CurrentCellAccessible* cell_;  // owned by QAccessible's cache, under cellId_
  QAccessible::Id cellId_;
};

// An up-down spinner as a spin box: its position, its range, and the arrows
// as the increase and decrease actions, which click them as the user would.
class UpDownAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
 public:
  explicit UpDownAccessible(UpDownWidget* spinner)
      : QAccessibleWidget(spinner, QAccessible::SpinBox) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return QString::number(Spinner()->Position());
    return QAccessibleWidget::text(t);
  }
  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
  }

  QVariant currentValue() const override { return Spinner()->Position(); }
  QVariant maximumValue() const override { return Spinner()->Maximum(); }
  QVariant minimumValue() const override { return Spinner()->Minimum(); }
  QVariant minimumStepSize() const override { return 1; }
  // Clicks the arrow towards the wanted position until the spinner stands
  // there or stops moving, so every step raises the handler as a click would.
  void setCurrentValue(const QVariant& value) override {
    const int wanted = value.toInt();
    for (int last = -1; Spinner()->Position() != wanted && Spinner()->Position() != last;) {
      last = Spinner()->Position();
      Spinner()->Press(wanted > last);
    }
  }

  QStringList actionNames() const override {
    return QStringList{increaseAction(), decreaseAction()} + QAccessibleWidget::actionNames();
  }
  void doAction(const QString& action) override {
    if (action == increaseAction())
      Spinner()->Press(true);
    else if (action == decreaseAction())
      Spinner()->Press(false);
    else
      QAccessibleWidget::doAction(action);
  }
  QStringList keyBindingsForAction(const QString& action) const override {
    if (action == increaseAction()) return {QKeySequence(Qt::Key_Up).toString()};
    if (action == decreaseAction()) return {QKeySequence(Qt::Key_Down).toString()};
    return QAccessibleWidget::keyBindingsForAction(action);
  }

 private:
  UpDownWidget* Spinner() const { return static_cast<UpDownWidget*>(widget()); }
};

QAccessibleInterface* ToolkitInterface(const QString& className, QObject* object) {
  if (className == QLatin1String("GridWidget"))
    if (auto* grid = qobject_cast<GridWidget*>(object)) return new GridAccessible(grid);
  if (className == QLatin1String("UpDownWidget"))
    if (auto* spinner = qobject_cast<UpDownWidget*>(object)) return new UpDownAccessible(spinner);
  return nullptr;
}

}  // namespace

QString CellPlace(const StringGrid& cells, GridCoord cell) {
  QStringList place;
  if (cells.FixedCols() > 0 && cell.Col >= cells.FixedCols()) {
    const QString header = ToQString(cells.Cell(0, cell.Row)).trimmed();
    place << QStringLiteral("Zeile %1").arg(header.isEmpty() ? QString::number(cell.Row) : header);
  } else if (cells.FixedCols() == 0 && cells.RowCount() - cells.FixedRows() > 1) {
    // Without a header column rows are counted; a cipher table's one row needs no number.
    place << QStringLiteral("Zeile %1").arg(cell.Row);
  }
  if (cells.FixedRows() > 0 && cell.Row >= cells.FixedRows()) {
    const QString header = ToQString(cells.Cell(cell.Col, 0)).trimmed();
    place << QStringLiteral("Spalte %1")
                 .arg(header.isEmpty() ? QString::number(cell.Col + 1) : header);
  } else if (cells.FixedRows() == 0) {
    place << QStringLiteral("Spalte %1").arg(cell.Col + 1);
  }
  if (cell.Col < cells.FixedCols() || cell.Row < cells.FixedRows())
    place << QStringLiteral("Kopfzelle");
  return place.join(QStringLiteral(", "));
}

void InstallToolkitAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(ToolkitInterface);
    return true;
  }();
  (void)installed;
}

void AnnounceCurrentCell(GridWidget* grid) {
  // Qt delivers nothing while no screen reader listens; the interfaces need
  // not even be made then.
  if (!QAccessible::isActive()) return;
  QAccessibleInterface* table = QAccessible::queryAccessibleInterface(grid);
  QAccessibleInterface* cell = table ? table->child(0) : nullptr;
  if (!cell) return;
  QAccessibleEvent renamed(cell, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&renamed);
  if (HoldsFocus(grid)) {
    QAccessibleEvent focus(cell, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
  }
}
