#include "arbeitsblatt/view/SheetCanvas.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

SheetCanvas::SheetCanvas(QPainter& painter)
    : p_(painter), perMm_(painter.device()->logicalDpiX() / 25.4) {
  p_.setRenderHint(QPainter::Antialiasing);
  p_.setRenderHint(QPainter::TextAntialiasing);
}

QFont SheetCanvas::Font(double points, bool bold, bool mono) const {
  QFont font(mono ? QStringLiteral("Liberation Mono") : QStringLiteral("DejaVu Sans"));
  if (mono) font.setStyleHint(QFont::TypeWriter);
  font.setPointSizeF(points);
  font.setBold(bold);
  // Qt shapes no ligatures where letters are spaced: "fi" stays two letters,
  // which a PDF reader finds and copies as typed.
  font.setLetterSpacing(QFont::AbsoluteSpacing, 0.05);
  return font;
}

double SheetCanvas::Text(const QRectF& mm, const QString& text, const QFont& font, int flags,
                         const QColor& colour) const {
  p_.setFont(font);
  p_.setPen(colour);
  QRectF used;
  // Never cut off: a line that runs over its box is still read.
  p_.drawText(Rect(mm.x(), mm.y(), mm.width(), mm.height()), flags | Qt::TextDontClip, text, &used);
  return used.height() / perMm_;
}

double SheetCanvas::TextHeight(double width, const QString& text, const QFont& font) const {
  const QFontMetricsF fm(font, p_.device());
  return fm.boundingRect(QRectF(0, 0, width * perMm_, 1e6), Qt::TextWordWrap, text).height() /
         perMm_;
}

void SheetCanvas::Line(double x1, double y1, double x2, double y2, double width,
                       const QColor& colour) const {
  p_.setPen(QPen(colour, width * perMm_));
  p_.drawLine(At(x1, y1), At(x2, y2));
}

void SheetCanvas::Frame(const QRectF& mm, double width, const QColor& fill) const {
  p_.setPen(QPen(Qt::black, width * perMm_));
  p_.setBrush(fill.isValid() ? QBrush(fill) : QBrush(Qt::NoBrush));
  p_.drawRect(Rect(mm.x(), mm.y(), mm.width(), mm.height()));
}
