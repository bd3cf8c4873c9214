#include "KAnalyse3/view/BruteForceWindow.h"

#include "KAnalyse3/model/TForm3.h"
#include "toolkit/view/form/ControlRow.h"
#include "toolkit/view/form/FormBinder.h"
#include "toolkit/view/grid/GridWidget.h"
#include "toolkit/view/widgets/Fonts.h"

namespace {

// Every control of the window, one row each (ControlRow.h): the labels, the
// field and the sort buttons, the table and the word list, "Beenden". Places
// are in the client area of the smallest window, 611 × 415. The table is the
// first tab stop and has the focus when the window opens.
std::vector<ControlRow> Controls(TForm3& f) {
  return {
      {.Name = "Label1", .Place = {264, 8, 243, 13}, .Anchors = kAnchorTopRight,
       .Caption = "Analyse beruht auf dem eingestellten Alphabet  mit: ", .LabelFor = &f.Edit1},
      {.Name = "Label2", .Place = {560, 8, 39, 13}, .Anchors = kAnchorTopRight,
       .Caption = "Zeichen"},
      {.Name = "Label3", .Place = {8, 368, 88, 13}, .Anchors = kAnchorBottomLeft,
       .Caption = "benutzte Wortliste:", .LabelFor = &f.RichEdit1},

      {.Name = "Edit1", .Place = {512, 4, 41, 21}, .Anchors = kAnchorTopRight, .Tab = 3,
       .Model = &f.Edit1, .AccessibleName = "Zeichen im Alphabet",
       .Description = "die Analyse beruht auf dem eingestellten Alphabet mit so vielen Zeichen"},
      // Each sort button stands over the column it sorts by; only the second
      // one has a tooltip. The grid's top edge lies on their bottom edge and is
      // drawn over it.
      {.Name = "BitBtn3", .Place = {24, 8, 41, 25}, .Tab = 4, .Icon = Glyph::SortDown,
       .Model = &f.BitBtn3, .OnClick = [&f] { f.BitBtn3Click(); },
       .AccessibleName = "nach Verschiebung sortieren",
       .Description = "aufsteigend nach der Cäsar-Verschiebung sortieren"},
      {.Name = "BitBtn2", .Place = {88, 8, 41, 25}, .Tab = 2, .Icon = Glyph::SortDown,
       .Model = &f.BitBtn2, .OnClick = [&f] { f.BitBtn2Click(); },
       .AccessibleName = "nach deutschen Wörtern sortieren",
       .Description = "absteigend nach Anzahl der deutschen Wörter und Wortgruppen sortieren",
       .ToolTip = "absteigend nach Anzahl der deutschen Wörter und Wortgruppen sortieren"},

      {.Name = "StringGrid1", .Place = {8, 32, 593, 329}, .Anchors = kAnchorAll, .Tab = 0,
       .Grid = {.Options = kReadOnlyTable, .RowHeight = 18, .ScrollBarsAlways = true},
       .Model = &f.StringGrid1, .AccessibleName = "Ergebnistabelle",
       .Description = "je Cäsar-Verschiebung: die Anzahl der gefundenen deutschen Wörter und der "
                      "damit entschlüsselte Klar-Text",
       .Keys = "Pfeiltasten; Umschalt+Pfeiltasten: Bereich markieren; Strg+A: alles markieren; Strg+C: kopieren; Umschalt+F10: Kontextmenü"},
      {.Name = "RichEdit1", .Place = {104, 368, 385, 41},
       .Anchors = kAnchorLeft | kAnchorRight | kAnchorBottom, .Tab = 5, .ButtonFace = true,
       .Model = &f.RichEdit1, .AccessibleName = "benutzte Wortliste",
       .Description = "die deutschen Wörter, die in jedem Klar-Text gezählt werden"},

      ModalFormDialog::CloseButton({.Name = "BitBtn1", .Place = {504, 384, 89, 25}, .Tab = 1,
                                    .Model = &f.BitBtn1, .OnClick = [&f] { f.BitBtn1Click(); },
                                    .Description = "schließt die brachiale Kryptoanalyse"}),

      // Beyond the table: in the free room of the top row, between the sort
      // buttons and the alphabet size. The room is only a little wider than
      // the caption, so the button has no glyph and its caption a slightly
      // condensed font, which leaves a margin inside and a gap to the label.
      {.Name = "BitBtn4", .Place = {130, 8, 128, 24}, .Tab = 6,
       .Caption = "Verschiebung übernehmen", .Font = {kSansSerif, 11, false, false, 90},
       .Model = &f.BitBtn4,
       .OnClick = [&f] { f.BitBtn4Click(); },
       .Description = "schließt die brachiale Kryptoanalyse und stellt im Hauptfenster die "
                      "Verschiebung der gewählten Zeile zum Entschlüsseln ein, ohne gewählte "
                      "Zeile die der obersten",
       .ToolTip = "Verschiebung der gewählten Zeile (sonst der obersten) im Hauptfenster zum "
                  "Entschlüsseln einstellen"},
  };
}

}  // namespace

std::vector<ControlRow> BruteForceWindow::ControlRows(TForm3& form) { return Controls(form); }

BruteForceWindow::BruteForceWindow(TForm3& form, QWidget* owner)
    : ModalFormDialog(form.Frame, HandlersOf(form, &TForm3::BitBtn1Click), "Form3",
                      "Brachiale Kryptoanalyse (Brute Force)", Controls(form), owner),
      form_(form) {
  Grid().AddMenuAction(PrintAction());  // the window on paper
}

GridWidget& BruteForceWindow::Grid() {
  return *static_cast<GridWidget*>(Binder().WidgetOf(&form_.StringGrid1));
}
