// chart-preview: draws the frequency chart for a ciphertext into a PNG file,
// for looking at it without opening the program: the README's message, or a
// longer German text, enciphered with a key under one of the four alphabets.
//
//   QT_QPA_PLATFORM=offscreen chart-preview out.png [alphabet [key [width height [shift|focus]]]]
//
// alphabet: 26, 27, 37 or 60 (default 26); key: the shift the text is
// enciphered with (default 7); width × height: the chart's size (default
// 585 × 305, its size in the smallest analysis window); shift: where the
// profile stands (default: the recommended shift); "focus" draws it focused.
// CHART_TEXT=long uses a longer text with umlauts, digits and punctuation.
// Run it with QT_SCALE_FACTOR=2 to see the chart on a high-resolution screen.

#include <QApplication>
#include <QTest>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "KAnalyse1/model/FrequencyAnalysis.h"
#include "KAnalyse1/model/FrequencyChart.h"
#include "KAnalyse1/view/FrequencyChartWidget.h"
#include "ciphercore/Upcase.h"
#include "tests/support/Encipher.h"
#include "toolkit/model/Win1252.h"
#include "toolkit/view/widgets/Fonts.h"

namespace {

const char* const kReadmeMessage =
    "Treffen wir uns nach der Schule am alten Brunnen? Bring die Karte mit!";
const char* const kLongText =
    "Im Herbst fahren wir gern an die Ostsee. Morgens laufen wir barfuß über den kühlen Strand, "
    "mittags essen wir Fischbrötchen am Hafen, und abends schauen wir zu, wie die Fähre nach "
    "Dänemark ablegt. Die Großmutter erzählt dann von ihrer Jugend: Damals führte noch keine "
    "Straße ins Dorf (erst 1962 kam der Bus), und im Winter blieb man wochenlang unter sich. Öfter "
    "als heute saß die ganze Familie zusammen am Ofen. Über eines sind sich alle einig: Nirgends "
    "schmeckt der Tee so gut wie nach einem langen Spaziergang im Wind!";

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  InstallFonts();
  if (argc < 2) {
    std::fputs("usage: chart-preview out.png [alphabet [key [width height [shift|focus]]]]\n",
               stderr);
    return 2;
  }
  const int alphabet = argc > 2 ? std::atoi(argv[2]) : 26;
  const int key = argc > 3 ? std::atoi(argv[3]) : 7;
  const int width = argc > 5 ? std::atoi(argv[4]) : 585;
  const int height = argc > 5 ? std::atoi(argv[5]) : 305;
  const std::string last = argc > 6 ? argv[6] : "";

  const bool longText = qEnvironmentVariable("CHART_TEXT") == QLatin1String("long");
  CipherCore core;
  core.MasterAlphabet = std::string(MasterAlphabetCharacters());
  core.AlphabetSize = alphabet;
  core.AnalysisText = Encipher(UpcaseText(W(longText ? kLongText : kReadmeMessage)), alphabet, key);
  FrequencyAnalysis analysis;
  analysis.Tolerance = 3;
  InitAnalyseTable(analysis, core);
  CountCharacters(analysis, core);
  MatchTolerance(analysis, core);
  FrequencyChart chart;
  chart.Rebuild(analysis, core, RankShifts(analysis, core, '.'));
  if (!last.empty() && last != "focus") chart.State.SlideTo(std::atoi(last.c_str()));

  FrequencyChartWidget widget(chart, ',');
  widget.setFont(DefaultWindowFont());
  widget.resize(width, height);
  widget.show();
  if (!QTest::qWaitForWindowExposed(&widget)) return 1;
  if (last == "focus") {
    widget.activateWindow();
    widget.setFocus();
    QTest::qWait(20);
  }
  widget.Sync();
  const bool ok = widget.grab().save(QString::fromLocal8Bit(argv[1]));
  std::printf("%s %s: %s\n", ok ? "wrote" : "FAILED", argv[1],
              widget.accessibleDescription().toUtf8().constData());
  return ok ? 0 : 1;
}
