// FrequencyChartWidget: what the learner does with the chart (drag, keys, focus,
// a tooltip per column, "Diagramm kopieren") and what a screen reader hears of
// it. Where things stand and how they are drawn: FrequencyChartPainting.cpp.
#include "KAnalyse1/view/FrequencyChartWidget.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <cmath>

#include "toolkit/view/text/QtText.h"
#include "toolkit/view/widgets/AccessibleValue.h"
#include "toolkit/view/widgets/PictureMenu.h"
#include "toolkit/view/widgets/ScreenReader.h"


// The chart for a screen reader: a slider whose value is the shift, which an
// assistive tool can read and set all the way round. (A screen reader says
// the new value of a slider as it moves, and nothing of a chart's; the line
// under the chart is announced by the window.)
class FrequencyChartAccessible : public AccessibleValueWidget {
 public:
  explicit FrequencyChartAccessible(FrequencyChartWidget* chart)
      : AccessibleValueWidget(chart, QAccessible::Slider) {}

 protected:
  Range Now() const override {
    const FrequencyChart& chart = Chart()->chart_;
    return {0, std::max(chart.Size() - 1, 0), chart.State.Shift, true};
  }
  void GoTo(int value) override { Chart()->LearnerSlideTo(value); }

 private:
  FrequencyChartWidget* Chart() const { return static_cast<FrequencyChartWidget*>(widget()); }
};

namespace {

QAccessibleInterface* ChartInterface(const QString& className, QObject* object) {
  if (className == QLatin1String("FrequencyChartWidget"))
    if (auto* chart = qobject_cast<FrequencyChartWidget*>(object))
      return new FrequencyChartAccessible(chart);
  return nullptr;
}

}  // namespace

FrequencyChartWidget::FrequencyChartWidget(FrequencyChart& chart, char decimalSeparator,
                                           QWidget* parent)
    : QFrame(parent), chart_(chart), separator_(decimalSeparator) {
  static const bool accessibleInstalled = [] {
    QAccessible::installFactory(ChartInterface);
    return true;
  }();
  (void)accessibleInstalled;

  setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
  setCursor(Qt::OpenHandCursor);
  setAccessibleName(U("Häufigkeitsdiagramm"));

  const PictureMenu menu = MakePictureMenu(this, U("Diagramm kopieren"), "CopyChart",
                                           "ChartMenu", [this] { CopyPicture(); });
  copy_ = menu.Copy;
  menu_ = menu.Menu;

  Sync();
}

void FrequencyChartWidget::Sync() {
  const bool contentsChanged = chart_.ContentRevision() != shownContents_;
  if (contentsChanged) {
    geometryValid_ = false;
    staticValid_ = false;
    update();
  } else if (chart_.State.Shift != shownShift_) {
    update(SlideRegion());
  }
  if (chart_.State.Revision == shownRevision_ && !contentsChanged) return;
  const bool shiftChanged = chart_.State.Shift != shownShift_;
  shownRevision_ = chart_.State.Revision;
  shownContents_ = chart_.ContentRevision();
  shownShift_ = chart_.State.Shift;

  // Qt tells a listening screen reader that the description changed; the new
  // value goes out as well, so that a slide is heard however the tool listens.
  setAccessibleDescription(ToQString(chart_.ShiftLine(separator_)));
  if (shiftChanged && ScreenReaderListens()) {
    QAccessibleValueChangeEvent event(this, chart_.State.Shift);
    TellScreenReader(event);
  }
}

QImage FrequencyChartWidget::Picture() const {
  const qreal dpr = devicePixelRatioF();
  QImage image(size() * dpr, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(dpr);
  QPainter p(&image);
  PaintWhole(p, size());
  return image;
}

void FrequencyChartWidget::PaintWhole(QPainter& p, QSize size) const {
  const Geometry g = Layout(QRect(QPoint(0, 0), size));
  PaintStatic(p, g);
  PaintProfile(p, g);
  PaintLegend(p, g);
}

void FrequencyChartWidget::CopyPicture() const {
  QGuiApplication::clipboard()->setImage(Picture());
}

int FrequencyChartWidget::ColumnCentre(int column) const {
  const Geometry& g = Current();
  if (column >= chart_.Size()) return static_cast<int>(g.restLeft + g.restWidth / 2);
  return static_cast<int>(g.ColumnLeft(column) + g.column / 2);
}

QRect FrequencyChartWidget::PlotRect() const {
  return Current().plot.toRect();
}

int FrequencyChartWidget::LabelRows() const {
  return Current().labelRows;
}

QSize FrequencyChartWidget::sizeHint() const {
  return {585, 305};
}

QSize FrequencyChartWidget::minimumSizeHint() const {
  return {200, 120};
}

void FrequencyChartWidget::resizeEvent(QResizeEvent* event) {
  geometryValid_ = false;
  staticValid_ = false;
  QFrame::resizeEvent(event);
}

void FrequencyChartWidget::changeEvent(QEvent* event) {
  switch (event->type()) {
    case QEvent::FontChange:
    case QEvent::PaletteChange:
    case QEvent::StyleChange:
      geometryValid_ = false;
      staticValid_ = false;
      update();
      break;
    default:
      break;
  }
  QFrame::changeEvent(event);
}

void FrequencyChartWidget::keyPressEvent(QKeyEvent* event) {
  // The arrows of the number pad count as well.
  if (chart_.Size() > 0 && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
    switch (event->key()) {
      case Qt::Key_Left:
        LearnerSlideTo(chart_.State.Shift - 1);
        return;
      case Qt::Key_Right:
        LearnerSlideTo(chart_.State.Shift + 1);
        return;
      case Qt::Key_Home:
        LearnerSlideTo(0);
        return;
      default:
        break;
    }
  }
  QFrame::keyPressEvent(event);
}

void FrequencyChartWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || chart_.Size() == 0) {
    QFrame::mousePressEvent(event);
    return;
  }
  setFocus(Qt::MouseFocusReason);
  dragging_ = true;
  dragOriginX_ = event->position().toPoint().x();
  dragOriginShift_ = chart_.State.Shift;
  setCursor(Qt::ClosedHandCursor);
}

void FrequencyChartWidget::mouseMoveEvent(QMouseEvent* event) {
  if (!dragging_) {
    QFrame::mouseMoveEvent(event);
    return;
  }
  const double column = Current().column;
  if (column <= 0) return;
  // Whole columns only: the profile snaps from position to position.
  const int steps = static_cast<int>(std::lround((event->position().x() - dragOriginX_) / column));
  LearnerSlideTo(dragOriginShift_ + steps);
}

void FrequencyChartWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (dragging_ && event->button() == Qt::LeftButton) {
    dragging_ = false;
    setCursor(Qt::OpenHandCursor);
    return;
  }
  QFrame::mouseReleaseEvent(event);
}

void FrequencyChartWidget::focusInEvent(QFocusEvent* event) {
  update();
  QFrame::focusInEvent(event);
}

void FrequencyChartWidget::focusOutEvent(QFocusEvent* event) {
  if (dragging_) {
    dragging_ = false;
    setCursor(Qt::OpenHandCursor);
  }
  update();
  QFrame::focusOutEvent(event);
}

void FrequencyChartWidget::contextMenuEvent(QContextMenuEvent* event) {
  // From the keyboard under the middle of the plot, from the mouse where it was.
  const QPoint at =
      event->reason() == QContextMenuEvent::Mouse ? event->globalPos() : mapToGlobal(rect().center());
  menu_->exec(at);
}

bool FrequencyChartWidget::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const QString tip = ToolTipAt(help->pos());
    if (tip.isEmpty())
      QToolTip::hideText();
    else
      QToolTip::showText(help->globalPos(), tip, this);
    return true;
  }
  return QFrame::event(event);
}

void FrequencyChartWidget::LearnerSlideTo(int shift) {
  // The chart moves when its owner has moved the state: a slide refused (while
  // another handler runs) leaves bars, spinner and line agreeing.
  if (chart_.Size() > 0) Q_EMIT SlideWanted(shift);
}

int FrequencyChartWidget::ColumnAt(QPoint point) const {
  const Geometry& g = Current();
  const int n = chart_.Size();
  if (n == 0 || point.y() < g.plot.top() ||
      point.y() > g.labelTop + 2 * QFontMetrics(font()).height())
    return -1;
  if (point.x() >= g.restLeft && point.x() < g.restLeft + g.restWidth) return n;
  if (point.x() < g.plot.left() || g.column <= 0) return -1;
  const int c = static_cast<int>((point.x() - g.plot.left()) / g.column);
  return c < n ? c : -1;
}

QString FrequencyChartWidget::ToolTipAt(QPoint point) const {
  const int column = ColumnAt(point);
  return column < 0 ? QString() : ToQString(chart_.ColumnTip(column, separator_));
}
