#include "toolkit/view/QtPlatform.h"

#include <QApplication>
#include <QEventLoop>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include "toolkit/view/QtText.h"

namespace {

// A screen shows a new picture about every 16 ms; redrawing more often during
// an immediate run would only cost time nobody can see.
constexpr qint64 kFrameMs = 16;

QString Title(MessageKind kind) {
  switch (kind) {
    case MessageKind::Warning: return QStringLiteral("Warnung");
    case MessageKind::Error: return QStringLiteral("Fehler");
    case MessageKind::Information: return QStringLiteral("Information");
    case MessageKind::Confirmation: return QString::fromUtf8("Bestätigung");
  }
  return {};
}

QMessageBox::Icon IconOf(MessageKind kind) {
  switch (kind) {
    case MessageKind::Warning: return QMessageBox::Warning;
    case MessageKind::Error: return QMessageBox::Critical;
    case MessageKind::Information: return QMessageBox::Information;
    case MessageKind::Confirmation: return QMessageBox::Question;
  }
  return QMessageBox::NoIcon;
}

// Swallows the user's clicks, keys and wheel turns, wherever they come from,
// for as long as it lives. Painting, timers and the window system's requests
// (closing, uncovering) go on.
class InputSwallower : public QObject {
 public:
  InputSwallower() { qApp->installEventFilter(this); }
  ~InputSwallower() override { qApp->removeEventFilter(this); }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    switch (event->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::MouseMove:
      case QEvent::NonClientAreaMouseButtonPress:
      case QEvent::NonClientAreaMouseButtonRelease:
      case QEvent::NonClientAreaMouseButtonDblClick:
      case QEvent::Wheel:
      case QEvent::KeyPress:
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
};

}  // namespace

MessageAnswer QtPlatform::ShowMessage(MessageKind kind, const std::string& text,
                                      MessageButtons buttons) {
  QString body = ToQString(text);
  body.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  QMessageBox box(IconOf(kind), Title(kind), body, QMessageBox::NoButton,
                  QApplication::activeWindow());
  box.setObjectName(QStringLiteral("MessageBox"));
  std::map<QAbstractButton*, MessageAnswer> answers;
  auto add = [&](const char* caption, QMessageBox::ButtonRole role, MessageAnswer answer) {
    QPushButton* button = box.addButton(QString::fromUtf8(caption), role);
    answers[button] = answer;
    return button;
  };
  switch (buttons) {
    case MessageButtons::Ok:
      box.setDefaultButton(add("OK", QMessageBox::AcceptRole, MessageAnswer::Ok));
      break;
    case MessageButtons::OkCancel:
      box.setDefaultButton(add("OK", QMessageBox::AcceptRole, MessageAnswer::Ok));
      add("Abbrechen", QMessageBox::RejectRole, MessageAnswer::Cancel);
      break;
    case MessageButtons::YesNo:
      box.setDefaultButton(add("&Ja", QMessageBox::YesRole, MessageAnswer::Yes));
      add("&Nein", QMessageBox::NoRole, MessageAnswer::No);
      break;
  }
  box.exec();
  const auto it = answers.find(box.clickedButton());
  return it == answers.end() ? MessageAnswer::None : it->second;
}

void QtPlatform::ShowModal(ModalForm form) {
  if (const auto it = showers_.find(form); it != showers_.end() && it->second) it->second();
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

void QtPlatform::Pause(int milliseconds) {
  // The learner watches the last step for the whole pause, also when its
  // redraw came too soon after the one before and was left out.
  if (redrawDropped_) Redraw();
  // The windows go on painting (when uncovered, say) and timers fire, but
  // clicks and keys are swallowed rather than kept for later: a click meant
  // for the middle of a run must not act once the run is over.
  InputSwallower swallower;
  QEventLoop loop;
  QTimer timer;
  timer.setTimerType(Qt::PreciseTimer);
  timer.setSingleShot(true);
  QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
  timer.start(milliseconds);
  loop.exec();
}

char QtPlatform::DecimalSeparator() const {
  const QString point = QLocale::system().decimalPoint();
  if (point.size() == 1) {
    if (const auto bytes = FromQString(point)) return (*bytes)[0];
  }
  return '.';
}

void QtPlatform::SetModalShower(ModalForm form, std::function<void()> show) {
  showers_[form] = std::move(show);
}

void QtPlatform::AddRedrawHook(std::function<void()> hook) {
  redrawHooks_.push_back(std::move(hook));
}
