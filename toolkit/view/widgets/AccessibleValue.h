#pragma once
// What a screen reader, a braille display or voice control learns of a control
// that stands for a whole number in a range (a spinner's position, the chart's
// shift), and how it sets one. A value asked for comes into the range first:
// rounded to a whole number, then wrapped round a range that wraps and clamped
// to one that does not; the control then goes there along the path its own
// arrows or keys take, so a value from outside can never send it round and
// round. A value that is no number changes nothing.

#include <QAccessibleWidget>

#include <optional>

// value as a whole number in minimum..maximum, wrapped or clamped as above;
// nothing when it is no finite number or the range is empty.
std::optional<int> WholeValueInRange(const QVariant& value, int minimum, int maximum, bool wraps);

class AccessibleValueWidget : public QAccessibleWidget, public QAccessibleValueInterface {
 public:
  AccessibleValueWidget(QWidget* widget, QAccessible::Role role);

  QString text(QAccessible::Text t) const override;
  void* interface_cast(QAccessible::InterfaceType t) override;

  QVariant currentValue() const override { return Now().Value; }
  QVariant maximumValue() const override { return Now().Maximum; }
  QVariant minimumValue() const override { return Now().Minimum; }
  QVariant minimumStepSize() const override { return 1; }
  void setCurrentValue(const QVariant& value) override;

 protected:
  struct Range {
    int Minimum = 0;
    int Maximum = 0;
    int Value = 0;
    bool Wraps = false;
  };
  // Where the control stands now.
  virtual Range Now() const = 0;
  // Goes to a value inside the range, as the control's arrows or keys would.
  virtual void GoTo(int value) = 0;
};
