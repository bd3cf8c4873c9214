#include "toolkit/view/form/ModalFormDialog.h"

#include <QAction>
#include <QCloseEvent>
#include <QResizeEvent>
#include <QScreen>

#include <algorithm>

#include "toolkit/model/ModalFrame.h"
#include "toolkit/view/form/ControlTable.h"
#include "toolkit/model/Zoom.h"
#include "toolkit/view/form/FormBinder.h"
#include "toolkit/view/widgets/Zoom.h"
#include "toolkit/view/grid/GridWidget.h"
#include "toolkit/view/widgets/Fonts.h"
#include "toolkit/view/text/QtText.h"

namespace {

// The client area of a frame of the given outer size.
QSize ClientSize(int outerWidth, int outerHeight) {
  return {outerWidth - ModalFormDialog::kFrameWidth, outerHeight - ModalFormDialog::kFrameHeight};
}

}  // namespace

ModalFormDialog::ModalFormDialog(ModalFrame& frame, Handlers handlers, const char* name,
                                 const char* caption, std::vector<ControlRow> controls,
                                 QWidget* owner)
    : QDialog(owner),
      frame_(frame),
      handlers_(std::move(handlers)),
      owner_(owner),
      binder_(new FormBinder(this)),
      controls_(std::make_unique<ControlTable>(this, *binder_,
                                               ClientSize(frame.MinWidth(), frame.MinHeight()))) {
  // A sizeable frame with the system menu: no help button, no minimising.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setSizeGripEnabled(false);
  // Modal over the window that opened it, the main window, and nothing else:
  // the help and the program's other windows stay readable meanwhile.
  setWindowModality(Qt::WindowModal);
  setFont(DefaultWindowFont());
  setBackgroundRole(QPalette::Button);
  setAutoFillBackground(true);
  // The model snaps a smaller window back in FormResize; the minimum size stops
  // the frame there in the first place where the window manager honours it.
  setMinimumSize(ClientSize(frame_.MinWidth(), frame_.MinHeight()));
  resize(ClientSize(frame_.Width, frame_.Height));
  binder_->AddSync([this] { EndWhenModalResultSet(); });
  setObjectName(QString::fromLatin1(name));
  setWindowTitle(U(caption));
  controls_->Build(std::move(controls));
  if (QWidget* first = controls_->FirstTabStop()) first->setFocus(Qt::OtherFocusReason);
  // The window may be made long after its FormCreate ran: it shows what that
  // left, at the zoom the program has now, and follows every later one.
  binder_->Sync();
  InstallZoomKeys(this);
  controls_->InstallHelpKey([this](const QString& control) { Q_EMIT HelpWanted(control); });
  print_ = new QAction(QString::fromUtf8("Drucken …"), this);
  print_->setObjectName(QStringLiteral("PrintWindow"));
  print_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
  print_->setShortcutContext(Qt::WindowShortcut);
  print_->setShortcutVisibleInContextMenu(true);
  connect(print_, &QAction::triggered, this, &ModalFormDialog::PrintWanted);
  addAction(print_);
  FollowZoom(this, [this](int percent) { ApplyZoom(percent); });
}

QSize ModalFormDialog::Zoomed(QSize client) const {
  return {ZoomLength(client.width(), zoom_), ZoomLength(client.height(), zoom_)};
}

void ModalFormDialog::ApplyZoom(int percent) {
  zoom_ = percent;
  controls_->SetZoom(percent);
  // The window keeps its size relative to its smallest, which grows too.
  setMinimumSize(Zoomed(ClientSize(frame_.MinWidth(), frame_.MinHeight())));
  resize(Zoomed(ClientSize(frame_.Width, frame_.Height)));
  controls_->Apply(size());
}

ModalFormDialog::~ModalFormDialog() = default;

ControlRow ModalFormDialog::CloseButton(ControlRow row) {
  row.Caption = "Beenden";
  row.Icon = Glyph::Close;
  row.Anchors = kAnchorBottomRight;  // it stays in the bottom right corner of a growing window
  return row;
}

void ModalFormDialog::PrepareShowing() {
  frame_.StartShowing();
  binder_->Run(handlers_.FormShow);
  // A showing starts where the first one did, whatever the learner left
  // focused or scrolled to last time: Space on a focused "Verschiebung
  // übernehmen" would take a shift at once.
  for (GridWidget* grid : findChildren<GridWidget*>()) grid->ScrollToStart();
  if (QWidget* first = controls_->FirstTabStop()) first->setFocus(Qt::OtherFocusReason);
  CentreOnOwner();
}

int ModalFormDialog::ShowModal() {
  PrepareShowing();
  return exec();
}

void ModalFormDialog::Sync() { binder_->Sync(); }

void ModalFormDialog::CentreOnOwner() {
  if (!owner_) return;
  // The window system reports the frame once the native window exists. It is
  // made with create(), not winId(): winId() marks the dialog a native child
  // of its owner, and Qt then turns every control of the owner into a native
  // window of its own.
  create();
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
  controls_->Apply(size());
  binder_->WhenIdle([this] { RunFormResize(); });
}

void ModalFormDialog::RunFormResize() {
  // The model's frame is the window at 100 %.
  binder_->Run([this] {
    frame_.Width = UnzoomLength(width(), zoom_) + kFrameWidth;
    frame_.Height = UnzoomLength(height(), zoom_) + kFrameHeight;
    handlers_.FormResize();
  });
  const QSize wanted = Zoomed(ClientSize(frame_.Width, frame_.Height));
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
  binder_->Run(handlers_.CloseButton);
}

void ModalFormDialog::EndWhenModalResultSet() {
  if (frame_.ModalResult != kModalResultNone && isVisible()) done(frame_.ModalResult);
}
