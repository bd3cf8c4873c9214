#pragma once
// A platform that does nothing: no box is shown (each answers None), no window
// opens, redraws and pauses return at once. The model scenarios measure the
// model's own work with it.

#include "toolkit/model/Platform.h"

namespace bench {

class NullPlatform : public Platform {
 public:
  MessageAnswer ShowMessage(MessageKind, const std::string&, MessageButtons) override {
    return MessageAnswer::None;
  }
  int ShowModal(ModalForm) override { return kModalResultOk; }
  void RedrawNow() override {}
  PauseEnd Pause(int) override { return PauseEnd::TimeUp; }
  char DecimalSeparator() const override { return ','; }
};

}  // namespace bench
