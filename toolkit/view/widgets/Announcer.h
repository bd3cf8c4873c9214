#pragma once
// What a screen reader says of a change that moves no focus: a step that
// enciphered a character, the chart slid by a key. A screen reader speaks
// what comes and goes as a notification ("Benachrichtigung H wird zu Y"), and
// speaks it again when the same text comes again; name and description
// changes are not spoken at all (Orca 43 with Qt 6.4). So the announcer is a
// notification of no size, off the window's face, that shows itself for a
// moment with each text: nobody sees it, it takes no focus, no tab stop and
// no room.

#include <QWidget>

class Announcer : public QWidget {
  Q_OBJECT

 public:
  explicit Announcer(QWidget* window);

  // Says text once the event loop turns, after whatever focus change came
  // with it, so that the screen reader speaks it after the newly focused
  // control rather than before it. Nothing while no screen reader listens.
  void Say(const QString& text);
  const QString& Text() const { return text_; }

 protected:
  void paintEvent(QPaintEvent*) override {}

 private:
  QString text_;
  QString pending_;  // to be said once the event loop turns; null when none
};
