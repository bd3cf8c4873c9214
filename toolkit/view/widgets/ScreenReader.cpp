#include "toolkit/view/widgets/ScreenReader.h"

#include <utility>

namespace {

std::function<void(QAccessibleEvent&)>& Listener() {
  static std::function<void(QAccessibleEvent&)> listener;
  return listener;
}

}  // namespace

bool ScreenReaderListens() { return QAccessible::isActive() || Listener(); }

void TellScreenReader(QAccessibleEvent& event) {
  if (Listener()) Listener()(event);
  QAccessible::updateAccessibility(&event);
}

void ShowListeningTest(QAccessibleEvent& event) {
  if (Listener()) Listener()(event);
}

ScreenReaderListener::ScreenReaderListener(std::function<void(QAccessibleEvent&)> hear) {
  Listener() = std::move(hear);
}

ScreenReaderListener::~ScreenReaderListener() { Listener() = nullptr; }
