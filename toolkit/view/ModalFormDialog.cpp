#include "toolkit/view/ModalFormDialog.h"

#include <QCloseEvent>
#include <QResizeEvent>
#include <QScreen>

#include <algorithm>

#include "toolkit/view/Fonts.h"
#include "toolkit/model/Controls.h"
#include "toolkit/view/FormBinder.h"

ModalFormDialog::ModalFormDialog(FormHooks form, QSize designedClient, QSize frame, QWidget* owner)
    : QDialog(owner),
      form_(std::move(form)),
      frame_(frame),
      owner_(owner),
      binder_(new FormBinder(this)),
      layout_(designedClient) {
  // A sizeable frame with the system menu: no help button, no minimising.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setSizeGripEnabled(false);
  setFont(DefaultWindowFont());
  setBackgroundRole(QPalette::Button);
  setAutoFillBackground(true);
  // The model snaps a smaller window back in FormResize; the minimum size stops
  // the frame there in the first place where the window manager honours it.
  setMinimumSize(designedClient);
  resize(*form_.Width - frame_.width(), *form_.Height - frame_.height());
  binder_->AddSync([this] { EndWhenModalResultSet(); });
}

void ModalFormDialog::Place(QWidget* widget, QRect designed, unsigned anchors) {
  layout_.Place(widget, designed, anchors, size());
}

void ModalFormDialog::FitLabels() { layout_.FitLabels(size()); }

void ModalFormDialog::PrepareShowing() {
  *form_.ModalResult = kModalResultNone;
  binder_->Run(form_.FormShow);
  CentreOnOwner();
}

int ModalFormDialog::ShowModal() {
  PrepareShowing();
  return exec();
}

void ModalFormDialog::Sync() { binder_->Sync(); }

void ModalFormDialog::CentreOnOwner() {
  if (!owner_) return;
  // The window system reports the frame once the native window exists.
  winId();
  QRect frame = frameGeometry();
  frame.moveCenter(owner_->window()->frameGeometry().center());
  // Never with the title bar off the screen, where the window could no longer
  // be moved or closed.
  if (const QScreen* screen = owner_->screen()) {
    const QRect area = screen->availableGeometry();
    frame.moveLeft(std::max(area.left(), std::min(frame.left(), area.right() + 1 - frame.width())));
    frame.moveTop(std::max(area.top(), std::min(frame.top(), area.bottom() + 1 - frame.height())));
  }
  move(frame.topLeft());
}

void ModalFormDialog::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  layout_.Apply(size());
  binder_->WhenIdle([this] { RunFormResize(); });
}

void ModalFormDialog::RunFormResize() {
  binder_->Run([this] {
    *form_.Width = width() + frame_.width();
    *form_.Height = height() + frame_.height();
    form_.FormResize();
  });
  const QSize wanted(*form_.Width - frame_.width(), *form_.Height - frame_.height());
  if (wanted != size()) resize(wanted);
}

void ModalFormDialog::closeEvent(QCloseEvent* event) {
  if (!isVisible()) {
    QDialog::closeEvent(event);
    return;
  }
  // The close box is the close button: its handler sets the modal result, and
  // the loop ends once the handler is done.
  event->ignore();
  binder_->Run(form_.CloseButton);
}

void ModalFormDialog::EndWhenModalResultSet() {
  if (*form_.ModalResult != kModalResultNone && isVisible()) done(*form_.ModalResult);
}
