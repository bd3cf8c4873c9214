#pragma once
// The modal window "Kryptoanalyse -- Einzelzeichen": the analysis table, the
// recommended shift with its alternatives and error sums, the tolerance spinner
// and the two sort buttons, each at its place, bound to TForm2. It decides
// nothing: clicks go to TForm2's handlers, Sync() shows what they changed, and
// the dialog closes once a handler has set TForm2::ModalResult.

#include <QDialog>
#include <QRect>

#include <functional>
#include <vector>

class FormBinder;
class TForm2;

class AnalyseWindow : public QDialog {
  Q_OBJECT

 public:
  // The client area of the smallest window; TForm2 counts in outer sizes, which
  // add a frame of kFrameWidth × kFrameHeight to it.
  static constexpr int kClientWidth = 603;
  static constexpr int kClientHeight = 408;
  static constexpr int kFrameWidth = 8;
  static constexpr int kFrameHeight = 34;

  // The window is centred on owner (the main window) whenever it is shown.
  explicit AnalyseWindow(TForm2& form, QWidget* owner = nullptr);

  // Everything a showing does before the modal loop starts: centres the window
  // on its owner, runs FormShow and brings the widgets up to date.
  void PrepareShowing();
  // PrepareShowing(), then the modal loop until "Beenden" or the title bar ends it.
  int ShowModal();

  // Brings every widget up to date with TForm2.
  void Sync();
  FormBinder& Binder() { return *binder_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 public Q_SLOTS:
  // The title bar's close button (through closeEvent) counts as "Beenden".
  void reject() override;

 private:
  // A control's place in the smallest window and the window edges it keeps its
  // distance to when the window grows (a set of the anchor bits in the .cpp).
  struct Placement {
    QWidget* widget;
    QRect designed;
    int anchors;
  };

  void BuildLabels();
  void BuildFields();
  void BuildGrid();
  void BuildButtons();
  void SetTabOrder();
  void Place(QWidget* widget, QRect designed, int anchors);
  void ApplyAnchors();
  // A TForm2 handler as the binder runs it: once it has set the modal result,
  // the dialog closes.
  std::function<void()> Bound(void (TForm2::*handler)());
  void CloseWhenDone();
  void RunFormResize();

  TForm2& form_;
  QWidget* owner_;
  FormBinder* binder_;
  std::vector<Placement> placements_;
};
