#include "toolkit/view/widgets/UpDownAccessible.h"

#include <QAccessible>
#include <QKeySequence>

#include "toolkit/view/widgets/AccessibleValue.h"
#include "toolkit/view/widgets/UpDownWidget.h"

namespace {

class UpDownAccessible : public AccessibleValueWidget {
 public:
  explicit UpDownAccessible(UpDownWidget* spinner)
      : AccessibleValueWidget(spinner, QAccessible::SpinBox) {}

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

 protected:
  Range Now() const override {
    return {Spinner()->Minimum(), Spinner()->Maximum(), Spinner()->Position(), Spinner()->Wraps()};
  }
  void GoTo(int value) override { Spinner()->AskFor(value); }

 private:
  UpDownWidget* Spinner() const { return static_cast<UpDownWidget*>(widget()); }
};

QAccessibleInterface* UpDownInterface(const QString& className, QObject* object) {
  if (className == QLatin1String("UpDownWidget"))
    if (auto* spinner = qobject_cast<UpDownWidget*>(object)) return new UpDownAccessible(spinner);
  return nullptr;
}

}  // namespace

void InstallUpDownAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(UpDownInterface);
    return true;
  }();
  (void)installed;
}
