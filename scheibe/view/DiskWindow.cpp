#include "scheibe/view/DiskWindow.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScreen>

#include <algorithm>

#include "maincaesar/model/TForm1.h"
#include "scheibe/model/DiskForm.h"
#include "scheibe/view/DiskWidget.h"
#include "toolkit/view/form/ControlTable.h"
#include "toolkit/view/form/FormBinder.h"
#include "toolkit/view/text/QtText.h"
#include "toolkit/view/widgets/Fonts.h"
#include "toolkit/view/widgets/Zoom.h"

namespace {

constexpr int kClientWidth = 320;
constexpr int kClientHeight = 392;

std::vector<ControlRow> Controls(DiskForm& f, DiskWidget*& disk) {
  return {
      {.Name = "Disk", .Place = {8, 8, 304, 304}, .Anchors = kAnchorAll, .Tab = 0,
       .Model = static_cast<Control*>(&f.Disk),
       .AccessibleName = "Cäsar-Scheibe",
       .Description = "außen die Klartext-Zeichen, innen die Geheimtext-Zeichen, um die "
                      "Verschiebung gedreht; der Zeiger oben zeigt das erste Paar, das "
                      "Zeichen des letzten Schritts leuchtet. Drehen stellt die Verschiebung "
                      "ein wie ein Klick auf ihre Pfeile",
       .Keys = "Pfeil rechts oder oben: Verschiebung + 1; Pfeil links oder unten: − 1; Pos1: 0; "
               "Mausrad; den inneren Ring ziehen; Strg+C: Bild kopieren; Umschalt+F10: "
               "Kontextmenü",
       .Widget = [&f, &disk](QWidget* window) -> QWidget* {
         disk = new DiskWidget(f, window);
         return disk;
       }},
      {.Name = "RadioGroup1", .Place = {8, 318, 304, 40}, .Anchors = kAnchorLeft | kAnchorRight | kAnchorBottom,
       .Tab = 1, .Caption = "Tabelle", .Items = {"Verschlüsselung", "Entschlüsselung"},
       .Columns = 2, .Model = &f.RadioGroup1, .OnClick = [&f] { f.RadioGroup1Click(); },
       .Description = "welche Tabelle des Hauptfensters die Scheibe zeigt und dreht"},
      {.Name = "Edit1", .Place = {8, 364, 304, 20}, .Anchors = kAnchorLeft | kAnchorRight | kAnchorBottom,
       .Tab = 2, .Model = &f.Edit1, .AccessibleName = "Paar am Zeiger",
       .Description = "die Verschiebung und was aus dem ersten Zeichen wird"},
  };
}

}  // namespace

std::vector<ControlRow> DiskWindow::ControlRows(DiskForm& form) {
  DiskWidget* none = nullptr;  // the rows are read, no widget is made
  return Controls(form, none);
}

DiskWindow::DiskWindow(DiskForm& form, const TForm1& main, FormBinder& mainBinder, QWidget* owner)
    : QWidget(owner, Qt::Window),
      form_(form),
      main_(main),
      mainBinder_(mainBinder),
      binder_(new FormBinder(this)),
      controls_(std::make_unique<ControlTable>(this, *binder_, QSize(kClientWidth, kClientHeight))) {
  setObjectName(QStringLiteral("Scheibe"));
  setWindowTitle(U("Cäsar-Scheibe"));
  setAccessibleName(U("Cäsar-Scheibe"));
  setFont(DefaultWindowFont());
  setBackgroundRole(QPalette::Button);
  setAutoFillBackground(true);
  setMinimumSize(kClientWidth, kClientHeight);
  resize(kClientWidth, kClientHeight);
  controls_->Build(Controls(form_, disk_));

  disk_->SetTakesInput([this] { return TakesInput(); });
  disk_->SetJumps([this] { return main_.Running(); });
  // A turn is the main window's spinner clicked: its binder runs it and shows
  // the main window; this window follows from there.
  connect(disk_, &DiskWidget::TurnWanted, this, [this](int positions) {
    mainBinder_.Run([this, positions] { form_.TurnBy(positions); });
    binder_->Sync();
  });
  connect(disk_, &DiskWidget::TurnToWanted, this, [this](int shift) {
    mainBinder_.Run([this, shift] { form_.TurnTo(shift); });
    binder_->Sync();
  });
  binder_->AddSync([this] {
    disk_->Sync();
    disk_->setAccessibleDescription(ToQString(form_.Edit1.Text()));
  });
  binder_->BindAnnouncement(form_.Announcer);

  InstallZoomKeys(this);
  controls_->InstallHelpKey([this](const QString& control) { Q_EMIT HelpWanted(control); });
  FollowZoom(this, [this](int percent) { ApplyZoom(percent); });
}

DiskWindow::~DiskWindow() = default;

bool DiskWindow::TakesInput() const {
  // Not while the main window's handler runs (a run pausing between its
  // steps) and not while an analysis window waits for its answer.
  return !mainBinder_.Busy() && !QApplication::activeModalWidget();
}

void DiskWindow::Open() {
  if (!isVisible()) {
    binder_->Run([this] { form_.FormShow(); });
    // Beside the main window where there is room, else at the screen's right edge.
    if (QWidget* owner = parentWidget()) {
      const QRect main = owner->window()->frameGeometry();
      int left = main.right() + 9;
      if (const QScreen* here = owner->screen()) {
        const QRect area = here->availableGeometry();
        left = std::max(area.left(), std::min(left, area.right() + 1 - frameGeometry().width()));
      }
      move(left, main.top());
    }
    disk_->setFocus(Qt::OtherFocusReason);
    show();
  }
  raise();
  activateWindow();
}

void DiskWindow::Follow() {
  if (!isVisible()) return;
  form_.Follow();
  binder_->Sync();
}

void DiskWindow::ApplyZoom(int percent) {
  const int was = zoom_;
  zoom_ = percent;
  controls_->SetZoom(percent);
  // Its size relative to its smallest stays, and the smallest grows.
  const QSize least = controls_->DesignedClient();
  const QSize now = size();
  setMinimumSize(least);
  resize(QSize(now.width() * percent / was, now.height() * percent / was).expandedTo(least));
  controls_->Apply(size());
}

void DiskWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  controls_->Apply(size());
}

void DiskWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}
