#include "toolkit/view/GridWidget.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <algorithm>
#include <limits>

#include "toolkit/view/Accessibility.h"
#include "toolkit/view/OneLineValidator.h"
#include "toolkit/view/QtText.h"

namespace {

constexpr int kLine = 1;  // width of a grid line
const QColor kNormalLine(0xC0, 0xC0, 0xC0);

// No glyph of the window fonts is narrower than two pixels, so a cell can show
// at most this many characters; the rest of a long text is never laid out.
int VisibleCharacters(int width) { return width / 2 + 2; }

}  // namespace

GridWidget::GridWidget(StringGrid& model, Options options, QWidget* parent)
    : QAbstractScrollArea(parent), model_(model), options_(options) {
  InstallToolkitAccessibility();
  setFocusPolicy(Qt::StrongFocus);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  viewport()->setAutoFillBackground(true);
  viewport()->setBackgroundRole(QPalette::Base);
  viewport()->setMouseTracking(options_.ColSizing);
  leftCol_ = model_.FixedCols();
  topRow_ = model_.FixedRows();
  ApplyColWidths();
}

void GridWidget::ApplyColWidths() {
  widths_ = model_.ColWidths();
  syncedWidths_ = model_.WidthRevision();
  UpdateScrollBars();
  PlaceEditor();
  viewport()->update();
}

void GridWidget::SetRowHeight(int height) {
  rowHeight_ = height;
  UpdateScrollBars();
  viewport()->update();
}

void GridWidget::Sync() {
  if (model_.WidthRevision() != syncedWidths_) ApplyColWidths();
  if (model_.Revision() != syncedCells_) {
    syncedCells_ = model_.Revision();
    leftCol_ = std::clamp(leftCol_, model_.FixedCols(), std::max(model_.FixedCols(), MaxLeftCol()));
    topRow_ = std::clamp(topRow_, model_.FixedRows(), std::max(model_.FixedRows(), MaxTopRow()));
    UpdateScrollBars();
    if (editor_ && editor_->isVisible()) {
      const QString text = ToQString(model_.Cell(editing_.Col, editing_.Row));
      if (editor_->text() != text) editor_->setText(text);
    }
    viewport()->update();
  }
  if (model_.SelectionRevision() != syncedSelection_) {
    syncedSelection_ = model_.SelectionRevision();
    if (editor_ && editor_->isVisible() && !(model_.Current() == editing_)) CloseEditor();
    ScrollIntoView(model_.Current());
    viewport()->update();
    AnnounceCurrentCell(this);
  }
}

int GridWidget::ColX(int col) const {
  int x = 0;
  const int fixed = std::min(model_.FixedCols(), model_.ColCount());
  for (int c = 0; c < fixed; ++c) {
    if (c == col) return x;
    x += ColWidth(c) + kLine;
  }
  if (col < leftCol_) return -1;
  for (int c = leftCol_; c < col; ++c) x += ColWidth(c) + kLine;
  return x;
}

int GridWidget::RowY(int row) const {
  const int fixed = std::min(model_.FixedRows(), model_.RowCount());
  if (row < fixed) return row * (rowHeight_ + kLine);
  if (row < topRow_) return -1;
  return fixed * (rowHeight_ + kLine) + (row - topRow_) * (rowHeight_ + kLine);
}

QRect GridWidget::CellRect(int col, int row) const {
  if (col < 0 || row < 0 || col >= model_.ColCount() || row >= model_.RowCount()) return {};
  const int x = ColX(col);
  const int y = RowY(row);
  if (x < 0 || y < 0 || x >= viewport()->width() || y >= viewport()->height()) return {};
  return QRect(x, y, ColWidth(col), rowHeight_);
}

GridCoord GridWidget::CellAt(QPoint point) const {
  GridCoord cell{-1, -1};
  for (int c = 0; c < model_.ColCount(); ++c) {
    const int x = ColX(c);
    if (x < 0) continue;
    if (x > point.x()) break;
    if (point.x() < x + ColWidth(c) + kLine) {
      cell.Col = c;
      break;
    }
  }
  for (int r = 0; r < model_.RowCount(); ++r) {
    const int y = RowY(r);
    if (y < 0) continue;
    if (y > point.y()) break;
    if (point.y() < y + rowHeight_ + kLine) {
      cell.Row = r;
      break;
    }
  }
  if (cell.Col < 0 || cell.Row < 0) return {-1, -1};
  return cell;
}

int GridWidget::LastFullyVisibleCol() const {
  int last = leftCol_ - 1;
  for (int c = leftCol_; c < model_.ColCount(); ++c) {
    if (ColX(c) + ColWidth(c) > viewport()->width()) break;
    last = c;
  }
  return std::max(last, leftCol_);
}

int GridWidget::LastFullyVisibleRow() const {
  int last = topRow_ - 1;
  for (int r = topRow_; r < model_.RowCount(); ++r) {
    if (RowY(r) + rowHeight_ > viewport()->height()) break;
    last = r;
  }
  return std::max(last, topRow_);
}

int GridWidget::MaxLeftCol() const {
  int fixedWidth = 0;
  for (int c = 0; c < std::min(model_.FixedCols(), model_.ColCount()); ++c)
    fixedWidth += ColWidth(c) + kLine;
  int room = viewport()->width() - fixedWidth;
  int col = model_.ColCount();
  while (col > model_.FixedCols() && room >= ColWidth(col - 1)) {
    room -= ColWidth(col - 1) + kLine;
    --col;
  }
  return std::max(model_.FixedCols(), std::min(col, model_.ColCount() - 1));
}

int GridWidget::MaxTopRow() const {
  const int fixedHeight = std::min(model_.FixedRows(), model_.RowCount()) * (rowHeight_ + kLine);
  const int fit = std::max(1, (viewport()->height() - fixedHeight + kLine) / (rowHeight_ + kLine));
  return std::max(model_.FixedRows(), model_.RowCount() - fit);
}

void GridWidget::UpdateScrollBars() {
  const int fc = model_.FixedCols();
  const int fr = model_.FixedRows();
  horizontalScrollBar()->setRange(0, std::max(0, MaxLeftCol() - fc));
  horizontalScrollBar()->setPageStep(std::max(1, LastFullyVisibleCol() - leftCol_ + 1));
  horizontalScrollBar()->setValue(leftCol_ - fc);
  verticalScrollBar()->setRange(0, std::max(0, MaxTopRow() - fr));
  verticalScrollBar()->setPageStep(std::max(1, LastFullyVisibleRow() - topRow_ + 1));
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

void GridWidget::ScrollIntoView(GridCoord cell) {
  int left = leftCol_;
  if (cell.Col >= model_.FixedCols() && cell.Col < model_.ColCount()) {
    if (cell.Col < leftCol_) {
      leftCol_ = cell.Col;
    } else {
      while (leftCol_ < cell.Col && ColX(cell.Col) + ColWidth(cell.Col) > viewport()->width())
        ++leftCol_;
    }
  }
  int top = topRow_;
  if (cell.Row >= model_.FixedRows() && cell.Row < model_.RowCount()) {
    if (cell.Row < topRow_) {
      topRow_ = cell.Row;
    } else {
      while (topRow_ < cell.Row && RowY(cell.Row) + rowHeight_ > viewport()->height()) ++topRow_;
    }
  }
  if (left != leftCol_ || top != topRow_) {
    UpdateScrollBars();
    PlaceEditor();
    viewport()->update();
  }
}

bool GridWidget::IsEditable(GridCoord cell) const {
  return options_.Editing && cell.Col >= model_.FixedCols() && cell.Row >= model_.FixedRows() &&
         cell.Col < model_.ColCount() && cell.Row < model_.RowCount();
}

bool GridWidget::IsCellHighlighted(int col, int row) const {
  if (col < model_.FixedCols() || row < model_.FixedRows()) return false;
  const GridCoord cell{col, row};
  if (!model_.Selection().Contains(cell)) return false;
  const bool focused = hasFocus() || (editor_ && editor_->hasFocus());
  if (focused && cell == model_.Current() && !options_.DrawFocusSelected) return false;
  return true;
}

void GridWidget::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  const int width = viewport()->width();
  const int height = viewport()->height();
  auto paintRow = [&](int row) {
    const int y = RowY(row);
    const int fixedCols = std::min(model_.FixedCols(), model_.ColCount());
    for (int c = 0; c < fixedCols; ++c) PaintCell(painter, c, row, QRect(ColX(c), y, ColWidth(c), rowHeight_));
    for (int c = leftCol_; c < model_.ColCount(); ++c) {
      const int x = ColX(c);
      if (x >= width) break;
      PaintCell(painter, c, row, QRect(x, y, ColWidth(c), rowHeight_));
    }
  };
  for (int r = 0; r < std::min(model_.FixedRows(), model_.RowCount()); ++r) paintRow(r);
  for (int r = topRow_; r < model_.RowCount(); ++r) {
    if (RowY(r) >= height) break;
    paintRow(r);
  }
}

void GridWidget::PaintCell(QPainter& painter, int col, int row, const QRect& rect) const {
  const bool fixed = col < model_.FixedCols() || row < model_.FixedRows();
  const QPalette& pal = palette();
  // Lines are filled rectangles, not pen strokes: a stroke one pixel wide
  // straddles the pixel boundary on a scaled screen, where it would end up half
  // in the cell and half under the highlight; a rectangle covers exactly its
  // pixel at any scale.
  const QRect rightLine(rect.right() + 1, rect.top(), kLine, rect.height() + kLine);
  const QRect bottomLine(rect.left(), rect.bottom() + 1, rect.width() + kLine, kLine);
  if (fixed) {
    painter.fillRect(rect, pal.color(QPalette::Button));
    // A raised header: light top and left edges, dark lines right and below.
    painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), pal.color(QPalette::Light));
    painter.fillRect(QRect(rect.left(), rect.top(), 1, rect.height()), pal.color(QPalette::Light));
    painter.fillRect(rightLine, pal.color(QPalette::Dark));
    painter.fillRect(bottomLine, pal.color(QPalette::Dark));
  } else {
    painter.fillRect(rightLine, kNormalLine);
    painter.fillRect(bottomLine, kNormalLine);
  }
  const bool highlighted = IsCellHighlighted(col, row);
  if (highlighted) painter.fillRect(rect, pal.color(QPalette::Highlight));
  const bool editing = editor_ && editor_->isVisible() && editing_ == GridCoord{col, row};
  if (!editing) {
    const std::string& text = model_.Cell(col, row);
    if (!text.empty()) {
      const std::size_t shown = std::min<std::size_t>(text.size(), VisibleCharacters(rect.width()));
      painter.setPen(pal.color(highlighted ? QPalette::HighlightedText
                               : fixed     ? QPalette::ButtonText
                                           : QPalette::Text));
      painter.save();
      painter.setClipRect(rect);
      painter.drawText(rect.adjusted(2, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                       ToQString(std::string_view(text).substr(0, shown)));
      painter.restore();
    }
  }
  const bool focused = hasFocus();
  if (focused && !fixed && !editing && GridCoord{col, row} == model_.Current()) {
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = rect;
    option.backgroundColor = pal.color(highlighted ? QPalette::Highlight : QPalette::Base);
    // Styles draw the rectangle only after keyboard navigation; without it a
    // cell clicked with the mouse would show no sign of being the current one.
    option.state |= QStyle::State_KeyboardFocusChange;
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
  }
}

void GridWidget::MoveCurrent(GridCoord cell, bool extend) {
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
  AnnounceCurrentCell(this);
}

int GridWidget::ColumnBorderAt(QPoint point) const {
  if (!options_.ColSizing) return -1;
  const int headerBottom = std::min(model_.FixedRows(), model_.RowCount()) * (rowHeight_ + kLine);
  if (point.y() >= headerBottom) return -1;
  for (int c = 0; c < model_.ColCount(); ++c) {
    const int x = ColX(c);
    if (x < 0) continue;
    const int border = x + ColWidth(c);
    if (std::abs(point.x() - border) <= 2) return c;
    if (border > point.x() + 2) break;
  }
  return -1;
}

void GridWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPoint pos = viewport()->mapFrom(this, event->position().toPoint());
  const int border = ColumnBorderAt(pos);
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
    model_.SetColWidth(sizingCol_, std::max(1, sizingStartWidth_ + pos.x() - sizingStartX_));
    ApplyColWidths();
    return;
  }
  if (options_.ColSizing)
    viewport()->setCursor(ColumnBorderAt(pos) >= 0 ? Qt::SplitHCursor : Qt::ArrowCursor);
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

bool GridWidget::focusNextPrevChild(bool next) {
  // Tab walks the cells while there is a cell to go to, then leaves the grid
  // like any other control, so the keyboard never gets trapped.
  if (options_.Tabs && (hasFocus() || (editor_ && editor_->hasFocus()))) {
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
  if (cell.Col < model_.FixedCols() || cell.Row < model_.FixedRows())
    cell = {model_.FixedCols(), model_.FixedRows()};  // the selection was hidden in the header
  const bool extend = event->modifiers() & Qt::ShiftModifier;
  const int pageRows = std::max(1, LastFullyVisibleRow() - topRow_ + 1);
  switch (event->key()) {
    case Qt::Key_Left: --cell.Col; break;
    case Qt::Key_Right: ++cell.Col; break;
    case Qt::Key_Up: --cell.Row; break;
    case Qt::Key_Down: ++cell.Row; break;
    case Qt::Key_PageUp: cell.Row -= pageRows; break;
    case Qt::Key_PageDown: cell.Row += pageRows; break;
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
    connect(editor_, &QLineEdit::textEdited, this, [this](const QString& text) {
      if (const auto bytes = FromQString(text)) {
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
    Q_EMIT editor_->textEdited(*replaceWith);
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

void GridWidget::focusInEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusInEvent(event);
  viewport()->update();
}

void GridWidget::focusOutEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusOutEvent(event);
  viewport()->update();
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
    default:
      return false;
  }
}
