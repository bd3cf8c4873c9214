#include "toolkit/view/form/MenuKey.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QWidget>

namespace {

class ShiftF10 : public QObject {
 public:
  explicit ShiftF10(QObject* parent) : QObject(parent) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_F10 || (key->modifiers() & ~Qt::KeypadModifier) != Qt::ShiftModifier)
      return false;
    auto* widget = static_cast<QWidget*>(watched);
    // Where the menu key would open it: at the text cursor of a field, in the
    // middle of anything else (a table puts it under its current cell itself).
    const QRect cursor = widget->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const QPoint at = cursor.isValid() ? cursor.center() : widget->rect().center();
    QContextMenuEvent menu(QContextMenuEvent::Keyboard, at, widget->mapToGlobal(at),
                           key->modifiers());
    QCoreApplication::sendEvent(widget, &menu);
    return true;
  }
};

}  // namespace

void InstallShiftF10AsMenuKey() {
  static const bool installed = [] {
    qApp->installEventFilter(new ShiftF10(qApp));
    return true;
  }();
  (void)installed;
}
