#pragma once
// TForm3, the model of the window "Brachiale Kryptoanalyse (Brute Force)": it
// deciphers AnalysisText under every shift of the alphabet in use, scores each
// result with the German word list and lists the results by shift or by score.
// Its controls are plain data named as the window's controls and every handler
// is a member function of the same name. It draws nothing and knows no widget:
// its view shows it, raises the handlers and closes the dialog once
// ModalResult is set. Captions, hints, glyphs and positions belong to the view.
//
// It changes nothing outside its own unit: the cipher core is only read.

#include <string>

#include "KAnalyse3/model/BruteForce.h"
#include "ciphercore/CipherCore.h"
#include "toolkit/model/Controls.h"
#include "toolkit/model/Platform.h"
#include "toolkit/model/StringGrid.h"

// A read-only rich-text box. It holds one line here, which the view wraps.
struct RichEdit : Control {
  std::string Text;
};

class TForm3 {
 public:
  // The window never gets smaller than this (outer size in pixels).
  static constexpr int kMinWidth = 619;
  static constexpr int kMinHeight = 449;

  TForm3(BruteForceState& state, CipherCore& core, Platform& platform);
  TForm3(const TForm3&) = delete;
  TForm3& operator=(const TForm3&) = delete;

  // Controls, in tab order.
  StringGrid StringGrid1;  // the results: "Verschiebung", "dt. Wörter", "passender Klar-Text"
  Button BitBtn1;          // "Beenden"
  Button BitBtn2;          // sort glyph over "dt. Wörter": by score, descending
  Edit Edit1;              // read-only, the alphabet size: "… mit: " [Edit1] "Zeichen"
  Button BitBtn3;          // sort glyph over "Verschiebung": by shift
  RichEdit RichEdit1;      // "benutzte Wortliste:", the word list as one line

  // The window's outer size; the view writes the new size before FormResize
  // and takes the size back afterwards.
  int Width = kMinWidth;
  int Height = kMinHeight;

  // kModalResultNone while the window is shown; the view resets it before each showing.
  int ModalResult = kModalResultNone;

  // Handlers.
  void FormCreate();
  void FormShow();
  void BitBtn1Click();
  void BitBtn2Click();
  void BitBtn3Click();
  void FormResize();

  // Sizes the grid, writes its header row and column widths, and the word-list line.
  void SetupBruteGrid();
  // Writes rows 1 to 60 of the grid from the table: the trials in rows 1 to N,
  // rows beyond N blank.
  void FillBruteGrid();

 private:
  BruteForceState& state_;
  CipherCore& core_;
  // The window shows no message box, so no handler needs the platform yet.
  [[maybe_unused]] Platform& platform_;
};
