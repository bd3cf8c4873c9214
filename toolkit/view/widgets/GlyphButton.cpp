#include "toolkit/view/widgets/GlyphButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

#include "toolkit/model/Zoom.h"
#include "toolkit/view/text/QtText.h"

namespace {
constexpr int kGlyphSize = 16;
}

GlyphButton::GlyphButton(const QString& caption, const QIcon& glyph, QWidget* parent)
    : QPushButton(caption, parent) {
  setIcon(glyph);
  setIconSize(QSize(kGlyphSize, kGlyphSize));
  setAutoDefault(false);
}

void GlyphButton::SetZoom(int percent) {
  zoom_ = percent;
  setIconSize(QSize(Zoomed(kGlyphSize), Zoomed(kGlyphSize)));
  update();
}

int GlyphButton::Zoomed(int length) const { return ZoomLength(length, zoom_); }

QRect GlyphButton::GlyphRect() const {
  if (icon().isNull()) return {};
  const int size = Zoomed(kGlyphSize);
  const int spacing = Zoomed(spacing_);
  const int y = (height() - size) / 2;
  if (margin_ < 0) {
    const int textWidth =
        text().isEmpty() ? 0 : spacing + fontMetrics().horizontalAdvance(WithoutMnemonic(text()));
    const int left = (width() - size - textWidth) / 2;
    return QRect(side_ == Side::Left ? left : left + textWidth, y, size, size);
  }
  const int margin = Zoomed(margin_);
  const int x = side_ == Side::Left ? margin : width() - margin - size;
  return QRect(x, y, size, size);
}

QRect GlyphButton::CaptionRect() const {
  const QRect glyph = GlyphRect();
  const int spacing = Zoomed(spacing_);
  const int textWidth = fontMetrics().horizontalAdvance(WithoutMnemonic(text()));
  if (glyph.isNull()) return QRect((width() - textWidth) / 2, 0, textWidth, height());
  if (side_ == Side::Left) return QRect(glyph.right() + 1 + spacing, 0, textWidth, height());
  return QRect(glyph.left() - spacing - textWidth, 0, textWidth, height());
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
                       icon().pixmap(glyph.size(), devicePixelRatioF(), mode));
  }
  painter.save();
  painter.setClipRect(CaptionRoom());
  style()->drawItemText(&painter, textRect.translated(shift),
                        Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, palette(),
                        isEnabled(), text(), QPalette::ButtonText);
  painter.restore();

  if (hasFocus()) {
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &option, this);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
  }
}
