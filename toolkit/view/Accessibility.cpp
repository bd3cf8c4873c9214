#include "toolkit/view/Accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeySequence>

#include "toolkit/view/UpDownWidget.h"

namespace {

// An up-down spinner as a spin box: its position, its range, and the arrows
// as the increase and decrease actions, which click them as the user would.
class UpDownAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
 public:
  explicit UpDownAccessible(UpDownWidget* spinner)
      : QAccessibleWidget(spinner, QAccessible::SpinBox) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return QString::number(Spinner()->Position());
    return QAccessibleWidget::text(t);
  }
  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
  }

  QVariant currentValue() const override { return Spinner()->Position(); }
  QVariant maximumValue() const override { return Spinner()->Maximum(); }
  QVariant minimumValue() const override { return Spinner()->Minimum(); }
  QVariant minimumStepSize() const override { return 1; }
  // Clicks the arrow towards the wanted position until the spinner stands
  // there or stops moving, so every step raises the handler as a click would.
  void setCurrentValue(const QVariant& value) override {
    const int wanted = value.toInt();
    for (int last = -1; Spinner()->Position() != wanted && Spinner()->Position() != last;) {
      last = Spinner()->Position();
      Spinner()->Press(wanted > last);
    }
  }

  QStringList actionNames() const override {
    return QStringList{increaseAction(), decreaseAction()} + QAccessibleWidget::actionNames();
  }
  void doAction(const QString& action) override {
    if (action == increaseAction())
      Spinner()->Press(true);
    else if (action == decreaseAction())
      Spinner()->Press(false);
    else
      QAccessibleWidget::doAction(action);
  }
  QStringList keyBindingsForAction(const QString& action) const override {
    if (action == increaseAction()) return {QKeySequence(Qt::Key_Up).toString()};
    if (action == decreaseAction()) return {QKeySequence(Qt::Key_Down).toString()};
    return QAccessibleWidget::keyBindingsForAction(action);
  }

 private:
  UpDownWidget* Spinner() const { return static_cast<UpDownWidget*>(widget()); }
};

QAccessibleInterface* ToolkitInterface(const QString& className, QObject* object) {
  if (className == QLatin1String("UpDownWidget"))
    if (auto* spinner = qobject_cast<UpDownWidget*>(object)) return new UpDownAccessible(spinner);
  return nullptr;
}

}  // namespace

void InstallToolkitAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(ToolkitInterface);
    return true;
  }();
  (void)installed;
}
