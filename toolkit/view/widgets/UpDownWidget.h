#pragma once
// An up-down spinner: two arrow buttons stacked, with no value of its own to
// show. A press on an arrow (held down, it repeats) or the Up and Down keys
// report an arrow click; whether the position moves is the model's affair.
// A screen reader sees a spin box (UpDownAccessible.h) with the position the
// binder hands in.

#include <QTimer>
#include <QWidget>

class UpDownWidget : public QWidget {
  Q_OBJECT

 public:
  explicit UpDownWidget(QWidget* parent = nullptr);

  // Rectangles of the two arrow buttons (for tests and painting).
  QRect UpRect() const;
  QRect DownRect() const;

  // One click on an arrow, as a mouse press or the Up and Down keys give it.
  void Press(bool up);
  // A position asked for from outside (an assistive tool), already in range:
  // the binder clicks its way there.
  void AskFor(int position);

  // The position the spinner stands for, between minimum and maximum, as a
  // screen reader reports it; setting it draws nothing and raises nothing.
  void ShowPosition(int minimum, int maximum, int position, bool wraps);
  int Minimum() const { return minimum_; }
  int Maximum() const { return maximum_; }
  int Position() const { return position_; }
  bool Wraps() const { return wraps_; }

 Q_SIGNALS:
  void ArrowClicked(bool up);
  void PositionWanted(int position);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  enum class Pressed { None, Up, Down };
  void Repeat();

  Pressed pressed_ = Pressed::None;
  QTimer repeat_;
  int minimum_ = 0;
  int maximum_ = 0;
  int position_ = 0;
  bool wraps_ = false;
};
