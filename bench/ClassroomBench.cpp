// The classroom's additions with texts as long as a field holds: one zoom
// step of every open window (the main window and the frequency analysis over
// the enciphered text, 60-character alphabet) until both have painted again,
// and F1 on the plaintext field until the help has painted its entry.
#include <QApplication>
#include <QTest>
#include <QWidget>

#include <memory>

#include "app/Program.h"
#include "bench/ProgramSetup.h"
#include "bench/Scenario.h"
#include "toolkit/view/widgets/Zoom.h"

namespace {

constexpr int kExtendedAlphabet = 3;  // "erweiterte Zeichenliste", 60 characters

// The frequency window open beside the main window over the long ciphertext,
// as "Kryptoanalyse Einzelzeichen" opens it, but without its modal loop so that
// the setup can return.
std::shared_ptr<Program> ProgramWithFrequencyWindow() {
  auto program = bench::ProgramWithLongCiphertext(kExtendedAlphabet);
  program->core.AnalysisText = program->form1.Edit3.Text();
  program->Window2().PrepareShowing();
  program->Window2().show();
  bench::WaitUntilExposed(program->Window2());
  // The offscreen screen is small; the step is measured, not the screen's room.
  ViewZoom::Get().SetLargestFrom([] { return 300; });
  return program;
}

const bench::Registration kZoomStep{
    {"extras/zoom 100 -> 150 % of the main and the frequency window, 65535 chars, repainted",
     [] {
       auto program = ProgramWithFrequencyWindow();
       const QSize mainBefore = program->window1.size();
       const QSize chartBefore = program->Window2().minimumSize();
       return bench::Run{[program] {
                           ViewZoom::Get().SetPercent(150);
                           QApplication::processEvents();
                           program->window1.repaint();
                           program->Window2().repaint();
                         },
                         [program, mainBefore, chartBefore] {
                           const bool grown =
                               program->window1.width() >= mainBefore.width() * 3 / 2 - 2 &&
                               program->Window2().minimumWidth() >= chartBefore.width() * 3 / 2 - 2;
                           const bool kept = program->form1.Edit3.Text().size() == kMaxFieldLength;
                           ViewZoom::Get().Reset();
                           return grown && kept;
                         }};
     }}};

const bench::Registration kHelp{
    {"extras/F1 on the plaintext field until the help has painted, 65535 chars", [] {
       auto program = bench::ProgramWithLongCiphertext(kExtendedAlphabet);
       auto* field = program->window1.findChild<QWidget*>(QStringLiteral("Edit1"));
       field->setFocus();
       QApplication::processEvents();
       return bench::Run{[program, field] {
                           QTest::keyClick(field, Qt::Key_F1);
                           program->Help().repaint();
                         },
                         [program] { return program->Help().isVisible(); }};
     }}};

}  // namespace
