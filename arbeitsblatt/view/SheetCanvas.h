#pragma once
// Drawing a printed page in millimetres on any device: the printer, a PDF, or
// the preview's picture. Lengths go in as millimetres from the top-left corner
// of the page's printable area; type sizes as points on paper. The device's
// own resolution turns both into its units, so the same page looks the same
// everywhere, and text stays text in a PDF.

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>

class QPainter;

class SheetCanvas {
 public:
  // The painter draws on the device with its origin at the printable area's
  // top-left corner.
  explicit SheetCanvas(QPainter& painter);

  QPainter& Painter() const { return p_; }
  // Device units per millimetre.
  double PerMm() const { return perMm_; }
  QPointF At(double x, double y) const { return {x * perMm_, y * perMm_}; }
  QRectF Rect(double x, double y, double width, double height) const {
    return {x * perMm_, y * perMm_, width * perMm_, height * perMm_};
  }

  // The sheet's type: DejaVu Sans, or Liberation Mono where characters must
  // stand in columns.
  QFont Font(double points, bool bold = false, bool mono = false) const;

  // Text in a box (Qt::AlignmentFlag and Qt::TextWordWrap flags); returns the
  // height it took in millimetres.
  double Text(const QRectF& mm, const QString& text, const QFont& font, int flags,
              const QColor& colour = Qt::black) const;
  // The height a wrapped text takes in a width.
  double TextHeight(double width, const QString& text, const QFont& font) const;
  void Line(double x1, double y1, double x2, double y2, double width = 0.25,
            const QColor& colour = Qt::black) const;
  void Frame(const QRectF& mm, double width = 0.25, const QColor& fill = QColor()) const;

 private:
  QPainter& p_;
  double perMm_;
};
