// The cipher disk beside the main window: one repaint of the disk with the
// 60-character alphabet at 200 %, and an animated run with the disk open,
// whose steps must keep their 400 ms.
#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <vector>

#include "app/Program.h"
#include "bench/ProgramSetup.h"
#include "bench/SampleText.h"
#include "bench/Scenario.h"
#include "scheibe/view/DiskWidget.h"
#include "toolkit/view/form/FormBinder.h"
#include "toolkit/view/text/QtText.h"
#include "toolkit/view/widgets/Zoom.h"

namespace {

constexpr int kExtendedAlphabet = 3;  // "erweiterte Zeichenliste", 60 characters

std::shared_ptr<Program> ProgramWithDisk(int zoom, std::size_t plaintextLength) {
  auto program = std::make_shared<Program>();
  program->Show();
  bench::WaitUntilExposed(program->window1);
  // The offscreen screen is small; the disk is measured, not the screen's room.
  ViewZoom::Get().SetLargestFrom([] { return 300; });
  ViewZoom::Get().SetPercent(zoom);
  program->window1
      .findChild<QAbstractButton*>(QStringLiteral("RadioGroup1Item%1").arg(kExtendedAlphabet))
      ->click();
  auto* edit1 = program->window1.findChild<QLineEdit*>(QStringLiteral("Edit1"));
  const QString text = ToQString(bench::RepeatToLength(bench::GermanSampleText(), plaintextLength));
  edit1->setText(text);
  Q_EMIT edit1->textEdited(text);
  program->Disk().Open();
  bench::WaitUntilExposed(program->Disk());
  return program;
}

const bench::Registration kRepaint{
    {"scheibe/window/one repaint of the disk, 60 characters at 200 %", [] {
       auto program = ProgramWithDisk(200, 20);
       // Something lit, as during a run.
       program->window1.findChild<QAbstractButton*>(QStringLiteral("BitBtn1"))->click();
       QApplication::processEvents();
       DiskWidget& disk = program->Disk().Disk();
       return bench::Run{[&disk] { disk.repaint(); },
                         [program, &disk] {
                           const bool ok = disk.width() >= 600 && program->diskForm.Lit() &&
                                           program->diskForm.Alphabet().size() == 60;
                           ViewZoom::Get().Reset();
                           return ok;
                         }};
     }}};

// The time of every step as the learner sees it: when the main window's
// redraw shows the ciphertext one character longer.
struct StepClock {
  QElapsedTimer clock;
  std::vector<double> at;
  std::size_t length = 0;

  double WorstDeviation() const {
    double worst = 0;
    for (std::size_t i = 1; i < at.size(); ++i)
      worst = std::max(worst, std::abs(at[i] - at[i - 1] - 400.0));
    return worst;
  }
};

const bench::Registration kRun{
    {"scheibe/window/schrittweise verschlüsseln 10 chars with the disk open (4000 ms of pauses)",
     [] {
       auto program = ProgramWithDisk(100, 10);
       auto steps = std::make_shared<StepClock>();
       program->window1.Binder().AddSync([program = program.get(), steps] {
         const std::size_t length = program->form1.Edit3.Text().size();
         if (length == steps->length) return;
         steps->length = length;
         steps->at.push_back(steps->clock.nsecsElapsed() / 1e6);
       });
       auto* button = program->window1.findChild<QAbstractButton*>(QStringLiteral("BitBtn2"));
       return bench::Run{
           [steps, button] {
             steps->clock.start();
             QTest::mouseClick(button, Qt::LeftButton);
           },
           [program, steps] {
             return program->form1.Edit3.Text().size() == 10 && steps->at.size() == 10 &&
                    steps->WorstDeviation() <= 5.0;
           },
           [steps](double) {
             char note[80];
             std::snprintf(note, sizeof note, "steps 400 ms apart within %.2f ms",
                           steps->WorstDeviation());
             return std::string(note);
           }};
     },
     3}};

}  // namespace
