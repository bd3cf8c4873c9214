#pragma once
// A scripted platform for model tests: records every message box, answers them
// from a queue, runs a callback in place of a modal window, which then closes
// with OK, and counts redraws and pauses instead of drawing and sleeping.

#include <cstddef>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ciphercore/TakenShift.h"
#include "toolkit/model/Platform.h"

struct ShownMessage {
  MessageKind Kind;
  std::string Text;  // Windows-1252
  MessageButtons Buttons;
};

class FakePlatform : public Platform {
 public:
  MessageAnswer ShowMessage(MessageKind kind, const std::string& text,
                            MessageButtons buttons) override {
    Messages.push_back({kind, text, buttons});
    if (Answers.empty()) return MessageAnswer::None;
    const MessageAnswer answer = Answers.front();
    Answers.pop_front();
    return answer;
  }

  int ShowModal(ModalForm form) override {
    Shown.push_back(form);
    if (OnShowModal) OnShowModal(form);
    return kModalResultOk;
  }

  void RedrawNow() override { ++Redraws; }
  PauseEnd Pause(int milliseconds) override {
    Pauses.push_back(milliseconds);
    return Pauses.size() == StopAtPause ? PauseEnd::StopAsked : PauseEnd::TimeUp;
  }
  char DecimalSeparator() const override { return Separator; }

  std::vector<ShownMessage> Messages;
  std::deque<MessageAnswer> Answers;  // answers for the next boxes, in order
  std::vector<ModalForm> Shown;
  std::function<void(ModalForm)> OnShowModal;  // runs while the "window" is open
  int Redraws = 0;
  std::vector<int> Pauses;
  std::size_t StopAtPause = 0;  // the learner presses Escape during this pause (1-based)
  char Separator = '.';
};

// An analysis window as the main window reads it after a showing: the shift
// the learner took there, if any.
struct FakeShiftTaker : ShiftTaker {
  explicit FakeShiftTaker(std::optional<int> taken = std::nullopt) : Taken(taken) {}
  std::optional<int> TakenShift() const override { return Taken; }
  std::optional<int> Taken;
};
