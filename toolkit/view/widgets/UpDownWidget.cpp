#include "toolkit/view/widgets/UpDownWidget.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOption>
#include <QStylePainter>

#include "toolkit/view/widgets/UpDownAccessible.h"
#include "toolkit/view/widgets/ScreenReader.h"

namespace {
constexpr int kFirstRepeatMs = 400;
constexpr int kRepeatMs = 80;
}  // namespace

UpDownWidget::UpDownWidget(QWidget* parent) : QWidget(parent) {
  InstallUpDownAccessibility();
  setFocusPolicy(Qt::StrongFocus);
  repeat_.setSingleShot(false);
  connect(&repeat_, &QTimer::timeout, this, &UpDownWidget::Repeat);
}

QRect UpDownWidget::UpRect() const { return QRect(0, 0, width(), height() / 2); }
QRect UpDownWidget::DownRect() const {
  return QRect(0, height() / 2, width(), height() - height() / 2);
}

void UpDownWidget::Press(bool up) { Q_EMIT ArrowClicked(up); }

void UpDownWidget::AskFor(int position) {
  Q_EMIT PositionWanted(position);
}

void UpDownWidget::ShowPosition(int minimum, int maximum, int position, bool wraps) {
  minimum_ = minimum;
  maximum_ = maximum;
  wraps_ = wraps;
  if (position == position_) return;
  position_ = position;
  QAccessibleValueChangeEvent event(this, position);
  TellScreenReader(event);
}

void UpDownWidget::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  auto drawHalf = [&](const QRect& rect, bool up, bool down) {
    QStyleOptionButton button;
    button.initFrom(this);
    button.rect = rect;
    button.state |= down ? QStyle::State_Sunken : QStyle::State_Raised;
    painter.drawPrimitive(QStyle::PE_PanelButtonCommand, button);
    QStyleOption arrow;
    arrow.initFrom(this);
    const int side = std::min(rect.width(), rect.height()) / 2 + 1;
    arrow.rect = QRect(0, 0, side, side);
    arrow.rect.moveCenter(rect.center() + (down ? QPoint(1, 1) : QPoint(0, 0)));
    painter.drawPrimitive(up ? QStyle::PE_IndicatorArrowUp : QStyle::PE_IndicatorArrowDown, arrow);
  };
  drawHalf(UpRect(), true, pressed_ == Pressed::Up);
  drawHalf(DownRect(), false, pressed_ == Pressed::Down);
  if (hasFocus()) {
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = rect().adjusted(2, 2, -2, -2);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
  }
}

void UpDownWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const bool up = UpRect().contains(event->position().toPoint());
  pressed_ = up ? Pressed::Up : Pressed::Down;
  update();
  Press(up);
  repeat_.start(kFirstRepeatMs);
}

void UpDownWidget::mouseReleaseEvent(QMouseEvent*) {
  repeat_.stop();
  pressed_ = Pressed::None;
  update();
}

void UpDownWidget::Repeat() {
  if (pressed_ == Pressed::None || !isEnabled()) {
    repeat_.stop();
    return;
  }
  repeat_.setInterval(kRepeatMs);
  Press(pressed_ == Pressed::Up);
}

void UpDownWidget::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Up) {
    Press(true);
  } else if (event->key() == Qt::Key_Down) {
    Press(false);
  } else {
    QWidget::keyPressEvent(event);
  }
}

void UpDownWidget::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  update();
}

void UpDownWidget::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  update();
}

void UpDownWidget::changeEvent(QEvent* event) {
  if (event->type() == QEvent::EnabledChange && !isEnabled()) {
    repeat_.stop();
    pressed_ = Pressed::None;
  }
  QWidget::changeEvent(event);
}
