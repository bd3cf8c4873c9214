#pragma once
// The window "Brachiale Kryptoanalyse (Brute Force)": the results grid, the two
// sort buttons, the alphabet size, the word-list line, "Beenden" and
// "Verschiebung übernehmen", each
// described by one row of the window's control table and bound to TForm3. It
// decides nothing: clicks go to TForm3's handlers, Sync() shows what they
// changed, and the dialog ends its modal loop once TForm3 has set the modal
// result of its frame. The engine behind the grid never sees a widget.

#include <vector>

#include "toolkit/view/form/ModalFormDialog.h"

class GridWidget;
class TForm3;

class BruteForceWindow : public ModalFormDialog {
  Q_OBJECT

 public:
  // The window shows over `owner`, the main window, and is centred on it.
  explicit BruteForceWindow(TForm3& form, QWidget* owner = nullptr);

  // The results grid, for the benchmark and the screenshot tool.
  GridWidget& Grid();

  // The window's control table, for the help, without making the window.
  static std::vector<ControlRow> ControlRows(TForm3& form);

 private:
  TForm3& form_;
};
