#include "toolkit/view/widgets/Zoom.h"

#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QMenu>
#include <QWidget>

#include <algorithm>

#include "toolkit/model/Zoom.h"
#include "toolkit/view/widgets/Fonts.h"

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
  // What sets no font of its own follows through the application's font:
  // tooltips and the menus made on demand, as the fields' context menus. The
  // menus that live on keep the font they were made with, so they get it
  // here. Back at 100 % it is the font it was.
  if (percent_ == kNoZoom) unzoomedFont_ = QApplication::font();
  const QFont font = percent == kNoZoom ? unzoomedFont_ : DefaultWindowFont(percent);
  QApplication::setFont(font);
  for (QWidget* widget : QApplication::allWidgets())
    if (auto* menu = qobject_cast<QMenu*>(widget)) menu->setFont(font);
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

void FollowZoom(QWidget* window, std::function<void(int percent)> apply) {
  ViewZoom& zoom = ViewZoom::Get();
  if (zoom.Percent() != kNoZoom) apply(zoom.Percent());
  QObject::connect(&zoom, &ViewZoom::Changed, window, std::move(apply));
}
