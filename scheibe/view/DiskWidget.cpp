#include "scheibe/view/DiskWidget.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QVariantAnimation>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "scheibe/model/DiskForm.h"
#include "toolkit/view/text/QtText.h"
#include "toolkit/view/widgets/AccessibleValue.h"
#include "toolkit/view/widgets/Motion.h"
#include "toolkit/view/widgets/PictureMenu.h"
#include "toolkit/view/widgets/ScreenReader.h"

// The disk for a screen reader: a slider whose value is the shift, over the
// spinner's range, which an assistive tool can read and set; the window says
// the new pair line as it turns.
class DiskAccessible : public AccessibleValueWidget {
 public:
  explicit DiskAccessible(DiskWidget* disk) : AccessibleValueWidget(disk, QAccessible::Slider) {}

 protected:
  Range Now() const override {
    const DiskForm& form = Disk()->form_;
    return {form.MinShift(), form.MaxShift(), form.Shift(), false};
  }
  void GoTo(int value) override {
    if (Disk()->TakesInput()) Q_EMIT Disk()->TurnToWanted(value);
  }

 private:
  DiskWidget* Disk() const { return static_cast<DiskWidget*>(widget()); }
};

namespace {

constexpr int kTurnMilliseconds = 250;  // the longest a turn takes

// Colours that learners with a red-green weakness tell apart: the rings
// white and light blue, the lit pair orange, framed in near-black.
const QColor kOuterRing(0xFF, 0xFF, 0xFF);
const QColor kInnerRing(0xD6, 0xE8, 0xFA);
const QColor kLit(0xFF, 0xB3, 0x47);
const QColor kInk(0x1A, 0x1A, 0x1A);
const QColor kLines(0x80, 0x80, 0x80);

QAccessibleInterface* DiskInterface(const QString& className, QObject* object) {
  if (className == QLatin1String("DiskWidget"))
    if (auto* disk = qobject_cast<DiskWidget*>(object)) return new DiskAccessible(disk);
  return nullptr;
}

// A point at an angle (clockwise from the top) and a radius from the centre.
QPointF At(const DiskLayout& l, double degrees, double radius) {
  const double radians = degrees * std::numbers::pi / 180.0;
  return {l.CentreX + radius * std::sin(radians), l.CentreY - radius * std::cos(radians)};
}

// The piece of ring between two radii and two angles.
QPainterPath RingPiece(const DiskLayout& l, double inner, double outer, double from, double span) {
  // Qt's angles run anticlockwise from three o'clock.
  const double qtFrom = 90.0 - from;
  QPainterPath path;
  const QRectF outerBox(l.CentreX - outer, l.CentreY - outer, 2 * outer, 2 * outer);
  const QRectF innerBox(l.CentreX - inner, l.CentreY - inner, 2 * inner, 2 * inner);
  path.arcMoveTo(outerBox, qtFrom);
  path.arcTo(outerBox, qtFrom, -span);
  path.arcTo(innerBox, qtFrom - span, span);
  path.closeSubpath();
  return path;
}

QString Shown(char c) {
  return c == ' ' ? QString(QChar(0x2423)) : ToQString(std::string(1, c));  // "␣"
}

}  // namespace

DiskWidget::DiskWidget(const DiskForm& form, QWidget* parent)
    : QWidget(parent), form_(form), animation_(new QVariantAnimation(this)) {
  static const bool accessibleInstalled = [] {
    QAccessible::installFactory(DiskInterface);
    return true;
  }();
  (void)accessibleInstalled;
  setFocusPolicy(Qt::StrongFocus);
  setCursor(Qt::OpenHandCursor);

  animation_->setEasingCurve(QEasingCurve::OutCubic);
  connect(animation_, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
    shownTurn_ = value.toDouble();
    update();
  });

  const PictureMenu menu = MakePictureMenu(this, QString::fromUtf8("Bild kopieren"), "CopyDisk",
                                           "DiskMenu", [this] { CopyPicture(); });
  copy_ = menu.Copy;
  menu_ = menu.Menu;
}

DiskLayout DiskWidget::Layout() const {
  const double side = std::min(width(), height());
  return LayoutInSquare((width() - side) / 2, (height() - side) / 2, side);
}

void DiskWidget::Sync() {
  const int turn = form_.Turn();
  if (form_.Alphabet() != syncedAlphabet_) {
    // Another alphabet: another disk, drawn at once.
    syncedAlphabet_ = form_.Alphabet();
    ++alphabetRevision_;
    animation_->stop();
    shownTurn_ = turn;
  } else if (turn != syncedTurn_ && !dragging_) {
    TurnShownTo(turn);
  }
  syncedTurn_ = turn;
  if (form_.Revision() != syncedRevision_) {
    syncedRevision_ = form_.Revision();
    update();
    if (ScreenReaderListens()) {
      QAccessibleValueChangeEvent event(this, form_.Shift());
      TellScreenReader(event);
    }
  }
}

void DiskWidget::TurnShownTo(int turn) {
  const DiskGeometry geometry(static_cast<int>(form_.Alphabet().size()));
  animation_->stop();
  const bool jump = ReducedMotionWanted() || (jumps_ && jumps_()) || !isVisible();
  // From where it is drawn now, the shorter way round.
  const double from = shownTurn_;
  const double to = std::round(from) + geometry.ShortestTurn(
                                           DiskTurn(static_cast<int>(std::round(from)),
                                                    geometry.Segments()),
                                           turn);
  if (jump || from == to) {
    shownTurn_ = DiskTurn(turn, geometry.Segments());
    update();
    return;
  }
  // A step or two turns briskly, half the ring in the longest time.
  const double way = std::abs(to - from) / std::max(1, geometry.Segments() / 2);
  animation_->setDuration(std::clamp(static_cast<int>(kTurnMilliseconds * std::sqrt(way)), 80,
                                     kTurnMilliseconds));
  animation_->setStartValue(from);
  animation_->setEndValue(to);
  animation_->start();
}

void DiskWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  Paint(p, Layout(), hasFocus());
}

QImage DiskWidget::Picture() const {
  const qreal dpr = devicePixelRatioF();
  QImage image(size() * dpr, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(dpr);
  image.fill(Qt::white);
  QPainter p(&image);
  Paint(p, Layout(), false);
  return image;
}

void DiskWidget::CopyPicture() const { QGuiApplication::clipboard()->setImage(Picture()); }

namespace {

// The characters of a ring, upright, as large as their segments allow.
QFont RingFont(double radius, double ringWidth, int n) {
  const double arc = 2 * std::numbers::pi * radius / n;
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setBold(true);
  font.setPixelSize(std::max(4, static_cast<int>(std::min(arc * 0.85, ringWidth * 0.62))));
  return font;
}

void DrawCharacter(QPainter& p, QPointF centre, const QString& text, int pixelSize) {
  const double box = pixelSize * 1.6;
  p.drawText(QRectF(centre.x() - box / 2, centre.y() - box / 2, box, box), Qt::AlignCenter, text);
}

QRectF Circle(const DiskLayout& l, double r) {
  return {l.CentreX - r, l.CentreY - r, 2 * r, 2 * r};
}

}  // namespace

// One ring, its segments' borders and its characters: the outer one (inner
// false) at its fixed place, the inner one turned by `turn`.
void DiskWidget::PaintRing(QPainter& p, const DiskLayout& l, bool inner, double turn) const {
  const std::string& alphabet = form_.Alphabet();
  const int n = static_cast<int>(alphabet.size());
  const DiskGeometry g(n);
  const double segment = g.SegmentDegrees();
  const double outside = inner ? l.MiddleRadius : l.OuterRadius;
  const double inside = inner ? l.InnerRadius : l.MiddleRadius;
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  QPainterPath ring;
  ring.addEllipse(Circle(l, outside));
  ring.addEllipse(Circle(l, inside));
  p.setPen(QPen(kLines, std::max(1.0, l.OuterRadius / 160)));
  p.setBrush(inner ? kInnerRing : kOuterRing);
  p.drawPath(ring);
  for (int i = 0; i < n; ++i) {
    const double edge = (inner ? g.InnerCentre(i, turn) : g.OuterCentre(i)) - segment / 2;
    p.drawLine(At(l, edge, inside), At(l, edge, outside));
  }
  const double radius = (outside + inside) / 2;
  const QFont font = RingFont(radius, outside - inside, n);
  p.setFont(font);
  p.setPen(kInk);
  for (int i = 0; i < n; ++i)
    DrawCharacter(p, At(l, inner ? g.InnerCentre(i, turn) : g.OuterCentre(i), radius),
                  Shown(alphabet[static_cast<std::size_t>(i)]), font.pixelSize());
}

// The rings change only with the alphabet, the size and (the inner one) the
// turn: each is kept as a picture, so that a step, which only lights another
// pair, draws two pictures and the lit pair.
const QPixmap& DiskWidget::RingPicture(bool inner, double turn) const {
  RingCache& cache = inner ? innerCache_ : outerCache_;
  const qreal dpr = devicePixelRatioF();
  const bool valid = cache.size == size() && cache.dpr == dpr &&
                     cache.revision == alphabetRevision_ && (!inner || cache.turn == turn);
  if (!valid) {
    cache.picture = QPixmap(size() * dpr);
    cache.picture.setDevicePixelRatio(dpr);
    cache.picture.fill(Qt::transparent);
    QPainter p(&cache.picture);
    PaintRing(p, Layout(), inner, turn);
    cache.size = size();
    cache.dpr = dpr;
    cache.revision = alphabetRevision_;
    cache.turn = turn;
  }
  return cache.picture;
}

void DiskWidget::Paint(QPainter& p, const DiskLayout& l, bool focusMark) const {
  const std::string& alphabet = form_.Alphabet();
  const int n = static_cast<int>(alphabet.size());
  if (n == 0) return;
  const DiskGeometry g(n);
  const double segment = g.SegmentDegrees();
  // While dragged, the ring stands where the mouse has turned it to.
  const double turn = dragging_ ? syncedTurn_ + dragSteps_ : shownTurn_;
  p.drawPixmap(0, 0, RingPicture(false, 0));
  p.drawPixmap(0, 0, RingPicture(true, turn));
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);

  // The lit pair: outer segment c and the inner one under it, filled, its
  // characters drawn again over the fill, and framed.
  const std::optional<int> lit = form_.Lit();
  if (lit && *lit >= 0 && *lit < n) {
    const double from = g.OuterCentre(*lit) - segment / 2;
    p.setBrush(kLit);
    p.setPen(Qt::NoPen);
    p.drawPath(RingPiece(l, l.InnerRadius, l.OuterRadius, from, segment));
    p.setPen(kInk);
    const double outerRadius = (l.OuterRadius + l.MiddleRadius) / 2;
    QFont font = RingFont(outerRadius, l.OuterRadius - l.MiddleRadius, n);
    p.setFont(font);
    DrawCharacter(p, At(l, g.OuterCentre(*lit), outerRadius),
                  Shown(alphabet[static_cast<std::size_t>(*lit)]), font.pixelSize());
    const double innerRadius = (l.MiddleRadius + l.InnerRadius) / 2;
    font = RingFont(innerRadius, l.MiddleRadius - l.InnerRadius, n);
    p.setFont(font);
    const int under = g.InnerAt(g.OuterCentre(*lit), turn);
    DrawCharacter(p, At(l, g.InnerCentre(under, turn), innerRadius),
                  Shown(alphabet[static_cast<std::size_t>(under)]), font.pixelSize());
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kInk, std::max(2.0, l.OuterRadius / 50), Qt::SolidLine, Qt::SquareCap,
                  Qt::MiterJoin));
    p.drawPath(RingPiece(l, l.InnerRadius, l.OuterRadius, from, segment));
  }

  // The pointer: a wedge round the first pair, and an arrow above it.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kInk, std::max(1.5, l.OuterRadius / 90), Qt::DashLine));
  p.drawPath(RingPiece(l, l.InnerRadius, l.OuterRadius, -segment / 2, segment));
  const double tipY = l.CentreY - l.OuterRadius;
  const double half = std::max(5.0, l.PointerTip * 0.45);
  QPolygonF arrow;
  arrow << QPointF(l.CentreX, tipY + 1) << QPointF(l.CentreX - half, tipY - l.PointerTip * 0.9)
        << QPointF(l.CentreX + half, tipY - l.PointerTip * 0.9);
  p.setPen(Qt::NoPen);
  p.setBrush(kInk);
  p.drawPolygon(arrow);

  // The hub: the shift, large.
  QFont hubFont(QStringLiteral("DejaVu Sans"));
  hubFont.setBold(true);
  hubFont.setPixelSize(std::max(6, static_cast<int>(l.InnerRadius * 0.55)));
  p.setFont(hubFont);
  p.setPen(kInk);
  const double hub = l.InnerRadius * 0.9;
  p.drawText(Circle(l, hub), Qt::AlignCenter, QString::number(form_.Shift()));

  if (focusMark) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(palette().highlight().color(), 2, Qt::DotLine));
    p.drawEllipse(Circle(l, l.OuterRadius + 3));
  }
}

void DiskWidget::keyPressEvent(QKeyEvent* event) {
  if ((event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
    switch (event->key()) {
      case Qt::Key_Right:
      case Qt::Key_Up:
        if (TakesInput()) Q_EMIT TurnWanted(1);
        return;
      case Qt::Key_Left:
      case Qt::Key_Down:
        if (TakesInput()) Q_EMIT TurnWanted(-1);
        return;
      case Qt::Key_Home:
        if (TakesInput()) Q_EMIT TurnToWanted(0);
        return;
      default:
        break;
    }
  }
  QWidget::keyPressEvent(event);
}

void DiskWidget::mousePressEvent(QMouseEvent* event) {
  setFocus(Qt::MouseFocusReason);
  const DiskLayout l = Layout();
  const QPointF at = event->position();
  const DiskGeometry g(static_cast<int>(form_.Alphabet().size()));
  if (event->button() != Qt::LeftButton || !TakesInput() ||
      g.HitTest(at.x(), at.y(), l, shownTurn_).Ring != DiskRing::Inner) {
    QWidget::mousePressEvent(event);
    return;
  }
  animation_->stop();
  shownTurn_ = syncedTurn_;
  dragging_ = true;
  dragLast_ = DegreesOf(at.x(), at.y(), l.CentreX, l.CentreY);
  dragDegrees_ = 0;
  dragSteps_ = 0;
  setCursor(Qt::ClosedHandCursor);
}

void DiskWidget::mouseMoveEvent(QMouseEvent* event) {
  if (!dragging_) {
    QWidget::mouseMoveEvent(event);
    return;
  }
  const DiskLayout l = Layout();
  const double now = DegreesOf(event->position().x(), event->position().y(), l.CentreX, l.CentreY);
  dragDegrees_ += DragDegrees(dragLast_, now);
  dragLast_ = now;
  // Whole positions only, and no further than the spinner goes.
  const DiskGeometry g(static_cast<int>(form_.Alphabet().size()));
  const int wanted = std::clamp(form_.Shift() + g.StepsForDrag(dragDegrees_), form_.MinShift(),
                                form_.MaxShift());
  const int steps = wanted - form_.Shift();
  if (steps != dragSteps_) {
    dragSteps_ = steps;
    update();
  }
}

void DiskWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (!dragging_ || event->button() != Qt::LeftButton) {
    QWidget::mouseReleaseEvent(event);
    return;
  }
  const int steps = dragSteps_;
  EndDrag();
  // Drawn where it was let go, so the turn from there needs no animation.
  shownTurn_ = syncedTurn_ + steps;
  if (steps != 0 && TakesInput()) Q_EMIT TurnWanted(steps);
  Sync();
  update();
}

void DiskWidget::EndDrag() {
  dragging_ = false;
  dragSteps_ = 0;
  setCursor(Qt::OpenHandCursor);
}

void DiskWidget::wheelEvent(QWheelEvent* event) {
  // One position per notch; up turns the shift up.
  const int notches = event->angleDelta().y() / 120;
  if (notches != 0 && TakesInput()) Q_EMIT TurnWanted(notches);
  event->accept();
}

void DiskWidget::focusInEvent(QFocusEvent* event) {
  update();
  QWidget::focusInEvent(event);
}

void DiskWidget::focusOutEvent(QFocusEvent* event) {
  if (dragging_) {
    EndDrag();
    shownTurn_ = syncedTurn_;
  }
  update();
  QWidget::focusOutEvent(event);
}

void DiskWidget::contextMenuEvent(QContextMenuEvent* event) {
  const QPoint at =
      event->reason() == QContextMenuEvent::Mouse ? event->globalPos() : mapToGlobal(rect().center());
  menu_->exec(at);
}
