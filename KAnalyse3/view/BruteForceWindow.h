#pragma once
// The window "Brachiale Kryptoanalyse (Brute Force)": the results grid, the two
// sort buttons, the alphabet size, the word-list line and "Beenden", bound to
// TForm3. It decides nothing: clicks go to TForm3's handlers, Sync() shows what
// they changed, and the dialog ends its modal loop once TForm3 has set its
// modal result. The engine behind the grid never sees a widget.

#include <string>

#include "toolkit/view/ModalFormDialog.h"

class GridWidget;
class QTextEdit;
class TForm3;

class BruteForceWindow : public ModalFormDialog {
  Q_OBJECT

 public:
  // The window shows over `owner`, the main window, and is centred on it.
  explicit BruteForceWindow(TForm3& form, QWidget* owner = nullptr);

  // Runs TForm3's FormCreate and shows its grid and word-list line. The
  // program calls it once, when it creates its windows at start-up.
  void Create();

  GridWidget& Grid() { return *grid_; }

 private:
  void BuildControls();
  void SyncWordList();

  TForm3& form_;
  GridWidget* grid_ = nullptr;
  QTextEdit* wordList_ = nullptr;
  std::string wordListShown_;
};
