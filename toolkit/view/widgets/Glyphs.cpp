#include "toolkit/view/widgets/Glyphs.h"

#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>

#include <algorithm>
#include <initializer_list>
#include <utility>
#include <vector>

// Every glyph is drawn on a 16 × 16 grid of logical pixels. Outlines run
// through pixel centres with a pen one pixel wide, so that straight edges cover
// whole pixels at ratio 1 and whole pairs of pixels at ratio 2; curves and
// slopes gain their detail from the finer grid at ratio 2 instead of being
// blown up from the small picture.

namespace {

struct Tone {
  QColor fill;
  QColor line;
  QColor light;
};

const Tone kGold{QColor(0xF4, 0xC4, 0x3C), QColor(0x8A, 0x5E, 0x0C), QColor(0xFF, 0xEC, 0xA6)};
const Tone kSteel{QColor(0xB4, 0xBC, 0xC6), QColor(0x4E, 0x58, 0x64), QColor(0xEE, 0xF1, 0xF4)};
const Tone kBlue{QColor(0x3E, 0x74, 0xCC), QColor(0x1A, 0x38, 0x78), QColor(0x86, 0xAC, 0xEA)};
const Tone kGreen{QColor(0x4C, 0xB4, 0x4E), QColor(0x1E, 0x64, 0x26), QColor(0xA2, 0xE4, 0x9E)};
const Tone kRed{QColor(0xE4, 0x4A, 0x3E), QColor(0x8C, 0x1C, 0x14), QColor(0xF8, 0xA8, 0x9E)};
const Tone kOrange{QColor(0xF2, 0x9A, 0x2C), QColor(0x8C, 0x4C, 0x08), QColor(0xFC, 0xD2, 0x8E)};
const Tone kWood{QColor(0xC8, 0x8A, 0x48), QColor(0x6A, 0x40, 0x16), QColor(0xE8, 0xBC, 0x84)};
const Tone kPaper{QColor(0xFF, 0xFF, 0xFF), QColor(0x6C, 0x6C, 0x6C), QColor(0xFF, 0xFF, 0xFF)};
const QColor kInk(0x24, 0x24, 0x24);

// Pixel (x, y) of the logical grid, by its centre.
QPointF Px(qreal x, qreal y) {
  return QPointF(x + 0.5, y + 0.5);
}

// The painter of one glyph picture, scaled so that one unit is one logical pixel.
struct Canvas {
  QPainter& p;
  int ratio;

  // A closed shape through the centres of its outline pixels: filled, outlined.
  void Shape(std::initializer_list<std::pair<qreal, qreal>> points, const Tone& tone) const {
    QPolygonF polygon;
    for (const auto& [x, y] : points) polygon << Px(x, y);
    p.setPen(QPen(tone.line, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(tone.fill);
    p.drawPolygon(polygon);
  }

  // The rectangle of pixels (x0, y0) to (x1, y1), both inclusive, with an outline.
  void Box(int x0, int y0, int x1, int y1, const Tone& tone) const {
    Shape({{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}}, tone);
  }

  // Pixels (x0, y0) to (x1, y1), both inclusive, in one colour.
  void Fill(qreal x0, qreal y0, qreal x1, qreal y1, const QColor& color) const {
    p.fillRect(QRectF(x0, y0, x1 - x0 + 1, y1 - y0 + 1), color);
  }

  // A line of pixels from centre to centre.
  void Line(qreal x0, qreal y0, qreal x1, qreal y1, const QColor& color) const {
    p.setPen(QPen(color, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawLine(Px(x0, y0), Px(x1, y1));
  }
};

// ---- the pieces --------------------------------------------------------------

// A 3.5-inch diskette in the pixels (x0, y0) to (x0 + 10, y0 + 10).
void Diskette(const Canvas& c, int x0, int y0) {
  c.Shape({{x0, y0}, {x0 + 9, y0}, {x0 + 10, y0 + 1}, {x0 + 10, y0 + 10}, {x0, y0 + 10}}, kBlue);
  c.Box(x0 + 3, y0, x0 + 7, y0 + 3, kSteel);            // shutter
  c.Fill(x0 + 6, y0 + 1, x0 + 6, y0 + 2, kSteel.line);  // its window
  c.Box(x0 + 2, y0 + 6, x0 + 8, y0 + 10, kPaper);       // label
  c.Fill(x0 + 3, y0 + 7, x0 + 7, y0 + 7, kSteel.fill);  // writing on it
  c.Fill(x0 + 3, y0 + 9, x0 + 6, y0 + 9, kSteel.fill);
}

// A vertical arrow in columns x0 .. x0 + 4 from row top to row bottom.
void VerticalArrow(const Canvas& c, int x0, int top, int bottom, bool up, const Tone& tone) {
  const int m = x0 + 2;
  if (up) {
    c.Shape({{m, top},
             {x0 + 4, top + 2},
             {m + 1, top + 2},
             {m + 1, bottom},
             {m - 1, bottom},
             {m - 1, top + 2},
             {x0, top + 2}},
            tone);
  } else {
    c.Shape({{m, bottom},
             {x0 + 4, bottom - 2},
             {m + 1, bottom - 2},
             {m + 1, top},
             {m - 1, top},
             {m - 1, bottom - 2},
             {x0, bottom - 2}},
            tone);
  }
}

// A padlock whose body fills pixels 0 .. 8 × 8 .. 15. The open lock has its
// shackle lifted, the right leg standing clear of the body.
void Padlock(const Canvas& c, bool open) {
  const qreal top = open ? 1 : 3;  // centre line of the shackle's bow
  QPainterPath shackle;
  shackle.moveTo(2, 8.5);
  shackle.lineTo(2, top + 2.5);
  shackle.arcTo(QRectF(2, top, 5, 5), 180, -180);
  shackle.lineTo(7, open ? 5 : 8.5);
  c.p.setBrush(Qt::NoBrush);
  c.p.setPen(QPen(kSteel.line, 2, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
  c.p.drawPath(shackle);
  if (c.ratio > 1) {
    c.p.setPen(QPen(kSteel.fill, 0.5, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    c.p.drawPath(shackle);
  }
  c.Box(0, 8, 8, 15, kGold);
  c.Fill(1, 9, 7, 9, kGold.light);
  if (c.ratio > 1) {
    c.p.setPen(Qt::NoPen);
    c.p.setBrush(kGold.line);
    c.p.drawEllipse(QPointF(4.5, 11.75), 0.75, 0.75);
    c.p.drawRect(QRectF(4.25, 11.75, 0.5, 1.75));
  } else {
    c.Fill(4, 11, 4, 13, kGold.line);
  }
}

// An arrowhead pointing right, its tip in pixel (x, y), three rows either side.
void Chevron(const Canvas& c, int x, int y, const Tone& tone) {
  c.Shape({{x, y}, {x - 3, y - 3}, {x - 3, y + 3}}, tone);
}

enum class Amount { One, Stepwise, All };

// Beside the lock, how much of the text a cipher button handles: one
// arrowhead for one character, a staircase for the paced run, two arrowheads
// for everything at once.
void AmountBadge(const Canvas& c, Amount amount) {
  switch (amount) {
    case Amount::One:
      Chevron(c, 13, 12, kGreen);
      break;
    case Amount::Stepwise:
      c.Shape({{9, 15}, {9, 13}, {11, 13}, {11, 11}, {13, 11}, {13, 9}, {15, 9}, {15, 15}}, kGreen);
      break;
    case Amount::All:
      Chevron(c, 12, 12, kGreen);
      Chevron(c, 15, 12, kGreen);
      break;
  }
}

// ---- the glyphs -------------------------------------------------------------

void DrawClearText(const Canvas& c) {
  // An eraser lying at 45 degrees, its rubber end down on the paper.
  c.Line(2, 15, 13, 15, kSteel.fill);
  c.Shape({{1, 11}, {4, 8}, {8, 12}, {5, 15}}, kRed);
  c.Shape({{4, 8}, {10, 2}, {14, 6}, {8, 12}}, kBlue);
  c.Line(5, 8, 10, 3, kBlue.light);
}

void DrawLoad(const Canvas& c) {
  Diskette(c, 0, 5);
  VerticalArrow(c, 11, 0, 9, true, kGreen);
}

void DrawSave(const Canvas& c) {
  Diskette(c, 0, 5);
  VerticalArrow(c, 11, 0, 9, false, kGreen);
}

void DrawRestart(const Canvas& c) {
  // A circular arrow turning back, its head at the top pointing left.
  QPainterPath ring;
  ring.arcMoveTo(QRectF(3.5, 4.5, 9, 9), 180);
  ring.arcTo(QRectF(3.5, 4.5, 9, 9), 180, 270);
  c.p.setBrush(Qt::NoBrush);
  c.p.setPen(QPen(kGreen.line, 3, Qt::SolidLine, Qt::FlatCap));
  c.p.drawPath(ring);
  c.Shape({{4, 4}, {8, 0}, {8, 8}}, kGreen);
  c.p.setBrush(Qt::NoBrush);
  c.p.setPen(QPen(kGreen.fill, 1, Qt::SolidLine, Qt::FlatCap));
  c.p.drawPath(ring);
}

void DrawCipher(const Canvas& c, bool open, Amount amount) {
  Padlock(c, open);
  AmountBadge(c, amount);
}

void DrawBars(const Canvas& c, bool pairs) {
  c.Fill(0, 0, 0, 15, kInk);
  c.Fill(0, 15, 15, 15, kInk);
  if (pairs) {
    c.Box(2, 6, 4, 14, kBlue);
    c.Box(5, 9, 7, 14, kOrange);
    c.Box(9, 2, 11, 14, kBlue);
    c.Box(12, 7, 14, 14, kOrange);
  } else {
    c.Box(2, 7, 5, 14, kBlue);
    c.Box(7, 2, 10, 14, kBlue);
    c.Box(12, 9, 15, 14, kBlue);
  }
}

void DrawChart(const Canvas& c) {
  // The frequency chart in small: blue bars on an axis, and the German
  // profile as the chart draws it, lightly filled behind the bars and
  // outlined in vermilion over them; one blue bar stands higher than its
  // profile bar.
  const QColor line(0xD5, 0x5E, 0x00);
  const QColor fill(0xD5, 0x5E, 0x00, 0x48);
  c.Fill(0, 0, 0, 15, kInk);
  c.Fill(0, 15, 15, 15, kInk);
  struct Column {
    int left;     // of the outline; the blue bar is the two pixels in its middle
    int barTop;   // of the blue bar
    int profile;  // top of the outline
  };
  // The outline is one device pixel wide at either ratio, as in the chart,
  // so the larger picture shows more of the bars inside it.
  const qreal w = 1.0 / c.ratio;
  for (const Column col : {Column{2, 8, 6}, Column{7, 3, 1}, Column{12, 9, 11}}) {
    c.Fill(col.left, col.profile, col.left + 3, 14, fill);
    c.Fill(col.left + 1, col.barTop, col.left + 2, 14, kBlue.fill);
    const QRectF box(col.left, col.profile, 4, 15 - col.profile);
    c.p.fillRect(QRectF(box.left(), box.top(), box.width(), w), line);
    c.p.fillRect(QRectF(box.left(), box.top(), w, box.height()), line);
    c.p.fillRect(QRectF(box.right() - w, box.top(), w, box.height()), line);
  }
}

void DrawBruteForce(const Canvas& c) {
  // A sledgehammer at 45 degrees, head up and to the right. Its slanted edges
  // are drawn without smoothing at ratio 1, where a blurred edge would be half
  // the hammer, and smoothly at ratio 2.
  c.p.setRenderHint(QPainter::Antialiasing, c.ratio > 1);
  c.Shape({{1, 13}, {8, 6}, {10, 8}, {3, 15}}, kWood);
  c.Shape({{6, 4}, {9, 1}, {15, 7}, {12, 10}}, kSteel);
  c.Line(9, 2, 14, 7, kSteel.light);
  c.p.setRenderHint(QPainter::Antialiasing);
}

void DrawClose(const Canvas& c) {
  // An open door, dark outside, with an arrow leaving through it.
  c.Box(1, 0, 10, 15, Tone{kInk, kWood.line, kInk});
  c.Shape({{1, 0}, {5, 2}, {5, 14}, {1, 15}}, kWood);
  c.Fill(4, 8, 4, 8, kWood.line);
  c.Shape({{5, 6}, {10, 6}, {10, 3}, {15, 8}, {10, 13}, {10, 10}, {5, 10}}, kGreen);
}

void DrawSortDown(QPainter& p, int ratio, const QColor& color) {
  // Rows of device pixels, each two narrower than the one above, ending in one.
  const int rows = 4 * ratio;
  const int left = 4 * ratio;
  const int top = 6 * ratio;
  for (int r = 0; r < rows; ++r) {
    p.fillRect(left + r, top + r, 2 * (rows - r) - 1, 1, color);
  }
}

QImage Picture(Glyph glyph, int ratio) {
  QImage image(16 * ratio, 16 * ratio, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  if (glyph == Glyph::SortDown) {
    DrawSortDown(p, ratio, Qt::black);
    return image;
  }
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(ratio, ratio);
  const Canvas c{p, ratio};
  switch (glyph) {
    case Glyph::ClearText:
      DrawClearText(c);
      break;
    case Glyph::LoadFromDiskette:
      DrawLoad(c);
      break;
    case Glyph::SaveToDiskette:
      DrawSave(c);
      break;
    case Glyph::Restart:
      DrawRestart(c);
      break;
    case Glyph::EncryptOne:
      DrawCipher(c, false, Amount::One);
      break;
    case Glyph::EncryptStepwise:
      DrawCipher(c, false, Amount::Stepwise);
      break;
    case Glyph::EncryptAll:
      DrawCipher(c, false, Amount::All);
      break;
    case Glyph::DecryptOne:
      DrawCipher(c, true, Amount::One);
      break;
    case Glyph::DecryptStepwise:
      DrawCipher(c, true, Amount::Stepwise);
      break;
    case Glyph::DecryptAll:
      DrawCipher(c, true, Amount::All);
      break;
    case Glyph::FrequencyAnalysis:
      DrawBars(c, false);
      break;
    case Glyph::PairAnalysis:
      DrawBars(c, true);
      break;
    case Glyph::BruteForce:
      DrawBruteForce(c);
      break;
    case Glyph::Close:
      DrawClose(c);
      break;
    case Glyph::Chart:
      DrawChart(c);
      break;
    case Glyph::SortDown:
      break;
  }
  return image;
}

// The disabled picture: every pixel turned grey and faded towards the button
// face, so that black becomes a middle grey and white stays light.
QImage Greyed(const QImage& normal) {
  QImage grey = normal.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < grey.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(grey.scanLine(y));
    for (int x = 0; x < grey.width(); ++x) {
      const QRgb px = line[x];
      const int level = 128 + qGray(px) * 112 / 255;
      line[x] = qRgba(level, level, level, qAlpha(px));
    }
  }
  return grey;
}


}  // namespace

namespace {

// Draws a glyph's picture the first time a button paints it, at the size and
// in the mode it is painted in, and keeps it: a window of twenty buttons opens
// without drawing eighty pictures, and a screen at ratio 1 never draws the
// finer ones. A size between the drawn ones (a zoomed view) is the next finer
// picture made smaller, never a coarse one blown up.
class GlyphIconEngine : public QIconEngine {
 public:
  explicit GlyphIconEngine(Glyph glyph) : glyph_(glyph) {}

  QIconEngine* clone() const override { return new GlyphIconEngine(glyph_); }
  QString key() const override { return QStringLiteral("GlyphIconEngine"); }

  QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
    return Drawn(size, mode, 1.0);
  }
  // size is in device pixels here, scale the device pixel ratio.
  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State, qreal scale) override {
    return Drawn(size, mode, scale);
  }
  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
    const qreal scale = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    painter->drawPixmap(rect, Drawn(rect.size() * scale, mode, scale));
  }

 private:
  QPixmap Drawn(QSize deviceSize, QIcon::Mode mode, qreal scale) {
    const int pixels = std::max(1, std::max(deviceSize.width(), deviceSize.height()));
    const bool disabled = mode == QIcon::Disabled;
    for (const Made& made : made_)
      if (made.pixels == pixels && made.disabled == disabled && made.scale == scale)
        return made.pixmap;
    const int ratio = (pixels + 15) / 16;  // the grid's finest drawing that covers the size
    QImage picture = Picture(glyph_, ratio);
    if (disabled) picture = Greyed(picture);
    if (picture.width() != pixels)
      picture = picture.scaled(pixels, pixels, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPixmap pixmap = QPixmap::fromImage(picture);
    pixmap.setDevicePixelRatio(scale);
    made_.push_back({pixels, disabled, scale, pixmap});
    return pixmap;
  }

  struct Made {
    int pixels;
    bool disabled;
    qreal scale;
    QPixmap pixmap;
  };
  Glyph glyph_;
  std::vector<Made> made_;
};

}  // namespace

QIcon GlyphIcon(Glyph glyph) { return QIcon(new GlyphIconEngine(glyph)); }
