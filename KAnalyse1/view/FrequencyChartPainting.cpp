// FrequencyChartWidget: where everything stands and how it is drawn. Bars,
// band, axis and labels are drawn into a cached picture once per size or
// analysis; a slide repaints only the plot, with the profile over that
// picture, and the legend.
#include "KAnalyse1/view/FrequencyChartWidget.h"

#include <QPainter>
#include <QStyleOptionFocusRect>

#include <algorithm>
#include <cmath>

#include "toolkit/view/text/QtText.h"

namespace {

// Colours that learners with red-green colour blindness tell apart as well as
// anyone: blue bars under a vermilion profile (they see dark blue under an
// olive yellow), and the rest in neutral grey.
const QColor kCipherBlue(0x00, 0x72, 0xB2);
const QColor kBandBlue(0xDC, 0xEA, 0xF4);  // the blue, lightly, on white
const QColor kProfileLine(0xD5, 0x5E, 0x00);
const QColor kProfileFill(0xD5, 0x5E, 0x00, 0x30);
const QColor kProfileText(0xA8, 0x48, 0x00);  // the vermilion, dark enough for text
const QColor kRestGrey(0x8C, 0x8C, 0x8C);
const QColor kGridLine(0xE2, 0xE2, 0xE2);
const QColor kLeaderLine(0xB4, 0xB4, 0xB4);

constexpr int kMargin = 6;
constexpr int kTick = 3;            // axis ticks, in logical pixels
constexpr int kSwatch = 10;         // legend swatches
constexpr int kLegendSpace = 14;    // between legend entries
constexpr double kBarShare = 0.56;  // of a column the blue bar fills

const char* const kAxisTitle = "Häufigkeit [%]";
const char* const kCipherCaption = "Geheimtext";

// A coordinate on the device pixel grid, so that edges stay sharp at any scale.
double Snap(double v, qreal dpr) {
  return std::round(v * dpr) / dpr;
}

QRectF SnappedRect(double left, double top, double right, double bottom, qreal dpr) {
  const double l = Snap(left, dpr);
  const double t = Snap(top, dpr);
  return QRectF(l, t, Snap(right, dpr) - l, Snap(bottom, dpr) - t);
}

}  // namespace

double FrequencyChartWidget::Geometry::Y(double percent) const {
  return plot.bottom() - percent / axis.Top * plot.height();
}

double FrequencyChartWidget::Geometry::ColumnLeft(int c) const {
  return plot.left() + c * column;
}

FrequencyChartWidget::Geometry FrequencyChartWidget::Layout(QRect area) const {
  const QFontMetrics fm(font());
  const int line = fm.height();
  const int n = chart_.Size();
  Geometry g;
  g.area = area;
  const QRect inner = area.adjusted(kMargin, kMargin / 2, -kMargin, -kMargin / 2);
  g.legend = QRect(inner.left(), inner.top(), inner.width(), line + 2);

  // The axis first, for a plot under two rows of characters: its labels
  // decide how much room the columns get, and the columns whether one row of
  // characters will do.
  const int top = g.legend.bottom() + 1 + line / 2 + 2;
  const int lowest = inner.bottom() + 1 - kTick - 2;
  const int height = std::max(lowest - 2 * line - top, 1);
  // Above the tallest bar stays room for the E that names the profile.
  double tallestBar = chart_.CatchAll();
  for (int c = 0; c < n; ++c)
    tallestBar = std::max({tallestBar, chart_.Observed(c), chart_.Reference(c)});
  const double room = static_cast<double>(height) / std::max(height - line - 2, 1);
  // Ten steps at most, however tall: more lines would only crowd the bars.
  g.axis = MakePercentAxis(std::max(chart_.Highest(), tallestBar * room),
                           std::clamp(height / (line + 6), 1, 10));
  int axisWidth = 0;
  for (const double tick : g.axis.Ticks)
    axisWidth =
        std::max(axisWidth, fm.horizontalAdvance(ToQString(g.axis.Label(tick, separator_))));
  axisWidth += kTick + 4;

  const double left = inner.left() + axisWidth;
  const double width = std::max(inner.right() + 1 - left, 1.0);
  // The rest stands a little apart, in a column at least as wide as "???".
  const double gap = std::max(8.0, line * 0.7);
  const double restLabel = fm.horizontalAdvance(QStringLiteral("???")) + 4;
  g.column = n > 0 ? (width - gap) / (n + 1) : 0.0;
  g.restWidth = g.column;
  if (g.column < restLabel) {
    g.restWidth = restLabel;
    g.column = n > 0 ? std::max(width - gap - restLabel, 0.0) / n : 0.0;
  }
  g.restLeft = left + n * g.column + gap;
  g.barWidth = std::max(2.0, std::floor(g.column * kBarShare));
  // The profile's bars are wider than the blue ones by a pixel and the
  // outline on either side, but never reach into the neighbouring column.
  g.profileHalf = std::max(1.0, std::min(g.barWidth / 2 + 2, g.column / 2 - 0.5));

  int widest = 0;
  for (int c = 0; c < n; ++c)
    widest = std::max(widest, fm.horizontalAdvance(ToQString(chart_.Character(c))));
  g.labelRows = widest + 3 <= g.column ? 1 : 2;

  const int bottom = std::max(lowest - g.labelRows * line, top + 1);
  g.plot = QRectF(left, top, n * g.column, bottom - top);
  g.labelTop = bottom + kTick + 1;
  return g;
}

const FrequencyChartWidget::Geometry& FrequencyChartWidget::Current() const {
  if (!geometryValid_ || geometryContents_ != chart_.ContentRevision()) {
    geometry_ = Layout(contentsRect());
    geometryValid_ = true;
    geometryContents_ = chart_.ContentRevision();
  }
  return geometry_;
}

QRegion FrequencyChartWidget::SlideRegion() const {
  const Geometry& g = Current();
  const int line = QFontMetrics(font()).height();
  // The profile, the letter over its highest bar, and the legend's shift.
  const QRect plot = g.plot.toAlignedRect().adjusted(-2, -line - 2, 2, 1);
  return QRegion(plot) + QRegion(g.legend);
}

void FrequencyChartWidget::PaintStatic(QPainter& p, const Geometry& g) const {
  const qreal dpr = p.device()->devicePixelRatioF();
  const QPalette& pal = palette();
  const QFontMetrics fm(font());
  const int line = fm.height();
  const int n = chart_.Size();
  p.setFont(font());
  p.fillRect(g.area, pal.color(QPalette::Base));
  if (n == 0) return;

  const double plotRight = g.restLeft + g.restWidth;
  const double bottom = Snap(g.plot.bottom(), dpr);

  // Grid lines and the percent axis.
  p.setPen(pal.color(QPalette::WindowText));
  for (const double tick : g.axis.Ticks) {
    const double y = Snap(g.Y(tick), dpr);
    if (tick > 0) p.fillRect(QRectF(g.plot.left(), y, plotRight - g.plot.left(), 1), kGridLine);
    p.fillRect(QRectF(g.plot.left() - kTick, y, kTick, 1), pal.color(QPalette::WindowText));
    const QRectF text(g.area.left(), y - line / 2.0, g.plot.left() - kTick - 2 - g.area.left(),
                      line);
    p.drawText(text, Qt::AlignRight | Qt::AlignVCenter, ToQString(g.axis.Label(tick, separator_)));
  }

  // The band: how far a German frequency may stray and still count as a match.
  // It is as wide as the profile's bars, whose tops it judges.
  for (int c = 0; c < n; ++c) {
    const ToleranceBand band = chart_.Band(c);
    const double centre = g.ColumnLeft(c) + g.column / 2;
    p.fillRect(SnappedRect(centre - g.profileHalf, g.Y(band.High), centre + g.profileHalf,
                           g.Y(band.Low), dpr),
               kBandBlue);
  }

  // The rest, set apart by a dashed line and drawn grey and hatched, so that
  // it is not taken for one more character.
  const double separator = Snap(g.restLeft - (g.restLeft - g.plot.right()) / 2, dpr);
  for (double y = g.plot.top(); y < g.labelTop + line; y += 4)
    p.fillRect(QRectF(separator, y, 1, 2), kLeaderLine);
  const double restCentre = g.restLeft + g.restWidth / 2;
  const QRectF rest = SnappedRect(restCentre - g.barWidth / 2, g.Y(chart_.CatchAll()),
                                  restCentre + g.barWidth / 2, bottom, dpr);
  p.fillRect(rest, QColor(0xDC, 0xDC, 0xDC));
  p.fillRect(rest, QBrush(kRestGrey, Qt::BDiagPattern));
  p.fillRect(QRectF(rest.left(), rest.top(), rest.width(), std::min(1.0, rest.height())),
             kRestGrey);

  // The 0 % line and the axis, then a tick and a label for every character.
  const QColor ink = pal.color(QPalette::WindowText);
  p.fillRect(QRectF(g.plot.left(), bottom, plotRight - g.plot.left(), 1), ink);
  p.fillRect(QRectF(Snap(g.plot.left(), dpr) - 1, Snap(g.Y(g.axis.Top), dpr), 1,
                    bottom + 1 - Snap(g.Y(g.axis.Top), dpr)),
             ink);
  for (int c = 0; c < n; ++c) {
    const int centre = static_cast<int>(g.ColumnLeft(c) + g.column / 2);
    const int row = g.labelRows == 2 ? c % 2 : 0;
    p.fillRect(QRectF(centre, bottom + 1, 1, kTick), ink);
    // A character of the second row hangs from its tick by a thin line that
    // runs between its neighbours in the first row.
    if (row == 1) p.fillRect(QRectF(centre, bottom + 1 + kTick, 1, line - 1), kLeaderLine);
    PaintCharacterLabel(p, ToQString(chart_.Character(c)), centre, g.labelTop + row * line);
  }
  p.setPen(kRestGrey.darker(130));
  p.drawText(QRectF(g.restLeft - 8, g.labelTop, g.restWidth + 16, line),
             Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("???"));
}

void FrequencyChartWidget::PaintCharacterLabel(QPainter& p, const QString& text, int centre,
                                               int top) const {
  const QFontMetrics fm(font());
  p.setPen(palette().color(QPalette::WindowText));
  if (text == QLatin1String(" ")) {
    // The blank as an open box, drawn so it needs no font that has "␣".
    const int base = top + fm.ascent();
    const QColor ink = palette().color(QPalette::WindowText);
    p.fillRect(QRectF(centre - 3, base - 1, 7, 1), ink);
    p.fillRect(QRectF(centre - 3, base - 3, 1, 2), ink);
    p.fillRect(QRectF(centre + 3, base - 3, 1, 2), ink);
    return;
  }
  p.drawText(QRectF(centre - 20, top, 41, fm.height()), Qt::AlignHCenter | Qt::AlignTop, text);
}

void FrequencyChartWidget::PaintProfile(QPainter& p, const Geometry& g) const {
  const int n = chart_.Size();
  if (n == 0) return;
  const qreal dpr = p.device()->devicePixelRatioF();
  const int s = chart_.State.Shift;
  const double bottom = Snap(g.plot.bottom(), dpr);
  const double thin = 1.0;
  const double thick = 2.0;  // the top, where it meets the blue bar or not
  auto box = [&](int c) {
    const double centre = g.ColumnLeft(c) + g.column / 2;
    return SnappedRect(centre - g.profileHalf, g.Y(chart_.ProfileAt(c, s)), centre + g.profileHalf,
                       bottom, dpr);
  };
  // The profile lightly filled, the blue bars over it in their own colour,
  // then the profile's outline over both.
  for (int c = 0; c < n; ++c)
    if (chart_.ProfileAt(c, s) > 0) p.fillRect(box(c), kProfileFill);
  for (int c = 0; c < n; ++c) {
    const double centre = g.ColumnLeft(c) + g.column / 2;
    p.fillRect(SnappedRect(centre - g.barWidth / 2, g.Y(chart_.Observed(c)),
                           centre + g.barWidth / 2, bottom, dpr),
               kCipherBlue);
  }
  for (int c = 0; c < n; ++c) {
    if (chart_.ProfileAt(c, s) <= 0) continue;
    const QRectF b = box(c);
    p.fillRect(QRectF(b.left(), b.top(), thin, b.height()), kProfileLine);
    p.fillRect(QRectF(b.right() - thin, b.top(), thin, b.height()), kProfileLine);
    p.fillRect(QRectF(b.left(), b.top(), b.width(), std::min(thick, b.height())), kProfileLine);
  }

  // The German E, the letter learners look for first, named over its bar or
  // over the blue bar it stands on, whichever is higher; Layout leaves room.
  for (int e = 0; e < n; ++e) {
    if (chart_.Character(e) != "E") continue;
    const int at = chart_.ProfileColumn(e, s);
    const QFontMetrics fm(font());
    const double top = std::min(g.Y(chart_.Reference(e)), g.Y(chart_.Observed(at)));
    const double centre = g.ColumnLeft(at) + g.column / 2;
    p.setFont(font());
    p.setPen(kProfileText);
    p.drawText(QRectF(centre - 20, top - fm.height() - 1, 41, fm.height()),
               Qt::AlignHCenter | Qt::AlignBottom, QStringLiteral("E"));
  }
}

void FrequencyChartWidget::PaintLegend(QPainter& p, const Geometry& g) const {
  const QFontMetrics fm(font());
  const QPalette& pal = palette();
  p.setFont(font());
  p.fillRect(g.legend, pal.color(QPalette::Base));
  p.setPen(pal.color(QPalette::WindowText));
  const QString title = U(kAxisTitle);
  if (chart_.Size() == 0) {
    p.drawText(g.legend, Qt::AlignLeft | Qt::AlignVCenter, title);
    return;
  }

  const QString cipher = U(kCipherCaption);
  const QString profile = ToQString(chart_.ProfileCaption());
  const QString band =
      U("Bewertungstoleranz ±") + QString::number(chart_.Tolerance()) + QStringLiteral(" %");
  const int entry = kSwatch + 4;
  const int total = entry + fm.horizontalAdvance(cipher) + kLegendSpace + entry +
                    fm.horizontalAdvance(profile) + kLegendSpace + entry +
                    fm.horizontalAdvance(band);
  int x = g.legend.right() + 1 - total;
  // The axis' title gives way where a narrow chart needs the line for the legend.
  if (x >= g.legend.left() + fm.horizontalAdvance(title) + kLegendSpace)
    p.drawText(g.legend, Qt::AlignLeft | Qt::AlignVCenter, title);
  const int swatchTop = g.legend.top() + (g.legend.height() - kSwatch) / 2;
  auto text = [&](const QString& caption) {
    p.setPen(pal.color(QPalette::WindowText));
    const int w = fm.horizontalAdvance(caption);
    p.drawText(QRect(x, g.legend.top(), w + 1, g.legend.height()), Qt::AlignLeft | Qt::AlignVCenter,
               caption);
    x += w + kLegendSpace;
  };
  p.fillRect(QRect(x, swatchTop, kSwatch, kSwatch), kCipherBlue);
  x += entry;
  text(cipher);
  p.fillRect(QRect(x, swatchTop, kSwatch, kSwatch), kProfileFill);
  p.fillRect(QRect(x, swatchTop, kSwatch, 2), kProfileLine);
  p.fillRect(QRect(x, swatchTop, 1, kSwatch), kProfileLine);
  p.fillRect(QRect(x + kSwatch - 1, swatchTop, 1, kSwatch), kProfileLine);
  x += entry;
  text(profile);
  p.fillRect(QRect(x, swatchTop, kSwatch, kSwatch), kBandBlue);
  x += entry;
  text(band);
}

void FrequencyChartWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const Geometry& g = Current();
  const qreal dpr = devicePixelRatioF();
  if (!staticValid_ || static_.devicePixelRatio() != dpr) {
    const QRect area = contentsRect();
    static_ = QPixmap(area.size() * dpr);
    static_.setDevicePixelRatio(dpr);
    QPainter sp(&static_);
    sp.translate(-area.topLeft());
    PaintStatic(sp, g);
    staticValid_ = true;
  }
  drawFrame(&p);
  p.drawPixmap(contentsRect().topLeft(), static_);
  PaintProfile(p, g);
  PaintLegend(p, g);
  if (hasFocus()) PaintFocus(p);
}

void FrequencyChartWidget::PaintFocus(QPainter& p) const {
  // A dotted frame just inside the border, whatever the style draws for a
  // focused widget (some styles draw nothing after a click): the learner
  // sees that Left and Right now go to the chart.
  const QRect r = contentsRect().adjusted(1, 1, -2, -2);
  const QColor ink = palette().color(QPalette::WindowText);
  for (int x = r.left(); x <= r.right(); x += 2) {
    p.fillRect(QRect(x, r.top(), 1, 1), ink);
    p.fillRect(QRect(x, r.bottom(), 1, 1), ink);
  }
  for (int y = r.top(); y <= r.bottom(); y += 2) {
    p.fillRect(QRect(r.left(), y, 1, 1), ink);
    p.fillRect(QRect(r.right(), y, 1, 1), ink);
  }
}
