// The brute-force analysis of a ciphertext as long as a field holds, under the
// 60-character alphabet: the engine alone, the window opened from the main
// window until its grid has painted, and a scroll of that grid, whose text
// column then holds 60 cells of 65,535 characters.
#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>
#include <memory>

#include "KAnalyse3/model/BruteForce.h"
#include "allgfunkt/PosixDrive.h"
#include "app/Program.h"
#include "bench/NullPlatform.h"
#include "bench/ProgramSetup.h"
#include "bench/SampleText.h"
#include "bench/Scenario.h"
#include "ciphercore/CipherCore.h"
#include "ciphercore/Upcase.h"
#include "maincaesar/model/TForm1.h"
#include "toolkit/view/form/FormBinder.h"
#include "toolkit/view/grid/GridWidget.h"

namespace {

constexpr int kExtendedAlphabet = 3;  // "erweiterte Zeichenliste", 60 characters

std::string LongPlaintext() {
  return bench::RepeatToLength(bench::GermanSampleText(), kMaxFieldLength);
}

// The sample text enciphered by the main window's model with its start shift
// and handed over as the brute-force button does it.
struct Engine {
  CipherCore core;
  bench::NullPlatform platform;
  PosixDrive driveA{"/nonexistent/Laufwerk-A", false};  // nothing here saves
  TForm1 form{core, platform, driveA};
  BruteForceState state;
  int shift = 0;
};

std::shared_ptr<Engine> EngineWithLongCiphertext() {
  auto e = std::make_shared<Engine>();
  e->form.FormCreate();
  e->form.FormShow();
  e->form.RadioGroup1.ItemIndex = kExtendedAlphabet;
  e->form.RadioGroup1Click();
  e->form.Edit1.SetText(LongPlaintext());
  e->form.BitBtn3Click();   // "alles verschlüsseln"
  e->form.BitBtn12Click();  // AnalysisText and AlphabetSize; the window itself does not open
  e->shift = e->form.State.EncShift;
  FillWordList(e->state);
  InitBruteTable(e->state);
  return e;
}

const bench::Registration kEngine{
    {"KAnalyse3/engine/all trials and scores 65535 chars, 60-char alphabet", [] {
       auto e = EngineWithLongCiphertext();
       return bench::Run{[e] {
                           TryAllShifts(e->state, e->core);
                           CountWords(e->state, e->core);
                         },
                         [e] {
                           // The trial that undoes the real shift reads the text and scores best.
                           const std::string plain = UpcaseText(LongPlaintext());
                           const TTabElement* found = nullptr;
                           std::uint32_t best = 0;
                           for (int i = 1; i <= 60; ++i) {
                             const TTabElement& entry = e->state.BruteTable[i];
                             if (entry.Shift == e->shift) found = &entry;
                             best = std::max(best, entry.WordCount);
                           }
                           return found && found->TrialText == plain && found->WordCount == best &&
                                  best > 1000;
                         }};
     }}};

// Ends the dialog's modal loop as soon as its grid has painted for the first
// time: the zero timer fires once the paint event is done.
class EndAfterGridPaint : public QObject {
 public:
  explicit EndAfterGridPaint(Program& program) : program_(program) {}
  bool painted = false;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !painted) {
      painted = true;
      QTimer::singleShot(0, &program_.Window3(), [this] {
        program_.Window3().findChild<QAbstractButton*>(QStringLiteral("BitBtn1"))->click();
      });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  Program& program_;
};

bool GridHoldsLongTrials(Program& program) {
  const StringGrid& grid = program.form3.StringGrid1;
  for (int r = 1; r <= 60; ++r)
    if (grid.Cell(2, r).size() != kMaxFieldLength) return false;
  return true;
}

// From the click on "brachiale Kryptoanalyse (Brute Force)" until the grid has
// painted; the figure includes ending the modal loop, which costs next to nothing.
const bench::Registration kOpenWindow{
    {"KAnalyse3/window/open from the main window until the grid has painted, 65535 chars", [] {
       auto program = bench::ProgramWithLongCiphertext(kExtendedAlphabet);
       auto watcher = std::make_shared<EndAfterGridPaint>(*program);
       program->Window3().Grid().viewport()->installEventFilter(watcher.get());
       auto* button = program->window1.findChild<QAbstractButton*>(QStringLiteral("BitBtn12"));
       return bench::Run{[button] { button->click(); },
                         [program, watcher] {
                           return watcher->painted && !program->Window3().isVisible() &&
                                  GridHoldsLongTrials(*program);
                         }};
     }}};

// One page down and one column to the right, so the text column stands first
// after the fixed column, repainted at once.
const bench::Registration kScroll{
    {"KAnalyse3/window/scroll the grid a page down and a column right, repainted", [] {
       auto program = bench::ProgramWithLongCiphertext(kExtendedAlphabet);
       // What the brute-force button hands over, without its modal showing.
       program->core.AnalysisText = UpcaseText(program->form1.Edit3.Text());
       program->Window3().Binder().Run([&] { program->form3.FormShow(); });
       program->Window3().show();  // not modal, so the setup can return
       bench::WaitUntilExposed(program->Window3());
       GridWidget& grid = program->Window3().Grid();
       return bench::Run{
           [&grid] {
             grid.verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
             grid.horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
             grid.viewport()->repaint();
           },
           [program, &grid] {
             return grid.TopRow() > 10 && grid.LeftCol() == 2 && GridHoldsLongTrials(*program);
           }};
     }}};

}  // namespace
