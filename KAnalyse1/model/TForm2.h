#pragma once
// TForm2, the model of the modal window "Kryptoanalyse -- Einzelzeichen": the
// frequency analysis table, the recommended shift with four alternatives and
// their error sums, and the tolerance spinner. Its controls are plain data named
// as the window's controls, and every handler is a member function of the same
// name. It computes nothing itself (FrequencyAnalysis does) and draws nothing:
// the view shows it, raises the handlers and closes the dialog once the frame's
// modal result is set. Captions, hints, fonts and anchors belong to the view.

#include "KAnalyse1/model/FrequencyAnalysis.h"
#include "ciphercore/CipherCore.h"
#include "toolkit/model/Controls.h"
#include "toolkit/model/ModalFrame.h"
#include "toolkit/model/Platform.h"
#include "toolkit/model/StringGrid.h"

class TForm2 {
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

  // Outer size, 611 × 442 at the smallest, and the modal result, which
  // BitBtn1Click sets and every showing clears.
  ModalFrame Frame{611, 442};

  // Handlers.
  void FormCreate();
  void FormShow();
  void BitBtn1Click();
  void BitBtn2Click();
  void BitBtn3Click();
  void UpDown1Click();
  void FormResize();  // snaps a frame dragged too small back

  // Gives the grid its 6 columns, 62 rows, header texts and column widths;
  // once, at creation.
  void SetupAnalyseGrid();
  // Writes the six cells of every element into the grid row its Row names.
  void FillAnalyseGrid();

 private:
  FrequencyAnalysis& analysis_;
  CipherCore& core_;
  Platform& platform_;
};
