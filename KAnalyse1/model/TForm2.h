#pragma once
// TForm2, the model of the modal window "Kryptoanalyse -- Einzelzeichen": the
// frequency analysis table, the recommended shift with four alternatives and
// their error sums, and the tolerance spinner; beside them "Diagramm", which
// shows the frequency chart in the table's place with a spinner and a line for
// the chart's shift, and "Verschiebung übernehmen", which closes the window
// handing a shift back to the main window (TakenShift). Its controls are
// plain data named as the window's controls, and every handler is a member
// function of the same name. It computes nothing itself (FrequencyAnalysis and
// FrequencyChart do) and draws nothing: the view shows it, raises the handlers
// and closes the dialog once the frame's modal result is set. Captions, hints,
// fonts and anchors belong to the view.

#include <optional>

#include "KAnalyse1/model/FrequencyAnalysis.h"
#include "KAnalyse1/model/FrequencyChart.h"
#include "ciphercore/CipherCore.h"
#include "ciphercore/TakenShift.h"
#include "toolkit/model/Controls.h"
#include "toolkit/model/ModalFrame.h"
#include "toolkit/model/Platform.h"
#include "toolkit/model/StringGrid.h"

class TForm2 : public ShiftTaker {
 public:
  TForm2(FrequencyAnalysis& analysis, CipherCore& core, Platform& platform);
  TForm2(const TForm2&) = delete;
  TForm2& operator=(const TForm2&) = delete;

  // Controls.
  Edit Edit6;              // alphabet size "Analyse beruht auf dem eingestellten Alphabet  mit: "
  Edit Edit1;              // tolerance "Bewertungstoleranz:" "+/- %"
  UpDown UpDown1;          // tolerance spinner, 0..10
  Button BitBtn2;          // sort by character "nach Zeichen sortieren"
  Button BitBtn3;          // sort by count "nach Häuffigkeit sortieren"
  StringGrid StringGrid1;  // the analysis table, one row per character and "???"
  Edit Edit2;              // best shift "empfohlene Cäsar-Verschiebung:"
  Edit Edit3;              // further shifts "ev. auch:"
  Edit Edit4;              // best error sum "Summe der Fehler-Quadrate:"
  Edit Edit5;              // further error sums
  Button BitBtn1;          // "Beenden"

  // Beyond the table: the chart in the table's place while "Diagramm" is down,
  // with a spinner and a line for its shift, and the button that takes a shift
  // to the main window's decryption.
  SpeedButton SpeedButton1;  // "Diagramm"
  FrequencyChart Chart1;     // "Häufigkeitsdiagramm": bars, band and the German profile slid by s
  UpDown UpDown2;            // the chart's shift s, 0..N - 1, round and round
  Edit Edit7;                // "Verschiebung s · Summe der Fehler-Quadrate … · Platz … von N"
  Announcement Announcer;    // what a screen reader hears of a slide: the line of Edit7
  Button BitBtn4;            // "Verschiebung übernehmen"

  // Outer size, 611 × 442 at the smallest, and the modal result, which
  // BitBtn1Click and BitBtn4Click set and every showing clears.
  ModalFrame Frame{611, 442};

  // The shift "Verschiebung übernehmen" took in this showing, if it was pressed.
  std::optional<int> TakenShift() const override { return takenShift_; }

  // Handlers.
  void FormCreate();
  void FormShow();
  void BitBtn1Click();
  void BitBtn2Click();
  void BitBtn3Click();
  void UpDown1Click();
  void FormResize();            // snaps a frame dragged too small back
  void SpeedButton1Click();     // "Diagramm" pressed in or let out: chart or table
  void UpDown2Click();          // the chart's spinner moved: the chart slides along
  void Chart1Slide(int shift);  // the learner slid the chart itself (mouse, keys, assistive tool)
  void BitBtn4Click();          // "Verschiebung übernehmen"

  // Whether the chart stands in the table's place.
  bool ChartShown() const { return SpeedButton1.Down; }
  // The separator the window writes numbers with, for the chart's own texts.
  char DecimalSeparator() const { return platform_.DecimalSeparator(); }

  // Gives the grid its 6 columns, 62 rows, header texts and column widths;
  // once, at creation.
  void SetupAnalyseGrid();
  // Writes the six cells of every element into the grid row its Row names.
  void FillAnalyseGrid();

 private:
  // Shows the chart, its spinner and its line, or none of them.
  void ShowChartOrTable();
  // Brings the spinner and the line to the chart's shift.
  void ShowChartShift();

  std::optional<int> takenShift_;
  FrequencyAnalysis& analysis_;
  CipherCore& core_;
  Platform& platform_;
};
