#include "KAnalyse3/view/BruteForceWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>

#include "KAnalyse3/model/TForm3.h"
#include "toolkit/view/Accessibility.h"
#include "toolkit/view/Fonts.h"
#include "toolkit/view/FormBinder.h"
#include "toolkit/view/GlyphButton.h"
#include "toolkit/view/Glyphs.h"
#include "toolkit/view/GridWidget.h"
#include "toolkit/view/QtText.h"

namespace {

constexpr int kGridRowHeight = 18;

struct Placement {
  const char* name;
  QRect design;  // in the client area of the smallest window, 611 × 415
  unsigned anchors;
};

const Placement kPlacements[] = {
    {"BitBtn3", {24, 8, 41, 25}, kAnchorTopLeft},
    {"BitBtn2", {88, 8, 41, 25}, kAnchorTopLeft},
    {"Label1", {264, 8, 243, 13}, kAnchorTopRight},
    {"Edit1", {512, 4, 41, 21}, kAnchorTopRight},
    {"Label2", {560, 8, 39, 13}, kAnchorTopRight},
    {"StringGrid1", {8, 32, 593, 329}, kAnchorAll},
    {"Label3", {8, 368, 88, 13}, kAnchorBottomLeft},
    {"RichEdit1", {104, 368, 385, 41}, kAnchorLeft | kAnchorRight | kAnchorBottom},
    {"BitBtn1", {504, 384, 89, 25}, kAnchorBottomRight},
};

// What a screen reader says about each control: its name from its caption,
// hint or the label beside it, what it holds or does, and that label.
const AccessibleText kAccessibleTexts[] = {
    {"StringGrid1", "Ergebnistabelle",
     "je Cäsar-Verschiebung: die Anzahl der gefundenen deutschen Wörter und der damit "
     "entschlüsselte Klar-Text",
     nullptr},
    {"BitBtn1", "Beenden", "schließt die brachiale Kryptoanalyse", nullptr},
    {"BitBtn2", "nach deutschen Wörtern sortieren",
     "absteigend nach Anzahl der deutschen Wörter und Wortgruppen sortieren", nullptr},
    {"Edit1", "Zeichen im Alphabet",
     "die Analyse beruht auf dem eingestellten Alphabet mit so vielen Zeichen", "Label1"},
    {"BitBtn3", "nach Verschiebung sortieren", "aufsteigend nach der Cäsar-Verschiebung sortieren",
     nullptr},
    {"RichEdit1", "benutzte Wortliste",
     "die deutschen Wörter, die in jedem Klar-Text gezählt werden", "Label3"},
};

}  // namespace

BruteForceWindow::BruteForceWindow(TForm3& form, QWidget* owner)
    : ModalFormDialog(form.Frame,
                      {[&form] { form.FormShow(); }, [&form] { form.FormResize(); },
                       [&form] { form.BitBtn1Click(); }},
                      owner),
      form_(form) {
  setObjectName(QStringLiteral("Form3"));
  setWindowTitle(QStringLiteral("Brachiale Kryptoanalyse (Brute Force)"));
  BuildControls();
  for (const Placement& p : kPlacements)
    if (QWidget* widget = findChild<QWidget*>(QString::fromLatin1(p.name)))
      Place(widget, p.design, p.anchors);
  DescribeControls(this, kAccessibleTexts);
  FitLabels();
  // The first stop has the focus when the window opens.
  ChainTabOrder(this, {"StringGrid1", "BitBtn1", "BitBtn2", "Edit1", "BitBtn3", "RichEdit1"});
  grid_->setFocus(Qt::OtherFocusReason);
  Binder().AddSync([this] { SyncWordList(); });
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
  Binder().BindEdit(form_.Edit1, edit1);

  auto sortButton = [this](const char* name, Button& model, void (TForm3::*handler)()) {
    auto* button = new GlyphButton(QString(), GlyphIcon(Glyph::SortDown), this);
    button->setObjectName(QString::fromLatin1(name));
    Binder().BindButton(model, button, [&form = form_, handler] { (form.*handler)(); });
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
  Binder().BindGrid(form_.StringGrid1, grid_);

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
  Binder().BindFocus(form_.RichEdit1, wordList_);

  auto* close = new GlyphButton(QStringLiteral("Beenden"), GlyphIcon(Glyph::Close), this);
  close->setObjectName(QStringLiteral("BitBtn1"));
  Binder().BindButton(form_.BitBtn1, close, [&form = form_] { form.BitBtn1Click(); });
}

void BruteForceWindow::Create() {
  Binder().Run([&form = form_] { form.FormCreate(); });
}

void BruteForceWindow::SyncWordList() {
  if (wordListShown_ == form_.RichEdit1.Text) return;
  wordListShown_ = form_.RichEdit1.Text;
  wordList_->setPlainText(ToQString(wordListShown_));
}
