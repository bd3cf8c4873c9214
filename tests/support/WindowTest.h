#pragma once
// What every window test needs: finding a control by its name, reading and
// working it as a learner would, acting inside a modal window while its loop
// runs, and comparing where the controls stand with the layout.

#include <gtest/gtest.h>

#include <QDialog>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <functional>
#include <initializer_list>
#include <span>
#include <vector>

class QMessageBox;

// A child of window by its control name; a missing one fails the test.
template <typename T = QWidget>
T* Find(const QWidget* window, const char* name) {
  T* widget = window->findChild<T*>(QString::fromLatin1(name));
  EXPECT_NE(widget, nullptr) << name;
  return widget;
}

// The text a field shows.
QString TextOf(const QWidget* window, const char* field);

// A mouse click on a button, an option or a field.
void Click(const QWidget* window, const char* name);

// A mouse click on the upper or the lower arrow of an up-down spinner.
void ClickArrow(const QWidget* window, const char* spinner, bool up);

// The object name of the widget with the keyboard focus, or an empty name.
QString Focused();

// Presses Tab until the named control has the focus, as a learner would;
// whether it got there.
bool TabTo(const char* name);

// The focused control's name, then the name after each of `presses` presses of Tab.
std::vector<QString> TabWalk(int presses);

// Opens a modal window with open() (a click, a key) and runs inside() in its
// modal loop once the window is up and active. Fails when no window or
// another one comes up. Whatever inside() leaves open is ended afterwards, so
// that a failing check cannot hang the test.
void InsideModal(QDialog& dialog, const std::function<void()>& open,
                 const std::function<void()>& inside);

// Opens the context menu of widget as a right click at pos (in widget
// coordinates) does, chooses the entry whose text is entry (nothing for
// nullptr) and gives the texts of all entries offered, in order. No menu: an
// empty list.
QStringList ChooseFromContextMenu(QWidget* widget, QPoint pos, const char* entry);

// The texts of the entries of the menu that act opens (a key, a click), which
// is then closed without a choice; no menu: an empty list.
QStringList MenuOpenedBy(QWidget* widget, const std::function<void()>& act);

// Calls a function every few milliseconds while a handler runs: its pauses
// keep the event loop turning, so the probe sees what the learner sees.
class Probe {
 public:
  explicit Probe(std::function<void()> look) {
    QObject::connect(&timer_, &QTimer::timeout, std::move(look));
    timer_.start(25);
  }

 private:
  QTimer timer_;
};

// Clicks, in every message box that comes up while it lives, the next button
// of a script, and writes down what each box said ("Fehler: text"). look, when
// given, runs while each box waits for its answer.
class BoxAnswerer {
 public:
  explicit BoxAnswerer(std::deque<const char*> buttons,
                       std::function<void(QMessageBox*)> look = nullptr);
  QStringList Seen;

 private:
  void AnswerOpenBox();
  std::deque<const char*> buttons_;
  std::function<void(QMessageBox*)> look_;
  QTimer timer_;
};

// Whether the screen shows these controls of window as they would be drawn
// now. The screen is the window's backing store: what was last painted and
// flushed. It is read straight from the store: the offscreen platform's
// grabWindow() cuts a scaled window down to its size in logical pixels.
bool OnScreen(QWidget& window, std::initializer_list<const char*> names);

// None of the named controls, where shown, overlaps another shown control of
// window, and a named button shows its whole caption. For controls added to a
// window in whatever room its layout left.
void ExpectClearOfOthers(const QWidget* window, std::initializer_list<const char*> names);

// A control's place in the client area as the layout gives it.
struct Placement {
  const char* name;
  QRect place;
};

// Every control stands at its place. A label may grow to the right where the
// font on this screen runs wider, but never cuts its text and never runs into
// a control beside it.
void ExpectPlacements(const QWidget* window, std::span<const Placement> placements);
