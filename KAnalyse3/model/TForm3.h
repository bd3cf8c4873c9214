#pragma once
// TForm3, the model of the window "Brachiale Kryptoanalyse (Brute Force)": it
// deciphers AnalysisText under every shift of the alphabet in use, scores each
// result with the German word list and lists the results by shift or by score.
// "Verschiebung übernehmen" closes it handing the shift of the learner's row
// back to the main window (TakenShift). Its controls are plain data named
// as the window's controls and every handler is a member function of the same
// name. It draws nothing and knows no widget:
// its view shows it, raises the handlers and closes the dialog once the
// frame's modal result is set. Captions, hints, glyphs and positions belong to
// the view.
//
// It changes nothing outside its own unit: the cipher core is only read.

#include <optional>
#include <string>

#include "KAnalyse3/model/BruteForce.h"
#include "ciphercore/CipherCore.h"
#include "ciphercore/TakenShift.h"
#include "toolkit/model/Controls.h"
#include "toolkit/model/ModalFrame.h"
#include "toolkit/model/StringGrid.h"

class TForm3 : public ShiftTaker {
 public:
  TForm3(BruteForceState& state, CipherCore& core);
  TForm3(const TForm3&) = delete;
  TForm3& operator=(const TForm3&) = delete;

  // Controls, in tab order.
  StringGrid StringGrid1;  // the results: "Verschiebung", "dt. Wörter", "passender Klar-Text"
  Button BitBtn1;          // "Beenden"
  Button BitBtn2;          // sort glyph over "dt. Wörter": by score, descending
  Edit Edit1;              // read-only, the alphabet size: "… mit: " [Edit1] "Zeichen"
  Button BitBtn3;          // sort glyph over "Verschiebung": by shift
  RichEdit RichEdit1;      // "benutzte Wortliste:", the word list as one line, wrapped
  Button BitBtn4;          // "Verschiebung übernehmen"

  // Outer size, 619 × 449 at the smallest, and the modal result that
  // BitBtn1Click and BitBtn4Click set.
  ModalFrame Frame{619, 449};

  // The shift "Verschiebung übernehmen" took in this showing, if it was pressed.
  std::optional<int> TakenShift() const override { return takenShift_; }

  // Handlers.
  void FormCreate();
  void FormShow();
  void BitBtn1Click();
  void BitBtn2Click();
  void BitBtn3Click();
  void FormResize();    // snaps a frame dragged too small back
  void BitBtn4Click();  // "Verschiebung übernehmen"

  // The shift of the row the learner selected (the grid's current row), or of
  // the top row while no result row is current.
  int SelectedShift() const;

  // Sizes the grid, writes its header row and column widths, and the word-list line.
  void SetupBruteGrid();
  // Writes rows 1 to 60 of the grid from the table: the trials in rows 1 to N,
  // rows beyond N blank.
  void FillBruteGrid();

 private:
  std::optional<int> takenShift_;
  BruteForceState& state_;
  CipherCore& core_;
};
