#include "toolkit/view/widgets/AccessibleValue.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

std::optional<int> WholeValueInRange(const QVariant& value, int minimum, int maximum, bool wraps) {
  bool number = false;
  const double wanted = value.toDouble(&number);
  if (!number || !std::isfinite(wanted) || maximum < minimum) return std::nullopt;
  // Far outside any range the rounding would overflow; such a value is the
  // far end, or wraps from a point just as good.
  const double limited = std::clamp(wanted, -1e15, 1e15);
  const std::int64_t whole = std::llround(limited);
  if (!wraps) return static_cast<int>(std::clamp<std::int64_t>(whole, minimum, maximum));
  const std::int64_t span = std::int64_t{maximum} - minimum + 1;
  return static_cast<int>(((whole - minimum) % span + span) % span + minimum);
}

AccessibleValueWidget::AccessibleValueWidget(QWidget* widget, QAccessible::Role role)
    : QAccessibleWidget(widget, role) {}

QString AccessibleValueWidget::text(QAccessible::Text t) const {
  if (t == QAccessible::Value) return QString::number(Now().Value);
  return QAccessibleWidget::text(t);
}

void* AccessibleValueWidget::interface_cast(QAccessible::InterfaceType t) {
  if (t == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
  return QAccessibleWidget::interface_cast(t);
}

void AccessibleValueWidget::setCurrentValue(const QVariant& value) {
  const Range now = Now();
  if (const auto wanted = WholeValueInRange(value, now.Minimum, now.Maximum, now.Wraps);
      wanted && *wanted != now.Value)
    GoTo(*wanted);
}
