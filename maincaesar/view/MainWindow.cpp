#include "maincaesar/view/MainWindow.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QShowEvent>
#include <QStyleOptionFrame>

#include <array>

#include "maincaesar/model/TForm1.h"
#include "toolkit/view/Accessibility.h"
#include "toolkit/view/Fonts.h"
#include "toolkit/view/FormBinder.h"
#include "toolkit/view/GlyphButton.h"
#include "toolkit/view/Glyphs.h"
#include "toolkit/view/GridWidget.h"
#include "toolkit/view/Layout.h"
#include "toolkit/view/QtText.h"
#include "toolkit/view/UpDownWidget.h"

namespace {

constexpr int kClientWidth = 782;
constexpr int kClientHeight = 540;

const QColor kLime(0x00, 0xFF, 0x00);
const QColor kRed(0xFF, 0x00, 0x00);
const QColor kWhite(0xFF, 0xFF, 0xFF);
const QColor kBlue(0x00, 0x00, 0xFF);
const QColor kBlack(0x00, 0x00, 0x00);

enum class LabelStyle { Plain, Bold, Banner };

struct LabelSpec {
  const char* name;
  int x, y, w, h;
  const char* caption;
  LabelStyle style;
};

// The banner in the top right corner names the release.
constexpr const char* kReleaseBanner = "Chiffrarium 1.0 \xE2\x80\x93 Ausgabe f\xC3\xBCr Schulen";

const LabelSpec kLabels[] = {
    {"Label5", 8, 8, 48, 13, "Klartext:", LabelStyle::Bold},
    {"Label1", 104, 8, 123, 13, "(zu verschlüsselnder Text)", LabelStyle::Plain},
    {"Label11", 368, 0, 399, 16, kReleaseBanner, LabelStyle::Banner},
    {"Label2", 8, 88, 118, 13, "Cäsar-Verschiebung:", LabelStyle::Bold},
    {"Label14", 8, 112, 51, 13, "(Schlüssel)", LabelStyle::Plain},
    {"Label7", 8, 168, 42, 13, "Chiffre:", LabelStyle::Bold},
    {"Label3", 56, 168, 206, 13, "(Verschlüsselungs-Tabelle, Chiffren-Tabelle)", LabelStyle::Plain},
    {"Label8", 8, 188, 80, 13, "Klartext-Zeichen:", LabelStyle::Plain},
    {"Label10", 8, 204, 49, 13, "gesuchtes", LabelStyle::Plain},
    {"Label9", 8, 216, 93, 13, "Chiffrentextzeichen:", LabelStyle::Plain},
    {"Label6", 8, 280, 93, 13, "Chiffrierter Text:", LabelStyle::Bold},
    {"Label4", 104, 280, 100, 13, "(verschlüsselter Text)", LabelStyle::Plain},
    {"Label15", 8, 400, 98, 13, "Cäsar-Verschiebung:", LabelStyle::Plain},
    {"Label18", 8, 420, 49, 13, "gesuchtes", LabelStyle::Plain},
    {"Label17", 8, 432, 75, 13, "Klartextzeichen:", LabelStyle::Plain},
    {"Label16", 8, 452, 98, 13, "Chiffrentext-Zeichen:", LabelStyle::Plain},
    {"Label12", 8, 496, 48, 13, "Klartext:", LabelStyle::Bold},
    {"Label13", 104, 496, 100, 13, "(entschlüsselter Text)", LabelStyle::Plain},
};

struct ButtonSpec {
  const char* name;
  int x, y, w;
  const char* caption;
  Glyph glyph;
  bool glyphRight;
  int spacing;
  bool bold;
  Button TForm1::*model;
  void (TForm1::*handler)();
};

const ButtonSpec kButtons[] = {
    {"BitBtn16", 200, 76, 161, "Klartext löschen", Glyph::ClearText, false, 8, true,
     &TForm1::BitBtn16, &TForm1::BitBtn16Click},
    {"BitBtn17", 392, 76, 161, "Klartext einlesen ...", Glyph::LoadFromDiskette, false, 8, false,
     &TForm1::BitBtn17, &TForm1::BitBtn17Click},
    {"BitBtn18", 584, 76, 161, "Klartext speichern ...", Glyph::SaveToDiskette, true, 8, false,
     &TForm1::BitBtn18, &TForm1::BitBtn18Click},
    {"BitBtn14", 208, 256, 121, "von vorn beginnen", Glyph::Restart, false, 4, false,
     &TForm1::BitBtn14, &TForm1::BitBtn14Click},
    {"BitBtn1", 336, 256, 153, "ein Zeichen verschlüsseln", Glyph::EncryptOne, false, 4, false,
     &TForm1::BitBtn1, &TForm1::BitBtn1Click},
    {"BitBtn2", 496, 256, 153, "schrittweise verschlüsseln", Glyph::EncryptStepwise, false, 4,
     false, &TForm1::BitBtn2, &TForm1::BitBtn2Click},
    {"BitBtn3", 656, 256, 121, "alles verschlüsseln", Glyph::EncryptAll, false, 4, false,
     &TForm1::BitBtn3, &TForm1::BitBtn3Click},
    {"BitBtn4", 24, 328, 161, "Geheimtext einlesen ...", Glyph::LoadFromDiskette, false, 8, false,
     &TForm1::BitBtn4, &TForm1::BitBtn4Click},
    {"BitBtn6", 208, 328, 145, "Geheimtext löschen", Glyph::ClearText, false, 8, false,
     &TForm1::BitBtn6, &TForm1::BitBtn6Click},
    {"BitBtn5", 376, 328, 161, "Geheimtext speichern ...", Glyph::SaveToDiskette, true, 8, false,
     &TForm1::BitBtn5, &TForm1::BitBtn5Click},
    {"BitBtn13", 560, 328, 193, "entschlüsselten Klartext löschen", Glyph::ClearText, false, 8,
     false, &TForm1::BitBtn13, &TForm1::BitBtn13Click},
    {"BitBtn15", 16, 356, 129, "von vorn beginnen", Glyph::Restart, false, 8, false,
     &TForm1::BitBtn15, &TForm1::BitBtn15Click},
    {"BitBtn7", 160, 356, 161, "ein Zeichen entschlüsseln", Glyph::DecryptOne, false, 8, false,
     &TForm1::BitBtn7, &TForm1::BitBtn7Click},
    {"BitBtn8", 336, 356, 225, "schrittweise alle Zeichen entschlüsseln", Glyph::DecryptStepwise,
     false, 8, false, &TForm1::BitBtn8, &TForm1::BitBtn8Click},
    {"BitBtn9", 576, 356, 193, "sofort alle Zeichen entschlüsseln", Glyph::DecryptAll, false, 8,
     false, &TForm1::BitBtn9, &TForm1::BitBtn9Click},
    {"BitBtn10", 200, 392, 169, "Kryptoanalyse Einzelzeichen", Glyph::FrequencyAnalysis, false, 8,
     false, &TForm1::BitBtn10, &TForm1::BitBtn10Click},
    {"BitBtn11", 376, 392, 177, "Kryptoanalyse Zeichenpaare", Glyph::PairAnalysis, false, 8, false,
     &TForm1::BitBtn11, &TForm1::BitBtn11Click},
    {"BitBtn12", 560, 392, 217, "brachiale Kryptoanalyse (Brute Force)", Glyph::BruteForce, false,
     8, false, &TForm1::BitBtn12, &TForm1::BitBtn12Click},
};

// What a screen reader says about each control: its name from its caption or
// the label beside it, what it holds or does, and that label.
const AccessibleText kAccessibleTexts[] = {
    {"Edit1", "Klartext", "zu verschlüsselnder Text", "Label5"},
    {"Edit4", "Positionsmarke",
     "das Zeichen ^ steht unter dem Klartext-Zeichen, das gerade verschlüsselt wird", nullptr},
    {"Edit2", "Cäsar-Verschiebung", "Schlüssel der Verschlüsselung", "Label2"},
    {"UpDown1", "Cäsar-Verschiebung ändern",
     "erhöht oder verringert den Schlüssel der Verschlüsselung um eins; die Entschlüsselung "
     "übernimmt ihn",
     nullptr},
    {"RadioGroup1", "Optionen für Alphabet", "welche Zeichen die Tabellen enthalten", nullptr},
    {"RadioGroup2", "Optionen für Chiffrierung",
     "was mit Zeichen geschieht, die nicht in der Tabelle stehen", nullptr},
    {"StringGrid1", "Chiffre",
     "Verschlüsselungs-Tabelle, Chiffren-Tabelle: oben die Klartext-Zeichen, darunter die "
     "gesuchten Chiffrentextzeichen",
     "Label7"},
    {"Edit3", "Chiffrierter Text", "verschlüsselter Text", "Label6"},
    {"Edit6", "Cäsar-Verschiebung", "Schlüssel der Entschlüsselung", "Label15"},
    {"UpDown2", "Cäsar-Verschiebung ändern",
     "erhöht oder verringert den Schlüssel der Entschlüsselung um eins", nullptr},
    {"StringGrid2", "Entschlüsselungs-Tabelle",
     "oben die gesuchten Klartextzeichen, darunter die Chiffrentext-Zeichen", "Label17"},
    {"Edit5", "Klartext", "entschlüsselter Text", "Label12"},
    {"BitBtn16", "Klartext löschen",
     "leert Klartext, Geheimtext und entschlüsselten Klartext; beide Richtungen beginnen von vorn",
     nullptr},
    {"BitBtn17", "Klartext einlesen ...",
     "liest den Klartext aus der Datei KLARTEXT.TXT von Laufwerk A: ein", nullptr},
    {"BitBtn18", "Klartext speichern ...",
     "speichert den Klartext in der Datei KLARTEXT.TXT auf Laufwerk A:", nullptr},
    {"BitBtn14", "von vorn beginnen",
     "leert den Geheimtext; die Verschlüsselung beginnt wieder beim ersten Klartext-Zeichen",
     nullptr},
    {"BitBtn1", "ein Zeichen verschlüsseln",
     "verschlüsselt das nächste Klartext-Zeichen und hängt es an den Geheimtext an", nullptr},
    {"BitBtn2", "schrittweise verschlüsseln",
     "verschlüsselt den Klartext Zeichen für Zeichen, mit einer kurzen Pause nach jedem", nullptr},
    {"BitBtn3", "alles verschlüsseln", "verschlüsselt den ganzen Klartext auf einmal", nullptr},
    {"BitBtn4", "Geheimtext einlesen ...",
     "liest den Geheimtext aus der Datei GEHEIM.TXT von Laufwerk A: ein", nullptr},
    {"BitBtn6", "Geheimtext löschen",
     "leert den Geheimtext; die Verschlüsselung beginnt von vorn", nullptr},
    {"BitBtn5", "Geheimtext speichern ...",
     "speichert den Geheimtext in der Datei GEHEIM.TXT auf Laufwerk A:", nullptr},
    {"BitBtn13", "entschlüsselten Klartext löschen",
     "leert den entschlüsselten Klartext; die Entschlüsselung beginnt von vorn", nullptr},
    {"BitBtn15", "von vorn beginnen",
     "leert den entschlüsselten Klartext; die Entschlüsselung beginnt wieder beim ersten "
     "Geheimtext-Zeichen",
     nullptr},
    {"BitBtn7", "ein Zeichen entschlüsseln",
     "entschlüsselt das nächste Geheimtext-Zeichen und hängt es an den entschlüsselten Klartext "
     "an",
     nullptr},
    {"BitBtn8", "schrittweise alle Zeichen entschlüsseln",
     "entschlüsselt den Geheimtext Zeichen für Zeichen, mit einer kurzen Pause nach jedem",
     nullptr},
    {"BitBtn9", "sofort alle Zeichen entschlüsseln",
     "entschlüsselt den ganzen Geheimtext auf einmal", nullptr},
    {"BitBtn10", "Kryptoanalyse Einzelzeichen",
     "öffnet die Häufigkeitsanalyse des Geheimtexts", nullptr},
    {"BitBtn11", "Kryptoanalyse Zeichenpaare",
     "Analyse der Zeichenpaare; in dieser Ausgabe nicht verfügbar", nullptr},
    {"BitBtn12", "brachiale Kryptoanalyse (Brute Force)",
     "entschlüsselt den Geheimtext mit jeder Cäsar-Verschiebung und zählt die deutschen Wörter",
     nullptr},
};

void SetColours(QWidget* widget, const QColor& base, const QColor& text) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Base, base);
  palette.setColor(QPalette::Text, text);
  widget->setPalette(palette);
}

}  // namespace

MainWindow::MainWindow(TForm1& form, QWidget* parent)
    : QWidget(parent), form_(form), binder_(new FormBinder(this)) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(U("Chiffrarium -- Cäsar-Chiffrierung"));
  // A fixed border: the system menu and minimising, no maximising, no resizing.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setFixedSize(kClientWidth, kClientHeight);
  setFont(DefaultWindowFont());
  setBackgroundRole(QPalette::Button);
  setAutoFillBackground(true);

  BuildLabels();
  BuildFields();
  BuildTables();
  BuildOptions();
  BuildButtons();
  DescribeControls(this, kAccessibleTexts);
  FitLabels(this);
  SetTabOrder();

  binder_->TrackFocus([this] { return form_.ActiveControl(); },
                      [this](Control& control) { form_.SetFocus(control); });
  binder_->AddSync([this] { SyncMarker(); });
}

void MainWindow::BuildLabels() {
  for (const LabelSpec& item : kLabels) {
    auto* label = new QLabel(U(item.caption), this);
    label->setObjectName(QString::fromLatin1(item.name));
    label->setGeometry(item.x, item.y, item.w, item.h);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    switch (item.style) {
      case LabelStyle::Plain: break;
      case LabelStyle::Bold: label->setFont(MakeFont(kSansSerif, 11, true)); break;
      case LabelStyle::Banner: {
        label->setFont(MakeFont(kSansSerif, 13, true, true));
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, kBlue);
        label->setPalette(palette);
        break;
      }
    }
  }
}

void MainWindow::BuildFields() {
  auto field = [this](const char* name, QRect geometry, QFont font) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setGeometry(geometry);
    edit->setFont(font);
    return edit;
  };
  QLineEdit* edit1 = field("Edit1", {4, 24, 765, 24}, MakeFont(kCourierNew, 13));
  SetColours(edit1, kLime, kBlack);
  binder_->BindEdit(form_.Edit1, edit1);

  marker_ = field("Edit4", {8, 48, 761, 21}, MakeFont(kCourierNew, 13));
  marker_->setReadOnly(true);
  marker_->setFrame(false);
  binder_->BindFocus(form_.Edit4, marker_);

  QLineEdit* edit2 = field("Edit2", {104, 104, 49, 45}, MakeFont(kSansSerif, 32));
  binder_->BindEdit(form_.Edit2, edit2);

  QLineEdit* edit3 = field("Edit3", {4, 296, 765, 24}, MakeFont(kCourierNew, 13));
  SetColours(edit3, kRed, kWhite);
  binder_->BindEdit(form_.Edit3, edit3);

  QLineEdit* edit5 = field("Edit5", {4, 512, 765, 24}, MakeFont(kCourierNew, 13));
  SetColours(edit5, kLime, kBlack);
  binder_->BindEdit(form_.Edit5, edit5);

  QLineEdit* edit6 = field("Edit6", {112, 392, 49, 24}, MakeFont(kSansSerif, 13));
  binder_->BindEdit(form_.Edit6, edit6);

  auto* upDown1 = new UpDownWidget(this);
  upDown1->setObjectName(QStringLiteral("UpDown1"));
  upDown1->setGeometry(152, 104, 25, 44);
  binder_->BindUpDown(form_.UpDown1, upDown1, [this] { form_.UpDown1Click(); });

  auto* upDown2 = new UpDownWidget(this);
  upDown2->setObjectName(QStringLiteral("UpDown2"));
  upDown2->setGeometry(160, 392, 25, 25);
  binder_->BindUpDown(form_.UpDown2, upDown2, [this] { form_.UpDown2Click(); });
}

void MainWindow::BuildTables() {
  auto table = [this](StringGrid& model, const char* name, int top, GridWidget::Options options,
                      QFont font) {
    auto* grid = new GridWidget(model, options, this);
    grid->setObjectName(QString::fromLatin1(name));
    grid->setGeometry(112, top, 665, 65);
    grid->setFont(font);
    grid->SetRowHeight(20);
    binder_->BindGrid(model, grid);
    return grid;
  };
  GridWidget::Options encryption;
  encryption.Editing = true;
  encryption.Tabs = true;
  encryption.DrawFocusSelected = true;
  table(form_.StringGrid1, "StringGrid1", 184, encryption, MakeFont(kCourierNew, 13));

  GridWidget* decryption =
      table(form_.StringGrid2, "StringGrid2", 424, GridWidget::Options{}, MakeFont(kSansSerif, 11));
  QPalette palette = decryption->palette();
  palette.setColor(QPalette::Text, kBlack);
  decryption->setPalette(palette);
}

void MainWindow::BuildOptions() {
  // Items fill the columns top to bottom, then left to right.
  auto group = [this](RadioGroup& model, const char* name, QRect geometry, const char* caption,
                      std::initializer_list<const char*> items, int columns,
                      FormBinder::Handler onClick) {
    auto* box = new QGroupBox(U(caption), this);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(geometry);
    auto* buttons = new QButtonGroup(box);
    const int count = static_cast<int>(items.size());
    const int perColumn = (count + columns - 1) / columns;
    const int topMargin = fontMetrics().height() + 1;
    const int itemWidth = (geometry.width() - 10) / columns;
    const int itemHeight = (geometry.height() - topMargin - 6) / perColumn;
    int index = 0;
    for (const char* text : items) {
      auto* radio = new QRadioButton(U(text), box);
      radio->setObjectName(QStringLiteral("%1Item%2").arg(QString::fromLatin1(name)).arg(index));
      radio->setGeometry(8 + (index / perColumn) * itemWidth, topMargin + (index % perColumn) * itemHeight,
                         itemWidth, itemHeight);
      buttons->addButton(radio, index);
      ++index;
    }
    binder_->BindRadioGroup(model, buttons, box, std::move(onClick));
  };
  group(form_.RadioGroup1, "RadioGroup1", {208, 108, 353, 53}, "Optionen für Alphabet",
        {"nur Buchstaben (original)", "Buchstaben und Leerzeichen", "Buchstaben, Ziffern u. Leerz.",
         "erweiterte Zeichenliste"},
        2, [this] { form_.RadioGroup1Click(); });
  group(form_.RadioGroup2, "RadioGroup2", {568, 108, 209, 65}, "Optionen für Chiffrierung",
        {"unbekannte Zeichen überspringen", "unbekannte Zeichen übernehmen",
         "Leerzeichen für unbek. Zeichen"},
        1, [this] { form_.RadioGroup2Click(); });
}

void MainWindow::BuildButtons() {
  for (const ButtonSpec& item : kButtons) {
    auto* button = new GlyphButton(U(item.caption), GlyphIcon(item.glyph), this);
    button->setObjectName(QString::fromLatin1(item.name));
    button->setGeometry(item.x, item.y, item.w, 25);
    button->SetGlyphSide(item.glyphRight ? GlyphButton::Side::Right : GlyphButton::Side::Left);
    button->SetSpacing(item.spacing);
    if (item.bold) button->setFont(MakeFont(kSansSerif, 11, true));
    FormBinder::Handler onClick;
    // Captures the model itself: GCC 12's vptr check misreads a member reached
    // through a captured this next to a member-pointer capture.
    if (item.handler) onClick = [&form = form_, handler = item.handler] { (form.*handler)(); };
    binder_->BindButton(form_.*item.model, button, onClick);
  }
}

void MainWindow::SetTabOrder() {
  // The keyboard walks the controls in this order.
  ChainTabOrder(this, {"Edit1",    "StringGrid1", "Edit2",    "UpDown1",     "Edit3",
                       "BitBtn1",  "BitBtn2",     "BitBtn3",  "Edit4",       "RadioGroup1",
                       "RadioGroup2", "BitBtn4",  "BitBtn5",  "BitBtn6",     "BitBtn7",
                       "BitBtn8",  "BitBtn9",     "BitBtn10", "BitBtn11",    "BitBtn12",
                       "BitBtn13", "Edit5",       "BitBtn14", "BitBtn15",    "BitBtn16",
                       "BitBtn17", "BitBtn18",    "Edit6",    "UpDown2",     "StringGrid2"});
}

void MainWindow::AlignMarkerUnderPlaintext() {
  // The "^" must stand under its character. The plaintext field has a frame and
  // the marker line has none, so whichever field begins its text further left
  // gets a text margin of the difference. Measured on the polished widgets,
  // whatever the style draws around them.
  auto textOrigin = [this](QLineEdit* edit) {
    const int cursor = edit->cursorPosition();
    edit->setCursorPosition(0);
    const int x = edit->mapTo(this, edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().topLeft()).x();
    edit->setCursorPosition(cursor);
    return x;
  };
  auto* plaintext = findChild<QLineEdit*>(QStringLiteral("Edit1"));
  const int shift = textOrigin(plaintext) - textOrigin(marker_);
  QLineEdit* behind = shift > 0 ? marker_ : plaintext;
  QMargins margins = behind->textMargins();
  margins.setLeft(margins.left() + std::abs(shift));
  behind->setTextMargins(margins);
}

void MainWindow::SyncMarker() {
  const MarkerLine& marker = form_.Edit4;
  if (marker_->isVisibleTo(this) != marker.Visible) marker_->setVisible(marker.Visible);
  if (markerSynced_ != marker.Revision() && marker.Visible) {
    // A hidden marker is only spelled out once it shows again.
    marker_->setText(ToQString(marker.Text()));
    markerSynced_ = marker.Revision();
  }
}

void MainWindow::Sync() { binder_->Sync(); }

void MainWindow::ShowDriveDirectory(const QString& directory) {
  // The learner sees where "drive A:" really is, to find the files again.
  const struct {
    const char* button;
    const char* action;
  } tips[] = {
      {"BitBtn4", "Liest den Geheimtext aus der Datei GEHEIM.TXT von Laufwerk A: ein."},
      {"BitBtn5", "Speichert den Geheimtext in der Datei GEHEIM.TXT auf Laufwerk A:."},
      {"BitBtn17", "Liest den Klartext aus der Datei KLARTEXT.TXT von Laufwerk A: ein."},
      {"BitBtn18", "Speichert den Klartext in der Datei KLARTEXT.TXT auf Laufwerk A:."},
  };
  for (const auto& tip : tips)
    if (auto* button = findChild<QWidget*>(QString::fromLatin1(tip.button)))
      button->setToolTip(U(tip.action) + QStringLiteral("\n") +
                         U("Laufwerk A: ist der Ordner %1").arg(QDir::toNativeSeparators(directory)));
}

void MainWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (shown_ || event->spontaneous()) return;
  shown_ = true;
  AlignMarkerUnderPlaintext();
  binder_->Run([this] { form_.FormShow(); });
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // A running handler pauses in a nested event loop; the window must outlive it.
  if (binder_->Busy()) {
    event->ignore();
    if (!closeWanted_) {
      closeWanted_ = true;
      binder_->WhenIdle([this] {
        closeWanted_ = false;
        close();
      });
    }
    return;
  }
  QWidget::closeEvent(event);
}
