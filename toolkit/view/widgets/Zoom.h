#pragma once
// The zoom every window of the program follows, for the projector: one for
// the whole run, never stored (CHIFFRARIUM_ZOOM can start with one). Windows,
// message boxes and the windows the program opens later lay themselves out
// again when it changes; at 100 % each is exactly as designed. The
// arithmetic is toolkit/model/Zoom.h.
//
// Strg+Plus (also Strg+= and the keypad's plus), Strg+Minus and Strg+0 change
// it in every window that installs the keys (InstallZoomKeys).

#include <QFont>
#include <QList>
#include <QObject>

#include <functional>

class QAction;
class QWidget;

class ViewZoom : public QObject {
  Q_OBJECT

 public:
  // The program's one zoom; made with the application and gone with it.
  static ViewZoom& Get();

  int Percent() const { return percent_; }
  // The largest step the main window's screen has room for, asked afresh at
  // every change (the main window may have moved to another screen).
  int Largest() const;
  void SetLargestFrom(std::function<int()> largest) { largest_ = std::move(largest); }

  // To a step, no larger than Largest(); Changed tells every window.
  void SetPercent(int percent);
  void Larger();   // "Größer"
  void Smaller();  // "Kleiner"
  void Reset();    // "Originalgröße"

 Q_SIGNALS:
  void Changed(int percent);

 private:
  explicit ViewZoom(QObject* parent);
  int percent_ = 100;
  QFont unzoomedFont_;  // the application's font at 100 %
  std::function<int()> largest_;
};

// Adds the zoom's keys to a window, as actions of its own: they work while it
// is the active window, a modal one too. The actions, "Größer", "Kleiner" and
// "Originalgröße" with their keys, can go into a menu as they are.
QList<QAction*> InstallZoomKeys(QWidget* window);

// Lays a window out at the zoom the program has now (at 100 % it is as
// designed and apply is not called) and at every later change, for the
// window's life.
void FollowZoom(QWidget* window, std::function<void(int percent)> apply);
