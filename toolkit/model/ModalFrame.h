#pragma once
// The frame of a window shown modally: its outer size in pixels, frame
// included, which the learner can drag larger but never smaller than the size
// the window opens with, and the modal result that ends a showing. A window
// model keeps one and runs its FormResize and its close buttons through it;
// the view (toolkit/view/ModalFormDialog.h) writes the dragged size in,
// applies what FormResize left, and ends the showing once the result is set.

// The modal result of a window shown modally: none while it stays open, OK
// once its close button has ended the showing, TakeShift once the learner has
// closed it by taking the shift an analysis found to the decryption.
inline constexpr int kModalResultNone = 0;
inline constexpr int kModalResultOk = 1;
inline constexpr int kModalResultTakeShift = 2;

// What a window hands back to the window that showed it once it has closed.
struct ModalReply {
  int Result = kModalResultNone;
  int Shift = 0;  // with kModalResultTakeShift: the shift the learner took
};

class ModalFrame {
 public:
  // The smallest outer size, which is also the size the window opens with.
  ModalFrame(int minWidth, int minHeight)
      : Width(minWidth), Height(minHeight), minWidth_(minWidth), minHeight_(minHeight) {}

  int MinWidth() const { return minWidth_; }
  int MinHeight() const { return minHeight_; }

  // The outer size now.
  int Width;
  int Height;

  // kModalResultNone while the window is shown; StartShowing() clears it.
  int ModalResult = kModalResultNone;
  // The shift handed back with kModalResultTakeShift.
  int TakenShift = 0;

  // Before each showing: nothing decided, nothing taken.
  void StartShowing() {
    ModalResult = kModalResultNone;
    TakenShift = 0;
  }

  // What FormResize does: a dimension below the minimum snaps back to it; the
  // other one stays as the learner left it.
  void SnapToMinimum() {
    if (Width < minWidth_) Width = minWidth_;
    if (Height < minHeight_) Height = minHeight_;
  }

  // What the close button does: the showing ends with OK.
  void Close() { ModalResult = kModalResultOk; }

  // What "Verschiebung übernehmen" does: the showing ends and hands the shift back.
  void CloseTakingShift(int shift) {
    TakenShift = shift;
    ModalResult = kModalResultTakeShift;
  }

  // What the showing handed back, for the window that showed it.
  ModalReply Reply() const {
    return {ModalResult, ModalResult == kModalResultTakeShift ? TakenShift : 0};
  }

 private:
  int minWidth_;
  int minHeight_;
};
