#include "KAnalyse1/view/AnalyseWindow.h"

#include <QLabel>
#include <QLineEdit>


#include "KAnalyse1/model/TForm2.h"
#include "toolkit/view/Accessibility.h"
#include "toolkit/view/Fonts.h"
#include "toolkit/view/FormBinder.h"
#include "toolkit/view/GlyphButton.h"
#include "toolkit/view/Glyphs.h"
#include "toolkit/view/GridWidget.h"
#include "toolkit/view/QtText.h"
#include "toolkit/view/UpDownWidget.h"

namespace {

enum class Look { Plain, Bold, Large };

constexpr unsigned kTopLeft = kAnchorTopLeft;
constexpr unsigned kTopRight = kAnchorTopRight;
constexpr unsigned kBottomLeft = kAnchorBottomLeft;
constexpr unsigned kBottomRight = kAnchorBottomRight;
constexpr unsigned kAllSides = kAnchorAll;

struct LabelSpec {
  const char* name;
  int x, y, w, h;
  unsigned anchors;
  const char* caption;
  Look look;
};

const LabelSpec kLabels[] = {
    {"Label6", 88, 8, 243, 13, kTopLeft,
     "Analyse beruht auf dem eingestellten Alphabet  mit: ", Look::Plain},
    {"Label7", 384, 8, 39, 13, kTopLeft, "Zeichen", Look::Plain},
    {"Label1", 384, 24, 96, 13, kTopRight, "Bewertungstoleranz:", Look::Plain},
    {"Label2", 488, 20, 42, 20, kTopRight, "+/- %", Look::Large},
    {"Label3", 16, 364, 187, 13, kBottomLeft, "empfohlene Cäsar-Verschiebung:", Look::Bold},
    {"Label5", 256, 364, 45, 13, kBottomLeft, "ev. auch:", Look::Plain},
    {"Label4", 16, 378, 196, 13, kBottomLeft, "(aus Häufigkeitsmuster-Vergleich ermittelt)",
     Look::Plain},
    {"Label8", 72, 392, 135, 13, kBottomLeft, "Summe der Fehler-Quadrate:", Look::Plain},
};

struct FieldSpec {
  const char* name;
  int x, y, w, h;
  unsigned anchors;
  Edit TForm2::*model;
  bool bold;
  bool buttonFace;  // background in the window colour instead of white
};

const FieldSpec kFields[] = {
    {"Edit6", 336, 4, 41, 21, kTopLeft, &TForm2::Edit6, false, false},
    {"Edit1", 536, 18, 33, 21, kTopRight, &TForm2::Edit1, false, false},
    {"Edit2", 216, 360, 33, 21, kBottomLeft, &TForm2::Edit2, true, false},
    {"Edit3", 304, 360, 97, 21, kBottomLeft, &TForm2::Edit3, false, true},
    {"Edit4", 216, 384, 73, 21, kBottomLeft, &TForm2::Edit4, false, false},
    {"Edit5", 304, 384, 177, 21, kBottomLeft, &TForm2::Edit5, false, false},
};

// What a screen reader says about each control: its name from its caption,
// hint or the label beside it, what it holds or does, and that label.
const AccessibleText kAccessibleTexts[] = {
    {"BitBtn1", "Beenden", "schließt die Häufigkeitsanalyse", nullptr},
    {"StringGrid1", "Häufigkeitstabelle",
     "je Geheim-Zeichen: Anzahl, Häufigkeit, erwartete Häufigkeit und die zur "
     "Bewertungstoleranz passenden Klar-Zeichen und Cäsar-Verschiebungen",
     nullptr},
    {"Edit1", "Bewertungstoleranz",
     "plus/minus Prozent, um die eine Häufigkeit von der erwarteten abweichen darf", "Label1"},
    {"UpDown1", "Bewertungstoleranz ändern",
     "erhöht oder verringert die Bewertungstoleranz um eins, von 0 bis 10", nullptr},
    {"BitBtn2", "nach Zeichen sortieren", "ordnet die Tabelle nach den Geheim-Zeichen", nullptr},
    {"BitBtn3", "nach Häufigkeit sortieren",
     "ordnet die Tabelle absteigend nach der Anzahl der Geheim-Zeichen", nullptr},
    {"Edit2", "empfohlene Cäsar-Verschiebung", "aus Häufigkeitsmuster-Vergleich ermittelt",
     "Label3"},
    {"Edit3", "ev. auch", "weitere mögliche Cäsar-Verschiebungen", "Label5"},
    {"Edit4", "Summe der Fehler-Quadrate", "für die empfohlene Cäsar-Verschiebung", "Label8"},
    {"Edit5", "weitere Summen der Fehler-Quadrate",
     "für die weiteren Cäsar-Verschiebungen, in derselben Reihenfolge", nullptr},
    {"Edit6", "Zeichen im Alphabet",
     "die Analyse beruht auf dem eingestellten Alphabet mit so vielen Zeichen", "Label6"},
};

constexpr int kRowHeight = 18;


}  // namespace

AnalyseWindow::AnalyseWindow(TForm2& form, QWidget* owner)
    : ModalFormDialog(form.Frame,
                      {[&form] { form.FormShow(); }, [&form] { form.FormResize(); },
                       [&form] { form.BitBtn1Click(); }},
                      owner),
      form_(form) {
  setObjectName(QStringLiteral("Form2"));
  setWindowTitle(QStringLiteral("Kryptoanalyse -- Einzelzeichen"));
  BuildLabels();
  BuildFields();
  BuildGrid();
  BuildButtons();
  DescribeControls(this, kAccessibleTexts);
  // Where a substitute font runs wider than the one the layout was measured in
  // (Tahoma Bold for "+/- %"), a label grows into the room beside it, condensed
  // if it would still reach the next control.
  FitLabels();
  // "Beenden" comes first and so has the focus when the window opens.
  ChainTabOrder(this, {"BitBtn1", "StringGrid1", "Edit1", "UpDown1", "BitBtn2", "BitBtn3", "Edit2",
                       "Edit3", "Edit4", "Edit5", "Edit6"});
  findChild<QWidget*>(QStringLiteral("BitBtn1"))->setFocus(Qt::OtherFocusReason);
}

void AnalyseWindow::Create() { Binder().Run([&form = form_] { form.FormCreate(); }); }

void AnalyseWindow::BuildLabels() {
  for (const LabelSpec& item : kLabels) {
    auto* label = new QLabel(U(item.caption), this);
    label->setObjectName(QString::fromLatin1(item.name));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    switch (item.look) {
      case Look::Plain:
        break;
      case Look::Bold:
        label->setFont(MakeFont(kSansSerif, 11, true));
        break;
      case Look::Large:
        label->setFont(MakeFont(kSansSerif, 16, true));
        break;
    }
    Place(label, {item.x, item.y, item.w, item.h}, item.anchors);
  }
}

void AnalyseWindow::BuildFields() {
  for (const FieldSpec& item : kFields) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(item.name));
    edit->setFont(MakeFont(kSansSerif, 11, item.bold));
    if (item.buttonFace) {
      QPalette palette = edit->palette();
      palette.setColor(QPalette::Base, palette.color(QPalette::Button));
      edit->setPalette(palette);
    }
    Place(edit, {item.x, item.y, item.w, item.h}, item.anchors);
    Binder().BindEdit(form_.*item.model, edit);
  }

  // The spinner is not coupled to Edit1: UpDown1Click writes the tolerance there.
  auto* upDown = new UpDownWidget(this);
  upDown->setObjectName(QStringLiteral("UpDown1"));
  Place(upDown, {568, 12, 25, 33}, kTopRight);
  Binder().BindUpDown(form_.UpDown1, upDown, [&form = form_] { form.UpDown1Click(); });
}

void AnalyseWindow::BuildGrid() {
  GridWidget::Options options;
  options.Editing = false;
  options.RangeSelect = true;
  options.ColSizing = true;
  auto* grid = new GridWidget(form_.StringGrid1, options, this);
  grid->setObjectName(QStringLiteral("StringGrid1"));
  grid->SetRowHeight(kRowHeight);
  Place(grid, {8, 48, 585, 305}, kAllSides);
  Binder().BindGrid(form_.StringGrid1, grid);
}

void AnalyseWindow::BuildButtons() {
  // The sort buttons carry no caption: a black triangle, grey while disabled,
  // and a tooltip that says what they sort by.
  auto sortButton = [this](const char* name, QRect geometry, const char* hint,
                           Button TForm2::*model, void (TForm2::*handler)()) {
    auto* button = new GlyphButton(QString(), GlyphIcon(Glyph::SortDown), this);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(U(hint));
    button->SetMargin(-1);  // no caption: the triangle sits in the middle
    Place(button, geometry, kTopLeft);
    Binder().BindButton(form_.*model, button, [&form = form_, handler] { (form.*handler)(); });
  };
  sortButton("BitBtn2", {32, 24, 41, 25}, "nach Zeichen sortieren", &TForm2::BitBtn2,
             &TForm2::BitBtn2Click);
  sortButton("BitBtn3", {104, 24, 41, 25}, "nach Häuffigkeit sortieren", &TForm2::BitBtn3,
             &TForm2::BitBtn3Click);

  auto* close = new GlyphButton(QStringLiteral("Beenden"), GlyphIcon(Glyph::Close), this);
  close->setObjectName(QStringLiteral("BitBtn1"));
  Place(close, {488, 376, 97, 25}, kBottomRight);
  Binder().BindButton(form_.BitBtn1, close, [&form = form_] { form.BitBtn1Click(); });
}
