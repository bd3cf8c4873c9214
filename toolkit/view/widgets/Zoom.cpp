#include "toolkit/view/widgets/Zoom.h"

#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QWidget>

#include <algorithm>

#include "toolkit/model/Zoom.h"

ViewZoom& ViewZoom::Get() {
  static ViewZoom* zoom = nullptr;
  if (!zoom) {
    zoom = new ViewZoom(qApp);
    QObject::connect(zoom, &QObject::destroyed, [] { zoom = nullptr; });
  }
  return *zoom;
}

ViewZoom::ViewZoom(QObject* parent) : QObject(parent) {}

int ViewZoom::Largest() const {
  return largest_ ? std::max(largest_(), kNoZoom) : kZoomSteps.back();
}

void ViewZoom::SetPercent(int percent) {
  percent = std::clamp(percent, kNoZoom, Largest());
  if (percent == percent_) return;
  percent_ = percent;
  Q_EMIT Changed(percent_);
}

void ViewZoom::Larger() { SetPercent(NextZoomStep(percent_, Largest())); }
void ViewZoom::Smaller() { SetPercent(PreviousZoomStep(percent_)); }
void ViewZoom::Reset() { SetPercent(kNoZoom); }

QList<QAction*> InstallZoomKeys(QWidget* window) {
  QList<QAction*> actions;
  auto add = [&](const char* name, const char* text, QList<QKeySequence> keys,
                 void (ViewZoom::*change)()) {
    auto* action = new QAction(QString::fromUtf8(text), window);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    action->setShortcutVisibleInContextMenu(true);
    QObject::connect(action, &QAction::triggered, window, [change] { (ViewZoom::Get().*change)(); });
    window->addAction(action);
    actions << action;
  };
  add("ZoomIn", "Größer",
      {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal),
       QKeySequence(QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_Plus))},
      &ViewZoom::Larger);
  add("ZoomOut", "Kleiner",
      {QKeySequence(Qt::CTRL | Qt::Key_Minus),
       QKeySequence(QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_Minus))},
      &ViewZoom::Smaller);
  add("ZoomReset", "Originalgröße",
      {QKeySequence(Qt::CTRL | Qt::Key_0), QKeySequence(QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_0))},
      &ViewZoom::Reset);
  return actions;
}
