// Drawing the grid: only the cells on screen, and of each cell only as much
// text as can fit.
#include <QLineEdit>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <algorithm>

#include "toolkit/view/grid/GridWidget.h"
#include "toolkit/view/text/QtText.h"

namespace {

constexpr int kLine = GridGeometry::kLine;
const QColor kNormalLine(0xC0, 0xC0, 0xC0);

// No glyph of the window fonts is narrower than two pixels, so a cell can show
// at most this many characters; the rest of a long text is never laid out.
int VisibleCharacters(int width) { return width / 2 + 2; }

}  // namespace

void GridWidget::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  const GridGeometry geometry = Geometry();
  const int width = viewport()->width();
  const int height = viewport()->height();
  auto paintRow = [&](int row) {
    const int y = geometry.RowY(row);
    const int fixedCols = std::min(model_.FixedCols(), model_.ColCount());
    for (int c = 0; c < fixedCols; ++c)
      PaintCell(painter, c, row, QRect(geometry.ColX(c), y, ColWidth(c), rowHeight_));
    for (int c = leftCol_; c < model_.ColCount(); ++c) {
      const int x = geometry.ColX(c);
      if (x >= width) break;
      PaintCell(painter, c, row, QRect(x, y, ColWidth(c), rowHeight_));
    }
  };
  for (int r = 0; r < std::min(model_.FixedRows(), model_.RowCount()); ++r) paintRow(r);
  for (int r = topRow_; r < model_.RowCount(); ++r) {
    if (geometry.RowY(r) >= height) break;
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
