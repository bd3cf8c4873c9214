#include "toolkit/view/Glyphs.h"

#include <QPainter>
#include <QPixmap>

// Placeholder pictures until the drawn set arrives: a grey square per glyph.
QIcon GlyphIcon(Glyph) {
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setPen(Qt::darkGray);
  painter.drawRect(2, 2, 11, 11);
  return QIcon(pixmap);
}
