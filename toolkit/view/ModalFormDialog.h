#pragma once
// The view of a ModalFrame: a resizable modal dialog whose window model keeps
// its outer size and modal result in a ModalFrame and has a FormShow, a
// FormResize and a close button. The dialog keeps its controls at their
// anchored places, lets the model snap a too small size back, centres itself
// on its owner at every showing, lets the close box stand for the model's
// close button and Escape for nothing, and ends its modal loop once a handler
// has set the modal result. It decides nothing about the window's content.

#include <QDialog>

#include <functional>
#include <initializer_list>

#include "toolkit/view/Layout.h"

class FormBinder;
class ModalFrame;

class ModalFormDialog : public QDialog {
  Q_OBJECT

 public:
  // What the model's outer size adds to the client area: the border and the
  // title bar of the frame the layouts were drawn in.
  static constexpr int kFrameWidth = 8;
  static constexpr int kFrameHeight = 34;

  // The handlers of the window model that the frame raises.
  struct Handlers {
    std::function<void()> FormShow;
    std::function<void()> FormResize;
    std::function<void()> CloseButton;  // the handler the close box stands for
  };

  // The layout is drawn for the client area of the frame's smallest size.
  ModalFormDialog(ModalFrame& frame, Handlers handlers, QWidget* owner);

  // Everything a showing does before its modal loop: a fresh modal result,
  // FormShow, the widgets brought up to date, centred on the owner.
  void PrepareShowing();
  // PrepareShowing(), then the modal loop until the model sets its result.
  int ShowModal();

  void Sync();
  FormBinder& Binder() { return *binder_; }

 protected:
  // Places a control for the smallest window, anchored to the given edges.
  void Place(QWidget* widget, QRect designed, unsigned anchors);
  // Once every control is placed: labels whose text runs wider on this screen
  // than the layout's width grow into the room beside them (Layout.h).
  void FitLabels();
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 public Q_SLOTS:
  // Escape ends no showing.
  void reject() override {}

 private:
  void CentreOnOwner();
  void RunFormResize();
  void EndWhenModalResultSet();

  ModalFrame& frame_;
  Handlers handlers_;
  QWidget* owner_;
  FormBinder* binder_;
  AnchorLayout layout_;
};
