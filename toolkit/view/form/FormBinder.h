#pragma once
// Binds the widgets of one window to the control models of its window model.
//
// User input goes to the model: typing sets an edit's text, an arrow click
// moves a spinner, a click raises the bound handler, a focus change raises the
// model's focus handler. Sync() then brings every widget up to date, writing a
// widget only when its model has changed since the last time, so a long text
// is not copied into its field again and again.
//
// Handlers run one at a time: a handler that pauses keeps the event loop
// turning (timers fire, windows repaint), and nothing it triggers may start
// another handler of the same window in the middle of the first. A handler
// that throws ends there with an error box, and the window goes on.

#include <QObject>

#include <cstdint>
#include <functional>
#include <vector>

#include "toolkit/model/Controls.h"
#include "toolkit/model/StringGrid.h"

class GridWidget;
class QAbstractButton;
class QButtonGroup;
class QLineEdit;
class QTextEdit;
class QWidget;
class UpDownWidget;

class FormBinder : public QObject {
  Q_OBJECT

 public:
  using Handler = std::function<void()>;

  explicit FormBinder(QWidget* window);

  // Fields: the user's typing becomes the model's text.
  void BindEdit(Edit& model, QLineEdit* widget);
  // Buttons: the model's enabled flag; a click raises the handler.
  void BindButton(Button& model, QAbstractButton* widget, Handler onClick);
  // Buttons that stay pressed in (checkable): a click flips the model's Down,
  // then raises the handler; the widget shows Down as checked.
  void BindSpeedButton(SpeedButton& model, QAbstractButton* widget, Handler onClick);
  // Spinners: an arrow click that moves the position raises the handler; a
  // position asked for by an assistive tool is reached click by click, each
  // raising the handler; a spinner shows while the model's Visible is set.
  void BindUpDown(UpDown& model, UpDownWidget* widget, Handler onClick);
  // Option groups: choosing another item raises the handler. Button ids are item indexes.
  void BindRadioGroup(RadioGroup& model, QButtonGroup* group, QWidget* box, Handler onClick);
  // Grids: cells, current cell and selection.
  void BindGrid(StringGrid& model, GridWidget* widget);
  // Read-only text boxes: the model's text.
  void BindRichEdit(RichEdit& model, QTextEdit* widget);
  // What a screen reader hears of a change that moves no focus: every Say of
  // the model, through the window's announcer (Announcer.h).
  void BindAnnouncement(const Announcement& model);
  // Any other control that can hold the focus.
  void BindFocus(Control& model, QWidget* widget);
  // Extra work for Sync(), for controls this class does not know.
  void AddSync(std::function<void()> sync);

  // The window model's focus: which control has it, and how to move it (raising
  // exit handlers). Without these the binder leaves the focus to Qt.
  void TrackFocus(std::function<Control*()> active, std::function<void(Control&)> setFocus);

  // Runs a handler of this window, then Sync(). Does nothing while another
  // handler of this window is still running.
  void Run(const Handler& handler);
  bool Busy() const { return busy_; }
  // Runs work now when no handler is running, otherwise right after it.
  void WhenIdle(Handler work);

  // Brings every bound widget up to date with its model.
  void Sync();

  Control* ControlOf(QWidget* widget) const;
  QWidget* WidgetOf(const Control* control) const;

 private:
  struct EditBinding {
    Edit* model;
    QLineEdit* widget;
    std::uint64_t synced;
  };
  struct ButtonBinding {
    Button* model;
    QAbstractButton* widget;
  };
  struct FocusBinding {
    Control* model;
    QWidget* widget;
  };

  void OnFocusChanged(QWidget* now);
  static void ClickTowards(UpDown& model, const Handler& onClick, int wanted);

  QWidget* window_;
  std::vector<EditBinding> edits_;
  std::vector<ButtonBinding> buttons_;
  std::vector<FocusBinding> focus_;
  std::vector<std::function<void()>> syncs_;
  std::function<Control*()> activeControl_;
  std::function<void(Control&)> setFocus_;
  std::vector<Handler> whenIdle_;
  bool busy_ = false;
};
