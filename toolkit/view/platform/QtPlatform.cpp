#include "toolkit/view/platform/QtPlatform.h"

#include <QApplication>
#include <QEventLoop>
#include <QLocale>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>

#include "toolkit/view/widgets/MessageBox.h"
#include "toolkit/view/text/QtText.h"

namespace {

// A screen shows a new picture about every 16 ms; redrawing more often during
// an immediate run would only cost time nobody can see.
constexpr qint64 kFrameMs = 16;

// Swallows the user's clicks, keys and wheel turns, wherever they come from,
// for as long as it lives. Painting, timers and the window system's requests
// (closing, uncovering) go on. Escape and a request to close a window are the
// learner's ways to stop: they call stop (the close request still reaches its
// window, which decides when to close).
class InputSwallower : public QObject {
 public:
  explicit InputSwallower(std::function<void()> stop) : stop_(std::move(stop)) {
    qApp->installEventFilter(this);
  }
  ~InputSwallower() override { qApp->removeEventFilter(this); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::Close:
        if (IsWindow(watched)) stop_();
        return false;
      case QEvent::KeyPress:
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) stop_();
        return true;
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::MouseMove:
      case QEvent::NonClientAreaMouseButtonPress:
      case QEvent::NonClientAreaMouseButtonRelease:
      case QEvent::NonClientAreaMouseButtonDblClick:
      case QEvent::Wheel:
      case QEvent::KeyRelease:
      case QEvent::ShortcutOverride:
      case QEvent::Shortcut:
      case QEvent::InputMethod:
      case QEvent::ContextMenu:
      case QEvent::TouchBegin:
      case QEvent::TouchUpdate:
      case QEvent::TouchEnd:
      case QEvent::TabletPress:
      case QEvent::TabletMove:
      case QEvent::TabletRelease:
      case QEvent::DragEnter:
      case QEvent::DragMove:
      case QEvent::Drop:
        return true;
      default:
        return false;
    }
  }

 private:
  static bool IsWindow(QObject* object) {
    if (object->isWindowType()) return true;
    return object->isWidgetType() && static_cast<QWidget*>(object)->isWindow();
  }

  std::function<void()> stop_;
};

}  // namespace

MessageAnswer QtPlatform::ShowMessage(MessageKind kind, const std::string& text,
                                      MessageButtons buttons) {
  // The question is asked over what the handler has done so far: a field
  // upper-cased before the question shows in upper case while it waits.
  Redraw();
  QString body = ToQString(text);
  body.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return ShowMessageBox(kind, body, buttons, nullptr);
}

int QtPlatform::ShowModal(ModalForm form) {
  Redraw();
  if (const auto it = showers_.find(form); it != showers_.end() && it->second) return it->second();
  return kModalResultNone;
}

void QtPlatform::RedrawNow() {
  if (sinceRedraw_.isValid() && sinceRedraw_.elapsed() < kFrameMs) {
    redrawDropped_ = true;
    return;
  }
  Redraw();
}

void QtPlatform::Redraw() {
  redrawDropped_ = false;
  for (const auto& hook : redrawHooks_) hook();
  // Paints only what the hooks changed: a field holding tens of thousands of
  // characters takes milliseconds to draw, so an unchanged one is left alone.
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (!window->isVisible()) continue;
    QEvent paintDirtyNow(QEvent::UpdateRequest);
    QCoreApplication::sendEvent(window, &paintDirtyNow);
  }
  sinceRedraw_.start();
}

PauseEnd QtPlatform::Pause(int milliseconds) {
  // The learner watches the last step for the whole pause, also when its
  // redraw came too soon after the one before and was left out.
  if (redrawDropped_) Redraw();
  // The windows go on painting (when uncovered, say) and timers fire, but
  // clicks and keys are swallowed rather than kept for later: a click meant
  // for the middle of a run must not act once the run is over.
  QEventLoop loop;
  bool stopAsked = false;
  InputSwallower swallower([&] {
    stopAsked = true;
    loop.quit();
  });
  QTimer timer;
  timer.setTimerType(Qt::PreciseTimer);
  timer.setSingleShot(true);
  QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
  timer.start(milliseconds);
  loop.exec();
  return stopAsked ? PauseEnd::StopAsked : PauseEnd::TimeUp;
}

char QtPlatform::DecimalSeparator() const {
  const QString point = QLocale::system().decimalPoint();
  if (point.size() == 1) {
    if (const auto bytes = FromQString(point)) return (*bytes)[0];
  }
  return '.';
}

void QtPlatform::SetModalShower(ModalForm form, std::function<int()> show) {
  showers_[form] = std::move(show);
}

void QtPlatform::AddRedrawHook(std::function<void()> hook) {
  redrawHooks_.push_back(std::move(hook));
}
