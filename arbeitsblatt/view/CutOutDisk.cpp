#include "arbeitsblatt/view/CutOutDisk.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "arbeitsblatt/view/SheetCanvas.h"
#include "scheibe/model/DiskGeometry.h"
#include "toolkit/view/text/QtText.h"

namespace {

constexpr double kBand = 0.2;  // the characters' band, of a disk's radius

QString Shown(char c) { return c == ' ' ? QString(QChar(0x2423)) : ToQString(std::string(1, c)); }

// One disk: its cutting line, the band of characters round its edge with the
// segments' borders, the centre mark; and on the small one the pointer's
// place at its top.
void PaintDisk(const SheetCanvas& canvas, double cx, double cy, double radius,
               const std::string& alphabet, bool small) {
  QPainter& p = canvas.Painter();
  const double k = canvas.PerMm();
  const int n = static_cast<int>(alphabet.size());
  const DiskGeometry g(n);
  const double inner = radius * (1 - kBand);
  const QPointF centre = canvas.At(cx, cy);
  p.setBrush(small ? QColor(0xE8, 0xF1, 0xFB) : QColor(Qt::white));
  p.setPen(QPen(Qt::black, 0.4 * k));
  p.drawEllipse(centre, radius * k, radius * k);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(Qt::black, 0.2 * k));
  p.drawEllipse(centre, inner * k, inner * k);
  const auto at = [&](double degrees, double r) {
    const double a = degrees * std::numbers::pi / 180;
    return QPointF(centre.x() + r * k * std::sin(a), centre.y() - r * k * std::cos(a));
  };
  for (int i = 0; i < n; ++i) {
    const double edge = g.OuterCentre(i) - g.SegmentDegrees() / 2;
    p.drawLine(at(edge, inner), at(edge, radius));
  }
  // Characters upright, as large as their segments allow.
  const double middle = (radius + inner) / 2;
  const double arc = 2 * std::numbers::pi * middle / std::max(n, 1);
  const double heightMm = std::min(arc * 0.55, (radius - inner) * 0.42);
  QFont font = canvas.Font(heightMm / 25.4 * 72 / 0.72, true);  // cap height about 72 % of the size
  p.setFont(font);
  p.setPen(Qt::black);
  for (int i = 0; i < n; ++i) {
    const QPointF c = at(g.OuterCentre(i), middle);
    const double box = heightMm * 2 * k;
    p.drawText(QRectF(c.x() - box / 2, c.y() - box / 2, box, box), Qt::AlignCenter,
               Shown(alphabet[static_cast<std::size_t>(i)]));
  }
  // The centre mark: a cross in a small circle.
  const double mark = 3 * k;
  p.setPen(QPen(Qt::black, 0.25 * k));
  p.drawLine(centre - QPointF(mark, 0), centre + QPointF(mark, 0));
  p.drawLine(centre - QPointF(0, mark), centre + QPointF(0, mark));
  p.drawEllipse(centre, 1.5 * k, 1.5 * k);
  if (small) {
    // Where the pointer of the large disk's first character meets it.
    QPolygonF arrow;
    const QPointF tip = at(0, inner - 1);
    arrow << tip << tip + QPointF(-2.5 * k, 4 * k) << tip + QPointF(2.5 * k, 4 * k);
    p.setBrush(Qt::black);
    p.drawPolygon(arrow);
  }
}

}  // namespace

void PaintCutOutDisks(const SheetCanvas& canvas, double left, double top, double width,
                      double height, const std::string& alphabet) {
  if (alphabet.empty()) return;
  constexpr double kGap = 8;
  // The small disk covers the large one inside its band: radius r = R (1 − band).
  const double ratio = 1 - kBand;
  const double big = std::min(width / 2, (height - kGap) / (2 + 2 * ratio)) - 1;
  const double little = big * ratio;
  const double cx = left + width / 2;
  PaintDisk(canvas, cx, top + big + 1, big, alphabet, false);
  PaintDisk(canvas, cx, top + 2 * big + kGap + little + 1, little, alphabet, true);
}
