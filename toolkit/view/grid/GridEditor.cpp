// The in-place editor: a borderless field over the current cell that writes
// every keystroke into the model, Escape taking the cell back to the text it
// had when the editor opened.
#include <QKeyEvent>
#include <QLineEdit>

#include <limits>

#include "toolkit/view/grid/CellPlace.h"
#include "toolkit/view/grid/GridWidget.h"
#include "toolkit/view/text/OneLineValidator.h"
#include "toolkit/view/text/QtText.h"

bool GridWidget::IsEditable(GridCoord cell) const {
  return options_.Editing && cell.Col >= model_.FixedCols() && cell.Row >= model_.FixedRows() &&
         cell.Col < model_.ColCount() && cell.Row < model_.RowCount();
}

QLineEdit* GridWidget::Editor() const {
  return editor_ && editor_->isVisible() ? editor_ : nullptr;
}

void GridWidget::OpenEditor(const QString* replaceWith) {
  const GridCoord cell = model_.Current();
  if (!IsEditable(cell)) return;
  if (!editor_) {
    editor_ = new QLineEdit(viewport());
    editor_->setObjectName(QStringLiteral("InplaceEditor"));
    editor_->setFrame(false);
    editor_->setTextMargins(0, 0, 0, 0);
    editor_->setContentsMargins(0, 0, 0, 0);
    editor_->setFocusPolicy(Qt::ClickFocus);
    editor_->setMaxLength(std::numeric_limits<int>::max());
    editor_->setValidator(new OneLineValidator(static_cast<int>(kMaxFieldLength), editor_));
    editor_->installEventFilter(this);
    // Typing and an assistive tool alike; the grid's own writes change nothing.
    connect(editor_, &QLineEdit::textChanged, this, [this](const QString& text) {
      if (editing_.Col < 0) return;
      if (const auto bytes = FromQString(text);
          bytes && *bytes != model_.Cell(editing_.Col, editing_.Row)) {
        model_.SetCell(editing_.Col, editing_.Row, *bytes);
        syncedCells_ = model_.Revision();
        Q_EMIT CellEdited(editing_.Col, editing_.Row);
      }
    });
    connect(editor_, &QLineEdit::editingFinished, this, [this] {
      if (editor_->isVisible() && !editor_->hasFocus()) CloseEditor();
    });
  }
  editing_ = cell;
  textBeforeEdit_ = ToQString(model_.Cell(cell.Col, cell.Row));
  editor_->setFont(font());
  editor_->setAccessibleName(accessibleName());
  editor_->setAccessibleDescription(CellPlace(model_, cell));
  editor_->setText(textBeforeEdit_);
  PlaceEditor();
  editor_->show();
  editor_->setFocus(Qt::OtherFocusReason);
  if (replaceWith) {
    editor_->setText(*replaceWith);
  } else {
    editor_->selectAll();
  }
  viewport()->update();
}

void GridWidget::CloseEditor() {
  if (!editor_ || !editor_->isVisible()) return;
  // The grid takes the focus before the editor goes: a focused widget that
  // hides passes the focus on as Tab does, and Tab walks the cells, so Enter
  // would move the current cell on.
  if (editor_->hasFocus()) setFocus(Qt::OtherFocusReason);
  editor_->hide();
  editing_ = {-1, -1};
  viewport()->update();
}

void GridWidget::PlaceEditor() {
  if (!editor_ || !editor_->isVisible()) return;
  const QRect rect = CellRect(editing_.Col, editing_.Row);
  if (rect.isEmpty()) {
    editor_->setGeometry(-1000, -1000, 1, 1);  // scrolled away; keeps its text and focus
    return;
  }
  editor_->setGeometry(rect);
}

bool GridWidget::eventFilter(QObject* watched, QEvent* event) {
  if (watched != editor_ || event->type() != QEvent::KeyPress)
    return QAbstractScrollArea::eventFilter(watched, event);
  auto* key = static_cast<QKeyEvent*>(event);
  switch (key->key()) {
    case Qt::Key_Escape:  // back to the text the cell had when the editor opened
      if (const auto bytes = FromQString(textBeforeEdit_)) {
        model_.SetCell(editing_.Col, editing_.Row, *bytes);
        syncedCells_ = model_.Revision();
        Q_EMIT CellEdited(editing_.Col, editing_.Row);
      }
      CloseEditor();
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      CloseEditor();
      return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
      CloseEditor();
      keyPressEvent(key);
      return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      if (!(key->modifiers() & Qt::ControlModifier)) return false;
      keyPressEvent(key);  // Ctrl+Tab: out of the grid, the editor closed
      return true;
    default:
      return false;
  }
}
