#pragma once
// The window "Brachiale Kryptoanalyse (Brute Force)": the results grid, the two
// sort buttons, the alphabet size, the word-list line and "Beenden", bound to
// TForm3. It decides nothing: clicks go to TForm3's handlers, Sync() shows what
// they changed, and the dialog ends its modal loop once TForm3 has set its
// modal result. The engine behind the grid never sees a widget.

#include <QDialog>

#include <array>
#include <string>

class FormBinder;
class GridWidget;
class QTextEdit;
class TForm3;

class BruteForceWindow : public QDialog {
  Q_OBJECT

 public:
  // TForm3's Width and Height are the outer size of the window; the widgets
  // are laid out in the client area, which is this much smaller.
  static constexpr int kFrameWidth = 8;
  static constexpr int kFrameHeight = 34;

  // The window shows over `owner`, the main window, and is centred on it.
  explicit BruteForceWindow(TForm3& form, QWidget* owner = nullptr);

  // Runs TForm3's FormCreate and shows its grid and word-list line. The
  // program calls it once, when it creates its windows at start-up.
  void Create();

  // One modal showing: a fresh modal result, FormShow, centred on the owner,
  // then the modal loop until "Beenden" or the close box. Returns the result.
  int ShowModal();

  // Brings every widget up to date with TForm3.
  void Sync();
  FormBinder& Binder() { return *binder_; }
  GridWidget& Grid() { return *grid_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 public Q_SLOTS:
  // Escape ends no showing: the window closes by "Beenden" or its close box only.
  void reject() override;

 private:
  void BuildControls();
  void SetTabOrder();
  void ApplyAnchors();
  void CentreOnOwner();
  void SyncColumnWidths();
  void SyncWordList();
  void EndWhenModalResultSet();

  TForm3& form_;
  FormBinder* binder_;
  GridWidget* grid_ = nullptr;
  QTextEdit* wordList_ = nullptr;
  std::string wordListShown_;
  std::array<int, 5> colWidthsApplied_{};
  bool colWidthsSynced_ = false;
};
