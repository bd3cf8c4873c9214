#pragma once
// The whole program started for a window scenario: its main window on the
// screen with a text as long as a field holds, enciphered.

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QWidget>
#include <QWindow>

#include <memory>

#include "app/Program.h"
#include "bench/SampleText.h"
#include "toolkit/model/Controls.h"

namespace bench {

// Runs the event loop until the window is on the screen.
inline void WaitUntilExposed(QWidget& window) {
  QElapsedTimer waited;
  waited.start();
  while (!(window.windowHandle() && window.windowHandle()->isExposed()) && waited.elapsed() < 5000)
    QApplication::processEvents(QEventLoop::AllEvents, 10);
  QApplication::processEvents();
}

// A started program whose main window holds the sample text at full length,
// enciphered by "alles verschlüsseln" under the alphabet with that index of
// RadioGroup1, painted.
inline std::shared_ptr<Program> ProgramWithLongCiphertext(int alphabet) {
  auto program = std::make_shared<Program>();
  program->Show();
  WaitUntilExposed(program->window1);
  program->form1.Edit1.SetText(RepeatToLength(GermanSampleText(), kMaxFieldLength));
  program->window1.Sync();
  program->window1
      .findChild<QAbstractButton*>(QStringLiteral("RadioGroup1Item%1").arg(alphabet))
      ->click();
  program->window1.findChild<QAbstractButton*>(QStringLiteral("BitBtn3"))->click();
  QApplication::processEvents();
  return program;
}

}  // namespace bench
