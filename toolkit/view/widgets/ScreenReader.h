#pragma once
// Telling a screen reader what changed. Qt delivers nothing while no screen
// reader listens, and what it would tell is then not even worked out. A test,
// which has no screen reader (the offscreen platform has no accessibility
// bridge), listens in with a ScreenReaderListener and sees every event the
// program's widgets send, and every notification an announcer shows.

#include <QAccessible>

#include <functional>

// Whether a screen reader, or a test, listens.
bool ScreenReaderListens();

// Sends the event to a listening screen reader and to a listening test.
void TellScreenReader(QAccessibleEvent& event);

// For what Qt tells the screen reader by itself (a widget coming into view):
// only a listening test sees it here.
void ShowListeningTest(QAccessibleEvent& event);

// While it lives, a test hears what the screen reader is told.
class ScreenReaderListener {
 public:
  explicit ScreenReaderListener(std::function<void(QAccessibleEvent&)> hear);
  ~ScreenReaderListener();
  ScreenReaderListener(const ScreenReaderListener&) = delete;
  ScreenReaderListener& operator=(const ScreenReaderListener&) = delete;
};
