// The single-character frequency analysis over a ciphertext as long as a field
// holds, with the 60-character alphabet: the engine alone, then the window
// "Kryptoanalyse Einzelzeichen" in a real program on the offscreen platform,
// from the click that opens it until its grid has painted, and a click on the
// tolerance spinner until the grid has painted again.
#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <memory>
#include <numeric>

#include "KAnalyse1/model/FrequencyAnalysis.h"
#include "allgfunkt/PosixDrive.h"
#include "app/Program.h"
#include "bench/NullPlatform.h"
#include "bench/SampleText.h"
#include "bench/Scenario.h"
#include "ciphercore/Upcase.h"
#include "maincaesar/model/TForm1.h"
#include "toolkit/view/grid/GridWidget.h"
#include "toolkit/view/widgets/UpDownWidget.h"

namespace {

constexpr int kFullAlphabet = 60;
constexpr int kFullAlphabetOption = 3;  // "erweiterte Zeichenliste"

// The German sample, 65,535 characters, encrypted by the main window's model
// with the 60-character alphabet under its start shift and upper-cased as the
// analysis button hands it over. Made once; every run reads the same text.
const std::string& Ciphertext() {
  static const std::string text = [] {
    CipherCore core;
    bench::NullPlatform platform;
    PosixDrive driveA{"/nonexistent/Laufwerk-A", false};  // nothing here saves
    TForm1 form(core, platform, driveA);
    form.FormCreate();
    form.FormShow();
    form.RadioGroup1.ItemIndex = kFullAlphabetOption;
    form.RadioGroup1Click();
    form.Edit1.SetText(bench::RepeatToLength(bench::GermanSampleText(), kMaxFieldLength));
    form.BitBtn3Click();
    return UpcaseText(form.Edit3.Text());
  }();
  return text;
}

std::size_t CountedCharacters(const FrequencyAnalysis& analysis) {
  return std::accumulate(analysis.AnalyseTable.begin(), analysis.AnalyseTable.end(), std::size_t{0},
                         [](std::size_t sum, const TAnalyseElement& e) { return sum + e.Count; });
}

struct Engine {
  CipherCore core;
  FrequencyAnalysis analysis;
  ShiftRanking ranking;
};

const bench::Registration kEngine{
    {"KAnalyse1/engine/init, count, match, rank 65535 chars, 60-char alphabet", [] {
       auto e = std::make_shared<Engine>();
       e->core.MasterAlphabet = std::string(MasterAlphabetCharacters());
       e->core.AlphabetSize = kFullAlphabet;
       e->core.AnalysisText = Ciphertext();
       e->analysis.Tolerance = 3;
       return bench::Run{[e] {
                           InitAnalyseTable(e->analysis, e->core);
                           CountCharacters(e->analysis, e->core);
                           MatchTolerance(e->analysis, e->core);
                           e->ranking = RankShifts(e->analysis, e->core, ',');
                         },
                         [e] {
                           return CountedCharacters(e->analysis) == kMaxFieldLength &&
                                  e->ranking.Entries.size() == kFullAlphabet;
                         }};
     }}};

// Notes every paint of a widget.
class PaintWatch : public QObject {
 public:
  explicit PaintWatch(QWidget* widget) { widget->installEventFilter(this); }
  int Paints = 0;
  std::function<void()> OnPaint;  // runs before the paint itself

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      ++Paints;
      if (OnPaint) OnPaint();
    }
    return false;
  }
};

// Waits until the watch has seen more than `paints` paints, at most a second.
bool WaitForPaint(const PaintWatch& watch, int paints) {
  QElapsedTimer waited;
  waited.start();
  while (watch.Paints <= paints && waited.elapsed() < 1000) QCoreApplication::processEvents();
  return watch.Paints > paints;
}

// A started program whose main window holds the long ciphertext with the
// 60-character alphabet chosen.
struct Session {
  Session() {
    program.Show();
    if (!QTest::qWaitForWindowExposed(&program.window1))
      std::fputs("main window not shown\n", stderr);
    program.form1.RadioGroup1.ItemIndex = kFullAlphabetOption;
    program.form1.RadioGroup1Click();
    program.form1.Edit3.SetText(Ciphertext());
    program.window1.Sync();
    grid = program.Window2().findChild<GridWidget*>(QStringLiteral("StringGrid1"));
    watch = std::make_unique<PaintWatch>(grid->viewport());
  }
  bool Analysed() const {
    return CountedCharacters(program.frequency) == kMaxFieldLength &&
           !grid->Model().Cell(1, 1).empty();
  }

  Program program;
  GridWidget* grid = nullptr;
  std::unique_ptr<PaintWatch> watch;
};

const bench::Registration kOpenWindow{
    {"KAnalyse1/window/click Kryptoanalyse Einzelzeichen until the grid has painted "
     "(then closes) 65535 chars, 60-char alphabet",
     [] {
       auto s = std::make_shared<Session>();
       // Once the grid has painted, a zero-timer ends the modal loop.
       s->watch->OnPaint = [s = s.get()] {
         QTimer::singleShot(0, &s->program.Window2(), [s] { s->program.Window2().done(1); });
       };
       // Should the grid never paint, the window still closes and the run
       // reports a wrong result instead of hanging.
       QTimer::singleShot(2000, &s->program.Window2(),
                          [s = s.get()] { s->program.Window2().done(0); });
       auto* button = s->program.window1.findChild<QAbstractButton*>(QStringLiteral("BitBtn10"));
       return bench::Run{[button] { QTest::mouseClick(button, Qt::LeftButton); },
                         [s] { return s->watch->Paints > 0 && s->Analysed(); }};
     }}};

const bench::Registration kToleranceClick{
    {"KAnalyse1/window/tolerance click until the grid has painted, 65535 chars, 60-char alphabet",
     [] {
       auto s = std::make_shared<Session>();
       // Opened as "Kryptoanalyse Einzelzeichen" opens it, but without a modal
       // loop, so that the click alone can be timed.
       s->program.core.AnalysisText = Ciphertext();
       s->program.Window2().PrepareShowing();
       s->program.Window2().show();
       WaitForPaint(*s->watch, 0);
       auto* spinner = s->program.Window2().findChild<UpDownWidget*>(QStringLiteral("UpDown1"));
       return bench::Run{[s, spinner] {
                           const int paints = s->watch->Paints;
                           QTest::mouseClick(spinner, Qt::LeftButton, {},
                                             spinner->UpRect().center());
                           WaitForPaint(*s->watch, paints);
                         },
                         [s] { return s->program.frequency.Tolerance == 4 && s->Analysed(); }};
     }}};

}  // namespace
