#pragma once
// The frame of a window shown modally: its outer size in pixels, frame
// included, which the learner can drag larger but never smaller than the size
// the window opens with, and the modal result that ends a showing. A window
// model keeps one and runs its FormResize and its close buttons through it;
// the view (toolkit/view/form/ModalFormDialog.h) starts every showing, writes
// the dragged size in, applies what FormResize left, and ends the showing once
// the result is set. What a window hands back beyond that is its own affair.

// The modal result of a window shown modally: none while it stays open, OK
// once a close button has ended the showing.
inline constexpr int kModalResultNone = 0;
inline constexpr int kModalResultOk = 1;

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

  // Before each showing: nothing decided yet.
  void StartShowing() { ModalResult = kModalResultNone; }

  // What FormResize does: a dimension below the minimum snaps back to it; the
  // other one stays as the learner left it.
  void SnapToMinimum() {
    if (Width < minWidth_) Width = minWidth_;
    if (Height < minHeight_) Height = minHeight_;
  }

  // What a close button does: the showing ends with OK.
  void Close() { ModalResult = kModalResultOk; }

 private:
  int minWidth_;
  int minHeight_;
};
