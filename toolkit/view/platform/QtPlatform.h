#pragma once
// The platform seam implemented with Qt: German message boxes, modal windows,
// redrawing in the middle of a handler, and pausing without taking input. Every
// box and modal window comes up over windows the redraw hooks have brought up to
// date.

#include <QElapsedTimer>

#include <functional>
#include <map>
#include <vector>

#include "toolkit/model/Platform.h"

class QtPlatform : public Platform {
 public:
  MessageAnswer ShowMessage(MessageKind kind, const std::string& text,
                            MessageButtons buttons) override;
  int ShowModal(ModalForm form) override;
  void RedrawNow() override;
  PauseEnd Pause(int milliseconds) override;
  char DecimalSeparator() const override;

  // How a modal window is shown: the app registers each window it shows
  // modally here; the shower returns the window's modal result.
  void SetModalShower(ModalForm form, std::function<int()> show);
  // Brings a view up to date with its model before the windows are repainted.
  void AddRedrawHook(std::function<void()> hook);

 private:
  // Runs the hooks and paints what they changed, now.
  void Redraw();

  std::map<ModalForm, std::function<int()>> showers_;
  std::vector<std::function<void()>> redrawHooks_;
  QElapsedTimer sinceRedraw_;  // invalid until the first redraw
  bool redrawDropped_ = false;  // a redraw came within a frame of the last one
};
