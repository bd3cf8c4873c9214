#include "maincaesar/view/MainWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QShowEvent>
#include <QToolButton>
#include <QWindow>

#include <cstdlib>
#include <vector>

#include "maincaesar/model/TForm1.h"
#include "toolkit/view/form/ControlRow.h"
#include "toolkit/view/form/ControlTable.h"
#include "toolkit/model/Zoom.h"
#include "toolkit/view/form/FormBinder.h"
#include "toolkit/view/widgets/Zoom.h"
#include "toolkit/view/widgets/Announcer.h"
#include "toolkit/view/widgets/Fonts.h"
#include "toolkit/view/text/QtText.h"

namespace {

constexpr int kClientWidth = 782;
constexpr int kClientHeight = 540;

const QColor kLime(0x00, 0xFF, 0x00);
const QColor kRed(0xFF, 0x00, 0x00);
const QColor kWhite(0xFF, 0xFF, 0xFF);
const QColor kBlue(0x00, 0x00, 0xFF);
const QColor kBlack(0x00, 0x00, 0x00);

// The banner in the top right corner names the release and where help is.
constexpr const char* kReleaseBanner =
    "Chiffrarium 1.0 \xE2\x80\x93 Ausgabe f\xC3\xBCr Schulen \xC2\xB7 Hilfe: F1";

constexpr FontStyle kBold{kSansSerif, 11, true};
constexpr FontStyle kCourier13{kCourierNew, 13};

// Every control of the workbench, one row each (ControlRow.h): the labels,
// the fields, spinners and tables, the option groups, the buttons. Places are
// in the client area; every button is 25 pixels high. The diskette buttons
// name their file (%1) and, at run time, the folder of drive A: (ShowDriveDirectory).
// The steps place the tables' selection, so "Kopieren" copies a table whole.
std::vector<ControlRow> Controls(TForm1& f, QToolButton*& extras) {
  return {
      {.Name = "Label5", .Place = {8, 8, 48, 13}, .Caption = "Klartext:", .Font = kBold,
       .LabelFor = &f.Edit1},
      {.Name = "Label1", .Place = {104, 8, 123, 13}, .Caption = "(zu verschlüsselnder Text)"},
      {.Name = "Label11", .Place = {368, 0, 399, 16}, .Caption = kReleaseBanner,
       .Font = {kSansSerif, 13, true, true}, .Colour = kBlue},
      {.Name = "Label2", .Place = {8, 88, 118, 13}, .Caption = "Cäsar-Verschiebung:", .Font = kBold,
       .LabelFor = &f.Edit2},
      {.Name = "Label14", .Place = {8, 112, 51, 13}, .Caption = "(Schlüssel)"},
      {.Name = "Label7", .Place = {8, 168, 42, 13}, .Caption = "Chiffre:", .Font = kBold,
       .LabelFor = &f.StringGrid1},
      {.Name = "Label3", .Place = {56, 168, 206, 13},
       .Caption = "(Verschlüsselungs-Tabelle, Chiffren-Tabelle)"},
      {.Name = "Label8", .Place = {8, 188, 80, 13}, .Caption = "Klartext-Zeichen:"},
      {.Name = "Label10", .Place = {8, 204, 49, 13}, .Caption = "gesuchtes"},
      {.Name = "Label9", .Place = {8, 216, 93, 13}, .Caption = "Chiffrentextzeichen:"},
      {.Name = "Label6", .Place = {8, 280, 93, 13}, .Caption = "Chiffrierter Text:", .Font = kBold,
       .LabelFor = &f.Edit3},
      {.Name = "Label4", .Place = {104, 280, 100, 13}, .Caption = "(verschlüsselter Text)"},
      {.Name = "Label15", .Place = {8, 400, 98, 13}, .Caption = "Cäsar-Verschiebung:",
       .LabelFor = &f.Edit6},
      {.Name = "Label18", .Place = {8, 420, 49, 13}, .Caption = "gesuchtes"},
      {.Name = "Label17", .Place = {8, 432, 75, 13}, .Caption = "Klartextzeichen:",
       .LabelFor = &f.StringGrid2},
      {.Name = "Label16", .Place = {8, 452, 98, 13}, .Caption = "Chiffrentext-Zeichen:"},
      {.Name = "Label12", .Place = {8, 496, 48, 13}, .Caption = "Klartext:", .Font = kBold,
       .LabelFor = &f.Edit5},
      {.Name = "Label13", .Place = {104, 496, 100, 13}, .Caption = "(entschlüsselter Text)"},

      {.Name = "Edit1", .Place = {4, 24, 765, 24}, .Tab = 0, .Font = kCourier13, .Colour = kBlack,
       .Background = kLime, .Model = &f.Edit1, .AccessibleName = "Klartext",
       .Description = "zu verschlüsselnder Text",
       .Keys = "Strg+V: einfügen; Umschalt+F10: Kontextmenü"},
      // The marker line: no border, so that its "^" can stand under the plaintext.
      {.Name = "Edit4", .Place = {8, 48, 761, 21}, .Tab = 8, .Font = kCourier13, .Framed = false,
       .Model = &f.Edit4, .AccessibleName = "Positionsmarke",
       .Description =
           "das Zeichen ^ steht unter dem Klartext-Zeichen, das gerade verschlüsselt wird"},
      {.Name = "Edit2", .Place = {104, 104, 49, 45}, .Tab = 2, .Font = {kSansSerif, 32},
       .Model = &f.Edit2, .AccessibleName = "Cäsar-Verschiebung",
       .Description = "Schlüssel der Verschlüsselung"},
      {.Name = "Edit3", .Place = {4, 296, 765, 24}, .Tab = 4, .Font = kCourier13, .Colour = kWhite,
       .Background = kRed, .Model = &f.Edit3, .AccessibleName = "Chiffrierter Text",
       .Description = "verschlüsselter Text",
       .Keys = "Strg+V: einfügen; Umschalt+F10: Kontextmenü"},
      {.Name = "Edit5", .Place = {4, 512, 765, 24}, .Tab = 21, .Font = kCourier13, .Colour = kBlack,
       .Background = kLime, .Model = &f.Edit5, .AccessibleName = "Klartext",
       .Description = "entschlüsselter Text"},
      {.Name = "Edit6", .Place = {112, 392, 49, 24}, .Tab = 27, .Font = {kSansSerif, 13},
       .Model = &f.Edit6, .AccessibleName = "Cäsar-Verschiebung",
       .Description = "Schlüssel der Entschlüsselung"},
      // Each spinner covers the right edge of the shift field it stands beside.
      {.Name = "UpDown1", .Place = {152, 104, 25, 44}, .Tab = 3, .Model = &f.UpDown1,
       .OnClick = [&f] { f.UpDown1Click(); }, .AccessibleName = "Cäsar-Verschiebung ändern",
       .Description = "erhöht oder verringert den Schlüssel der Verschlüsselung um eins; die "
                      "Entschlüsselung übernimmt ihn",
       .Keys = "Pfeil hoch, Pfeil runter"},
      {.Name = "UpDown2", .Place = {160, 392, 25, 25}, .Tab = 28, .Model = &f.UpDown2,
       .OnClick = [&f] { f.UpDown2Click(); }, .AccessibleName = "Cäsar-Verschiebung ändern",
       .Description = "erhöht oder verringert den Schlüssel der Entschlüsselung um eins",
       .Keys = "Pfeil hoch, Pfeil runter"},

      {.Name = "StringGrid1", .Place = {112, 184, 665, 65}, .Tab = 1, .Font = kCourier13,
       .Grid = {.Options = {.Editing = true, .Tabs = true, .DrawFocusSelected = true,
                            .CopyWholeTable = true},
                .RowHeight = 20},
       .Model = &f.StringGrid1, .AccessibleName = "Chiffre",
       .Description = "Verschlüsselungs-Tabelle, Chiffren-Tabelle: oben die Klartext-Zeichen, "
                      "darunter die gesuchten Chiffrentextzeichen; Tab geht von Zelle zu Zelle, "
                      "Strg+Tab verlässt die Tabelle",
       .Keys = "Tab und Umschalt+Tab: von Zelle zu Zelle; Strg+Tab, Strg+Umschalt+Tab: aus der Tabelle; Pfeiltasten; Eingabe oder F2: Zelle bearbeiten; Strg+C: kopieren; Umschalt+F10: Kontextmenü"},
      {.Name = "StringGrid2", .Place = {112, 424, 665, 65}, .Tab = 29, .Font = {kSansSerif, 11},
       .Colour = kBlack, .Grid = {.Options = {.CopyWholeTable = true}, .RowHeight = 20},
       .Model = &f.StringGrid2,
       .AccessibleName = "Entschlüsselungs-Tabelle",
       .Description = "oben die gesuchten Klartextzeichen, darunter die Chiffrentext-Zeichen",
       .Keys = "Pfeiltasten; Strg+C: kopieren; Strg+A: alles markieren; Umschalt+F10: Kontextmenü"},

      {.Name = "RadioGroup1", .Place = {208, 108, 353, 53}, .Tab = 9,
       .Caption = "Optionen für Alphabet",
       .Items = {"nur Buchstaben (original)", "Buchstaben und Leerzeichen",
                 "Buchstaben, Ziffern u. Leerz.", "erweiterte Zeichenliste"},
       .Columns = 2, .Model = &f.RadioGroup1, .OnClick = [&f] { f.RadioGroup1Click(); },
       .Description = "welche Zeichen die Tabellen enthalten",
       .Keys = "Pfeiltasten wählen die Option"},
      {.Name = "RadioGroup2", .Place = {568, 108, 209, 65}, .Tab = 10,
       .Caption = "Optionen für Chiffrierung",
       .Items = {"unbekannte Zeichen überspringen", "unbekannte Zeichen übernehmen",
                 "Leerzeichen für unbek. Zeichen"},
       .Model = &f.RadioGroup2, .OnClick = [&f] { f.RadioGroup2Click(); },
       .Description = "was mit Zeichen geschieht, die nicht in der Tabelle stehen",
       .Keys = "Pfeiltasten wählen die Option"},

      {.Name = "BitBtn16", .Place = {200, 76, 161, 25}, .Tab = 24, .Caption = "Klartext löschen",
       .Font = kBold, .Icon = Glyph::ClearText, .Model = &f.BitBtn16,
       .OnClick = [&f] { f.BitBtn16Click(); },
       .Description = "leert Klartext, Geheimtext und entschlüsselten Klartext; beide Richtungen "
                      "beginnen von vorn"},
      {.Name = "BitBtn17", .Place = {392, 76, 161, 25}, .Tab = 25,
       .Caption = "Klartext einlesen ...", .Icon = Glyph::LoadFromDiskette, .Model = &f.BitBtn17,
       .OnClick = [&f] { f.BitBtn17Click(); },
       .Description = "liest den Klartext aus der Datei %1 von Laufwerk A: ein",
       .ToolTip = "Liest den Klartext aus der Datei %1 von Laufwerk A: ein.",
       .File = TForm1::kPlainTextFile},
      {.Name = "BitBtn18", .Place = {584, 76, 161, 25}, .Tab = 26,
       .Caption = "Klartext speichern ...", .Icon = Glyph::SaveToDiskette,
       .GlyphSide = GlyphButton::Side::Right, .Model = &f.BitBtn18,
       .OnClick = [&f] { f.BitBtn18Click(); },
       .Description = "speichert den Klartext in der Datei %1 auf Laufwerk A:",
       .ToolTip = "Speichert den Klartext in der Datei %1 auf Laufwerk A:.",
       .File = TForm1::kPlainTextFile},
      {.Name = "BitBtn14", .Place = {208, 256, 121, 25}, .Tab = 22, .Caption = "von vorn beginnen",
       .Icon = Glyph::Restart, .GlyphSpacing = 4, .Model = &f.BitBtn14,
       .OnClick = [&f] { f.BitBtn14Click(); },
       .Description = "leert den Geheimtext; die Verschlüsselung beginnt wieder beim ersten "
                      "Klartext-Zeichen"},
      {.Name = "BitBtn1", .Place = {336, 256, 153, 25}, .Tab = 5,
       .Caption = "ein Zeichen verschlüsseln", .Icon = Glyph::EncryptOne, .GlyphSpacing = 4,
       .Model = &f.BitBtn1, .OnClick = [&f] { f.BitBtn1Click(); },
       .Description =
           "verschlüsselt das nächste Klartext-Zeichen und hängt es an den Geheimtext an"},
      {.Name = "BitBtn2", .Place = {496, 256, 153, 25}, .Tab = 6,
       .Caption = "schrittweise verschlüsseln", .Icon = Glyph::EncryptStepwise, .GlyphSpacing = 4,
       .Model = &f.BitBtn2, .OnClick = [&f] { f.BitBtn2Click(); },
       .Description = "verschlüsselt den Klartext Zeichen für Zeichen, mit einer kurzen Pause nach "
                      "jedem; die Esc-Taste hält an",
       .ToolTip = "Verschlüsselt Zeichen für Zeichen. Esc hält an; danach geht es Schritt für "
                  "Schritt weiter.",
       .Keys = "Esc hält an"},
      {.Name = "BitBtn3", .Place = {656, 256, 121, 25}, .Tab = 7, .Caption = "alles verschlüsseln",
       .Icon = Glyph::EncryptAll, .GlyphSpacing = 4, .Model = &f.BitBtn3,
       .OnClick = [&f] { f.BitBtn3Click(); },
       .Description = "verschlüsselt den ganzen Klartext auf einmal"},
      {.Name = "BitBtn4", .Place = {24, 328, 161, 25}, .Tab = 11,
       .Caption = "Geheimtext einlesen ...", .Icon = Glyph::LoadFromDiskette, .Model = &f.BitBtn4,
       .OnClick = [&f] { f.BitBtn4Click(); },
       .Description = "liest den Geheimtext aus der Datei %1 von Laufwerk A: ein",
       .ToolTip = "Liest den Geheimtext aus der Datei %1 von Laufwerk A: ein.",
       .File = TForm1::kCipherTextFile},
      {.Name = "BitBtn6", .Place = {208, 328, 145, 25}, .Tab = 13, .Caption = "Geheimtext löschen",
       .Icon = Glyph::ClearText, .Model = &f.BitBtn6, .OnClick = [&f] { f.BitBtn6Click(); },
       .Description = "leert den Geheimtext; die Verschlüsselung beginnt von vorn"},
      {.Name = "BitBtn5", .Place = {376, 328, 161, 25}, .Tab = 12,
       .Caption = "Geheimtext speichern ...", .Icon = Glyph::SaveToDiskette,
       .GlyphSide = GlyphButton::Side::Right, .Model = &f.BitBtn5,
       .OnClick = [&f] { f.BitBtn5Click(); },
       .Description = "speichert den Geheimtext in der Datei %1 auf Laufwerk A:",
       .ToolTip = "Speichert den Geheimtext in der Datei %1 auf Laufwerk A:.",
       .File = TForm1::kCipherTextFile},
      {.Name = "BitBtn13", .Place = {560, 328, 193, 25}, .Tab = 20,
       .Caption = "entschlüsselten Klartext löschen", .Icon = Glyph::ClearText,
       .Model = &f.BitBtn13, .OnClick = [&f] { f.BitBtn13Click(); },
       .Description = "leert den entschlüsselten Klartext; die Entschlüsselung beginnt von vorn"},
      {.Name = "BitBtn15", .Place = {16, 356, 129, 25}, .Tab = 23, .Caption = "von vorn beginnen",
       .Icon = Glyph::Restart, .Model = &f.BitBtn15, .OnClick = [&f] { f.BitBtn15Click(); },
       .Description = "leert den entschlüsselten Klartext; die Entschlüsselung beginnt wieder beim "
                      "ersten Geheimtext-Zeichen"},
      {.Name = "BitBtn7", .Place = {160, 356, 161, 25}, .Tab = 14,
       .Caption = "ein Zeichen entschlüsseln", .Icon = Glyph::DecryptOne, .Model = &f.BitBtn7,
       .OnClick = [&f] { f.BitBtn7Click(); },
       .Description = "entschlüsselt das nächste Geheimtext-Zeichen und hängt es an den "
                      "entschlüsselten Klartext an"},
      {.Name = "BitBtn8", .Place = {336, 356, 225, 25}, .Tab = 15,
       .Caption = "schrittweise alle Zeichen entschlüsseln", .Icon = Glyph::DecryptStepwise,
       .Model = &f.BitBtn8, .OnClick = [&f] { f.BitBtn8Click(); },
       .Description = "entschlüsselt den Geheimtext Zeichen für Zeichen, mit einer kurzen Pause "
                      "nach jedem; die Esc-Taste hält an",
       .ToolTip = "Entschlüsselt Zeichen für Zeichen. Esc hält an; danach geht es Schritt für "
                  "Schritt weiter.",
       .Keys = "Esc hält an"},
      {.Name = "BitBtn9", .Place = {576, 356, 193, 25}, .Tab = 16,
       .Caption = "sofort alle Zeichen entschlüsseln", .Icon = Glyph::DecryptAll,
       .Model = &f.BitBtn9, .OnClick = [&f] { f.BitBtn9Click(); },
       .Description = "entschlüsselt den ganzen Geheimtext auf einmal"},
      {.Name = "BitBtn10", .Place = {200, 392, 169, 25}, .Tab = 17,
       .Caption = "Kryptoanalyse Einzelzeichen", .Icon = Glyph::FrequencyAnalysis,
       .Model = &f.BitBtn10, .OnClick = [&f] { f.BitBtn10Click(); },
       .Description = "öffnet die Häufigkeitsanalyse des Geheimtexts"},
      {.Name = "BitBtn11", .Place = {376, 392, 177, 25}, .Tab = 18,
       .Caption = "Kryptoanalyse Zeichenpaare", .Icon = Glyph::PairAnalysis, .Model = &f.BitBtn11,
       .OnClick = [&f] { f.BitBtn11Click(); },
       .Description = "Analyse der Zeichenpaare; in dieser Ausgabe nicht verfügbar"},
      {.Name = "BitBtn12", .Place = {560, 392, 217, 25}, .Tab = 19,
       .Caption = "brachiale Kryptoanalyse (Brute Force)", .Icon = Glyph::BruteForce,
       .Model = &f.BitBtn12, .OnClick = [&f] { f.BitBtn12Click(); },
       .Description = "entschlüsselt den Geheimtext mit jeder Cäsar-Verschiebung und zählt die "
                      "deutschen Wörter"},

      // Beyond the workbench: the menu of what the classroom needs, at the free
      // right end of the top line, beside the banner's text and over none.
      // No tab stop: Alt+X and F10 open it.
      {.Name = "Extras", .Place = {712, 0, 66, 20}, .Caption = "E&xtras",
       .AccessibleName = "Extras",
       .Description = "Menü: Ansicht größer und kleiner, Hilfe, über Chiffrarium",
       .ToolTip = "Extras (Alt+X, F10)", .Keys = "Alt+X, F10",
       .Widget = [&extras](QWidget* window) -> QWidget* {
         extras = new QToolButton(window);
         extras->setText(U("E&xtras"));
         extras->setAutoRaise(true);
         extras->setPopupMode(QToolButton::InstantPopup);
         extras->setToolButtonStyle(Qt::ToolButtonTextOnly);
         extras->setFocusPolicy(Qt::NoFocus);
         return extras;
       }},
  };
}

}  // namespace

std::vector<ControlRow> MainWindow::ControlRows(TForm1& form) {
  QToolButton* none = nullptr;  // the rows are read, no widget is made
  return Controls(form, none);
}

MainWindow::MainWindow(TForm1& form, QWidget* parent)
    : QWidget(parent),
      form_(form),
      binder_(new FormBinder(this)),
      controls_(
          std::make_unique<ControlTable>(this, *binder_, QSize(kClientWidth, kClientHeight))) {
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

  controls_->Build(Controls(form, extras_));
  marker_ = qobject_cast<QLineEdit*>(binder_->WidgetOf(&form_.Edit4));

  binder_->TrackFocus([this] { return form_.ActiveControl(); },
                      [this](Control& control) { form_.SetFocus(control); });
  binder_->AddSync([this] { SyncMarker(); });
  binder_->BindAnnouncement(form_.Announcer);
  MakeExtras();
}

void MainWindow::MakeExtras() {
  extrasMenu_ = new QMenu(this);
  extrasMenu_->setObjectName(QStringLiteral("ExtrasMenu"));
  extrasMenu_->setAccessibleName(QStringLiteral("Extras"));
  extras_->setMenu(extrasMenu_);
  // F10 opens it as in a menu bar; the entries' keys work without it.
  auto* open = new QAction(this);
  open->setShortcut(QKeySequence(Qt::Key_F10));
  open->setShortcutContext(Qt::WindowShortcut);
  connect(open, &QAction::triggered, extras_, &QToolButton::showMenu);
  addAction(open);
  extrasMenu_->addActions(InstallZoomKeys(this));
  extrasMenu_->addSeparator();
  helpSection_ = extrasMenu_->addSeparator();
  // F1 opens the help at the focused control's entry; "Hilfe" in the menu at
  // its start, and says which key it has without taking it.
  auto* contextHelp = new QAction(U("Hilfe zum Steuerelement"), this);
  contextHelp->setObjectName(QStringLiteral("ContextHelp"));
  contextHelp->setShortcut(QKeySequence(Qt::Key_F1));
  contextHelp->setShortcutContext(Qt::WindowShortcut);
  connect(contextHelp, &QAction::triggered, this,
          [this] { Q_EMIT HelpWanted(controls_->ControlNameOf(focusWidget())); });
  addAction(contextHelp);
  auto* help = new QAction(U("Hilfe\tF1"), this);
  help->setObjectName(QStringLiteral("Help"));
  connect(help, &QAction::triggered, this, &MainWindow::HelpPageWanted);
  extrasMenu_->addAction(help);
  auto* about = new QAction(U("Über Chiffrarium"), this);
  about->setObjectName(QStringLiteral("About"));
  connect(about, &QAction::triggered, this, &MainWindow::AboutWanted);
  extrasMenu_->addAction(about);

  announcer_ = new Announcer(this);
  ViewZoom& zoom = ViewZoom::Get();
  zoom.SetLargestFrom([this] { return LargestZoom(); });
  connect(&zoom, &ViewZoom::Changed, this, [this](int percent) {
    ApplyZoom(percent);
    announcer_->Say(U("Ansicht %1 %").arg(percent));
  });
}

QAction* MainWindow::AddExtra(const char* name, const QString& text, const QKeySequence& key) {
  auto* action = new QAction(text, this);
  action->setObjectName(QString::fromLatin1(name));
  action->setShortcut(key);
  action->setShortcutContext(Qt::WindowShortcut);
  action->setShortcutVisibleInContextMenu(true);
  addAction(action);
  extrasMenu_->insertAction(helpSection_, action);
  return action;
}

int MainWindow::LargestZoom() const {
  const QScreen* here = screen();
  if (!here) return kNoZoom;
  // Before the window is shown, a frame as the analysis windows' layouts
  // assume one; once shown, the frame it has (none without a window manager).
  QSize frame = frameGeometry().size() - size();
  if (!isVisible()) frame = frame.expandedTo(QSize(8, 34));
  const QRect area = here->availableGeometry();
  return LargestFittingStep(kClientWidth, kClientHeight, frame.width(), frame.height(),
                            area.width(), area.height());
}

void MainWindow::ApplyZoom(int percent) {
  const QPoint centre = frameGeometry().center();
  controls_->SetZoom(percent);
  setFixedSize(controls_->DesignedClient());
  controls_->Apply(size());
  if (shown_) AlignMarkerUnderPlaintext();
  if (!isVisible()) return;
  // The window keeps its centre, and its title bar on the screen.
  QRect frame = frameGeometry();
  frame.moveCenter(centre);
  if (const QScreen* here = screen()) {
    const QRect area = here->availableGeometry();
    frame.moveLeft(std::max(area.left(), std::min(frame.left(), area.right() + 1 - frame.width())));
    frame.moveTop(std::max(area.top(), std::min(frame.top(), area.bottom() + 1 - frame.height())));
  }
  move(frame.topLeft());
}

MainWindow::~MainWindow() = default;

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
  auto* plaintext = qobject_cast<QLineEdit*>(binder_->WidgetOf(&form_.Edit1));
  // Measured afresh, after a zoom too: from no margins.
  for (QLineEdit* edit : {plaintext, marker_}) {
    QMargins margins = edit->textMargins();
    margins.setLeft(0);
    edit->setTextMargins(margins);
  }
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
  controls_->AddToFileToolTips(
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
