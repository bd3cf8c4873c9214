// The frequency chart over a ciphertext as long as a field holds, with the
// 60-character alphabet: the model taking in one showing's analysis (bars,
// profile, the sum and place of every shift), and one step of the slide, from
// the key press until the chart has repainted, in the widget alone and in the
// analysis window with its spinner and line. Sliding reads what the model took
// in; it never counts the text again.
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include <cstdio>
#include <memory>
#include <string>

#include "KAnalyse1/model/FrequencyAnalysis.h"
#include "KAnalyse1/model/FrequencyChart.h"
#include "KAnalyse1/view/AnalyseWindow.h"
#include "KAnalyse1/view/FrequencyChartWidget.h"
#include "app/Program.h"
#include "bench/SampleText.h"
#include "bench/Scenario.h"
#include "ciphercore/Upcase.h"
#include "toolkit/model/Controls.h"
#include "toolkit/view/widgets/Fonts.h"

namespace {

constexpr int kFullAlphabet = 60;
constexpr int kKey = 17;  // the main window's start shift

// The chart's place in the smallest analysis window.
constexpr int kChartWidth = 585;
constexpr int kChartHeight = 305;

// One showing's analysis of the German sample, 65,535 characters, upper-cased
// and enciphered with the 60 characters; made once, copied into every run.
struct Analysed {
  CipherCore core;
  FrequencyAnalysis analysis;
};

const Analysed& LongText() {
  static const Analysed made = [] {
    Analysed a;
    a.core.MasterAlphabet = std::string(MasterAlphabetCharacters());
    a.core.AlphabetSize = kFullAlphabet;
    std::string text =
        UpcaseText(bench::RepeatToLength(bench::GermanSampleText(), kMaxFieldLength));
    for (char& c : text)
      if (const auto p = a.core.MasterAlphabet.find(c); p != std::string::npos)
        c = a.core.MasterAlphabet[(p + kKey) % kFullAlphabet];
    a.core.AnalysisText = std::move(text);
    a.analysis.Tolerance = 3;
    InitAnalyseTable(a.analysis, a.core);
    CountCharacters(a.analysis, a.core);
    MatchTolerance(a.analysis, a.core);
    return a;
  }();
  return made;
}

struct Model : Analysed {
  FrequencyChart chart;
};

const bench::Registration kModel{
    {"KAnalyse1/chart/model takes in an analysis: 60 bars, sums and places of all 60 shifts "
     "(65535 chars)",
     [] {
       auto m = std::make_shared<Model>(Model{LongText(), {}});
       return bench::Run{[m] {
                           const ShiftRanking ranking = RankShifts(m->analysis, m->core, '.');
                           m->chart.Rebuild(m->analysis, m->core, ranking);
                         },
                         [m] {
                           return m->chart.Size() == kFullAlphabet &&
                                  m->chart.RecommendedShift() == kKey && m->chart.Place(kKey) == 1;
                         }};
     },
     101}};

// Counts the paints of a widget; the paint itself runs right after.
class PaintCounter : public QObject {
 public:
  explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
  int Paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++Paints;
    return false;
  }
};

bool WaitForPaint(const PaintCounter& counter, int paints) {
  QElapsedTimer waited;
  waited.start();
  while (counter.Paints <= paints && waited.elapsed() < 1000) QCoreApplication::processEvents();
  return counter.Paints > paints;
}

struct Window : Analysed {
  Window() : Analysed(LongText()) {
    chart.Rebuild(analysis, core, RankShifts(analysis, core, '.'));
    widget = std::make_unique<FrequencyChartWidget>(chart, ',');
    widget->setFont(DefaultWindowFont());
    widget->resize(kChartWidth, kChartHeight);
    counter = std::make_unique<PaintCounter>(widget.get());
    // The widget asks its owner to slide; the owner here is the bench.
    QObject::connect(widget.get(), &FrequencyChartWidget::SlideWanted, widget.get(),
                     [this](int shift) {
                       chart.State.SlideTo(shift);
                       widget->Sync();
                     });
    widget->show();
    if (!QTest::qWaitForWindowExposed(widget.get())) std::fputs("chart not shown\n", stderr);
    WaitForPaint(*counter, 0);  // the first paint draws the cached layer too
    widget->setFocus();
    startShift = chart.State.Shift;
  }
  FrequencyChart chart;
  std::unique_ptr<FrequencyChartWidget> widget;
  std::unique_ptr<PaintCounter> counter;
  int startShift = 0;
  bool painted = false;
};

const bench::Registration kSlideStep{
    {"KAnalyse1/chart/window one slide step (Right) until repainted, 60-char alphabet, 65535 "
     "chars, 585 x 305",
     [] {
       auto w = std::make_shared<Window>();
       return bench::Run{[w] {
                           const int paints = w->counter->Paints;
                           QTest::keyClick(w->widget.get(), Qt::Key_Right);
                           w->painted = WaitForPaint(*w->counter, paints);
                         },
                         [w] {
                           return w->painted &&
                                  w->chart.State.Shift == (w->startShift + 1) % kFullAlphabet;
                         }};
     },
     101}};

// The same step in the window the learner slides in: the chart shown in
// "Kryptoanalyse -- Einzelzeichen" at its smallest, where the step also runs
// the window's handler and the spinner and the line under the chart follow.
// Timed from the key press until both the chart and the line have repainted.
struct InWindow {
  InWindow() {
    program.Show();
    if (!QTest::qWaitForWindowExposed(&program.window1))
      std::fputs("main window not shown\n", stderr);
    // What "Kryptoanalyse Einzelzeichen" hands over, without its modal loop.
    program.core.AnalysisText = LongText().core.AnalysisText;
    program.core.AlphabetSize = kFullAlphabet;
    AnalyseWindow& window = program.Window2();
    window.PrepareShowing();
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) std::fputs("window not shown\n", stderr);
    QTest::mouseClick(window.findChild<QWidget*>(QStringLiteral("SpeedButton1")), Qt::LeftButton);
    chart = window.findChild<FrequencyChartWidget*>(QStringLiteral("Chart1"));
    line = window.findChild<QWidget*>(QStringLiteral("Edit7"));
    chartPaints = std::make_unique<PaintCounter>(chart);
    linePaints = std::make_unique<PaintCounter>(line);
    chart->setFocus();
    WaitForPaint(*chartPaints, 0);
    WaitForPaint(*linePaints, 0);
    startShift = program.form2.Chart1.State.Shift;
  }
  Program program;
  FrequencyChartWidget* chart = nullptr;
  QWidget* line = nullptr;
  std::unique_ptr<PaintCounter> chartPaints;
  std::unique_ptr<PaintCounter> linePaints;
  int startShift = 0;
  bool painted = false;
};

const bench::Registration kSlideStepInWindow{
    {"KAnalyse1/chart/window one slide step (Right) in Kryptoanalyse -- Einzelzeichen, with "
     "spinner and line, 60-char alphabet, 65535 chars, smallest window",
     [] {
       auto w = std::make_shared<InWindow>();
       return bench::Run{[w] {
                           const int chartPaints = w->chartPaints->Paints;
                           const int linePaints = w->linePaints->Paints;
                           QTest::keyClick(w->chart, Qt::Key_Right);
                           w->painted = WaitForPaint(*w->chartPaints, chartPaints) &&
                                        WaitForPaint(*w->linePaints, linePaints);
                         },
                         [w] {
                           const TForm2& f = w->program.form2;
                           const int shift = (w->startShift + 1) % kFullAlphabet;
                           return w->painted && f.Chart1.State.Shift == shift &&
                                  f.UpDown2.Position == shift &&
                                  f.Edit7.Text().rfind("Verschiebung " + std::to_string(shift) +
                                                           " ",
                                                       0) == 0;
                         }};
     },
     101}};

}  // namespace
