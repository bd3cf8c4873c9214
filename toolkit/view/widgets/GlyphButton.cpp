#include "toolkit/view/widgets/GlyphButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace {
constexpr int kGlyphSize = 16;
}

GlyphButton::GlyphButton(const QString& caption, const QIcon& glyph, QWidget* parent)
    : QPushButton(caption, parent) {
  setIcon(glyph);
  setIconSize(QSize(kGlyphSize, kGlyphSize));
  setAutoDefault(false);
}

QRect GlyphButton::GlyphRect() const {
  if (icon().isNull()) return {};
  const int y = (height() - kGlyphSize) / 2;
  if (margin_ < 0) {
    const int textWidth = text().isEmpty() ? 0 : spacing_ + fontMetrics().horizontalAdvance(text());
    const int left = (width() - kGlyphSize - textWidth) / 2;
    return QRect(side_ == Side::Left ? left : left + textWidth, y, kGlyphSize, kGlyphSize);
  }
  const int x = side_ == Side::Left ? margin_ : width() - margin_ - kGlyphSize;
  return QRect(x, y, kGlyphSize, kGlyphSize);
}

QRect GlyphButton::CaptionRect() const {
  const QRect glyph = GlyphRect();
  const int textWidth = fontMetrics().horizontalAdvance(text());
  if (glyph.isNull()) return QRect((width() - textWidth) / 2, 0, textWidth, height());
  if (side_ == Side::Left) return QRect(glyph.right() + 1 + spacing_, 0, textWidth, height());
  return QRect(glyph.left() - spacing_ - textWidth, 0, textWidth, height());
}

void GlyphButton::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  option.text.clear();
  option.icon = QIcon();
  painter.drawControl(QStyle::CE_PushButtonBevel, option);

  // A pressed button, and one that stays pressed in, shows its face one pixel
  // down and to the right.
  const QPoint shift = isDown() || isChecked() ? QPoint(1, 1) : QPoint(0, 0);
  const QRect glyph = GlyphRect();
  const QRect textRect = CaptionRect();
  if (!glyph.isNull()) {
    const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
    painter.drawPixmap(glyph.translated(shift),
                       icon().pixmap(QSize(kGlyphSize, kGlyphSize), devicePixelRatioF(), mode));
  }
  painter.save();
  painter.setClipRect(CaptionRoom());
  style()->drawItemText(&painter, textRect.translated(shift), Qt::AlignLeft | Qt::AlignVCenter,
                        palette(), isEnabled(), text(), QPalette::ButtonText);
  painter.restore();

  if (hasFocus()) {
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &option, this);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
  }
}
