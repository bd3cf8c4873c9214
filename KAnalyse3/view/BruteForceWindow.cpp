#include "KAnalyse3/view/BruteForceWindow.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QResizeEvent>
#include <QTextEdit>

#include "KAnalyse3/model/TForm3.h"
#include "toolkit/view/Fonts.h"
#include "toolkit/view/FormBinder.h"
#include "toolkit/view/GlyphButton.h"
#include "toolkit/view/Glyphs.h"
#include "toolkit/view/GridWidget.h"
#include "toolkit/view/QtText.h"

namespace {

// The client area the positions below were laid out in.
constexpr int kClientWidth = TForm3::kMinWidth - BruteForceWindow::kFrameWidth;     // 611
constexpr int kClientHeight = TForm3::kMinHeight - BruteForceWindow::kFrameHeight;  // 415

constexpr int kGridRowHeight = 18;

QString U(const char* utf8) {
  return QString::fromUtf8(utf8);
}

// The window edges a control keeps its distance to when the window is resized.
enum Anchor : unsigned { kLeft = 1, kTop = 2, kRight = 4, kBottom = 8 };

struct Placement {
  const char* name;
  QRect design;  // in the client area of 611 × 415
  unsigned anchors;
};

const Placement kPlacements[] = {
    {"BitBtn3", {24, 8, 41, 25}, kLeft | kTop},
    {"BitBtn2", {88, 8, 41, 25}, kLeft | kTop},
    {"Label1", {264, 8, 243, 13}, kTop | kRight},
    {"Edit1", {512, 4, 41, 21}, kTop | kRight},
    {"Label2", {560, 8, 39, 13}, kTop | kRight},
    {"StringGrid1", {8, 32, 593, 329}, kLeft | kTop | kRight | kBottom},
    {"Label3", {8, 368, 88, 13}, kLeft | kBottom},
    {"RichEdit1", {104, 368, 385, 41}, kLeft | kRight | kBottom},
    {"BitBtn1", {504, 384, 89, 25}, kRight | kBottom},
};

// The keyboard walks the controls in this order.
constexpr const char* kTabOrder[] = {"StringGrid1", "BitBtn1", "BitBtn2",
                                     "Edit1",       "BitBtn3", "RichEdit1"};

// Where a control stands in a client area grown by (dx, dy): anchored to both
// opposite edges it stretches, anchored to the far edge only it moves along.
QRect Anchored(const Placement& p, int dx, int dy) {
  QRect r = p.design;
  if (p.anchors & kRight) {
    if (p.anchors & kLeft)
      r.setWidth(r.width() + dx);
    else
      r.translate(dx, 0);
  }
  if (p.anchors & kBottom) {
    if (p.anchors & kTop)
      r.setHeight(r.height() + dy);
    else
      r.translate(0, dy);
  }
  return r;
}

}  // namespace

BruteForceWindow::BruteForceWindow(TForm3& form, QWidget* owner)
    : QDialog(owner), form_(form), binder_(new FormBinder(this)) {
  setObjectName(QStringLiteral("Form3"));
  setWindowTitle(QStringLiteral("Brachiale Kryptoanalyse (Brute Force)"));
  // A sizeable frame with the system menu: no help button, no minimising.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setSizeGripEnabled(false);
  setFont(DefaultWindowFont());
  setBackgroundRole(QPalette::Button);
  setAutoFillBackground(true);
  setMinimumSize(TForm3::kMinWidth - kFrameWidth, TForm3::kMinHeight - kFrameHeight);
  resize(form_.Width - kFrameWidth, form_.Height - kFrameHeight);

  BuildControls();
  SetTabOrder();
  ApplyAnchors();

  binder_->AddSync([this] { SyncColumnWidths(); });
  binder_->AddSync([this] { SyncWordList(); });
  binder_->AddSync([this] { EndWhenModalResultSet(); });
}

void BruteForceWindow::BuildControls() {
  auto label = [this](const char* name, const char* caption) {
    auto* widget = new QLabel(U(caption), this);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setTextFormat(Qt::PlainText);  // keeps the two spaces before "mit:"
    widget->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  };
  label("Label1", "Analyse beruht auf dem eingestellten Alphabet  mit: ");
  label("Label2", "Zeichen");
  label("Label3", "benutzte Wortliste:");

  auto* edit1 = new QLineEdit(this);
  edit1->setObjectName(QStringLiteral("Edit1"));
  binder_->BindEdit(form_.Edit1, edit1);

  auto sortButton = [this](const char* name, Button& model, void (TForm3::*handler)()) {
    auto* button = new GlyphButton(QString(), GlyphIcon(Glyph::SortDown), this);
    button->setObjectName(QString::fromLatin1(name));
    binder_->BindButton(model, button, [this, handler] { (form_.*handler)(); });
    return button;
  };
  sortButton("BitBtn3", form_.BitBtn3, &TForm3::BitBtn3Click);  // over "Verschiebung"
  sortButton("BitBtn2", form_.BitBtn2, &TForm3::BitBtn2Click)   // over "dt. Wörter"
      ->setToolTip(U("absteigend nach Anzahl der deutschen Wörter und Wortgruppen sortieren"));

  GridWidget::Options options;
  options.Editing = false;
  options.RangeSelect = true;
  options.ColSizing = true;
  grid_ = new GridWidget(form_.StringGrid1, options, this);
  grid_->setObjectName(QStringLiteral("StringGrid1"));
  grid_->SetRowHeight(kGridRowHeight);
  grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  binder_->BindGrid(form_.StringGrid1, grid_);

  wordList_ = new QTextEdit(this);
  wordList_->setObjectName(QStringLiteral("RichEdit1"));
  wordList_->setReadOnly(true);
  wordList_->setAcceptRichText(false);
  wordList_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  wordList_->setLineWrapMode(QTextEdit::WidgetWidth);
  wordList_->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  wordList_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  wordList_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  wordList_->setTabChangesFocus(true);  // Tab leaves the box instead of being typed
  QPalette palette = wordList_->palette();
  palette.setColor(QPalette::Base, palette.color(QPalette::Button));
  wordList_->setPalette(palette);
  binder_->BindFocus(form_.RichEdit1, wordList_);

  auto* close = new GlyphButton(QStringLiteral("Beenden"), GlyphIcon(Glyph::Close), this);
  close->setObjectName(QStringLiteral("BitBtn1"));
  binder_->BindButton(form_.BitBtn1, close, [this] { form_.BitBtn1Click(); });
}

void BruteForceWindow::SetTabOrder() {
  QWidget* previous = nullptr;
  for (const char* name : kTabOrder) {
    QWidget* widget = findChild<QWidget*>(QString::fromLatin1(name));
    if (previous) setTabOrder(previous, widget);
    previous = widget;
  }
  grid_->setFocus(Qt::OtherFocusReason);  // the first stop has the focus when the window opens
}

void BruteForceWindow::ApplyAnchors() {
  const int dx = width() - kClientWidth;
  const int dy = height() - kClientHeight;
  for (const Placement& p : kPlacements)
    if (QWidget* widget = findChild<QWidget*>(QString::fromLatin1(p.name)))
      widget->setGeometry(Anchored(p, dx, dy));
}

void BruteForceWindow::Create() {
  binder_->Run([this] { form_.FormCreate(); });
}

int BruteForceWindow::ShowModal() {
  form_.ModalResult = TForm3::mrNone;
  binder_->Run([this] { form_.FormShow(); });
  CentreOnOwner();
  return exec();
}

void BruteForceWindow::CentreOnOwner() {
  const QWidget* owner = parentWidget();
  if (!owner) return;
  // The window system reports the frame once the native window exists, so
  // create it before measuring, even for the first showing.
  winId();
  QRect frame = frameGeometry();
  frame.moveCenter(owner->window()->frameGeometry().center());
  move(frame.topLeft());
}

void BruteForceWindow::Sync() {
  binder_->Sync();
}

void BruteForceWindow::SyncColumnWidths() {
  // Applied only when TForm3 sets new widths, so the learner's own column
  // sizing survives a sort and a new showing.
  if (colWidthsSynced_ && colWidthsApplied_ == form_.StringGrid1ColWidths) return;
  colWidthsApplied_ = form_.StringGrid1ColWidths;
  colWidthsSynced_ = true;
  for (int c = 0; c < static_cast<int>(colWidthsApplied_.size()); ++c)
    grid_->SetColWidth(c, colWidthsApplied_[c]);
}

void BruteForceWindow::SyncWordList() {
  if (wordListShown_ == form_.RichEdit1.Text) return;
  wordListShown_ = form_.RichEdit1.Text;
  wordList_->setPlainText(ToQString(wordListShown_));
}

void BruteForceWindow::EndWhenModalResultSet() {
  if (form_.ModalResult != TForm3::mrNone && isVisible()) done(form_.ModalResult);
}

void BruteForceWindow::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  // TForm3 snaps a window below its minimum back up; Qt's minimum size already
  // stops the frame there, so this only matters where a window manager ignores it.
  form_.Width = width() + kFrameWidth;
  form_.Height = height() + kFrameHeight;
  binder_->Run([this] { form_.FormResize(); });
  const QSize wanted(form_.Width - kFrameWidth, form_.Height - kFrameHeight);
  if (wanted != size()) resize(wanted);
  ApplyAnchors();
}

void BruteForceWindow::closeEvent(QCloseEvent* event) {
  // The close box counts as "Beenden": its handler sets the modal result, and
  // the dialog ends its loop once the handler is done.
  if (!isVisible()) {
    QDialog::closeEvent(event);
    return;
  }
  event->ignore();
  binder_->Run([this] { form_.BitBtn1Click(); });
}

void BruteForceWindow::reject() {}
